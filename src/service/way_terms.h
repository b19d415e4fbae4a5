#pragma once

#include "platform/key_codes.h"
#include "service_log.h"

namespace korrelang::service::wayterms {

// The short names the ways that press keys and use the clipboard are written in.
using platform::Modifier;
using servicelog::say;
using servicelog::sayText;

}  // namespace korrelang::service::wayterms
