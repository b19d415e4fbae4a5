#pragma once

#include <QList>
#include <QString>
#include <deque>
#include <mutex>

#include "signal_post_body.h"

namespace korrelang::analytics {

/// The signals waiting to be sent, oldest first. Safe to use from several threads; the file
/// is only touched by whoever calls load, save or removeFile.
class SignalCache {
public:
    explicit SignalCache(int maximumCount) : m_maximumCount(maximumCount) {}

    /// Appends; past the bound the oldest signals are dropped.
    void push(SignalPostBody body);
    /// Puts signals back in front of the rest, as they were before being popped.
    void pushFront(const QList<SignalPostBody>& bodies);
    /// Takes up to `count` signals from the front.
    QList<SignalPostBody> pop(int count);
    int count() const;
    void clear();

    /// Writes every pending signal to `path` atomically, readable by the user alone; only
    /// when something changed since the last save or load. False when the write failed.
    bool save(const QString& path);
    /// Puts the signals of `path` in front of the pending ones; a missing file is no error.
    /// False, with nothing changed, when the file cannot be read or parsed.
    bool load(const QString& path);

private:
    void trim();  // requires m_mutex

    mutable std::mutex m_mutex;
    std::deque<SignalPostBody> m_bodies;
    const int m_maximumCount;
    bool m_dirty = false;
};

}  // namespace korrelang::analytics
