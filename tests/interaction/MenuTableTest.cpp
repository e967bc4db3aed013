#include "interaction/menus/MenuTable.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include <stdexcept>
#include <string>
#include <utility>

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

TEST(MenuTable, SevenTopMenusInOrder)
{
    std::vector<std::pair<QString, QString>> top;
    QStringList cancelling;
    for (const MenuDef& menu : table().menus()) {
        if (!menu.popup && menu.parent.isEmpty())
            top.emplace_back(menu.caption, menu.component);
        if (menu.cancelsTool)
            cancelling << menu.component;
    }
    const std::vector<std::pair<QString, QString>> expected = {
        {"File", "mnuFileactions"}, {"Actions", "mnuEdtAll"}, {"EditObj", "mnuEditObj"},
        {"CropAnd", "Crop1"},       {"NewObj", "mnuKel"},     {"Advanced", "mnuadvanced"},
        {"Help", "Help1"}};
    EXPECT_EQ(top, expected);
    EXPECT_EQ(cancelling,
              QStringList({"mnuFileactions", "mnuEdtAll", "Crop1", "mnuKel", "mnuadvanced"}));
}

TEST(MenuTable, FifteenPopupMenusWithoutCaptionOrParent)
{
    int popups = 0;
    for (const MenuDef& menu : table().menus()) {
        if (!menu.popup)
            continue;
        ++popups;
        EXPECT_FALSE(table().itemsOf(menu.component).empty()) << menu.component.toStdString();
        EXPECT_TRUE(menu.caption.isEmpty());
        EXPECT_TRUE(menu.parent.isEmpty());
        EXPECT_FALSE(menu.cancelsTool);
    }
    EXPECT_EQ(popups, 15);
    EXPECT_EQ(table().items().size(), 293u);
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
    EXPECT_EQ(table().topMenuOf(item("mnuLineLine"))->component, "mnuadvanced");
    EXPECT_EQ(table().topMenuOf(item("mnuSSS"))->component, "popLINEacts");
    EXPECT_EQ(table().findItem("mnuNoSuchThing"), nullptr);
    EXPECT_EQ(table().findMenu("mnuopentab"), nullptr); // an item, not a menu
    EXPECT_TRUE(table().itemsOf("mnuNoSuchThing").empty());
}

TEST(MenuTable, SubmenusAreItemsOfTheirParents)
{
    int submenus = 0;
    for (const MenuDef& menu : table().menus()) {
        if (menu.parent.isEmpty())
            continue;
        ++submenus;
        EXPECT_FALSE(menu.popup);
        EXPECT_FALSE(menu.cancelsTool);
        const MenuItem* opener = table().findItem(menu.component);
        ASSERT_NE(opener, nullptr) << menu.component.toStdString();
        EXPECT_EQ(opener->menu, menu.parent);
        EXPECT_EQ(opener->caption, menu.caption);
        EXPECT_EQ(opener->mode, ToolMode::Idle);
        EXPECT_FALSE(opener->flags & kMenuNoAction);
    }
    EXPECT_EQ(submenus, 11);
    EXPECT_EQ(table().findMenu("popLineTriangleSub")->parent, "popLINEacts");
}

TEST(MenuTable, SubItemListsTakeTheirModesInOrderSkippingItemsThatDoNothing)
{
    EXPECT_EQ(item("mnuregrect").mode, ToolMode::Rectangle);
    EXPECT_EQ(item("mnuroundrect").mode, ToolMode::RoundRectangle);
    std::vector<ToolMode> modes;
    for (const MenuItem* entry : table().itemsOf("mnuobjintrsct"))
        modes.push_back(entry->mode);
    using enum ToolMode;
    EXPECT_EQ(modes, std::vector<ToolMode>({IntersectCircleCircle, IntersectCircleLine, Idle,
                                            IntersectLineArc, Idle, IntersectLineLine}));
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
    EXPECT_EQ(path("NewObj/New Point"), "mnuNewPointSub");
    EXPECT_EQ(path("Advanced/Intersection Exact/Circle & Circle"), "mnucircirintrsvt");
    EXPECT_EQ(path("Advanced/Intersection Exact/Line && Line"), "mnuLineLine");
    EXPECT_EQ(path("NewObj/New Poly(Line/Gon)/Polygon"), "mnuclosedPolygon");
    EXPECT_EQ(path("Actions/Del yellow/green rows"), "mnudelyells");
    EXPECT_EQ(path("EditObj/Fill Region"), "mnuobjeditFill");
    EXPECT_EQ(path("NewObj/Fill Region"), "NewFillPattern1");
    // Two items share the caption: the first in the menu is found, and the
    // two stay apart.
    EXPECT_EQ(path("EditObj/Tagged Objects/Duplicate"), "mnucopytaged");
    EXPECT_TRUE(item("mnucopytaged").flags & kMenuNoAction);
    EXPECT_FALSE(item("DuplicateObject1").flags & kMenuNoAction);
    // Popups start with their component name.
    EXPECT_EQ(path("popLINEacts/Construct Triangle(SSS/ASA)/ASA"), "mnuASA");
    EXPECT_EQ(path("popcurve/Delete "), "popCurveDelete");
    // Exact captions only, full paths only.
    for (const char* miss :
         {"Advanced/Bordered Label", "popcurve/Delete", "newobj/New Circle", "NewObj", "NewObj/",
          "NewObj/Use Mouse", "NewObj/New Point/Use Mouse/More", ""})
        EXPECT_EQ(path(miss), "<none>") << miss;
}

TEST(MenuTable, DisplayCaption)
{
    EXPECT_EQ(displayCaption("Circle && Circle"), "Circle & Circle");
    EXPECT_EQ(displayCaption("&&&&"), "&&");
    EXPECT_EQ(displayCaption("A &&& B"), "A && B");
    EXPECT_EQ(displayCaption("Delete "), "Delete ");
    EXPECT_EQ(displayCaption(""), "");
}

} // namespace
} // namespace kel
