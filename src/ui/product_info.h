#pragma once

namespace korrelang::ui {

/// The product's public addresses and the version shown to the user.
struct ProductInfo {
    static constexpr const char* kVersion = "1.6.0 (Build 1)";
    static constexpr const char* kWebsite = "https://korrelang.invalid";
    static constexpr const char* kTermsOfUse = "https://korrelang.invalid/terms";
    static constexpr const char* kPrivacyPolicy = "https://korrelang.invalid/privacy";
    static constexpr const char* kContactAddress = "privacy@korrelang.invalid";
    static constexpr const char* kAuthorPage = "https://korrelang.invalid/about";
};

}  // namespace korrelang::ui
