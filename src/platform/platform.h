#pragma once

#include "accessibility_text.h"
#include "clipboard.h"
#include "hot_keys.h"
#include "input_sources.h"
#include "key_interceptor.h"
#include "synthetic_keys.h"
#include "workspace.h"

namespace korrelang::platform {

/// The desktop back end, chosen once by the composition root and passed down by reference.
/// The bundle owns nothing; whoever fills it keeps the implementations alive.
struct Platform {
    InputSources& inputSources;
    AccessibilityText& accessibility;
    SyntheticKeys& syntheticKeys;
    Clipboard& clipboard;
    Workspace& workspace;
    HotKeys& hotKeys;
    KeyInterceptor& keyInterceptor;
};

}  // namespace korrelang::platform
