#include "hunspell_dictionary.h"

#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <hunspell/hunspell.hxx>

#include "engine/log.h"

namespace korrelang::spelling {

namespace {

bool readable(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && std::ifstream(path).good();
}

bool isUtf8(std::string encoding) {
    for (char& c : encoding) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return encoding == "utf-8" || encoding == "utf8";
}

}  // namespace

void HunspellDictionary::ConverterCloser::operator()(UConverter* converter) const {
    ucnv_close(converter);
}

HunspellDictionary::HunspellDictionary(std::string base, std::unique_ptr<Hunspell> hunspell,
                                       std::unique_ptr<UConverter, ConverterCloser> converter)
    : m_base(std::move(base)), m_hunspell(std::move(hunspell)), m_converter(std::move(converter)) {}

HunspellDictionary::~HunspellDictionary() = default;

std::unique_ptr<HunspellDictionary> HunspellDictionary::load(const std::string& base) {
    const std::string aff = base + ".aff";
    const std::string dic = base + ".dic";
    if (!readable(aff) || !readable(dic)) {
        engine::Log::write("❌ Spelling: cannot read " + aff + " and " + dic);
        return nullptr;
    }
    auto hunspell = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
    const std::string encoding = hunspell->get_dict_encoding();
    std::unique_ptr<UConverter, ConverterCloser> converter;
    if (!isUtf8(encoding)) {
        UErrorCode status = U_ZERO_ERROR;
        converter.reset(ucnv_open(encoding.c_str(), &status));
        if (U_FAILURE(status) || !converter) {
            engine::Log::write("❌ Spelling: " + dic + " uses the unknown character set " +
                               encoding);
            return nullptr;
        }
        // A character the dictionary cannot hold fails the conversion instead of becoming "?".
        ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                              &status);
    }
    return std::unique_ptr<HunspellDictionary>(
        new HunspellDictionary(base, std::move(hunspell), std::move(converter)));
}

bool HunspellDictionary::check(std::string_view word) const {
    if (word.empty()) {
        return false;
    }
    std::string text(word);
    const std::lock_guard lock(m_mutex);
    if (m_converter) {
        const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(word);
        UErrorCode status = U_ZERO_ERROR;
        text.assign(static_cast<std::size_t>(unicode.length()) * 4 + 4, '\0');
        const int32_t length =
            ucnv_fromUChars(m_converter.get(), text.data(), static_cast<int32_t>(text.size()),
                            unicode.getBuffer(), unicode.length(), &status);
        if (U_FAILURE(status)) {
            return false;
        }
        text.resize(static_cast<std::size_t>(length));
    }
    return m_hunspell->spell(text);
}

}  // namespace korrelang::spelling
