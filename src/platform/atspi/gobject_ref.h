#pragma once

#include <glib-object.h>

#include <utility>

namespace korrelang::platform::atspi {

/// Owns one reference to a GObject (an AtspiAccessible, an AtspiText…).
template <typename T>
class GObjectRef {
public:
    GObjectRef() = default;
    /// Takes over a reference the caller owns (a "transfer full" result).
    static GObjectRef adopt(T* object) {
        GObjectRef ref;
        ref.m_object = object;
        return ref;
    }
    /// Adds a reference of its own.
    static GObjectRef share(T* object) {
        if (object != nullptr) {
            g_object_ref(object);
        }
        return adopt(object);
    }
    GObjectRef(const GObjectRef& other) : m_object(other.m_object) {
        if (m_object != nullptr) {
            g_object_ref(m_object);
        }
    }
    GObjectRef(GObjectRef&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    GObjectRef& operator=(GObjectRef other) noexcept {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ~GObjectRef() {
        if (m_object != nullptr) {
            g_object_unref(m_object);
        }
    }

    T* get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T* m_object = nullptr;
};

/// Frees memory GLib handed over (strings, ranges).
struct GFreeDeleter {
    void operator()(void* p) const { g_free(p); }
};

/// A GError filled by a call and freed at the end of the scope.
class ErrorSlot {
public:
    ErrorSlot() = default;
    ErrorSlot(const ErrorSlot&) = delete;
    ErrorSlot& operator=(const ErrorSlot&) = delete;
    ~ErrorSlot() { g_clear_error(&m_error); }

    GError** out() {
        g_clear_error(&m_error);
        return &m_error;
    }
    const GError* get() const { return m_error; }
    explicit operator bool() const { return m_error != nullptr; }

private:
    GError* m_error = nullptr;
};

}  // namespace korrelang::platform::atspi
