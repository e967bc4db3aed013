#include "app/MenuBuilder.h"

#include "interaction/MenuTable.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <utility>

namespace kel {
namespace {

int mainMenuItemCount()
{
    const MenuTable& table = MenuTable::instance();
    int count = 0;
    for (const MenuItem& item : table.items()) {
        const MenuDef* top = table.topMenuOf(item);
        if (top && !top->popup)
            ++count;
    }
    return count;
}

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

TEST_F(MenuBarFixture, SevenMenusInOrder)
{
    const QList<QAction*> top = window.menuBar()->actions();
    ASSERT_EQ(top.size(), 7);
    const QStringList expected = {"mnuFileactions", "mnuEdtAll",   "mnuEditObj", "Crop1",
                                  "mnuKel",         "mnuadvanced", "Help1"};
    const QStringList titles = {"File",   "Actions",  "EditObj", "CropAnd",
                                "NewObj", "Advanced", "Help"};
    for (int i = 0; i < 7; ++i) {
        ASSERT_NE(top[i]->menu(), nullptr);
        EXPECT_EQ(top[i]->menu()->objectName(), expected[i]);
        EXPECT_EQ(top[i]->text(), titles[i]);
        EXPECT_EQ(built.menus.value(expected[i]), top[i]->menu());
    }
}

TEST_F(MenuBarFixture, OneNamedActionPerTableItem)
{
    int named = 0;
    for (QAction* a : window.menuBar()->findChildren<QAction*>()) {
        if (!a->objectName().isEmpty())
            ++named;
    }
    EXPECT_EQ(named, mainMenuItemCount());
    EXPECT_EQ(built.actions.size(), mainMenuItemCount());
    for (auto it = built.actions.cbegin(); it != built.actions.cend(); ++it)
        EXPECT_EQ(it.value()->objectName(), it.key());
    // Each menu holds exactly its items, in table order.
    for (auto it = built.menus.cbegin(); it != built.menus.cend(); ++it) {
        const std::vector<const MenuItem*> items = MenuTable::instance().itemsOf(it.key());
        const QList<QAction*> actions = it.value()->actions();
        ASSERT_EQ(actions.size(), qsizetype(items.size())) << it.key().toStdString();
        for (size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ(actions[qsizetype(i)]->objectName(), items[i]->component);
    }
    EXPECT_EQ(built.menus.value("mnuobjintrsct")->title(), "Intersection Exact");
    EXPECT_EQ(built.menus.value("mnuobjintrsct")->menuAction(), action("mnuobjintrsct"));
}

TEST_F(MenuBarFixture, AmpersandsShowAsAmpersands)
{
    QAction* a = action("mnucircirintrsvt");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(), "Circle && Circle");
    EXPECT_EQ(a->iconText(), "Circle & Circle");
    // No caption gets a keyboard mnemonic.
    for (QAction* each : std::as_const(built.actions))
        EXPECT_TRUE(QKeySequence::mnemonic(each->text()).isEmpty())
            << each->objectName().toStdString();
    EXPECT_EQ(qtMenuText("Line && Arc"), "Line && Arc");
    EXPECT_EQ(qtMenuText("A&B"), "A&&B");
}

TEST_F(MenuBarFixture, CaptionsKeepTheirBlanks)
{
    EXPECT_EQ(action("mnuBordLabel")->text(), "Bordered  Label");
    EXPECT_EQ(action("mnuNewPolySub")->text(), "New Poly(Line/Gon)");
    EXPECT_EQ(action("mnucrop2GIF")->text(), "* Make Animate GIF");
}

TEST_F(MenuBarFixture, FlagsBecomeActionStates)
{
    QAction* grid = action("mnuGridDots1");
    EXPECT_TRUE(grid->isCheckable());
    EXPECT_TRUE(grid->isChecked());
    EXPECT_TRUE(grid->isVisible());
    EXPECT_TRUE(action("mnuincdotfram")->isCheckable());
    EXPECT_FALSE(action("mnuincdotfram")->isChecked());
    EXPECT_FALSE(action("mnuRefresh")->isCheckable());
    for (const char* hidden : {"mnutagyelows", "mnudelyells", "mnydeltagedobj", "mnuTrackObjs"})
        EXPECT_FALSE(action(hidden)->isVisible()) << hidden;
    EXPECT_TRUE(action("mnuTrackObjs")->isCheckable());
    EXPECT_FALSE(action("mnuTrackObjs")->isChecked());
    EXPECT_TRUE(action("mnunewgif")->isEnabled());
    for (const char* off : {"mnuAddFrame", "mnuGIFDone", "mnycancelGIF"})
        EXPECT_FALSE(action(off)->isEnabled()) << off;
    EXPECT_TRUE(action("mnuRefresh")->isVisible());
    EXPECT_TRUE(action("mnuRefresh")->isEnabled());
}

TEST_F(MenuBarFixture, TriggerReportsTheComponent)
{
    action("mnuArbitLine")->trigger();
    action("mnucopytaged")->trigger(); // no action: the core decides
    action("mnuGridDots1")->trigger();
    EXPECT_EQ(chosen, QStringList({"mnuArbitLine", "mnucopytaged", "mnuGridDots1"}));
    EXPECT_FALSE(action("mnuGridDots1")->isChecked()); // Qt toggles before reporting
}

TEST_F(MenuBarFixture, EveryTopMenuReportsItsOpening)
{
    window.show();
    for (QAction* top : window.menuBar()->actions()) {
        top->menu()->popup(QPoint(10, 10));
        top->menu()->hide();
    }
    EXPECT_EQ(opened, QStringList({"mnuFileactions", "mnuEdtAll", "mnuEditObj", "Crop1", "mnuKel",
                                   "mnuadvanced", "Help1"}));
    EXPECT_TRUE(chosen.isEmpty());
}

TEST(MenuBuilder, PopupMenusMatchTheTable)
{
    QWidget owner;
    const MenuTable& table = MenuTable::instance();
    int popups = 0;
    for (const MenuDef& def : table.menus()) {
        if (!def.popup)
            continue;
        ++popups;
        QHash<QString, QAction*> actions;
        QMenu* menu = buildPopupMenu(&owner, def.component, nullptr, &actions);
        ASSERT_NE(menu, nullptr) << def.component.toStdString();
        EXPECT_EQ(menu->parent(), &owner);
        EXPECT_EQ(menu->objectName(), def.component);
        const std::vector<const MenuItem*> items = table.itemsOf(def.component);
        ASSERT_EQ(menu->actions().size(), qsizetype(items.size()));
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(menu->actions()[qsizetype(i)]->objectName(), items[i]->component);
            EXPECT_EQ(actions.value(items[i]->component), menu->actions()[qsizetype(i)]);
        }
    }
    EXPECT_EQ(popups, 15);
    EXPECT_EQ(buildPopupMenu(&owner, "mnuKel", nullptr), nullptr);
    EXPECT_EQ(buildPopupMenu(&owner, "popNoSuchMenu", nullptr), nullptr);
}

TEST(MenuBuilder, PopupSubmenuAndStates)
{
    QWidget owner;
    QHash<QString, QAction*> actions;
    QStringList chosen;
    QMenu* menu = buildPopupMenu(
        &owner, "popLINEacts", [&](const QString& c) { chosen << c; }, &actions);
    ASSERT_NE(menu, nullptr);
    QAction* sub = actions.value("popLineTriangleSub");
    ASSERT_NE(sub, nullptr);
    ASSERT_NE(sub->menu(), nullptr);
    EXPECT_EQ(sub->text(), "Construct Triangle(SSS/ASA)");
    ASSERT_EQ(sub->menu()->actions().size(), 2);
    EXPECT_EQ(sub->menu()->actions()[1], actions.value("mnuASA"));
    EXPECT_FALSE(actions.value("PerpendicularatLine1")->isEnabled());
    EXPECT_EQ(actions.value("mnupoplinesemicir")->text(), "Construct Semicircle ");
    EXPECT_EQ(actions.value("mnulineactmesure")->iconText(), "Measure Length & Angle");
    actions.value("mnuASA")->trigger();
    actions.value("popLineCancel")->trigger();
    EXPECT_EQ(chosen, QStringList({"mnuASA", "popLineCancel"}));
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

TEST(MenuBuilder, ExecPopupReturnsTheChosenComponent)
{
    QWidget owner;
    std::unique_ptr<QMenu> menu(buildPopupMenu(&owner, "PopupGD", nullptr));
    ASSERT_NE(menu, nullptr);
    pressKeysLater(menu.get(), {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
    EXPECT_EQ(execPopup(menu.get(), QPoint(20, 20)), std::optional<QString>("popGDShowObject"));

    pressKeysLater(menu.get(), {Qt::Key_Escape});
    EXPECT_EQ(execPopup(menu.get(), QPoint(20, 20)), std::nullopt);
    EXPECT_EQ(execPopup(nullptr, QPoint(20, 20)), std::nullopt);
}

TEST(MenuBuilder, ExecPopupAlsoRunsTheHandler)
{
    QWidget owner;
    QStringList chosen;
    std::unique_ptr<QMenu> menu(
        buildPopupMenu(&owner, "popfillacts", [&](const QString& c) { chosen << c; }));
    ASSERT_NE(menu, nullptr);
    pressKeysLater(menu.get(), {Qt::Key_Up, Qt::Key_Return}); // Up wraps to the last item
    EXPECT_EQ(execPopup(menu.get(), QPoint(20, 20)), std::optional<QString>("popFillCancel"));
    EXPECT_EQ(chosen, QStringList({"popFillCancel"}));
}

} // namespace
} // namespace kel
