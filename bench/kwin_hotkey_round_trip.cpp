// Times whole hotkey presses on KWin and checks that the user's clipboard survives each of them:
// Control+Shift+Space goes in through fake input, KWin hands it to the real korrelang through the
// GlobalShortcuts portal, korrelang converts in Mousepad and restores whatever it borrowed. The
// clipboard holds a text and an image (bench_clipboard_owner) and is read back with wl-paste
// after every press. Three presses in four convert through AT-SPI (the word selected in an
// accessible Mousepad); the fourth part runs in a Mousepad without its accessibility bridge, so
// through the clipboard, converting its whole text back and forth.
//
// korrelang runs with KORRELANG_LOG_TIMES; the clock runs from just before the chord (pressed and
// released at once) to the log's line for the verified write (text replaced, caret placed),
// with the portal's two signals and the median gap before each step of the press. The editor is
// not polled meanwhile, so the figures carry no load of the benchmark's own.
//
//   scripts/kwin-session -- build/bench/bench_kwin_hotkey_round_trip [runs]
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "platform/atspi/atspi_accessibility.h"
#include "platform/key_codes.h"
#include "platform/kwin/fake_input_keys.h"
#include "platform/kwin/kwin_active_window.h"

using namespace korrelang;
using korrelang::platform::Modifier;
using Clock = std::chrono::steady_clock;

namespace {

const QByteArray kImage = QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + QByteArray(16384, 'p');
const QByteArray kText = QByteArray("the user's clipboard \xe2\x9c\x93 ").repeated(50);
const char* const kTextType = "text/plain;charset=utf-8";

// The figures come from korrelang's log, so the benchmark can look rarely and leave the cores
// to the programs it times.
template <typename Condition>
bool waitFor(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto deadline = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(5);
    }
    return true;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

double nowMs() {
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

std::string text(platform::TextElement& element) {
    return element.value().value.value_or("");
}

struct Line {
    double ms;
    QString text;
};

// korrelang's log, read as it grows.
class LogReader {
public:
    explicit LogReader(const QString& path) : m_file(path) {}

    std::vector<Line> newLines() {
        if (!m_file.isOpen() && !m_file.open(QIODevice::ReadOnly)) {
            return {};
        }
        m_partial += QString::fromUtf8(m_file.readAll());
        std::vector<Line> lines;
        static const QRegularExpression stamp(QStringLiteral("^\\[(\\d+\\.\\d+)\\] (.*)$"));
        qsizetype end = 0;
        while ((end = m_partial.indexOf(QLatin1Char('\n'))) >= 0) {
            const auto match = stamp.match(m_partial.left(end));
            if (match.hasMatch()) {
                lines.push_back({match.captured(1).toDouble(), match.captured(2)});
            }
            m_partial.remove(0, end + 1);
        }
        return lines;
    }

private:
    QFile m_file;
    QString m_partial;
};

bool endsPress(const QString& line) {
    return line.startsWith(QStringLiteral("✅ REPLACE SUCCEEDED")) ||
           line.startsWith(QStringLiteral("❌")) ||
           line.startsWith(QStringLiteral("⚠️ Written without a read-back"));
}

// A line without what varies between presses (the user's text, counts).
QString stepName(const QString& line) {
    static const QRegularExpression varying(QStringLiteral("'.*'|<\\d+ chars>|\\d+"));
    return QString(line).replace(varying, QStringLiteral("…")).left(60);
}

struct Press {
    double pressed = 0;   ///< chord → the portal's Activated
    double released = 0;  ///< chord → the portal's Deactivated
    double total = 0;     ///< chord → the verified write
    std::vector<std::pair<QString, double>> steps;
};

// Waits for the press to end in korrelang's log; nothing when it did not convert.
std::optional<Press> timePress(LogReader& log, double chord) {
    std::vector<Line> lines;
    const bool ended = waitFor(
        [&] {
            for (Line& line : log.newLines()) {
                lines.push_back(std::move(line));
            }
            return std::any_of(lines.begin(), lines.end(),
                               [](const Line& line) { return endsPress(line.text); });
        },
        std::chrono::seconds(5));
    const auto done = std::find_if(lines.begin(), lines.end(), [](const Line& line) {
        return line.text.startsWith(QStringLiteral("✅ REPLACE SUCCEEDED"));
    });
    if (!ended || done == lines.end()) {
        for (const Line& line : lines) {
            if (endsPress(line.text)) {
                std::fprintf(stderr, "bench: the press ended with %s\n", qPrintable(line.text));
            }
        }
        return std::nullopt;
    }
    Press press;
    press.total = done->ms - chord;
    double previous = chord;
    // A line that comes back within a press (the registry's) is numbered, so each gap is put
    // down to the step it precedes.
    std::map<QString, int> seen;
    for (auto line = lines.begin(); line != std::next(done); ++line) {
        if (line->text.contains(QStringLiteral("The portal reported the shortcut"))) {
            (line->text.endsWith(QStringLiteral("pressed")) ? press.pressed : press.released) =
                line->ms - chord;
        }
        const QString step = stepName(line->text);
        const int occurrence = ++seen[step];
        press.steps.emplace_back(
            occurrence == 1 ? step : step + QStringLiteral(" (%1)").arg(occurrence),
            line->ms - previous);
        previous = line->ms;
    }
    return press;
}

void report(const char* name, const std::vector<Press>& presses, int runs) {
    if (presses.empty()) {
        std::printf("%s: no press completed of %d\n", name, runs);
        return;
    }
    std::vector<double> totals, pressed, released, korrelang;
    std::map<QString, std::vector<double>> gaps;
    std::vector<QString> order;
    for (const Press& press : presses) {
        totals.push_back(press.total);
        pressed.push_back(press.pressed);
        released.push_back(press.released);
        korrelang.push_back(press.total - press.released);
        for (const auto& [step, gap] : press.steps) {
            if (gaps.find(step) == gaps.end()) {
                order.push_back(step);
            }
            gaps[step].push_back(gap);
        }
    }
    std::printf(
        "%s, %zu of %d presses: chord → verified write median %.2f ms, p90 %.2f ms, max %.2f "
        "ms; chord → portal Activated %.2f ms, → Deactivated %.2f ms; Deactivated → verified "
        "write %.2f ms (medians)\n",
        name, totals.size(), runs, percentile(totals, 0.5), percentile(totals, 0.9),
        *std::max_element(totals.begin(), totals.end()), percentile(pressed, 0.5),
        percentile(released, 0.5), percentile(korrelang, 0.5));
    std::printf("  median / mean / max gap before each step:\n");
    for (const QString& step : order) {
        const std::vector<double>& gap = gaps[step];
        if (gap.size() * 2 >= presses.size()) {
            double sum = 0;
            for (const double value : gap) {
                sum += value;
            }
            std::printf("  %7.2f %7.2f %7.2f ms  %s\n", percentile(gap, 0.5),
                        sum / static_cast<double>(gap.size()),
                        *std::max_element(gap.begin(), gap.end()), qPrintable(step));
        }
    }
}

// bench_clipboard_owner holding the user's text and image.
class ClipboardOwner {
public:
    explicit ClipboardOwner(const QString& directory) : m_directory(directory) { start(); }
    ~ClipboardOwner() { stop(); }

    void start() {
        const QString textPath = m_directory + "/clipboard-text";
        const QString imagePath = m_directory + "/clipboard-image";
        for (const auto& [path, bytes] : {std::pair{textPath, kText}, {imagePath, kImage}}) {
            QFile file(path);
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            file.write(bytes);
        }
        m_process.start(QStringLiteral(KORRELANG_CLIPBOARD_OWNER),
                        {QString(kTextType) + "=" + textPath, "image/png=" + imagePath});
        m_process.waitForReadyRead(5000);
    }
    void stop() {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(1000);
        }
    }

    static QByteArray paste(const QStringList& arguments) {
        QProcess paste;
        paste.start(QStringLiteral("wl-paste"), QStringList{"--no-newline"} + arguments);
        paste.waitForFinished(5000);
        return paste.readAllStandardOutput();
    }
    static bool intact() {
        return paste({"--list-types"}).split('\n').contains("image/png") &&
               paste({"--type", "image/png"}) == kImage && paste({"--type", kTextType}) == kText;
    }

private:
    QString m_directory;
    QProcess m_process;
};

void stopEditor(QProcess& editor) {
    editor.terminate();
    if (!editor.waitForFinished(5000)) {
        editor.kill();
        editor.waitForFinished(1000);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(4, std::atoi(argv[1])) : 200;
    const int clipboardRuns = runs / 4;

    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Korrelang";
    QDir().mkpath(config);
    QFile settings(config + "/Korrelang.conf");
    settings.open(QIODevice::WriteOnly | QIODevice::Truncate);
    settings.write(
        "[General]\nhasCompletedFirstLaunch=true\nhasAcceptedTerms=true\n"
        "selectedKeyboards=xkb.us.English, xkb.ru.Russian\nsmartCapitalization=false\n"
        "startAtLogin=false\nanalyticsEnabled=false\nautoSwitchKeyboard=false\n");
    settings.close();

    platform::kwin::KwinActiveWindow window;
    const auto activeProcess = [&]() -> std::optional<long> {
        const auto active = window.current();
        return active ? active->processId : std::nullopt;
    };
    platform::kwin::FakeInputKeys keys(activeProcess);
    platform::atspi::AtspiAccessibility accessibility(activeProcess);
    const QString session = qEnvironmentVariable("KORRELANG_SESSION_DIR", QDir::tempPath());
    const QString logPath = session + "/korrelang-bench.log";
    QProcess korrelang;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KORRELANG_LOG_TIMES"), QStringLiteral("1"));
    korrelang.setProcessEnvironment(environment);
    korrelang.setStandardOutputFile(logPath);
    korrelang.start(QStringLiteral(KORRELANG_BINARY), {});
    LogReader log(logPath);
    QProcess mousepad;
    mousepad.start(QStringLiteral("mousepad"), {QStringLiteral("--disable-server")});
    std::shared_ptr<platform::TextElement> element;
    const bool ready = waitFor([&] {
                           return QDBusConnection::sessionBus()
                               .interface()
                               ->isServiceRegistered(QStringLiteral("org.korrelang.Korrelang"))
                               .value();
                       }) &&
                       waitFor([&] {
                           if (activeProcess() != mousepad.processId()) {
                               return false;
                           }
                           element = accessibility.focusedElement().element;
                           return element != nullptr;
                       });
    if (!ready || !keys.isAvailable()) {
        std::fprintf(stderr, "bench: korrelang, Mousepad or fake input did not come up\n");
        return 1;
    }
    // The portal binds after korrelang took its name.
    waitFor([&] {
        for (const Line& line : log.newLines()) {
            if (line.text.contains(QStringLiteral("Korrelang is running"))) {
                return true;
            }
        }
        return false;
    });
    QThread::msleep(1000);
    ClipboardOwner owner(session);
    double loadBefore[1] = {0};
    getloadavg(loadBefore, 1);

    int lost = 0;
    const auto checkClipboard = [&](int run) {
        if (!ClipboardOwner::intact()) {
            ++lost;
            std::fprintf(stderr, "bench: run %d lost the clipboard; offering it again\n", run);
            owner.stop();
            owner.start();
        }
    };
    const auto chord = [&] {
        log.newLines();
        const double start = nowMs();
        keys.simulateKeyPress(KEY_SPACE, Modifier::Control | Modifier::Shift);
        return start;
    };

    std::vector<Press> accessible;
    for (int run = 0; run < runs - clipboardRuns; ++run) {
        const long length = static_cast<long>(QString::fromStdString(text(*element)).size());
        element->deleteText({0, length});
        element->insertText(0, "ghbdtn");
        element->setSelectedRange({0, 6});
        // A person pauses between typing and the hotkey; the editor and KWin finish drawing the
        // edit meanwhile, which otherwise delays korrelang's calls.
        QThread::msleep(150);
        const auto press = timePress(log, chord());
        if (press && waitFor([&] { return text(*element) == "привет"; }, std::chrono::seconds(2))) {
            accessible.push_back(*press);
        } else {
            std::fprintf(stderr, "bench: run %d did not convert (text %s)\n", run,
                         text(*element).c_str());
        }
        checkClipboard(run);
    }
    stopEditor(mousepad);

    // The clipboard way: nothing can read this editor, so its whole text is selected with keys
    // and converted, from English to Russian and back.
    const QString file = session + "/plain.txt";
    QFile plainText(file);
    plainText.open(QIODevice::WriteOnly | QIODevice::Truncate);
    plainText.write("ghbdtn");
    plainText.close();
    QProcess plain;
    QProcessEnvironment plainEnvironment = QProcessEnvironment::systemEnvironment();
    plainEnvironment.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    plain.setProcessEnvironment(plainEnvironment);
    plain.start(QStringLiteral("mousepad"), {QStringLiteral("--disable-server"), file});
    waitFor([&] { return activeProcess() == plain.processId(); });
    QThread::msleep(500);
    std::vector<Press> viaClipboard;
    for (int run = 0; run < clipboardRuns; ++run) {
        keys.simulateKeyPress(KEY_A, Modifier::Control);
        QThread::msleep(150);
        const auto press = timePress(log, chord());
        if (press && press->steps.back().first.contains(QStringLiteral("via clipboard"))) {
            viaClipboard.push_back(*press);
        } else {
            std::fprintf(stderr, "bench: clipboard run %d did not convert\n", run);
        }
        checkClipboard(runs - clipboardRuns + run);
    }
    stopEditor(plain);
    double loadAfter[1] = {0};
    getloadavg(loadAfter, 1);
    korrelang.terminate();
    korrelang.waitForFinished(10000);

    std::printf("load average before %.2f, after %.2f (1 min), %d cores\n", loadBefore[0],
                loadAfter[0], QThread::idealThreadCount());
    report("KWin, AT-SPI path", accessible, runs - clipboardRuns);
    report("KWin, clipboard path", viaClipboard, clipboardRuns);
    std::printf("%d presses: clipboard (text + image) lost after %d of them\n", runs, lost);
    const bool all = accessible.size() + viaClipboard.size() == static_cast<std::size_t>(runs);
    return all && lost == 0 ? 0 : 1;
}
