#include "interaction/MenuTable.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include <map>
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

std::vector<const MenuDef*> topMenus()
{
    std::vector<const MenuDef*> result;
    for (const MenuDef& menu : table().menus()) {
        if (!menu.popup && menu.parent.isEmpty())
            result.push_back(&menu);
    }
    return result;
}

TEST(MenuTable, SevenTopMenusInOrder)
{
    const std::vector<const MenuDef*> menus = topMenus();
    const std::vector<std::pair<QString, QString>> expected = {
        {"File", "mnuFileactions"}, {"Actions", "mnuEdtAll"}, {"EditObj", "mnuEditObj"},
        {"CropAnd", "Crop1"},       {"NewObj", "mnuKel"},     {"Advanced", "mnuadvanced"},
        {"Help", "Help1"}};
    ASSERT_EQ(menus.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(menus[i]->caption, expected[i].first);
        EXPECT_EQ(menus[i]->component, expected[i].second);
    }
}

TEST(MenuTable, OnlyFiveTopMenusCancelTheTool)
{
    QStringList cancelling;
    for (const MenuDef& menu : table().menus()) {
        if (menu.cancelsTool)
            cancelling << menu.component;
    }
    EXPECT_EQ(cancelling,
              QStringList({"mnuFileactions", "mnuEdtAll", "Crop1", "mnuKel", "mnuadvanced"}));
}

// Counted by hand from the menu tables; a submenu counts as one item of its
// parent.
TEST(MenuTable, ItemCountsPerMenu)
{
    const std::map<QString, size_t> expected = {{"mnuFileactions", 7},
                                                {"mnuEdtAll", 14},
                                                {"mnuEditObj", 19},
                                                {"Crop1", 16},
                                                {"mnuKel", 26},
                                                {"mnuadvanced", 18},
                                                {"Help1", 2},
                                                {"mnudefptshape", 4},
                                                {"mnuTaggedObjsSub", 7},
                                                {"mnuNewPointSub", 2},
                                                {"mnuNewRectSub", 4},
                                                {"mnuEllipseHorVerSub", 2},
                                                {"mnuNewPolySub", 2},
                                                {"mnuCircleTangentsSub", 2},
                                                {"mnygifframes", 4},
                                                {"mnuobjintrsct", 6},
                                                {"mnuMeasureSub", 4},
                                                {"popLineTriangleSub", 2},
                                                {"popPOINTacts", 11},
                                                {"popLINEacts", 34},
                                                {"popcircleacts", 16},
                                                {"popArcacts", 15},
                                                {"poptextacts", 9},
                                                {"popgridacts", 8},
                                                {"popfillacts", 4},
                                                {"PopPolygons", 7},
                                                {"popclosepoly", 8},
                                                {"popcurve", 8},
                                                {"PopPolynomial", 8},
                                                {"PopupEMF", 6},
                                                {"popotheracts", 8},
                                                {"popEraseblock", 2},
                                                {"PopupGD", 8}};
    EXPECT_EQ(table().menus().size(), expected.size());
    for (const auto& [menu, count] : expected) {
        ASSERT_NE(table().findMenu(menu), nullptr) << menu.toStdString();
        EXPECT_EQ(table().itemsOf(menu).size(), count) << menu.toStdString();
    }
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
    // The two "Duplicate" items of Tagged Objects stay apart.
    EXPECT_EQ(item("mnucopytaged").caption, "Duplicate");
    EXPECT_EQ(item("DuplicateObject1").caption, "Duplicate");
    EXPECT_TRUE(item("mnucopytaged").flags & kMenuNoAction);
    EXPECT_FALSE(item("DuplicateObject1").flags & kMenuNoAction);
}

TEST(MenuTable, EveryItemsMenuExists)
{
    for (const MenuItem& entry : table().items())
        EXPECT_NE(table().findMenu(entry.menu), nullptr) << entry.component.toStdString();
}

TEST(MenuTable, SubmenusAreItemsOfTheirParents)
{
    const QSet<QString> expected = {"mnudefptshape",        "mnuTaggedObjsSub",    "mnuNewPointSub",
                                    "mnuNewRectSub",        "mnuEllipseHorVerSub", "mnuNewPolySub",
                                    "mnuCircleTangentsSub", "mnygifframes",        "mnuobjintrsct",
                                    "mnuMeasureSub",        "popLineTriangleSub"};
    QSet<QString> submenus;
    for (const MenuDef& menu : table().menus()) {
        if (menu.parent.isEmpty())
            continue;
        submenus.insert(menu.component);
        EXPECT_FALSE(menu.popup);
        EXPECT_FALSE(menu.cancelsTool);
        const MenuItem* opener = table().findItem(menu.component);
        ASSERT_NE(opener, nullptr) << menu.component.toStdString();
        EXPECT_EQ(opener->menu, menu.parent);
        EXPECT_EQ(opener->caption, menu.caption);
        EXPECT_EQ(opener->mode, 0);
        EXPECT_FALSE(opener->flags & kMenuNoAction);
    }
    EXPECT_EQ(submenus, expected);
    EXPECT_EQ(table().findMenu("mnuobjintrsct")->caption, "Intersection Exact");
    EXPECT_EQ(table().findMenu("mnudefptshape")->caption, "Default Point Shape");
    EXPECT_EQ(table().findMenu("mnygifframes")->parent, "mnuadvanced");
    EXPECT_EQ(table().findMenu("popLineTriangleSub")->caption, "Construct Triangle(SSS/ASA)");
    EXPECT_EQ(table().findMenu("popLineTriangleSub")->parent, "popLINEacts");
}

TEST(MenuTable, FifteenPopupMenus)
{
    QStringList popups;
    for (const MenuDef& menu : table().menus()) {
        if (menu.popup) {
            popups << menu.component;
            EXPECT_TRUE(menu.caption.isEmpty());
            EXPECT_TRUE(menu.parent.isEmpty());
            EXPECT_FALSE(menu.cancelsTool);
        }
    }
    EXPECT_EQ(popups, QStringList({"popPOINTacts", "popLINEacts", "popcircleacts", "popArcacts",
                                   "poptextacts", "popgridacts", "popfillacts", "PopPolygons",
                                   "popclosepoly", "popcurve", "PopPolynomial", "PopupEMF",
                                   "popotheracts", "popEraseblock", "PopupGD"}));
}

TEST(MenuTable, CaptionsKeepTheirOddSpelling)
{
    EXPECT_EQ(item("mnuBordLabel").caption, "Bordered  Label");
    EXPECT_EQ(item("mnupoplinesemicir").caption, "Construct Semicircle ");
    EXPECT_EQ(item("PloynomialCurve1").caption, "Ploynomial Curve");
    EXPECT_EQ(item("popCurveDelete").caption, "Delete ");
    EXPECT_EQ(item("mnuarc2circle").caption, "Arc  ----> Circle");
    EXPECT_EQ(item("mnopoplineDivN").caption, "Divide into N  segs");
    EXPECT_EQ(item("mnulineactmesure").caption, "Measure Length && Angle");
    EXPECT_EQ(item("mnumovconlines").caption, "Move Conncted Lines");
    EXPECT_EQ(item("mnumarkvert").caption, "Mark Verical Distance");
    EXPECT_EQ(item("Exchnage2items1").caption, "Exchnage 2 items");
    EXPECT_EQ(item("mnuPointsBeizer").caption, "4 Points Beizer curve");
    EXPECT_EQ(item("mnucrop2GIF").caption, "* Make Animate GIF");
    EXPECT_EQ(item("popGDShowObject").caption, "ShowObject");
    EXPECT_EQ(item("Showcircleinfo1").caption, "Show circle info(R, C)");
    EXPECT_EQ(item("mnuNewPolySub").caption, "New Poly(Line/Gon)");
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

TEST(MenuTable, ModesFromTheMenuTables)
{
    EXPECT_EQ(item("mnuArbitLine").mode, 2);
    EXPECT_EQ(item("mnuPointsBeizer").mode, 109);
    EXPECT_EQ(item("mnuBMP64x").mode, 133);
    EXPECT_EQ(item("mnuapndfile").mode, 52);
    EXPECT_EQ(item("mnupastefromclip").mode, 52);
    EXPECT_EQ(item("mnuedtGrid").mode, 69);
    EXPECT_EQ(item("mnuedtellipse").mode, 66);
    EXPECT_EQ(item("mnucutthenpaste").mode, 42);
    EXPECT_EQ(item("CopyandPaste1").mode, 43);
    EXPECT_EQ(item("mnuopentab").mode, 0);
    // Sub-item lists take their modes in order.
    EXPECT_EQ(item("mnuregrect").mode, 5);
    EXPECT_EQ(item("mnuroundrect").mode, 31);
    EXPECT_EQ(item("FocusRect1").mode, 36);
    EXPECT_EQ(item("mnufixedrect").mode, 114);
    EXPECT_EQ(item("mnumesurLen").mode, 29);
    EXPECT_EQ(item("mnutrianArea").mode, 82);
    EXPECT_EQ(item("mnuVerEllipse").mode, 135);
    EXPECT_EQ(item("mnuclosedPolygon").mode, 91);
    EXPECT_EQ(item("mnyptBykeyboard").mode, 119);
    // Popup commands.
    EXPECT_EQ(item("mnuSSS").mode, 101);
    EXPECT_EQ(item("mnuASA").mode, 102);
    EXPECT_EQ(item("mnupoplineDUP").mode, 51);
    EXPECT_EQ(item("mnupoplineMOV").mode, 50);
    EXPECT_EQ(item("mnupopcirmarkcir").mode, 38);
    EXPECT_EQ(item("mnuperpen2cir").mode, 83);
    EXPECT_EQ(item("mnuZoomEMFObj").mode, 128);
}

TEST(MenuTable, IntersectionExactModesSkipTheDeadItems)
{
    const std::vector<const MenuItem*> entries = table().itemsOf("mnuobjintrsct");
    ASSERT_EQ(entries.size(), 6u);
    const QStringList captions = {"Circle && Circle", "Circle && Line", "Circle && Arc",
                                  "Line && Arc",      "Arc && Arc",     "Line && Line"};
    const int modes[] = {94, 95, 0, 96, 0, 84};
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i]->caption, captions[int(i)]);
        EXPECT_EQ(entries[i]->mode, modes[i]) << entries[i]->caption.toStdString();
        EXPECT_EQ((entries[i]->flags & kMenuNoAction) != 0, modes[i] == 0);
    }
}

TEST(MenuTable, ModesAreOnesSomeCommandSets)
{
    // Values that no command sets, and 132 which only the program uses.
    const QSet<int> unused = {8, 25, 26, 27, 28, 48, 72, 73, 77, 78, 81, 85, 86, 99, 104, 122, 132};
    for (const MenuItem& entry : table().items()) {
        EXPECT_GE(entry.mode, 0);
        EXPECT_LE(entry.mode, 138);
        EXPECT_FALSE(unused.contains(entry.mode)) << entry.component.toStdString();
        if (entry.flags & kMenuNoAction) {
            EXPECT_EQ(entry.mode, 0) << entry.component.toStdString();
        }
    }
}

TEST(MenuTable, Flags)
{
    EXPECT_EQ(item("mnuGridDots1").flags, kMenuCheckable | kMenuChecked);
    EXPECT_EQ(item("mnuTrackObjs").flags, kMenuCheckable | kMenuHidden);
    EXPECT_EQ(item("mnuincdotfram").flags, unsigned(kMenuCheckable));
    for (const char* hidden : {"mnutagyelows", "mnudelyells", "mnydeltagedobj"})
        EXPECT_EQ(item(hidden).flags, unsigned(kMenuHidden)) << hidden;
    EXPECT_EQ(item("mnunewgif").flags, unsigned(kMenuNoAction));
    for (const char* gif : {"mnuAddFrame", "mnuGIFDone", "mnycancelGIF"})
        EXPECT_EQ(item(gif).flags, kMenuDisabled | kMenuNoAction) << gif;
    EXPECT_EQ(item("PerpendicularatLine1").flags, unsigned(kMenuDisabled));
    EXPECT_EQ(item("popGDDrawFirst").flags, kMenuDisabled | kMenuNoAction);
    EXPECT_EQ(item("popGDMoveObject").flags, kMenuDisabled | kMenuNoAction);

    QStringList columns;
    QStringList checkable;
    for (const MenuItem& entry : table().items()) {
        if (entry.flags & kMenuNewColumn)
            columns << entry.component;
        if (entry.flags & kMenuCheckable)
            checkable << entry.component;
    }
    EXPECT_EQ(columns, QStringList({"mnuedtRRrect", "mnuNewRectSub", "mnugapinLine"}));
    EXPECT_EQ(checkable, QStringList({"mnuGridDots1", "mnuTrackObjs", "mnuincdotfram"}));
}

TEST(MenuTable, NoActionItems)
{
    QStringList noAction;
    for (const MenuItem& entry : table().items()) {
        if (entry.caption == "Cancel") {
            EXPECT_TRUE(entry.flags & kMenuNoAction) << entry.component.toStdString();
        } else if (entry.flags & kMenuNoAction) {
            noAction << entry.component;
        }
    }
    EXPECT_EQ(noAction, QStringList({"mnucopytaged", "Defragintoblock1", "Exchnage2items1",
                                     "N2CircleInttangent1", "Circlesexternaltangents1", "mnunewgif",
                                     "mnuAddFrame", "mnuGIFDone", "mnycancelGIF",
                                     "mnuCircleArcIntrsct", "mnuArcArcIntrsct",
                                     "popLineConstructArc", "popPolynomialExtend", "popBlockDelete",
                                     "popBlockModifyBrush", "popGDDrawFirst", "popGDMoveObject"}));
    int cancels = 0;
    for (const MenuItem& entry : table().items())
        cancels += entry.caption == "Cancel";
    EXPECT_EQ(cancels, 12); // every kind popup but PopPolynomial and popEraseblock
}

TEST(MenuTable, FindByPath)
{
    auto path = [](const char* text) -> QString {
        const MenuItem* found = table().findByPath(QString::fromUtf8(text));
        return found ? found->component : QStringLiteral("<none>");
    };
    EXPECT_EQ(path("NewObj/New Point/Use Mouse"), "mnynewPtByMouse");
    EXPECT_EQ(path("NewObj/New Point"), "mnuNewPointSub");
    EXPECT_EQ(path("File/Open"), "mnuopentab");
    EXPECT_EQ(path("Advanced/Intersection Exact/Circle & Circle"), "mnucircirintrsvt");
    EXPECT_EQ(path("Advanced/Intersection Exact/Line && Line"), "mnuLineLine");
    EXPECT_EQ(path("NewObj/New Poly(Line/Gon)/Polygon"), "mnuclosedPolygon");
    EXPECT_EQ(path("Actions/Del yellow/green rows"), "mnudelyells");
    EXPECT_EQ(path("Advanced/BMP/JPG to EMF"), "mnubmp2EMF");
    EXPECT_EQ(path("Actions/Default Point Shape/3"), "mnudefpt3");
    EXPECT_EQ(path("Advanced/Bordered  Label"), "mnuBordLabel");
    EXPECT_EQ(path("EditObj/Fill Region"), "mnuobjeditFill");
    EXPECT_EQ(path("NewObj/Fill Region"), "NewFillPattern1");
    // Two items share the caption: the first in the menu is found.
    EXPECT_EQ(path("EditObj/Tagged Objects/Duplicate"), "mnucopytaged");
    // Popups start with their component name.
    EXPECT_EQ(path("popLINEacts/Construct Triangle(SSS/ASA)/ASA"), "mnuASA");
    EXPECT_EQ(path("popLINEacts/Measure Length & Angle"), "mnulineactmesure");
    EXPECT_EQ(path("popcurve/Delete "), "popCurveDelete");
    EXPECT_EQ(path("PopupGD/Draw Last"), "popGDDrawLast");
    // Exact captions only, full paths only.
    EXPECT_EQ(path("Advanced/Bordered Label"), "<none>");
    EXPECT_EQ(path("popcurve/Delete"), "<none>");
    EXPECT_EQ(path("newobj/New Circle"), "<none>");
    EXPECT_EQ(path("NewObj"), "<none>");
    EXPECT_EQ(path("NewObj/"), "<none>");
    EXPECT_EQ(path("NewObj/Use Mouse"), "<none>");
    EXPECT_EQ(path("NewObj/New Point/Use Mouse/More"), "<none>");
    EXPECT_EQ(path(""), "<none>");
    EXPECT_EQ(path("Help/About"), "About1");
}

TEST(MenuTable, TopMenuOf)
{
    EXPECT_EQ(table().topMenuOf(item("mnynewPtByMouse"))->component, "mnuKel");
    EXPECT_EQ(table().topMenuOf(item("mnuNewPointSub"))->component, "mnuKel");
    EXPECT_EQ(table().topMenuOf(item("mnuLineLine"))->component, "mnuadvanced");
    EXPECT_EQ(table().topMenuOf(item("mnuopentab"))->component, "mnuFileactions");
    EXPECT_EQ(table().topMenuOf(item("About1"))->component, "Help1");
    EXPECT_EQ(table().topMenuOf(item("mnuSSS"))->component, "popLINEacts");
    EXPECT_TRUE(table().topMenuOf(item("mnuSSS"))->popup);
    for (const MenuItem& entry : table().items()) {
        const MenuDef* top = table().topMenuOf(entry);
        ASSERT_NE(top, nullptr) << entry.component.toStdString();
        EXPECT_TRUE(top->parent.isEmpty());
    }
}

TEST(MenuTable, DisplayCaption)
{
    EXPECT_EQ(displayCaption("Circle && Circle"), "Circle & Circle");
    EXPECT_EQ(displayCaption("&&&&"), "&&");
    EXPECT_EQ(displayCaption("A &&& B"), "A && B");
    EXPECT_EQ(displayCaption("Bordered  Label"), "Bordered  Label");
    EXPECT_EQ(displayCaption("Delete "), "Delete ");
    EXPECT_EQ(displayCaption(""), "");
    EXPECT_EQ(displayCaption("&&"), "&");
}

TEST(MenuTable, FindReturnsNullForUnknownNames)
{
    EXPECT_EQ(table().findItem("mnuNoSuchThing"), nullptr);
    EXPECT_EQ(table().findMenu("mnuopentab"), nullptr); // an item, not a menu
    EXPECT_TRUE(table().itemsOf("mnuNoSuchThing").empty());
    EXPECT_EQ(table().findMenu("PopupGD")->component, "PopupGD");
}

} // namespace
} // namespace kel
