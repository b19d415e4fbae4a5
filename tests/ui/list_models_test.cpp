// The screens' list models: their rows and roles, what they announce to the views, and that
// Qt's own model checker finds them consistent through every change.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QPointer>
#include <QSignalSpy>

#include "model_column.h"
#include "ui/blacklist_model.h"
#include "ui/direction_group_model.h"
#include "ui/keyboard_list_model.h"

namespace korrelang::ui {
namespace {

const QList<KeyboardListModel::Keyboard> kKeyboards{
    {QStringLiteral("xkb.us.English"), QStringLiteral("English (US)")},
    {QStringLiteral("xkb.ru.Russian"), QStringLiteral("Russian")},
    {QStringLiteral("xkb.il.Hebrew"), QStringLiteral("Hebrew")},
};

TEST(KeyboardListModel, SelectionChangesAnnounceOnlyTheRowsThatChanged) {
    struct Case {
        const char* name;
        QStringList selection;
        QVariantList selected;
        QList<int> changedRows;
    };
    const Case cases[] = {
        {"unchanged", {"xkb.us.English", "xkb.il.Hebrew"}, {true, false, true}, {}},
        {"order of the selection is irrelevant",
         {"xkb.il.Hebrew", "xkb.us.English"},
         {true, false, true},
         {}},
        {"one on", {"xkb.us.English", "xkb.ru.Russian", "xkb.il.Hebrew"}, {true, true, true}, {1}},
        {"one off", {"xkb.us.English"}, {true, false, false}, {2}},
        {"every row changes", {"xkb.ru.Russian"}, {false, true, false}, {0, 1, 2}},
        {"unknown identifiers are ignored", {"xkb.gr.Greek"}, {false, false, false}, {0, 2}},
    };
    for (const Case& c : cases) {
        KeyboardListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
        model.setKeyboards(kKeyboards,
                           {QStringLiteral("xkb.us.English"), QStringLiteral("xkb.il.Hebrew")});
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.setSelection(c.selection);
        EXPECT_EQ(column(model, "selected"), c.selected) << c.name;
        QList<int> rows;
        for (const QList<QVariant>& arguments : changed) {
            const auto top = arguments.at(0).toModelIndex();
            EXPECT_EQ(top, arguments.at(1).toModelIndex()) << c.name;
            EXPECT_EQ(arguments.at(2).value<QList<int>>(),
                      QList<int>{KeyboardListModel::SelectedRole})
                << c.name;
            rows.append(top.row());
        }
        EXPECT_EQ(rows, c.changedRows) << c.name;
        EXPECT_EQ(reset.size(), 0) << c.name;
        EXPECT_EQ(model.ids(),
                  QStringList({QStringLiteral("xkb.us.English"), QStringLiteral("xkb.ru.Russian"),
                               QStringLiteral("xkb.il.Hebrew")}))
            << c.name;
    }
}

TEST(KeyboardListModel, RolesAndCount) {
    KeyboardListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy count(&model, &KeyboardListModel::countChanged);
    model.setKeyboards(kKeyboards, {QStringLiteral("xkb.ru.Russian")});
    EXPECT_EQ(model.count(), 3);
    EXPECT_EQ(count.size(), 1);
    EXPECT_EQ(column(model, "keyboardId"),
              QVariantList({QStringLiteral("xkb.us.English"), QStringLiteral("xkb.ru.Russian"),
                            QStringLiteral("xkb.il.Hebrew")}));
    EXPECT_EQ(column(model, "name"),
              QVariantList({QStringLiteral("English (US)"), QStringLiteral("Russian"),
                            QStringLiteral("Hebrew")}));
    EXPECT_EQ(column(model, "selected"), QVariantList({false, true, false}));
    // The same number of keyboards again: the list is new, the count is not.
    model.setKeyboards({kKeyboards[2], kKeyboards[1], kKeyboards[0]}, {});
    EXPECT_EQ(count.size(), 1);
    EXPECT_EQ(column(model, "name").first(), QStringLiteral("Hebrew"));
    model.setKeyboards({}, {});
    EXPECT_EQ(model.count(), 0);
    EXPECT_EQ(count.size(), 2);
    EXPECT_FALSE(model.data(model.index(0, 0), KeyboardListModel::NameRole).isValid());
}

TEST(BlacklistModel, AnUnchangedListAnnouncesNothing) {
    BlacklistModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy count(&model, &BlacklistModel::countChanged);
    const QList<BlacklistModel::App> apps{
        {QStringLiteral("org.xfce.mousepad"), QStringLiteral("Mousepad")},
        {QStringLiteral("org.gnome.Terminal"), QStringLiteral("Terminal")}};
    model.setApps(apps);
    model.setApps(apps);
    EXPECT_EQ(reset.size(), 1);
    EXPECT_EQ(count.size(), 1);
    EXPECT_EQ(column(model, "appId"), QVariantList({QStringLiteral("org.xfce.mousepad"),
                                                    QStringLiteral("org.gnome.Terminal")}));
    EXPECT_EQ(column(model, "name"),
              QVariantList({QStringLiteral("Mousepad"), QStringLiteral("Terminal")}));
    model.setApps({apps[1]});
    EXPECT_EQ(reset.size(), 2);
    EXPECT_EQ(model.count(), 1);
}

TEST(DirectionGroupModel, CardsTakeNewRowsInPlaceAndDroppedCardsGoAfterTheEventLoop) {
    int argc = 0;
    QCoreApplication application(argc, nullptr);
    DirectionGroupModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    const QList<QList<DirectionRowModel::Row>> groups{
        {{QStringLiteral("En→Ru"), 2, 0.5, QStringLiteral("+100%"), true},
         {QStringLiteral("Ru→En"), 4, 1.0, QString(), false}},
        {{QStringLiteral("He→Ru"), 1, 0.25, QStringLiteral("-50%"), false}},
    };
    model.setGroups(groups);
    ASSERT_EQ(model.count(), 2);
    auto* first =
        model.data(model.index(0, 0), DirectionGroupModel::RowsRole).value<DirectionRowModel*>();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, model.group(0));
    QAbstractItemModelTester rowTester(first,
                                       QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(column(*first, "label"),
              QVariantList({QStringLiteral("En→Ru"), QStringLiteral("Ru→En")}));
    EXPECT_EQ(column(*first, "current"), QVariantList({2, 4}));
    EXPECT_EQ(column(*first, "fraction"), QVariantList({0.5, 1.0}));
    EXPECT_EQ(column(*first, "changeText"), QVariantList({QStringLiteral("+100%"), QString()}));
    EXPECT_EQ(column(*first, "changeIsRise"), QVariantList({true, false}));
    EXPECT_EQ(model.group(2), nullptr);

    // The same figures again keep the cards (and so the views' delegates).
    model.setGroups(groups);
    EXPECT_EQ(reset.size(), 1);
    EXPECT_EQ(model.group(0), first);

    // New figures go into the cards there are: no card is made, or left to a deferred deletion,
    // per conversion.
    QSignalSpy rowsReset(first, &QAbstractItemModel::modelReset);
    QSignalSpy rowsChanged(first, &QAbstractItemModel::dataChanged);
    auto changed = groups;
    changed[0][0].current = 3;
    model.setGroups(changed);
    EXPECT_EQ(reset.size(), 1);
    EXPECT_EQ(rowsReset.size(), 0);  // the views keep their delegates
    EXPECT_EQ(rowsChanged.size(), 1);
    EXPECT_EQ(model.group(0), first);
    EXPECT_EQ(column(*first, "current"), QVariantList({3, 4}));
    EXPECT_EQ(model.findChildren<DirectionRowModel*>().size(), 2);

    // Fewer cards: the ones past the end go once the event loop runs.
    const QPointer<DirectionRowModel> dropped(model.group(1));
    model.setGroups({groups[1]});
    EXPECT_EQ(reset.size(), 2);
    EXPECT_EQ(model.count(), 1);
    EXPECT_FALSE(dropped.isNull());  // a delegate may still be reading it
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dropped.isNull());
    EXPECT_EQ(model.group(0), first);
    EXPECT_EQ(column(*first, "label"), QVariantList{QStringLiteral("He→Ru")});
}

}  // namespace
}  // namespace korrelang::ui
