#include "log_sink.h"

#include <atomic>
#include <memory>

namespace korrelang::engine {

namespace {
std::atomic<std::shared_ptr<const LogSink::Writer>>& writerSlot() {
    static std::atomic<std::shared_ptr<const LogSink::Writer>> slot;
    return slot;
}
}  // namespace

void LogSink::install(Writer writer) {
    writerSlot().store(writer ? std::make_shared<const Writer>(std::move(writer)) : nullptr);
}

bool LogSink::active() {
    return writerSlot().load(std::memory_order_acquire) != nullptr;
}

void LogSink::write(const LogLine& line) {
    if (const auto writer = writerSlot().load(std::memory_order_acquire)) {
        (*writer)(line);
    }
}

}  // namespace korrelang::engine
