// Holds a clipboard of several formats on Wayland, as a user's program does after a copy: a text
// and an image (or whatever FORMAT=FILE pairs are given), offered from the background through
// data-control until standard input closes. The clipboard benchmarks put it there and check,
// with wl-paste, that every format comes back after each conversion.
//
//   bench_clipboard_owner text/plain=note.txt image/png=picture.png
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/wayland/data_control_clipboard.h"
#include "platform/wayland/display_connection.h"

using namespace korrelang::platform;

int main(int argc, char** argv) {
    ClipboardSnapshot snapshot;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto equals = argument.rfind('=');
        std::ifstream file(argument.substr(equals + 1), std::ios::binary);
        if (equals == std::string::npos || !file) {
            std::fprintf(stderr, "clipboard owner: cannot read %s\n", argv[i]);
            return 2;
        }
        snapshot.formats.emplace_back(
            argument.substr(0, equals),
            std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
    }
    const auto connection = wayland::DisplayConnection::open();
    const auto clipboard = wayland::DataControlClipboard::create(connection);
    if (!clipboard || snapshot.empty()) {
        std::fprintf(stderr, "clipboard owner: no data-control clipboard, or nothing to offer\n");
        return 1;
    }
    // Only the clipboard: the mouse selection is the editor's to keep.
    clipboard->restore(ClipboardSnapshot{snapshot.formats, {}, false});
    std::puts("offered");
    std::fflush(stdout);
    // The connection's thread serves the transfers; this one only waits to be told to stop.
    while (std::getchar() != EOF) {
    }
    return 0;
}
