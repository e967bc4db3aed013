#include "interaction/menus/MenuTable.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include <stdexcept>
#include <string>

namespace kel {
namespace {

const MenuTable& table()
{
    return MenuTable::instance();
}

const MenuItem& item(const char* component)
{
    const MenuItem* found = table().findItem(QString::fromUtf8(component));
    if (!found)
        throw std::runtime_error(std::string("no menu item ") + component);
    return *found;
}

TEST(MenuTable, ComponentNamesAreUnique)
{
    QSet<QString> items;
    for (const MenuItem& entry : table().items()) {
        EXPECT_FALSE(entry.component.isEmpty()) << entry.caption.toStdString();
        EXPECT_FALSE(items.contains(entry.component)) << entry.component.toStdString();
        items.insert(entry.component);
    }
    QSet<QString> menus;
    for (const MenuDef& menu : table().menus()) {
        EXPECT_FALSE(menus.contains(menu.component)) << menu.component.toStdString();
        menus.insert(menu.component);
        // Only a submenu shares its name with an item (the item that opens it).
        EXPECT_EQ(items.contains(menu.component), !menu.parent.isEmpty())
            << menu.component.toStdString();
    }
}

TEST(MenuTable, EveryItemsMenuExistsAndLeadsToATopMenu)
{
    for (const MenuItem& entry : table().items()) {
        EXPECT_NE(table().findMenu(entry.menu), nullptr) << entry.component.toStdString();
        const MenuDef* top = table().topMenuOf(entry);
        ASSERT_NE(top, nullptr) << entry.component.toStdString();
        EXPECT_TRUE(top->parent.isEmpty());
    }
    EXPECT_EQ(table().topMenuOf(item("mnuSSS"))->component, "popLINEacts");
    EXPECT_EQ(table().findMenu("mnuopentab"), nullptr); // an item, not a menu
}

TEST(MenuTable, AmpersandsAreAlwaysDoubled)
{
    for (const MenuItem& entry : table().items()) {
        const QString& caption = entry.caption;
        for (qsizetype i = 0; i < caption.size(); ++i) {
            if (caption.at(i) != u'&')
                continue;
            ASSERT_TRUE(i + 1 < caption.size() && caption.at(i + 1) == u'&')
                << caption.toStdString();
            ++i;
        }
    }
}

TEST(MenuTable, ModesAreOnesOfTheModeTable)
{
    for (const MenuItem& entry : table().items()) {
        if (entry.mode != ToolMode::Idle) {
            const ToolModeInfo* info = findToolMode(entry.mode);
            ASSERT_NE(info, nullptr) << entry.component.toStdString();
            // The table names the item that sets the mode.
            EXPECT_TRUE(info->command.contains(QStringLiteral("\"%1\"").arg(entry.caption)))
                << entry.component.toStdString() << " in " << info->command.toStdString();
        }
        if (entry.flags & kMenuNoAction) {
            EXPECT_EQ(entry.mode, ToolMode::Idle) << entry.component.toStdString();
        }
        if (entry.caption == "Cancel") {
            EXPECT_TRUE(entry.flags & kMenuNoAction) << entry.component.toStdString();
        }
    }
}

TEST(ToolModeTable, EveryModeOnceInOrderAndSetBySomeItem)
{
    const std::vector<ToolModeInfo>& modes = toolModeTable();
    ASSERT_FALSE(modes.empty());
    EXPECT_EQ(modes.back().mode, kLastToolMode);
    for (size_t i = 1; i < modes.size(); ++i)
        EXPECT_LT(modes[i - 1].mode, modes[i].mode) << i;
    QSet<int> setByItems;
    for (const MenuItem& entry : table().items())
        setByItems.insert(static_cast<int>(entry.mode));
    for (const ToolModeInfo& info : modes) {
        EXPECT_FALSE(info.clicks.isEmpty());
        // Only the program itself places a plain bitmap.
        EXPECT_EQ(setByItems.contains(static_cast<int>(info.mode)),
                  info.mode != ToolMode::PlaceBitmap)
            << info.command.toStdString();
    }
}

TEST(MenuTable, FindByPath)
{
    auto path = [](const char* text) -> QString {
        const MenuItem* found = table().findByPath(QString::fromUtf8(text));
        return found ? found->component : QStringLiteral("<none>");
    };
    EXPECT_EQ(path("NewObj/New Point/Use Mouse"), "mnynewPtByMouse");
    EXPECT_EQ(path("Advanced/Intersection Exact/Circle & Circle"), "mnucircirintrsvt");
    EXPECT_EQ(path("Advanced/Intersection Exact/Line && Line"), "mnuLineLine");
    EXPECT_EQ(path("Actions/Del yellow/green rows"), "mnudelyells");
    // Two items share the caption: the first in the menu is found, and the
    // two stay apart.
    EXPECT_EQ(path("EditObj/Tagged Objects/Duplicate"), "mnucopytaged");
    EXPECT_TRUE(item("mnucopytaged").flags & kMenuNoAction);
    EXPECT_FALSE(item("DuplicateObject1").flags & kMenuNoAction);
    // Popups start with their component name.
    EXPECT_EQ(path("popcurve/Delete "), "popCurveDelete");
    // Exact captions only, full paths only.
    for (const char* miss :
         {"Advanced/Bordered Label", "popcurve/Delete", "newobj/New Circle", "NewObj", "NewObj/",
          "NewObj/Use Mouse", "NewObj/New Point/Use Mouse/More", ""})
        EXPECT_EQ(path(miss), "<none>") << miss;
}

} // namespace
} // namespace kel
