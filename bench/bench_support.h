#pragma once

#include <chrono>
#include <vector>

// Xlib's Display, without its macros.
struct _XDisplay;

namespace korrelang::bench {

using Clock = std::chrono::steady_clock;

/// How often the benchmarks look for the result they wait for.
inline constexpr std::chrono::microseconds kPoll{500};

/// The value below which the fraction `p` (0 to 1) of `values` lies; `values` must not be empty.
double percentile(std::vector<double> values, double p);
/// The middle value of `values` (the upper one of an even count); `values` must not be empty.
double median(std::vector<double> values);
/// Milliseconds from `start` to now.
double millisecondsSince(Clock::time_point start);
/// The resident set of a process in MiB, or -1 when it cannot be read.
double residentMiB(long long pid);

/// Control+Shift+Space as a person presses it with XTest, held 50 ms; returns the moment just
/// before the Space release is sent.
Clock::time_point pressHotkey(_XDisplay* display);

}  // namespace korrelang::bench
