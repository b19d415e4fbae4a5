#pragma once

#include <linux/input-event-codes.h>

#include <cstdint>

#include "engine/key_code.h"
#include "modifiers.h"

namespace korrelang::platform {

using engine::KeyCode;

}  // namespace korrelang::platform
