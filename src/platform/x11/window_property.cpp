#include "window_property.h"

#include <cstring>
#include <memory>

namespace korrelang::platform::x11 {

std::optional<std::vector<unsigned char>> WindowProperty::read(Display* display, Window window,
                                                               const char* name, Atom type,
                                                               int format) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None) {
        return std::nullopt;
    }
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, atom, 0, 4096, False, type, &actualType, &actualFormat,
                           &count, &after, &data) != Success ||
        data == nullptr) {
        return std::nullopt;
    }
    std::unique_ptr<unsigned char, int (*)(void*)> owned(data, XFree);
    if (actualType != type || actualFormat != format) {
        return std::nullopt;
    }
    const std::size_t itemSize = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
    return std::vector<unsigned char>(data, data + count * itemSize);
}

std::optional<long> WindowProperty::readCardinal(Display* display, Window window, const char* name,
                                                 Atom type) {
    const auto bytes = read(display, window, name, type, 32);
    if (!bytes || bytes->size() < sizeof(long)) {
        return std::nullopt;
    }
    long value = 0;
    std::memcpy(&value, bytes->data(), sizeof value);
    return value;
}

}  // namespace korrelang::platform::x11
