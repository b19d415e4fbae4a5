#pragma once

namespace korrelang::platform::qt {

/// Whether the clipboard text last written has been handed to another program; reads made while
/// `ownRead` is set are this program's own and do not count.
struct TextFetchState {
    bool fetched = false;
    bool ownRead = false;
};

}  // namespace korrelang::platform::qt
