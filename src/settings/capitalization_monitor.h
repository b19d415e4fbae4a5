#pragma once

namespace korrelang::settings {

/// The key interceptor that types Latin capitals in caseless layouts, seen from the settings.
class CapitalizationMonitor {
public:
    virtual ~CapitalizationMonitor() = default;

    /// Starts intercepting; returns at once when already running.
    virtual void start() = 0;
    virtual void stop() = 0;
};

}  // namespace korrelang::settings
