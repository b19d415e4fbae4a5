#include "language_tags.h"

#include <array>

namespace korrelang::spelling {

namespace {

struct Entry {
    std::string_view mappingID;
    std::string_view names;  // space-separated
};

// Dvorak and Colemak are ways of typing English.
constexpr std::array kEntries{
    Entry{"english", "en_US en_GB en_CA en_AU en_ZA"},
    Entry{"hebrew", "he_IL he"},
    Entry{"russian", "ru_RU ru"},
    Entry{"arabic", "ar ar_SA ar_EG"},
    Entry{"ukrainian", "uk_UA uk"},
    Entry{"greek", "el_GR el"},
    Entry{"hindi", "hi_IN hi"},
    Entry{"korean", "ko_KR ko"},
    Entry{"persian", "fa_IR fa"},
    Entry{"thai", "th_TH th"},
    Entry{"bulgarian", "bg_BG bg"},
    Entry{"serbian", "sr_RS sr"},
    Entry{"macedonian", "mk_MK mk"},
    Entry{"belarusian", "be_BY be"},
    Entry{"kazakh", "kk_KZ kk"},
    Entry{"mongolian", "mn_MN mn"},
    Entry{"uzbek", "uz_UZ uz"},
    Entry{"georgian", "ka_GE ka"},
    Entry{"armenian", "hy_AM hy"},
    Entry{"urdu", "ur_PK ur"},
    Entry{"pashto", "ps_AF ps"},
    Entry{"uyghur", "ug_CN ug"},
    Entry{"kurdish-sorani", "ckb_IQ ckb"},
    Entry{"kurdish-kurmanji", "kmr_Latn ku_TR kmr"},
    Entry{"bengali", "bn_BD bn_IN bn"},
    Entry{"tamil", "ta_IN ta"},
    Entry{"telugu", "te_IN te"},
    Entry{"kannada", "kn_IN kn"},
    Entry{"malayalam", "ml_IN ml"},
    Entry{"gujarati", "gu_IN gu"},
    Entry{"punjabi", "pa_IN pa"},
    Entry{"nepali", "ne_NP ne"},
    Entry{"myanmar", "my_MM my"},
    Entry{"khmer", "km_KH km"},
    Entry{"sinhala", "si_LK si"},
    Entry{"tibetan", "bo_CN bo"},
    Entry{"spanish", "es_ES es_MX es"},
    Entry{"portuguese", "pt_PT pt_BR pt"},
    Entry{"italian", "it_IT it"},
    Entry{"czech", "cs_CZ cs"},
    Entry{"slovak", "sk_SK sk"},
    Entry{"hungarian", "hu_HU hu"},
    Entry{"croatian", "hr_HR bs_BA hr"},
    Entry{"romanian", "ro_RO ro"},
    Entry{"swedish", "sv_SE sv"},
    Entry{"danish", "da_DK da"},
    Entry{"norwegian", "nb_NO nn_NO no"},
    Entry{"finnish", "fi_FI fi"},
    Entry{"icelandic", "is_IS is"},
    Entry{"lithuanian", "lt_LT lt"},
    Entry{"azerbaijani", "az_AZ az"},
    Entry{"french", "fr_FR fr"},
    Entry{"german", "de_DE de_AT de_CH de"},
    Entry{"dvorak", "en_US en_GB en_CA en_AU en_ZA"},
    Entry{"colemak", "en_US en_GB en_CA en_AU en_ZA"},
    Entry{"turkish", "tr_TR tr"},
};

}  // namespace

std::vector<std::string> LanguageTags::forMapping(std::string_view mappingID) {
    std::vector<std::string> names;
    for (const Entry& entry : kEntries) {
        if (entry.mappingID != mappingID) {
            continue;
        }
        std::string_view rest = entry.names;
        while (!rest.empty()) {
            const std::size_t space = rest.find(' ');
            names.emplace_back(rest.substr(0, space));
            rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
        }
    }
    return names;
}

}  // namespace korrelang::spelling
