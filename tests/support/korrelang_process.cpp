#include "korrelang_process.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <cstdio>

#include "desktop_harness.h"

namespace korrelang::testing {

KorrelangProcess::KorrelangProcess(const QString& binary) {
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(binary, {});
    m_process.waitForStarted(5000);
    m_ready = waitUntil([] {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(
            "org.korrelang.Korrelang");
    });
}

KorrelangProcess::~KorrelangProcess() {
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

int KorrelangProcess::linesWith(const std::string& fragment) {
    m_output += m_process.readAllStandardOutput().toStdString();
    int found = 0;
    for (std::size_t at = m_output.find(fragment); at != std::string::npos;
         at = m_output.find(fragment, at + 1)) {
        ++found;
    }
    return found;
}

bool KorrelangProcess::waitForLine(const std::string& fragment, int count) {
    const bool seen = waitUntil([&] { return linesWith(fragment) >= count; });
    if (!seen) {
        std::printf("korrelang printed:\n%s\n", m_output.c_str());
    }
    return seen;
}

}  // namespace korrelang::testing
