#include "qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/log.h"

namespace korrelang::platform::qt {

namespace {

QClipboard* clipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
               ? QGuiApplication::clipboard()
               : nullptr;
}

}  // namespace

std::optional<std::string> QtClipboard::text() const {
    QClipboard* board = clipboard();
    const QMimeData* data = board != nullptr ? board->mimeData(QClipboard::Clipboard) : nullptr;
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text().toStdString();
}

void QtClipboard::setText(std::string_view text) {
    if (QClipboard* board = clipboard()) {
        board->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                       QClipboard::Clipboard);
    }
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
    auto* data = new QMimeData;
    for (const auto& [format, bytes] : snapshot.formats) {
        data->setData(QString::fromStdString(format),
                      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
    board->setMimeData(data, QClipboard::Clipboard);  // the clipboard takes ownership
}

}  // namespace korrelang::platform::qt
