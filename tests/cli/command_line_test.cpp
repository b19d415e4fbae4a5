#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace korrelang::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = CommandLine::run(args, in, out, err);
    return {status, out.str(), err.str()};
}

const std::string kLayouts = "xkb.us.English,xkb.ru.Russian";

TEST(CommandLine, ConvertsArgumentsAndStandardInput) {
    struct Case {
        std::vector<std::string> args;
        std::string input, out;
    };
    const std::vector<Case> cases = {
        {{"convert", "--layouts", kLayouts, "ghbdtn"}, "", "привет"},
        {{"convert", "--layouts=" + kLayouts, "ghbdtn", "vbh"}, "", "привет мир"},
        {{"convert", "-l", kLayouts, "--", "--ghbdtn"}, "", "--привет"},
        {{"convert", "--layouts", kLayouts}, "ghbdtn\nvbh\n", "привет\nмир\n"},
        {{"convert", "--layouts", kLayouts, "-"}, "", "-"},  // "-" is text, not an option
    };
    for (const Case& c : cases) {
        const Outcome result = run(c.args, c.input);
        EXPECT_EQ(result.status, 0) << c.args.back();
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, "");
    }
}

TEST(CommandLine, PrintsJson) {
    // "@" becomes a quotation mark in Russian; the backslash and line feed stay.
    const Outcome result = run({"convert", "--json", "--layouts", kLayouts, "--", "t@\\\n"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
              "{\"convertedText\":\"е\\\"\\\\\\n\",\"fromLanguage\":\"English\",\"toLanguage\":"
              "\"Russian\",\"fromLayoutID\":\"english\",\"toLayoutID\":\"russian\"}\n");
}

TEST(CommandLine, HonoursActiveAndPreferred) {
    const std::string three = "xkb.us.English,xkb.il.Hebrew,xkb.ru.Russian";
    // The rules alone take the first other layout; the dictionaries see that only Russian
    // gives words.
    EXPECT_EQ(run({"convert", "--no-dictionaries", "--layouts", three, "ghbdtn"}).out, "עינגאמ");
    EXPECT_EQ(run({"convert", "--layouts", three, "ghbdtn"}).out, "привет");
    EXPECT_EQ(run({"convert", "--layouts", three, "--active", "xkb.ru.Russian", "ghbdtn"}).out,
              "привет");
    EXPECT_EQ(run({"convert", "--layouts", three, "--preferred=russian", "ghbdtn"}).out, "привет");
}

TEST(CommandLine, ReportsFailuresWithStatusAndReason) {
    const Outcome failed = run({"convert", "--layouts", "xkb.us.English,xkb.gb.British", "abc"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err,
              "FAIL: Need ≥2 recognized keyboards, got 1. Layouts: [\"xkb.us.English\", "
              "\"xkb.gb.British\"]\n");

    const Outcome verbose = run({"convert", "--verbose", "--layouts", kLayouts, "ghbdtn"});
    EXPECT_EQ(verbose.status, 0);
    EXPECT_NE(verbose.err.find("OK: English → Russian\n"), std::string::npos);
    EXPECT_NE(verbose.err.find("text='ghbdtn'"), std::string::npos);

    // Each candidate's share of real words is logged, text included: the user asked for it.
    const Outcome words = run({"convert", "--verbose", "--layouts",
                               "xkb.us.English,xkb.de.German,xkb.ru.Russian", "ghbdtn"});
    EXPECT_EQ(words.out, "привет");
    EXPECT_NE(words.err.find("📖 English → German: same as the text\n"), std::string::npos);
    EXPECT_NE(words.err.find("📖 English → Russian: 100.0% (6/6 letters in words) 'привет'\n"),
              std::string::npos);
}

TEST(CommandLine, RejectsBadUsageAndInvalidText) {
    const std::vector<std::vector<std::string>> usageErrors = {
        {"convert", "ghbdtn"},
        {"convert", "--layouts"},
        {"convert", "--layouts", kLayouts, "--bogus", "x"},
        {"convert", "--layouts", kLayouts, "--active"},
        {"layouts", "extra"},
        {"resolve"},
        {"frobnicate"},
    };
    for (const auto& args : usageErrors) {
        const Outcome result = run(args);
        EXPECT_EQ(result.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(result.err.find("Try 'korrelang"), std::string::npos);
    }
    const Outcome invalid = run({"convert", "--layouts", kLayouts}, "gh\xc3(");
    EXPECT_EQ(invalid.status, 2);
    EXPECT_EQ(invalid.err, "korrelang convert: the text is not valid UTF-8\n");
}

TEST(CommandLine, ResolvesIdentifiers) {
    const Outcome result = run({"resolve", "com.apple.keylayout.Russian",
                                "xkb.rs(latin).Serbian-Latin", "nonsense", "xkb.de.German"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "russian\ncroatian\nnone\ngerman\n");
}

TEST(CommandLine, ListsLayouts) {
    const Outcome plain = run({"layouts"});
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(std::count(plain.out.begin(), plain.out.end(), '\n'), 56);
    EXPECT_EQ(plain.out.substr(0, plain.out.find('\n')),
              " 1  english  \"English\"  ltr  cased  us abc english british australian canadian "
              "dutch polish latvian estonian slovenian vietnamese indonesian malay filipino "
              "tagalog swahili irish welsh hawaiian");

    const Outcome json = run({"layouts", "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out.substr(0, 2), "[\n");
    EXPECT_NE(json.out.find("{\"id\":\"hebrew\",\"displayName\":\"Hebrew\",\"layoutPatterns\":"
                            "[\"hebrew\",\"he-\",\".he\"],\"isRTL\":true,\"isCaseSensitive\":false,"
                            "\"keyMap\":{\"41\":[\";\",\"~\"],\"2\":[\"1\",\"!\"]"),
              std::string::npos);
}

TEST(CommandLine, HelpForEveryCommand) {
    EXPECT_FALSE(CommandLine::handles({}));
    EXPECT_TRUE(CommandLine::handles({"convert"}));
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"convert", "--help"}, {"layouts", "-h"}, {"resolve", "--help"}}) {
        const Outcome result = run(args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out.rfind("Usage: korrelang", 0), 0u) << result.out;
    }
}

}  // namespace
}  // namespace korrelang::cli
