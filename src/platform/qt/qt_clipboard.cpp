#include "qt_clipboard.h"

#include <xcb/xcb.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstdlib>
#include <cstring>

#include "platform/log.h"

namespace korrelang::platform::qt {

namespace {

QClipboard* clipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
               ? QGuiApplication::clipboard()
               : nullptr;
}

xcb_connection_t* qtConnection() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    free(reply);
    return result;
}

// Whether a window of this process's Qt connection owns the CLIPBOARD selection: resource ids
// carry the creating connection's base.
bool qtOwnsClipboard(xcb_connection_t* connection) {
    const auto cookie = xcb_get_selection_owner(connection, atom(connection, "CLIPBOARD"));
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(connection, cookie, nullptr);
    const xcb_window_t owner = reply != nullptr ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
    free(reply);
    const xcb_setup_t* setup = xcb_get_setup(connection);
    return owner != XCB_WINDOW_NONE &&
           (owner & ~setup->resource_id_mask) == setup->resource_id_base;
}

// Qt takes its notion of the server time from the events it receives: make the server send it
// one (a property change on the root window, which Qt watches) and let Qt read it.
void refreshQtTime(xcb_connection_t* connection) {
    const xcb_window_t root = rootWindow(connection);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, root,
                        atom(connection, "_KORRELANG_TIME"), XCB_ATOM_STRING, 8, 0, nullptr);
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

void QtClipboard::write(const ContentFactory& content) {
    QClipboard* board = clipboard();
    if (board == nullptr) {
        return;
    }
    xcb_connection_t* connection = qtConnection();
    for (int attempt = 0; attempt < 3; ++attempt) {
        board->setMimeData(content(), QClipboard::Clipboard);  // the clipboard takes it over
        if (connection == nullptr || qtOwnsClipboard(connection)) {
            return;
        }
        refreshQtTime(connection);
    }
    logLine("❌ The clipboard could not be written: another program keeps it");
}

std::optional<std::string> QtClipboard::text() const {
    QClipboard* board = clipboard();
    const QMimeData* data = board != nullptr ? board->mimeData(QClipboard::Clipboard) : nullptr;
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text().toStdString();
}

void QtClipboard::setText(std::string_view text) {
    const QString content = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    write([&] {
        auto* data = new QMimeData;
        data->setText(content);
        return data;
    });
}

void QtClipboard::clear() {
    if (QClipboard* board = clipboard()) {
        board->clear(QClipboard::Clipboard);
    }
}

ClipboardSnapshot QtClipboard::snapshot(std::size_t maxBytes) const {
    ClipboardSnapshot snapshot;
    QClipboard* board = clipboard();
    const QMimeData* data = board != nullptr ? board->mimeData(QClipboard::Clipboard) : nullptr;
    if (data == nullptr) {
        return snapshot;
    }
    std::size_t total = 0;
    for (const QString& format : data->formats()) {
        // X selection targets without a MIME type (TARGETS, TIMESTAMP…) describe the selection
        // rather than hold content, and Qt's own image format duplicates the real one.
        if (!format.contains('/') || format == "application/x-qt-image") {
            continue;
        }
        const QByteArray bytes = data->data(format);
        const auto size = static_cast<std::size_t>(bytes.size());
        if (total + size > maxBytes) {
            snapshot.truncated = true;
            logLine("⚠️ Clipboard format " + format.toStdString() + " (" +
                    std::to_string(size) +
                    " bytes) exceeds the snapshot limit; it will not be restored");
            continue;
        }
        total += size;
        snapshot.formats.emplace_back(format.toStdString(), bytes.toStdString());
    }
    return snapshot;
}

void QtClipboard::restore(const ClipboardSnapshot& snapshot) {
    QClipboard* board = clipboard();
    if (board == nullptr) {
        return;
    }
    if (snapshot.empty()) {
        board->clear(QClipboard::Clipboard);
        return;
    }
    write([&] {
        auto* data = new QMimeData;
        for (const auto& [format, bytes] : snapshot.formats) {
            data->setData(QString::fromStdString(format),
                          QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
        }
        return data;
    });
}

}  // namespace korrelang::platform::qt
