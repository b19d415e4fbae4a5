#include "qt_clipboard.h"

#include <xcb/xcb.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QThread>
#include <cstdlib>
#include <cstring>

#include "fetch_noting_mime_data.h"
#include "platform/log.h"
#include "platform/x11/selection_reader.h"

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

const char* selectionName(QClipboard::Mode mode) {
    return mode == QClipboard::Selection ? "PRIMARY" : "CLIPBOARD";
}

// Whether a window of this process's Qt connection owns the selection: resource ids carry the
// creating connection's base.
bool qtOwns(xcb_connection_t* connection, QClipboard::Mode mode) {
    const auto cookie = xcb_get_selection_owner(connection, atom(connection, selectionName(mode)));
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

bool onMainThread() {
    return QCoreApplication::instance() != nullptr &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

using Formats = std::vector<std::pair<std::string, std::string>>;

// The content Qt itself holds for a selection it owns: asking through the X server would need
// this very thread to answer.
Formats ownFormats(const QMimeData* data, std::size_t maxBytes, bool& truncated) {
    Formats formats;
    std::size_t total = 0;
    for (const QString& format : data->formats()) {
        if (!format.contains('/') || format == "application/x-qt-image") {
            continue;
        }
        const QByteArray bytes = data->data(format);
        const auto size = static_cast<std::size_t>(bytes.size());
        if (total + size > maxBytes) {
            truncated = true;
            continue;
        }
        total += size;
        formats.emplace_back(format.toStdString(), bytes.toStdString());
    }
    return formats;
}

}  // namespace

struct QtClipboard::Reader {
    x11::SelectionReader reader;
};

QtClipboard::QtClipboard(std::chrono::milliseconds snapshotBudget)
    : m_reader(std::make_unique<Reader>()), m_snapshotBudget(snapshotBudget) {}

QtClipboard::~QtClipboard() = default;

void QtClipboard::write(const ContentFactory& content, bool primary) {
    const QClipboard::Mode mode = primary ? QClipboard::Selection : QClipboard::Clipboard;
    QClipboard* board = clipboard();
    if (board == nullptr) {
        return;
    }
    xcb_connection_t* connection = qtConnection();
    for (int attempt = 0; attempt < 3; ++attempt) {
        board->setMimeData(content(), mode);  // the clipboard takes it over
        if (connection == nullptr || qtOwns(connection, mode)) {
            return;
        }
        refreshQtTime(connection);
    }
    logLine(std::string("❌ ") + selectionName(mode) +
            " could not be written: another program keeps it");
}

std::optional<std::string> QtClipboard::readText(bool primary) const {
    QClipboard* board = clipboard();
    const bool available = board != nullptr && (!primary || board->supportsSelection());
    const QMimeData* data =
        available ? board->mimeData(primary ? QClipboard::Selection : QClipboard::Clipboard)
                  : nullptr;
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text().toStdString();
}

void QtClipboard::writeText(std::string_view text, const ContentFactory& empty, bool primary) {
    const QString content = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    write(
        [&] {
            QMimeData* data = empty();
            data->setText(content);
            return data;
        },
        primary);
}

std::optional<std::string> QtClipboard::text() const {
    // Reading our own content is no paste.
    if (m_textFetch) {
        m_textFetch->ownRead = true;
    }
    std::optional<std::string> result = readText(false);
    if (m_textFetch) {
        m_textFetch->ownRead = false;
    }
    return result;
}

void QtClipboard::setText(std::string_view text) {
    m_textFetch = std::make_shared<TextFetchState>();
    writeText(
        text, [fetch = m_textFetch] { return new FetchNotingMimeData(fetch); }, false);
}

bool QtClipboard::textWasFetched() const {
    return m_textFetch && m_textFetch->fetched;
}

void QtClipboard::forgetFetches() {
    if (m_textFetch) {
        m_textFetch->fetched = false;
    }
}

std::uint64_t QtClipboard::claims(bool primary) const {
    return m_reader->reader.claims(primary ? "PRIMARY" : "CLIPBOARD");
}

std::optional<std::string> QtClipboard::awaitNewText(bool primary, std::uint64_t since,
                                                     std::chrono::milliseconds timeout) {
    const char* selection = primary ? "PRIMARY" : "CLIPBOARD";
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    if (!m_reader->reader.awaitClaim(selection, since, deadline)) {
        return std::nullopt;
    }
    // The new owner may answer late; still within the same bound.
    return m_reader->reader.readText(
        selection,
        std::max(deadline, std::chrono::steady_clock::now() + std::chrono::milliseconds(200)));
}

std::optional<std::string> QtClipboard::primaryText() const {
    return readText(true);
}

void QtClipboard::setPrimaryText(std::string_view text) {
    writeText(
        text, [] { return new QMimeData; }, true);
}

void QtClipboard::clear() {
    if (QClipboard* board = clipboard()) {
        board->clear(QClipboard::Clipboard);
    }
}

ClipboardSnapshot QtClipboard::snapshot(std::size_t maxBytes) const {
    ClipboardSnapshot snapshot;
    const auto deadline = std::chrono::steady_clock::now() + m_snapshotBudget;
    xcb_connection_t* connection = onMainThread() ? qtConnection() : nullptr;
    QClipboard* board = connection != nullptr ? clipboard() : nullptr;
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        auto& formats = mode == QClipboard::Clipboard ? snapshot.formats : snapshot.primary;
        if (board != nullptr && qtOwns(connection, mode)) {
            if (const QMimeData* data = board->mimeData(mode)) {
                formats = ownFormats(data, maxBytes, snapshot.truncated);
            }
            continue;
        }
        auto content = m_reader->reader.read(selectionName(mode), maxBytes, deadline);
        formats = std::move(content.formats);
        snapshot.truncated = snapshot.truncated || content.truncated;
    }
    return snapshot;
}

void QtClipboard::restoreSelection(const std::vector<std::pair<std::string, std::string>>& formats,
                                   bool primary) {
    const QClipboard::Mode mode = primary ? QClipboard::Selection : QClipboard::Clipboard;
    QClipboard* board = clipboard();
    if (board == nullptr || (mode == QClipboard::Selection && !board->supportsSelection())) {
        return;
    }
    if (formats.empty()) {
        board->clear(mode);
        return;
    }
    write(
        [&] {
            auto* data = new QMimeData;
            for (const auto& [format, bytes] : formats) {
                data->setData(QString::fromStdString(format),
                              QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
            }
            return data;
        },
        primary);
}

void QtClipboard::restore(const ClipboardSnapshot& snapshot) {
    restoreSelection(snapshot.formats, false);
    restoreSelection(snapshot.primary, true);
}

void QtClipboard::restorePrimary(const ClipboardSnapshot& snapshot) {
    restoreSelection(snapshot.primary, true);
}

}  // namespace korrelang::platform::qt
