#include "selection_conversion.h"

#include "engine/layout_converter.h"
#include "service/accessibility_way.h"

namespace korrelang::testing {

namespace {

/// A press with the given layouts and nothing else of the service around it: no cycle, no
/// application, and the selection collapsed after the write as with two layouts.
class LayoutsPress final : public service::ConversionPress {
public:
    LayoutsPress(const std::vector<std::string>& layouts,
                 const std::optional<std::string>& activeKeyboard)
        : m_layouts(layouts), m_activeKeyboard(activeKeyboard) {}

    const std::optional<platform::Application>& application() const override {
        return m_application;
    }
    std::optional<std::string> replacementFor(const std::string& current) override {
        const auto result =
            engine::LayoutConverter().convert(current, m_layouts, m_activeKeyboard, std::nullopt);
        if (!result || result->convertedText.empty()) {
            return std::nullopt;
        }
        return result->convertedText;
    }
    bool textWasRead() const override { return false; }
    bool shouldDeselectAfterReplace() override { return true; }

private:
    const std::vector<std::string>& m_layouts;
    const std::optional<std::string>& m_activeKeyboard;
    std::optional<platform::Application> m_application;
};

}  // namespace

bool convertSelection(service::AccessibilityService& service,
                      const std::vector<std::string>& layouts,
                      const std::optional<std::string>& activeKeyboard) {
    service.startPress();
    LayoutsPress press(layouts, activeKeyboard);
    service::AccessibilityWay way(service);
    return way.attempt(press) == service::ConversionWay::Outcome::written;
}

}  // namespace korrelang::testing
