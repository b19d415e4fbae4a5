#include "command_line.h"

#include <cstdio>
#include <iostream>
#include <iterator>
#include <mutex>
#include <optional>
#include <sstream>

#include "engine/json_string.h"
#include "engine/key_code.h"
#include "engine/keyboard_mapping_registry.h"
#include "engine/layout_converter.h"
#include "engine/log_sink.h"
#include "engine/unicode.h"
#include "keyboards/keyboard_listing.h"
#include "spelling/spelling_dictionaries.h"

namespace korrelang::cli {

namespace {

using engine::JsonString;
using engine::KeyboardMapping;
using engine::KeyboardMappingRegistry;

constexpr const char* kMainHelp =
    "Usage: korrelang [COMMAND] [OPTION]...\n"
    "Fix text typed in the wrong keyboard layout.\n"
    "\n"
    "Without a command, Korrelang starts in the system tray and converts the selected text,\n"
    "or the text before the caret, when you press Control+Shift+Space.\n"
    "\n"
    "Commands:\n"
    "  convert    convert text given as arguments or on standard input\n"
    "  layouts    list the keyboard layouts Korrelang knows\n"
    "  resolve    show which known layout an input-source identifier stands for\n"
    "  keyboards  list the keyboard layouts enabled on this desktop, with their identifiers\n"
    "\n"
    "Options:\n"
    "  -h, --help     display this help and exit\n"
    "  -V, --version  output version information and exit\n"
    "\n"
    "Run 'korrelang COMMAND --help' for the options of a command.\n";

constexpr const char* kConvertHelp =
    "Usage: korrelang convert [--layouts ID[,ID...]] [OPTION]... [--] [TEXT]...\n"
    "Convert TEXT, typed in one of the given keyboard layouts, to the layout that was meant.\n"
    "The TEXT arguments are joined by single spaces; without TEXT, all of standard input is\n"
    "converted. Only the converted text is printed, with nothing added.\n"
    "\n"
    "  -l, --layouts=ID[,ID...]  the selected keyboards, in order of preference: input-source\n"
    "                            identifiers such as xkb.us.English, xkb.ru.Russian or\n"
    "                            com.apple.keylayout.Hebrew (see 'korrelang resolve');\n"
    "                            without it, the keyboards selected in Korrelang, else those\n"
    "                            enabled on the desktop (see 'korrelang keyboards')\n"
    "  -a, --active=ID           the keyboard active while typing; preferred as the target\n"
    "  -p, --preferred=LAYOUT    convert to this catalogue layout (see 'korrelang layouts')\n"
    "  -n, --no-dictionaries     choose the layout by the rules alone, without reading the\n"
    "                            candidate results as words of their languages\n"
    "  -j, --json                print a JSON object with the text, languages and layouts\n"
    "  -v, --verbose             print the diagnostic log to standard error\n"
    "  -h, --help                display this help and exit\n"
    "\n"
    "Exit status: 0 converted, 1 the text could not be converted, 2 usage error or input\n"
    "that is not valid UTF-8.\n"
    "\n"
    "Example:\n"
    "  korrelang convert --layouts xkb.us.English,xkb.ru.Russian ghbdtn   # prints привет\n";

constexpr const char* kLayoutsHelp =
    "Usage: korrelang layouts [--json]\n"
    "List the catalogue of keyboard layouts in order: catalogue id, language, direction,\n"
    "letter case and the identifier patterns that select it.\n"
    "\n"
    "  -j, --json  print every layout with its full key table as a JSON array\n"
    "  -h, --help  display this help and exit\n";

constexpr const char* kResolveHelp =
    "Usage: korrelang resolve ID...\n"
    "Print, for each input-source identifier, the catalogue id of the layout it resolves to,\n"
    "or 'none'.\n"
    "\n"
    "  -h, --help  display this help and exit\n";

int usageError(std::ostream& err, const std::string& command, const std::string& message) {
    err << "korrelang" << (command.empty() ? "" : " " + command) << ": " << message << "\n"
        << "Try 'korrelang " << (command.empty() ? "" : command + " ") << "--help' for more "
        << "information.\n";
    return 2;
}

// Accepts "--name value", "--name=value" and "-x value"; advances `i` past what it used. Sets
// `missing` when the option is there without its value.
std::optional<std::string> optionValue(const std::vector<std::string>& args, std::size_t& i,
                                       const std::string& longName, const std::string& shortName,
                                       bool& missing) {
    const std::string& arg = args[i];
    if (arg == longName || arg == shortName) {
        if (i + 1 >= args.size()) {
            missing = true;
            return std::nullopt;
        }
        return args[++i];
    }
    if (arg.rfind(longName + "=", 0) == 0) {
        return arg.substr(longName.size() + 1);
    }
    return std::nullopt;
}

std::vector<std::string> splitList(const std::string& list) {
    std::vector<std::string> items;
    std::string item;
    std::istringstream stream(list);
    while (std::getline(stream, item, ',')) {
        if (!item.empty()) {
            items.push_back(item);
        }
    }
    return items;
}

// The dictionaries of the given layouts, loaded when the converter first asks: most conversions
// (two layouts, one that types the text) never do.
class DictionariesOnDemand final : public engine::WordScorer {
public:
    // A conversion does not wait for word stores to be built: it uses those the tray program
    // has built, and Hunspell for the others.
    explicit DictionariesOnDemand(std::vector<std::string> ids) : m_ids(std::move(ids)) {
        m_dictionaries.setBuildStores(false);
    }
    bool covers(std::string_view mappingID) const override { return loaded().covers(mappingID); }
    bool isWord(std::string_view mappingID, std::string_view word) const override {
        return loaded().isWord(mappingID, word);
    }

private:
    const spelling::SpellingDictionaries& loaded() const {
        std::call_once(m_once, [this] { m_dictionaries.load(m_ids); });
        return m_dictionaries;
    }

    std::vector<std::string> m_ids;
    mutable std::once_flag m_once;
    mutable spelling::SpellingDictionaries m_dictionaries;
};

// Routes the engine's log: everything under --verbose, otherwise the failure reason only.
class CommandLog {
public:
    CommandLog(std::ostream& err, bool verbose) {
        engine::LogSink::install([&err, verbose, this](const engine::LogLine& line) {
            const std::string text = line.render(true);
            if (verbose || text.rfind("FAIL: ", 0) == 0) {
                const std::lock_guard lock(m_mutex);
                err << text << "\n";
                err.flush();
            }
        });
    }
    ~CommandLog() { engine::LogSink::install(nullptr); }
    CommandLog(const CommandLog&) = delete;
    CommandLog& operator=(const CommandLog&) = delete;

private:
    std::mutex m_mutex;
};

constexpr const char* kKeyboardsHelp =
    "Usage: korrelang keyboards [--json]\n"
    "List the keyboard layouts enabled on this desktop: identifier, name and language, one per\n"
    "line, after a comment naming the desktop back end. The identifiers are what\n"
    "'korrelang convert --layouts' takes.\n"
    "\n"
    "  -j, --json  print a JSON array of objects with \"id\", \"name\" and \"localizedName\"\n";

int runKeyboards(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const CommandLine::Desktop& desktop) {
    bool json = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-h" || args[i] == "--help") {
            out << kKeyboardsHelp;
            return 0;
        }
        if (args[i] == "-j" || args[i] == "--json") {
            json = true;
        } else {
            return usageError(err, "keyboards", "unrecognized argument '" + args[i] + "'");
        }
    }
    const auto detected =
        desktop.installedKeyboards
            ? desktop.installedKeyboards()
            : keyboards::DetectedKeyboards{keyboards::KeyboardDetector::fallbackKeyboards(), true};
    if (!json && desktop.backEnd) {
        out << "# back end: " << desktop.backEnd() << '\n';
    }
    out << (json ? keyboards::KeyboardListing::json(detected)
                 : keyboards::KeyboardListing::text(detected));
    return 0;
}

// Without --layouts: the user's selected keyboards, else the enabled ones.
std::vector<std::string> desktopLayouts(const CommandLine::Desktop& desktop) {
    std::vector<std::string> layouts;
    if (desktop.selectedKeyboards) {
        layouts = desktop.selectedKeyboards();
    }
    if (layouts.empty() && desktop.installedKeyboards) {
        const auto detected = desktop.installedKeyboards();
        if (!detected.isFallback) {
            for (const auto& keyboard : detected.keyboards) {
                layouts.push_back(keyboard.id);
            }
        }
    }
    return layouts;
}

int runConvert(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err, const CommandLine::Desktop& desktop) {
    std::vector<std::string> layouts;
    bool layoutsGiven = false;
    std::optional<std::string> active;
    std::optional<std::string> preferred;
    bool json = false;
    bool verbose = false;
    bool dictionaries = true;
    std::vector<std::string> words;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            out << kConvertHelp;
            return 0;
        }
        if (arg == "-j" || arg == "--json") {
            json = true;
            continue;
        }
        if (arg == "-v" || arg == "--verbose") {
            verbose = true;
            continue;
        }
        if (arg == "-n" || arg == "--no-dictionaries") {
            dictionaries = false;
            continue;
        }
        bool missing = false;
        if (auto layoutList = optionValue(args, i, "--layouts", "-l", missing)) {
            const auto items = splitList(*layoutList);
            layouts.insert(layouts.end(), items.begin(), items.end());
            layoutsGiven = true;
        } else if (auto activeID = optionValue(args, i, "--active", "-a", missing)) {
            active = *activeID;
        } else if (auto preferredID = optionValue(args, i, "--preferred", "-p", missing)) {
            preferred = *preferredID;
        } else {
            return usageError(err, "convert",
                              missing ? "option '" + arg + "' requires an argument"
                                      : "unrecognized option '" + arg + "'");
        }
    }
    if (!layoutsGiven) {
        layouts = desktopLayouts(desktop);
        if (layouts.empty()) {
            return usageError(err, "convert",
                              "missing --layouts (no keyboards found on the desktop)");
        }
    }

    std::string text;
    if (words.empty()) {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        for (std::size_t i = 0; i < words.size(); ++i) {
            text += (i > 0 ? " " : "") + words[i];
        }
    }
    if (!engine::unicode::isValidUtf8(text)) {
        err << "korrelang convert: the text is not valid UTF-8\n";
        return 2;
    }

    const CommandLog log(err, verbose);
    std::optional<DictionariesOnDemand> spelling;
    if (dictionaries) {
        std::vector<std::string> ids;
        for (const KeyboardMapping& mapping :
             KeyboardMappingRegistry::shared().mappingsFor(layouts)) {
            ids.push_back(mapping.id());
        }
        spelling.emplace(std::move(ids));
    }
    const auto result = engine::LayoutConverter(spelling ? &*spelling : nullptr)
                            .convert(text, layouts, active, preferred);
    if (!result) {
        return 1;
    }
    if (json) {
        out << "{\"convertedText\":" << JsonString::quoted(result->convertedText)
            << ",\"fromLanguage\":" << JsonString::quoted(result->fromLanguage)
            << ",\"toLanguage\":" << JsonString::quoted(result->toLanguage)
            << ",\"fromLayoutID\":" << JsonString::quoted(result->fromLayoutID)
            << ",\"toLayoutID\":" << JsonString::quoted(result->toLayoutID) << "}\n";
    } else {
        out << result->convertedText;
    }
    out.flush();
    return 0;
}

void printLayoutJson(std::ostream& out, const KeyboardMapping& mapping) {
    out << "{\"id\":" << JsonString::quoted(mapping.id())
        << ",\"displayName\":" << JsonString::quoted(mapping.displayName())
        << ",\"layoutPatterns\":[";
    for (std::size_t i = 0; i < mapping.layoutPatterns().size(); ++i) {
        out << (i > 0 ? "," : "") << JsonString::quoted(mapping.layoutPatterns()[i]);
    }
    out << "],\"isRTL\":" << (mapping.isRTL() ? "true" : "false")
        << ",\"isCaseSensitive\":" << (mapping.isCaseSensitive() ? "true" : "false")
        << ",\"keyMap\":{";
    bool first = true;
    for (const auto& entry : mapping.keyMap()) {
        out << (first ? "" : ",") << "\"" << entry.keyCode << "\":["
            << JsonString::quoted(entry.texts.normal) << ","
            << JsonString::quoted(entry.texts.shifted) << "]";
        first = false;
    }
    out << "}}";
}

int runLayouts(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool json = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-h" || args[i] == "--help") {
            out << kLayoutsHelp;
            return 0;
        }
        if (args[i] == "-j" || args[i] == "--json") {
            json = true;
        } else {
            return usageError(err, "layouts", "unrecognized argument '" + args[i] + "'");
        }
    }
    const auto& all = KeyboardMappingRegistry::shared().all();
    if (json) {
        out << "[";
        for (std::size_t i = 0; i < all.size(); ++i) {
            out << (i > 0 ? ",\n" : "\n");
            printLayoutJson(out, all[i]);
        }
        out << "\n]\n";
        return 0;
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        const KeyboardMapping& mapping = all[i];
        char number[24];
        std::snprintf(number, sizeof number, "%2zu", i + 1);
        std::string patterns;
        for (const std::string& pattern : mapping.layoutPatterns()) {
            patterns += (patterns.empty() ? "" : " ") + pattern;
        }
        out << number << "  " << mapping.id() << "  \"" << mapping.displayName() << "\"  "
            << (mapping.isRTL() ? "rtl" : "ltr") << "  "
            << (mapping.isCaseSensitive() ? "cased" : "caseless") << "  " << patterns << "\n";
    }
    return 0;
}

int runResolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> ids;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (!optionsEnded && (args[i] == "-h" || args[i] == "--help")) {
            out << kResolveHelp;
            return 0;
        }
        if (!optionsEnded && args[i] == "--") {
            optionsEnded = true;
            continue;
        }
        ids.push_back(args[i]);
    }
    if (ids.empty()) {
        return usageError(err, "resolve", "missing identifier");
    }
    const auto& registry = KeyboardMappingRegistry::shared();
    for (const std::string& id : ids) {
        const auto mapping = registry.mappingFor(id);
        out << (mapping ? mapping->id() : "none") << "\n";
    }
    return 0;
}

}  // namespace

bool CommandLine::handles(const std::vector<std::string>& args) {
    if (args.empty()) {
        return false;
    }
    const std::string& first = args.front();
    return first == "convert" || first == "layouts" || first == "resolve" || first == "keyboards" ||
           first == "-h" || first == "--help" || first == "-V" || first == "--version" ||
           first == "help";
}

int CommandLine::run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err, const Desktop& desktop) {
    if (args.empty() || args.front() == "-h" || args.front() == "--help" ||
        args.front() == "help") {
        out << kMainHelp;
        return 0;
    }
    const std::string& command = args.front();
    if (command == "-V" || command == "--version") {
        out << "korrelang 1.6.0\n";
        return 0;
    }
    if (command == "convert") {
        return runConvert(args, in, out, err, desktop);
    }
    if (command == "layouts") {
        return runLayouts(args, out, err);
    }
    if (command == "resolve") {
        return runResolve(args, out, err);
    }
    if (command == "keyboards") {
        return runKeyboards(args, out, err, desktop);
    }
    return usageError(err, "", "unknown command '" + command + "'");
}

}  // namespace korrelang::cli
