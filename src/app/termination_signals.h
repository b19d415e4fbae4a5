#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace korrelang::app {

/// Turns SIGTERM, SIGINT and SIGHUP into a clean quit of the event loop, so that everything is
/// destroyed in order (grabs released, caches saved) when the session ends.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace korrelang::app
