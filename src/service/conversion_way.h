#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "conversion_events.h"
#include "platform/workspace.h"

namespace korrelang::service {

/// One press of the hotkey as the ways of converting see it. The flow implements it; a way only
/// asks. Blacklisted applications never reach a way.
class ConversionPress {
public:
    /// The application of the active window when the press began (its process included when the
    /// desktop tells it); nothing when no window was active.
    virtual const std::optional<platform::Application>& application() const = 0;

    /// The text to write in place of `current`: its conversion, or the original when the press
    /// ends a cycle. Nothing when it does not convert (no layout recognised, or every character
    /// dropped); the way then answers `notConverted`. Computed once per press and remembered, so
    /// a later way that reads the same text gets the same answer. Has no effect of its own: the
    /// cycle, the statistics, the usage events and the keyboard switch wait for a way to answer
    /// `written`. Either thread.
    virtual std::optional<std::string> replacementFor(const std::string& current) = 0;

    /// Whether an earlier way of this press read the text and could not write it. Ways that work
    /// blind (copying and pasting with keys, with no way to read the field) must not run then:
    /// they could not tell a late write of the earlier way from the original text.
    virtual bool textWasRead() const = 0;

    /// Whether a replaced selection is collapsed to its end afterwards (the user keeps it only
    /// with three or more layouts and "keep selection" on). Either thread.
    virtual bool shouldDeselectAfterReplace() = 0;

protected:
    ~ConversionPress() = default;
};

/// One way of reading the text to convert out of the focused application and writing the
/// result back: through the accessibility interface, by pasting over a range read through it,
/// by copying and pasting with keys, in a terminal. The flow tries its ways in order until one
/// answers anything but `unavailable` or `notWritten`, and acts on that answer once: after
/// `written` it records the conversion, reports it and switches the keyboard; after every other
/// ending the user hears the beep, and sees the alert only when no way could write.
///
/// What a way must guarantee:
/// - `written` only after reading the result back and finding what was intended, never because
///   a call returned true.
/// - `notWritten` leaves the application's text and the user's clipboard as they were (the way
///   puts the original back and checks it), so the next way reads the same text again.
/// - A way that recognises the target as its own (a terminal, a slow application) never answers
///   `unavailable` for it: the ways after it send keys that are not safe there.
class ConversionWay {
public:
    enum class Outcome {
        unavailable,   ///< this way cannot read text here; nothing was changed: try the next
        notConverted,  ///< the text read does not convert; nothing was changed: end the press
        notWritten,  ///< read and converted, but not written: the original is intact, try the next
        written,     ///< the replacement is in place, verified by reading it back
        /// the replacement was pasted, but nothing could be read back to check it: it is not
        /// counted as a conversion (no statistics, no usage event, no keyboard switch)
        writtenUnverified,
        declined,  ///< this way owns the target and refuses it (logged why); nothing changed
        damaged,   ///< a write went wrong and the original could not be put back (logged)
    };

    virtual ~ConversionWay() = default;

    /// For log lines: "accessibility", "paste", "clipboard", "terminal"…
    virtual std::string_view name() const = 0;
    /// How a conversion written this way is reported in the usage events.
    virtual ConversionEvents::Method method() const = 0;
    /// Whether the way waits between key presses or for the clipboard: it then runs on the
    /// background worker, where the main thread stays free to serve the clipboard; otherwise on
    /// the main thread, within the press.
    virtual bool needsWorker() const = 0;
    /// A quick test, on the main thread, whether the way can serve the press's application at
    /// all (a terminal way: is it a terminal). A way that does not apply is skipped without
    /// waking the worker. One that applies may still answer `unavailable`.
    virtual bool appliesTo(const ConversionPress& press) const = 0;

    /// Reads the text (through `press.replacementFor` for what to write), writes, verifies.
    virtual Outcome attempt(ConversionPress& press) = 0;
};

}  // namespace korrelang::service
