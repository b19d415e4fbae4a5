#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <optional>
#include <type_traits>
#include <utility>

namespace korrelang::service {

/// Runs work on the thread of a context object (the main thread): directly when already there,
/// otherwise by a blocking hop that waits for the result. The background worker reaches the
/// desktop, the settings and the analytics only through this.
class MainThread {
public:
    explicit MainThread(QObject& context) : m_context(context) {}

    bool isCurrent() const { return QThread::currentThread() == m_context.thread(); }

    template <typename F>
    auto call(F&& work) const -> std::invoke_result_t<F> {
        using Result = std::invoke_result_t<F>;
        if (isCurrent()) {
            return std::forward<F>(work)();
        }
        if constexpr (std::is_void_v<Result>) {
            QMetaObject::invokeMethod(&m_context, std::forward<F>(work),
                                      Qt::BlockingQueuedConnection);
        } else {
            std::optional<Result> result;
            QMetaObject::invokeMethod(
                &m_context, [&result, &work] { result.emplace(work()); },
                Qt::BlockingQueuedConnection);
            return std::move(*result);
        }
    }

    /// Queues work for the main thread without waiting.
    template <typename F>
    void post(F&& work) const {
        QMetaObject::invokeMethod(&m_context, std::forward<F>(work), Qt::QueuedConnection);
    }

private:
    QObject& m_context;
};

}  // namespace korrelang::service
