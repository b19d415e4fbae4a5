#pragma once

#include "fake_accessibility_text.h"
#include "fake_clipboard.h"
#include "fake_hot_keys.h"
#include "fake_input_sources.h"
#include "fake_key_interceptor.h"
#include "fake_synthetic_keys.h"
#include "fake_workspace.h"
#include "platform/platform.h"

namespace korrelang::platform::fake {

/// Every fake, and the bundle that points at them.
struct FakePlatform {
    FakeInputSources inputSources;
    FakeAccessibilityText accessibility;
    FakeSyntheticKeys syntheticKeys;
    FakeClipboard clipboard;
    FakeWorkspace workspace;
    FakeHotKeys hotKeys;
    FakeKeyInterceptor keyInterceptor;

    Platform bundle() {
        return {inputSources, accessibility, syntheticKeys, clipboard,
                workspace,    hotKeys,       keyInterceptor};
    }
};

}  // namespace korrelang::platform::fake
