// The conversion log is read at every launch from a file anyone with the user's rights can
// damage: no input may crash the reader, and what it accepts must survive a round trip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "settings/conversion_statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto statistics = korrelang::settings::ConversionStatistics::fromJson(input);
    if (statistics) {
        const auto again =
            korrelang::settings::ConversionStatistics::fromJson(statistics->toJson());
        if (!again || !(*again == *statistics)) {
            std::abort();
        }
    }
    return 0;
}
