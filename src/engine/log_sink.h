#pragma once

#include <functional>

#include "log_line.h"

namespace korrelang::engine {

/// Where every diagnostic line of the process goes. Nothing is written until a writer is
/// installed: the application installs one for standard output, the command line one for
/// standard error under --verbose, and benchmarks and fuzzers none.
class LogSink {
public:
    using Writer = std::function<void(const LogLine&)>;

    /// Replaces the writer; an empty writer drops every line. The writer may be called from
    /// several threads at once and must serialise its own output.
    static void install(Writer writer);
    /// Whether a writer is installed; callers skip building lines nobody reads.
    static bool active();
    static void write(const LogLine& line);
};

}  // namespace korrelang::engine
