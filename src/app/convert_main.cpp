// korrelang-convert: what a desktop's shortcut runs; the same as `korrelang --convert` without
// loading the application's libraries.
#include "conversion_request.h"

int main() {
    return korrelang::app::ConversionRequest::send();
}
