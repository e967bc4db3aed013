#include "app/MenuBuilder.h"

#include "interaction/menus/MenuTable.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <memory>
#include <utility>

namespace kel {
namespace {

struct MenuBarFixture : ::testing::Test {
    QMainWindow window;
    BuiltMenus built;
    QStringList chosen;
    QStringList opened;

    void SetUp() override
    {
        built = buildMenuBar(
            window.menuBar(), [this](const QString& component) { chosen << component; },
            [this](const QString& menu) { opened << menu; });
    }

    QAction* action(const char* component) const
    {
        QAction* found = built.actions.value(QString::fromUtf8(component));
        if (!found)
            ADD_FAILURE() << "no action " << component;
        return found;
    }
};

TEST_F(MenuBarFixture, EachMenuHoldsItsItemsInTableOrder)
{
    for (auto it = built.actions.cbegin(); it != built.actions.cend(); ++it)
        EXPECT_EQ(it.value()->objectName(), it.key());
    for (auto it = built.menus.cbegin(); it != built.menus.cend(); ++it) {
        const std::vector<const MenuItem*> items = MenuTable::instance().itemsOf(it.key());
        const QList<QAction*> actions = it.value()->actions();
        ASSERT_EQ(actions.size(), qsizetype(items.size())) << it.key().toStdString();
        for (size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ(actions[qsizetype(i)]->objectName(), items[i]->component);
    }
    EXPECT_EQ(built.menus.value("mnuobjintrsct")->menuAction(), action("mnuobjintrsct"));
}

TEST_F(MenuBarFixture, TopMenusInOrderReportTheirOpening)
{
    window.show();
    for (QAction* top : window.menuBar()->actions()) {
        ASSERT_NE(top->menu(), nullptr);
        top->menu()->popup(QPoint(10, 10));
        top->menu()->hide();
    }
    EXPECT_EQ(opened, QStringList({"mnuFileactions", "mnuEditHistory", "mnuEdtAll", "mnuEditObj",
                                   "Crop1", "mnuKel", "mnuadvanced", "Help1"}));
    EXPECT_TRUE(chosen.isEmpty());
}

TEST_F(MenuBarFixture, UndoAndRedoHaveTheirShortcuts)
{
    EXPECT_EQ(action("mnuUndo")->shortcuts(),
              QList<QKeySequence>{QKeySequence::fromString("Ctrl+Z")});
    EXPECT_EQ(action("mnuRedo")->shortcuts(), QKeySequence::listFromString("Ctrl+Shift+Z; Ctrl+Y"));
}

TEST_F(MenuBarFixture, CaptionsShowAsWrittenWithoutMnemonics)
{
    QAction* a = action("mnucircirintrsvt");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(), "Circle && Circle");
    EXPECT_EQ(a->iconText(), "Circle & Circle");
    EXPECT_EQ(action("mnuBordLabel")->text(), "Bordered  Label");
    for (QAction* each : std::as_const(built.actions))
        EXPECT_TRUE(QKeySequence::mnemonic(each->text()).isEmpty())
            << each->objectName().toStdString();
    EXPECT_EQ(qtMenuText("A&B"), "A&&B");
}

TEST_F(MenuBarFixture, FlagsBecomeActionStatesAndTriggersReportTheComponent)
{
    EXPECT_TRUE(action("mnuGridDots1")->isChecked());
    EXPECT_FALSE(action("mnuRefresh")->isCheckable());
    EXPECT_FALSE(action("mnuTrackObjs")->isVisible());
    EXPECT_TRUE(action("mnuTrackObjs")->isCheckable());
    EXPECT_FALSE(action("mnuGIFDone")->isEnabled());
    action("mnuArbitLine")->trigger();
    action("mnucopytaged")->trigger(); // no action: the core decides
    EXPECT_EQ(chosen, QStringList({"mnuArbitLine", "mnucopytaged"}));
}

TEST(MenuBuilder, PopupMenusMatchTheTable)
{
    QWidget owner;
    const MenuTable& table = MenuTable::instance();
    for (const MenuDef& def : table.menus()) {
        if (!def.popup)
            continue;
        QHash<QString, QAction*> actions;
        QMenu* menu = buildPopupMenu(&owner, def.component, nullptr, &actions);
        ASSERT_NE(menu, nullptr) << def.component.toStdString();
        EXPECT_EQ(menu->parent(), &owner);
        const std::vector<const MenuItem*> items = table.itemsOf(def.component);
        ASSERT_EQ(menu->actions().size(), qsizetype(items.size()));
        for (size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ(actions.value(items[i]->component), menu->actions()[qsizetype(i)]);
        if (def.component == "popLINEacts") {
            QMenu* sub = actions.value("popLineTriangleSub")->menu();
            ASSERT_NE(sub, nullptr);
            EXPECT_EQ(sub->actions().value(1), actions.value("mnuASA"));
            EXPECT_FALSE(actions.value("PerpendicularatLine1")->isEnabled());
        }
    }
    EXPECT_EQ(buildPopupMenu(&owner, "mnuKel", nullptr), nullptr);
    EXPECT_EQ(buildPopupMenu(&owner, "popNoSuchMenu", nullptr), nullptr);
}

// Sends keys to the open popup once its event loop runs; closes it anyway
// after a while so a failing test cannot hang.
void pressKeysLater(QMenu* menu, QList<int> keys)
{
    QTimer::singleShot(50, menu, [menu, keys] {
        for (int key : keys) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(menu, &press);
        }
    });
    QTimer::singleShot(3000, menu, [menu] { menu->close(); });
}

TEST(MenuBuilder, ExecPopupReturnsTheChosenComponentAndRunsTheHandler)
{
    QWidget owner;
    QStringList chosen;
    std::unique_ptr<QMenu> menu(
        buildPopupMenu(&owner, "PopupGD", [&](const QString& c) { chosen << c; }));
    ASSERT_NE(menu, nullptr);
    pressKeysLater(menu.get(), {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
    EXPECT_EQ(execPopup(menu.get(), QPoint(20, 20)), std::optional<QString>("popGDShowObject"));
    EXPECT_EQ(chosen, QStringList({"popGDShowObject"}));

    pressKeysLater(menu.get(), {Qt::Key_Escape});
    EXPECT_EQ(execPopup(menu.get(), QPoint(20, 20)), std::nullopt);
    EXPECT_EQ(execPopup(nullptr, QPoint(20, 20)), std::nullopt);
}

} // namespace
} // namespace kel
