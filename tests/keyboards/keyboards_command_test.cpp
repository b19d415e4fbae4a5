#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.h"

namespace korrelang::cli {
namespace {

struct Outcome {
    int status = 0;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& args, const CommandLine::Desktop& desktop) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = CommandLine::run(args, in, out, err, desktop);
    return {status, out.str(), err.str()};
}

CommandLine::Desktop desktopWith(std::vector<keyboards::KeyboardLayout> layouts, bool fallback,
                                 std::vector<std::string> selected = {}) {
    CommandLine::Desktop desktop;
    desktop.installedKeyboards = [=] { return keyboards::DetectedKeyboards{layouts, fallback}; };
    desktop.selectedKeyboards = [=] { return selected; };
    return desktop;
}

const std::vector<keyboards::KeyboardLayout> kUsRussian = {
    {"xkb.us.English", "English (US)", "English"}, {"xkb.ru.Russian", "Russian", "Russian"}};

TEST(KeyboardsCommand, ListsTheDesktopsKeyboards) {
    const auto desktop = desktopWith(kUsRussian, false);
    EXPECT_EQ(run({"keyboards"}, desktop).out,
              "xkb.us.English\tEnglish (US)\tEnglish\nxkb.ru.Russian\tRussian\tRussian\n");
    EXPECT_EQ(run({"keyboards", "--json"}, desktop).out,
              "[{\"id\":\"xkb.us.English\",\"name\":\"English (US)\",\"localizedName\":"
              "\"English\"},{\"id\":\"xkb.ru.Russian\",\"name\":\"Russian\",\"localizedName\":"
              "\"Russian\"}]\n");
    EXPECT_EQ(run({"keyboards", "--bogus"}, desktop).status, 2);
    EXPECT_TRUE(CommandLine::handles({"keyboards"}));
}

TEST(KeyboardsCommand, WithoutADesktopTheFallbackIsMarked) {
    const Outcome result = run({"keyboards"}, {});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.rfind("# ", 0), 0u);
    EXPECT_NE(result.out.find("xkb.es.Spanish"), std::string::npos);
}

TEST(KeyboardsCommand, ConvertWithoutLayoutsUsesSelectedThenInstalledKeyboards) {
    EXPECT_EQ(run({"convert", "ghbdtn"}, desktopWith(kUsRussian, false)).out, "привет");
    // Selected keyboards win over the installed ones.
    const auto selected = desktopWith(kUsRussian, false, {"xkb.us.English", "xkb.il.Hebrew"});
    EXPECT_EQ(run({"convert", "ghbdtn"}, selected).out, "עינגאמ");
    // A fallback list is not the user's setup: no guessing.
    EXPECT_EQ(run({"convert", "ghbdtn"}, desktopWith(kUsRussian, true)).status, 2);
    EXPECT_EQ(run({"convert", "ghbdtn"}, {}).status, 2);
}

}  // namespace
}  // namespace korrelang::cli
