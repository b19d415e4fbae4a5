#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/atspi/atspi_accessibility.h"
#include "platform/kwin/fake_input_keys.h"
#include "platform/kwin/kde_keyboard_layouts.h"
#include "platform/kwin/kwin_active_window.h"

namespace korrelang::platform::kwin {

/// What the tests in a KWin session share: the active window as KWin's script reports it, keys
/// typed into its process through fake input, its text through AT-SPI, and the layouts.
class KwinSessionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_window = new KwinActiveWindow();
        s_keys = new FakeInputKeys(&activeProcess);
    }
    static void TearDownTestSuite() {
        delete s_keys;
        delete s_window;
    }

    static std::optional<long> activeProcess() {
        const auto window = s_window->current();
        return window ? window->processId : std::nullopt;
    }

    static std::string text(const std::shared_ptr<TextElement>& element) {
        return element->value().value.value_or("<unreadable>");
    }

    static inline KwinActiveWindow* s_window = nullptr;
    static inline FakeInputKeys* s_keys = nullptr;
    atspi::AtspiAccessibility m_accessibility{&activeProcess};
    KdeKeyboardLayouts m_layouts;
};

}  // namespace korrelang::platform::kwin
