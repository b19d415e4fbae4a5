#include "layout_names.h"

#include <array>

namespace korrelang::platform::x11 {

namespace {

// Invariants (checked by tests): every (layout, variant) is an XKB layout of the stock registry,
// appears once, and its name resolves to exactly the catalogue language written beside it.
// Names are stable: they are stored in the user's selected keyboards.
constexpr auto kEntries = std::to_array<LayoutNames::Entry>({
    {"us", "", "English"},             // english
    {"gb", "", "British"},             // english
    {"au", "", "Australian"},          // english
    {"il", "", "Hebrew"},              // hebrew
    {"ru", "", "Russian"},             // russian
    {"ara", "", "Arabic"},             // arabic
    {"ua", "", "Ukrainian"},           // ukrainian
    {"gr", "", "Greek"},               // greek
    {"in", "", "Hindi"},               // hindi (Devanagari InScript)
    {"kr", "", "Korean"},              // korean
    {"ir", "", "Persian"},             // persian
    {"th", "", "Thai"},                // thai
    {"bg", "", "Bulgarian"},           // bulgarian
    {"rs", "", "Serbian"},             // serbian
    {"rs", "latin", "Serbian-Latin"},  // croatian
    {"mk", "", "Macedonian"},          // macedonian
    {"by", "", "Belarusian"},          // belarusian
    {"kz", "", "Kazakh"},              // kazakh
    {"mn", "", "Mongolian"},           // mongolian
    {"uz", "", "Uzbek"},               // uzbek
    {"ge", "", "Georgian"},            // georgian
    {"am", "", "Armenian"},            // armenian
    {"pk", "", "Urdu"},                // urdu
    {"af", "ps", "Pashto"},            // pashto
    {"cn", "ug", "Uyghur"},            // uyghur
    {"iq", "", "Kurdish-Sorani"},      // kurdish-sorani
    {"tr", "ku", "Kurdish-Kurmanji"},  // kurdish-kurmanji
    {"bd", "", "Bengali"},             // bengali
    {"in", "tam", "Tamil"},            // tamil
    {"in", "tel", "Telugu"},           // telugu
    {"in", "kan", "Kannada"},          // kannada
    {"in", "mal", "Malayalam"},        // malayalam
    {"in", "guj", "Gujarati"},         // gujarati
    {"in", "guru", "Punjabi"},         // punjabi
    {"np", "", "Nepali"},              // nepali
    {"mm", "", "Myanmar"},             // myanmar
    {"kh", "", "Khmer"},               // khmer
    {"lk", "", "Sinhala"},             // sinhala
    {"cn", "tib", "Tibetan"},          // tibetan
    {"es", "", "Spanish"},             // spanish
    {"pt", "", "Portuguese"},          // portuguese
    {"br", "", "Brazilian"},           // portuguese
    {"it", "", "Italian"},             // italian
    {"cz", "", "Czech"},               // czech
    {"sk", "", "Slovak"},              // slovak
    {"hu", "", "Hungarian"},           // hungarian
    {"hr", "", "Croatian"},            // croatian
    {"ba", "", "Bosnian"},             // croatian
    {"ro", "", "Romanian"},            // romanian
    {"se", "", "Swedish"},             // swedish
    {"dk", "", "Danish"},              // danish
    {"no", "", "Norwegian"},           // norwegian
    {"fi", "", "Finnish"},             // finnish
    {"is", "", "Icelandic"},           // icelandic
    {"lt", "", "Lithuanian"},          // lithuanian
    {"az", "", "Azerbaijani"},         // azerbaijani
    {"fr", "", "French"},              // french
    {"de", "", "German"},              // german
    {"us", "dvorak", "Dvorak"},        // dvorak
    {"us", "colemak", "Colemak"},      // colemak
    {"tr", "", "Turkish"},             // turkish
});

}  // namespace

std::span<const LayoutNames::Entry> LayoutNames::entries() {
    return kEntries;
}

std::optional<std::string_view> LayoutNames::nameFor(std::string_view layout,
                                                     std::string_view variant) {
    for (const Entry& entry : kEntries) {
        if (entry.layout == layout && entry.variant == variant) {
            return entry.name;
        }
    }
    return std::nullopt;
}

}  // namespace korrelang::platform::x11
