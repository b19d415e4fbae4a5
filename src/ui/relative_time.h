#pragma once

#include <QDateTime>
#include <QString>

namespace korrelang::ui {

/// A moment relative to now in full words, in the user's language: "5 minutes ago",
/// "1 hour ago", "in 2 days" (the singular and plural come from the translations).
class RelativeTime {
public:
    /// The largest whole unit (seconds up to years) that fits the distance, never abbreviated.
    static QString describe(const QDateTime& moment, const QDateTime& now);
};

}  // namespace korrelang::ui
