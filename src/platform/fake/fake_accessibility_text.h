#pragma once

#include "fake_text_element.h"

namespace korrelang::platform::fake {

/// Accessibility whose trust and focused element a test sets.
class FakeAccessibilityText : public AccessibilityText {
public:
    bool trusted = true;
    bool trustGrantedOnRequest = false;
    int trustRequests = 0;
    int focusLookups = 0;
    AccessCode applicationCode = AccessCode::success;
    std::string applicationName = "Editor";
    std::shared_ptr<FakeTextElement> element = std::make_shared<FakeTextElement>();

    bool isTrusted() const override { return trusted; }
    bool requestTrust() override {
        ++trustRequests;
        trusted = trusted || trustGrantedOnRequest;
        return trusted;
    }
    std::string settingsAddress() const override { return "settings://accessibility"; }
    FocusLookup focusedElement() override;
};

}  // namespace korrelang::platform::fake
