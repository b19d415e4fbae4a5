// Times a snapshot of a large clipboard: a browser-like owner holding a copied photo offers text
// and a dozen image types, each encoded only when asked for. Compares the snapshot the program
// takes (the list of targets first, one image, on a worker with a connection of its own, within
// its time budget) with fetching every format through QClipboard on the main thread. Run it in
// the virtual desktop:
//   scripts/desktop-session -- build/bench/bench_clipboard_snapshot
//       build/tests/lazy_selection_owner [WxH] [runs] [budget-ms]
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <future>
#include <vector>

#include "bench_support.h"
#include "platform/qt/qt_clipboard.h"

using namespace korrelang;
using namespace korrelang::bench;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s path/to/lazy_selection_owner [WxH] [runs]\n", argv[0]);
        return 2;
    }
    const QString size = argc > 2 ? argv[2] : "1920x1080";
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    const std::chrono::milliseconds budget(
        argc > 4 ? std::atoi(argv[4]) : platform::qt::QtClipboard::kSnapshotBudget.count());

    QProcess owner;
    owner.start(argv[1], {"--text", "a caption", "--size", size});
    if (!owner.waitForReadyRead(30000)) {
        std::fprintf(stderr, "the owner did not start\n");
        return 1;
    }

    platform::qt::QtClipboard clipboard(budget);
    std::vector<double> times;
    std::size_t kept = 0;
    bool truncated = false;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        // As the conversion does: on the worker, the main thread free.
        auto snapshot =
            std::async(std::launch::async, [&] { return clipboard.snapshot(64 << 20); });
        while (snapshot.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) {
            QCoreApplication::processEvents();
        }
        const auto result = snapshot.get();
        times.push_back(millisecondsSince(start));
        kept = 0;
        for (const auto& format : result.formats) {
            kept += format.second.size();
        }
        truncated = result.truncated;
    }
    std::printf(
        "snapshot (targets first, one image, worker): median %.1f ms, min %.1f ms over %d "
        "runs; %zu bytes kept%s; budget %lld ms\n",
        median(times), *std::min_element(times.begin(), times.end()), runs, kept,
        truncated ? ", some formats left out" : "", static_cast<long long>(budget.count()));

    // Every format through QClipboard, on this (the main) thread: what the program did before.
    const auto start = Clock::now();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    std::size_t total = 0;
    int formats = 0;
    for (const QString& format : data != nullptr ? data->formats() : QStringList()) {
        total += static_cast<std::size_t>(data->data(format).size());
        ++formats;
    }
    std::printf(
        "every format through QClipboard on the main thread: %.1f ms, %d formats, %zu "
        "bytes\n",
        millisecondsSince(start), formats, total);
    owner.terminate();
    owner.waitForFinished(5000);
    return 0;
}
