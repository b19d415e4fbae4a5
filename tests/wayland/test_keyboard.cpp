// A persistent virtual keyboard for the Wayland tests: it holds the seat's keyboard focus for the
// whole session and types what the test asks on standard input, one command a line:
//   type TEXT       types ASCII text on the first layout
//   key CODE        presses and releases an evdev key code
//   down CODE / up CODE
//   combo CODE...   presses the codes in order, releases them in reverse
//   sync            answers "ok" once the compositor has everything sent before
// Modifiers follow from the keys (the compositor tracks them), and no layout group is ever sent,
// so switching layouts over the compositor's IPC changes what the keys type.
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstring>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "virtual-keyboard-unstable-v1-client-protocol.h"

namespace {

constexpr std::uint32_t kShift = 42;  // KEY_LEFTSHIFT
constexpr std::uint32_t kXkbOffset = 8;

wl_seat* seat = nullptr;
zwp_virtual_keyboard_manager_v1* manager = nullptr;

void onGlobal(void*, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t) {
    if (std::strcmp(interface, "wl_seat") == 0 && seat == nullptr) {
        seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, "zwp_virtual_keyboard_manager_v1") == 0) {
        manager = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    }
}
void onGlobalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kListener{onGlobal, onGlobalRemove};

std::uint32_t now() {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

}  // namespace

int main(int argc, char** argv) {
    const std::string layouts = argc > 1 ? argv[1] : "us";
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::cerr << "test_keyboard: no compositor\n";
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kListener, nullptr);
    wl_display_roundtrip(display);
    if (seat == nullptr || manager == nullptr) {
        std::cerr << "test_keyboard: no seat or no virtual keyboard manager\n";
        return 1;
    }
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names{"evdev", "pc105", layouts.c_str(), "", ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap == nullptr) {
        std::cerr << "test_keyboard: keymap " << layouts << " does not compile\n";
        return 1;
    }
    // Which key and level type each ASCII character on the first layout.
    std::map<char32_t, std::pair<std::uint32_t, bool>> keys;
    for (std::uint32_t code = kXkbOffset; code < 256; ++code) {
        for (xkb_level_index_t level = 0; level < 2; ++level) {
            const xkb_keysym_t* syms = nullptr;
            if (xkb_keymap_key_get_syms_by_level(keymap, code, 0, level, &syms) > 0) {
                const char32_t c = xkb_keysym_to_utf32(syms[0]);
                if (c != 0 && keys.find(c) == keys.end()) {
                    keys[c] = {code - kXkbOffset, level == 1};
                }
            }
        }
    }
    char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const std::size_t size = std::strlen(text) + 1;
    const int fd = memfd_create("test-keymap", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text, size) != static_cast<ssize_t>(size)) {
        return 1;
    }
    zwp_virtual_keyboard_v1* keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager, seat);
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   static_cast<std::uint32_t>(size));
    wl_display_roundtrip(display);
    std::cout << "ready" << std::endl;

    const auto send = [&](std::uint32_t code, bool down) {
        zwp_virtual_keyboard_v1_key(
            keyboard, now(), code,
            down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    };
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "type") {
            for (const char c : line.substr(std::min<std::size_t>(line.size(), 5))) {
                const auto it = keys.find(static_cast<char32_t>(static_cast<unsigned char>(c)));
                if (it == keys.end()) {
                    std::cerr << "test_keyboard: no key types '" << c << "'\n";
                    continue;
                }
                if (it->second.second) {
                    send(kShift, true);
                }
                send(it->second.first, true);
                send(it->second.first, false);
                if (it->second.second) {
                    send(kShift, false);
                }
            }
        } else if (command == "key" || command == "down" || command == "up") {
            std::uint32_t code = 0;
            words >> code;
            if (command != "up") {
                send(code, true);
            }
            if (command != "down") {
                send(code, false);
            }
        } else if (command == "combo") {
            std::vector<std::uint32_t> codes;
            for (std::uint32_t code = 0; words >> code;) {
                codes.push_back(code);
            }
            for (const auto code : codes) {
                send(code, true);
            }
            for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
                send(*it, false);
            }
        } else if (command == "sync") {
            wl_display_roundtrip(display);
            std::cout << "ok" << std::endl;
        }
        if (wl_display_flush(display) < 0) {
            return 1;
        }
    }
    return 0;
}
