#include "ui/popup_figures.h"

#include <gtest/gtest.h>

#include <optional>

namespace korrelang::ui {
namespace {

using settings::DirectionDelta;

TEST(PopupFiguresTest, ChangeColumn) {
    struct Case {
        qint64 current;
        qint64 previous;
        std::optional<QString> shown;
    };
    const Case cases[] = {
        {5, 4, QStringLiteral("+25%")},
        {3, 4, QStringLiteral("-25%")},
        {4, 4, std::nullopt},
        {7, 0, std::nullopt},  // nothing to compare with
        {0, 0, std::nullopt},
        {0, 3, QStringLiteral("-100%")},
        {1001, 1000, QStringLiteral("0%")},  // below one percent: no plus sign
        {3, 8, QStringLiteral("-63%")},      // -62.5 rounds away from zero
        {201, 200, QStringLiteral("+1%")},   // 0.5 rounds up to 1
        {199, 200, QStringLiteral("-1%")},   // -0.5 rounds down to -1
    };
    for (const Case& c : cases) {
        const std::optional<int> percent = PopupFigures::changePercent(c.current, c.previous);
        const std::optional<QString> text =
            percent ? std::optional(PopupFigures::changeText(*percent)) : std::nullopt;
        EXPECT_EQ(text, c.shown) << c.current << " against " << c.previous;
    }
}

TEST(PopupFiguresTest, CharacterFigure) {
    const std::pair<qint64, const char*> cases[] = {
        {0, "0"},       {999, "999"},     {1000, "1.0K"},
        {1234, "1.2K"}, {15260, "15.3K"}, {1250000, "1250.0K"},
    };
    for (const auto& [count, shown] : cases) {
        EXPECT_EQ(PopupFigures::characterText(count), QString::fromUtf8(shown)) << count;
    }
}

TEST(PopupFiguresTest, DirectionLabel) {
    EXPECT_EQ(PopupFigures::directionLabel(QStringLiteral("English→Russian")),
              QStringLiteral("En→Ru"));
    EXPECT_EQ(PopupFigures::directionLabel(QStringLiteral("E→Я")), QStringLiteral("E→Я"));
    EXPECT_EQ(PopupFigures::directionLabel(QStringLiteral("Hebrew")), QStringLiteral("Hebrew"));
    EXPECT_EQ(PopupFigures::directionLabel(QStringLiteral("A→B→C")), QStringLiteral("A→B→C"));
}

TEST(PopupFiguresTest, PairsEachDirectionWithItsReverse) {
    const QList<DirectionDelta> deltas = {
        {QStringLiteral("English→Hebrew"), 1, 0},  {QStringLiteral("Russian→English"), 3, 1},
        {QStringLiteral("Hebrew→Russian"), 2, 2},  {QStringLiteral("English→Russian"), 5, 4},
        {QStringLiteral("Russian→English"), 9, 9},  // a repeated direction is shown once
    };
    const auto groups = PopupFigures::groupDeltas(deltas);
    ASSERT_EQ(groups.size(), 3);
    ASSERT_EQ(groups[0].size(), 1);
    EXPECT_EQ(groups[0][0].direction, QStringLiteral("English→Hebrew"));
    ASSERT_EQ(groups[1].size(), 2);
    EXPECT_EQ(groups[1][0].direction, QStringLiteral("Russian→English"));
    EXPECT_EQ(groups[1][1].direction, QStringLiteral("English→Russian"));
    EXPECT_EQ(groups[1][1].current, 5);
    ASSERT_EQ(groups[2].size(), 1);
    EXPECT_EQ(groups[2][0].direction, QStringLiteral("Hebrew→Russian"));
}

}  // namespace
}  // namespace korrelang::ui
