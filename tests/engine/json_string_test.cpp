#include "engine/json_string.h"

#include <gtest/gtest.h>

namespace korrelang::engine {
namespace {

using Escapes = JsonString::ControlEscapes;

TEST(JsonString, EscapesWhatJsonRequiresAndPassesTheRestThrough) {
    struct Case {
        std::string text;
        std::string shortForm;
        std::string unicodeForm;
    };
    const Case cases[] = {
        {"", R"("")", R"("")"},
        {R"(say "hi" \o/)", R"("say \"hi\" \\o/")", R"("say \"hi\" \\o/")"},
        {"a\nb\tc\rd\be\ff", R"("a\nb\tc\rd\be\ff")", R"("a\u000ab\u0009c\u000dd\u0008e\u000cf")"},
        {std::string("nul\0unit\x1f", 9), R"("nul\u0000unit\u001f")", R"("nul\u0000unit\u001f")"},
        {"привет 👍🏽 \x7f", "\"привет 👍🏽 \x7f\"",
         "\"привет 👍🏽 \x7f\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JsonString::quoted(c.text), c.shortForm);
        EXPECT_EQ(JsonString::quoted(c.text, Escapes::Unicode), c.unicodeForm);
        std::string appended = "[";
        JsonString::appendQuoted(appended, c.text, Escapes::Unicode);
        EXPECT_EQ(appended, "[" + c.unicodeForm);
    }
}

}  // namespace
}  // namespace korrelang::engine
