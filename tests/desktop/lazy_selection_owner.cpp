// A selection owner like a web browser holding a copied photo: it offers text and a dozen image
// types and encodes each one only when asked for it, writing every request to standard output.
//
//   lazy_selection_owner [--primary] [--text TEXT] [--size WxH] [--stall-ms N]
//
// --stall-ms blocks each image request that long (an owner that hangs). Prints "ready" once it
// owns the selection and exits when another program takes it.
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>

namespace {

// MIME type → the Qt image writer that encodes it.
const std::pair<const char*, const char*> kImageTypes[] = {
    {"image/png", "PNG"},
    {"image/jpeg", "JPEG"},
    {"image/jpg", "JPEG"},
    {"image/bmp", "BMP"},
    {"image/x-bmp", "BMP"},
    {"image/x-MS-bmp", "BMP"},
    {"image/x-icon", "ICO"},
    {"image/vnd.microsoft.icon", "ICO"},
    {"image/x-portable-pixmap", "PPM"},
    {"image/x-portable-graymap", "PGM"},
    {"image/x-xbitmap", "XBM"},
    {"image/x-xpixmap", "XPM"},
};

class LazyContent : public QMimeData {
public:
    LazyContent(QString text, QImage image, int stallMs)
        : m_text(std::move(text)), m_image(std::move(image)), m_stallMs(stallMs) {}

    QStringList formats() const override {
        QStringList list;
        if (!m_text.isNull()) {
            list << "text/plain";
        }
        if (!m_image.isNull()) {
            for (const auto& [type, writer] : kImageTypes) {
                list << type;
            }
        }
        return list;
    }

    bool hasFormat(const QString& type) const override { return formats().contains(type); }

protected:
    QVariant retrieveData(const QString& type, QMetaType) const override {
        std::printf("request %s\n", qPrintable(type));
        std::fflush(stdout);
        if (type == "text/plain") {
            return m_text.toUtf8();
        }
        for (const auto& [mime, writer] : kImageTypes) {
            if (type == mime) {
                QThread::msleep(static_cast<unsigned long>(m_stallMs));
                QByteArray bytes;
                QBuffer buffer(&bytes);
                buffer.open(QIODevice::WriteOnly);
                m_image.save(&buffer, writer);
                return bytes;
            }
        }
        return {};
    }

private:
    QString m_text;
    QImage m_image;
    int m_stallMs;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QClipboard::Mode mode = QClipboard::Clipboard;
    QString text;
    int width = 0;
    int height = 0;
    int stallMs = 0;
    const QStringList arguments = app.arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString value = i + 1 < arguments.size() ? arguments[i + 1] : QString();
        if (argument == "--primary") {
            mode = QClipboard::Selection;
        } else if (argument == "--text") {
            text = value;
            ++i;
        } else if (argument == "--size") {
            width = value.section('x', 0, 0).toInt();
            height = value.section('x', 1, 1).toInt();
            ++i;
        } else if (argument == "--stall-ms") {
            stallMs = value.toInt();
            ++i;
        }
    }
    QImage image;
    if (width > 0 && height > 0) {
        // Noise, like a photo: it does not compress away.
        image = QImage(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                line[x] = QRandomGenerator::global()->generate() | 0xFF000000U;
            }
        }
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(new LazyContent(text, image, stallMs), mode);
    QObject::connect(clipboard, &QClipboard::changed, &app, [&](QClipboard::Mode changed) {
        if (changed == mode && !clipboard->ownsClipboard() && !clipboard->ownsSelection()) {
            app.quit();
        }
    });
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
