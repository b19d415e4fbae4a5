#pragma once

#include <atspi/atspi.h>

#include <memory>

#include "gobject_ref.h"
#include "hung_applications.h"
#include "platform/accessibility_text.h"
#include "text_offsets.h"

namespace korrelang::platform::atspi {

/// A focused element reached through AT-SPI. Offsets are converted exactly between characters
/// and the toolkit's units; writes insert the new text before deleting the old, which is several
/// times faster in GTK editors than emptying the buffer first.
class AtspiTextElement : public TextElement {
public:
    AtspiTextElement(GObjectRef<AtspiAccessible> object, long pid, OffsetUnit unit,
                     std::shared_ptr<HungApplications> hung);

    std::string role() const override;
    std::optional<std::vector<std::string>> interfaceNames() const override;
    AccessResult<std::string> selectedText() const override;
    AccessResult<TextRange> selectedRange() const override;
    AccessResult<std::string> value() const override;
    int setSelectedRange(TextRange range) override;
    int setSelectedText(std::string_view text) override;

    /// Maps a failed call's error to an AccessCode.
    static int codeOf(const GError* error);

private:
    struct Selection {
        long start = 0;  ///< toolkit units
        long end = 0;
        bool isSelection = false;
    };

    /// Records a timeout of this element's application; returns the code for `error`.
    int fail(const GError* error) const;
    AccessResult<std::string> readText() const;
    AccessResult<Selection> readSelection() const;

    GObjectRef<AtspiAccessible> m_object;
    long m_pid;
    OffsetUnit m_unit;
    std::shared_ptr<HungApplications> m_hung;
};

}  // namespace korrelang::platform::atspi
