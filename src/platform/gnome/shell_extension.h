#pragma once

#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/wayland/offer_reader.h"

namespace korrelang::platform::gnome {

/// Korrelang's GNOME Shell extension, reached on the session bus through the shell's own
/// connection. Every call has a short timeout and answers nothing when the extension is off, so
/// a missing or hung shell costs at most that timeout.
class ShellExtension : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kName = "org.korrelang.GnomeShell";  ///< owned while enabled
    static constexpr const char* kShell = "org.gnome.Shell";
    static constexpr const char* kPath = "/org/korrelang/GnomeShell";
    static constexpr const char* kInterface = "org.korrelang.GnomeShell";
    /// The identifiers of the two forms of the extension (GNOME 43–44 and 45 and later).
    static constexpr const char* kLegacyUuid = "korrelang-legacy@korrelang.invalid";
    static constexpr const char* kUuid = "korrelang@korrelang.invalid";

    struct Source {
        std::string type;  ///< "xkb" or "ibus"
        std::string id;    ///< "us", "de+nodeadkeys"
        std::string name;  ///< the shell's display name
    };
    struct Sources {
        std::vector<Source> sources;
        int current = -1;
    };
    struct FocusedApplication {
        std::string id;
        std::string name;
        std::optional<long> pid;
    };

    explicit ShellExtension(QObject* parent = nullptr);

    /// Whether the extension runs now (its name has an owner), as last told by the bus. Calls
    /// are not even tried while it does not, so nothing waits and nothing is logged for each.
    bool isAvailable() const { return m_available; }
    /// Asks the shell to turn the extension on (whichever form matches the shell); false when
    /// the shell refused or is not there.
    bool enable() const;
    std::optional<Sources> inputSources() const;
    bool activateInputSource(unsigned index) const;
    std::optional<FocusedApplication> focusedApplication() const;
    struct Claims {
        std::uint64_t clipboard = 0;
        std::uint64_t primary = 0;
    };

    /// The MIME types the clipboard (the mouse selection when `primary`) offers.
    std::optional<std::vector<std::string>> clipboardTypes(bool primary) const;
    /// One format, at most `maxBytes`, within `timeout`; the shell stops reading a larger one.
    wayland::OfferReader::Fetched clipboardContent(bool primary, const std::string& type,
                                                   std::size_t maxBytes,
                                                   std::chrono::milliseconds timeout) const;
    /// Makes `data` the only content; answers the claim count that includes this claim.
    std::optional<std::uint64_t> setClipboardContent(bool primary, const std::string& type,
                                                     const std::string& data) const;
    /// How many times any program took each selection, as the shell counts them; the count only
    /// grows, across a restart of the extension too.
    std::optional<Claims> clipboardClaims() const;
    /// Presses `keys` (evdev codes) in order and releases them in reverse, through the shell's
    /// own virtual keyboard; true once the shell has sent them.
    bool keyChord(const std::vector<std::uint32_t>& keys) const;

    /// `callback` runs on the main thread when the shell's input source changes, and when the
    /// extension comes or goes.
    void setChangeCallback(std::function<void()> callback);
    /// `callback` runs on the main thread each time a program takes the clipboard or the mouse
    /// selection, with the shell's new claim count.
    void setSelectionCallback(std::function<void(bool primary, std::uint64_t claims)> callback);

private slots:
    void onSourceChanged(int current);
    void onSelectionOwnerChanged(bool primary, qulonglong claims);
    void onOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

private:
    /// The reply's arguments when the extension is on and answers with `count` of them.
    std::optional<QVariantList> ask(const QString& method, int count,
                                    const QVariantList& arguments = {}) const;

    std::function<void()> m_changeCallback;
    std::function<void(bool, std::uint64_t)> m_selectionCallback;
    bool m_subscribed = false;
    bool m_selectionSubscribed = false;
    std::atomic<bool> m_available = false;
    QDBusServiceWatcher m_watcher;
};

}  // namespace korrelang::platform::gnome
