#pragma once
// The menus as data: the eight main menus, their submenus and the popup
// menus, every item with its caption, component name and tool mode. The Qt
// menus and the command-script runner are both built from this one table;
// the handlers are looked up by component name in the CommandRegistry.

#include "interaction/menus/ToolModes.h"
#include "model/RecordKinds.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kel {

enum MenuItemFlag : unsigned {
    kMenuCheckable = 1u << 0,
    kMenuChecked = 1u << 1,   // checked at start
    kMenuHidden = 1u << 2,    // not visible
    kMenuDisabled = 1u << 3,  // disabled at start
    kMenuNewColumn = 1u << 4, // starts a new column of the menu
    kMenuNoAction = 1u << 5,  // only closes the menu
};

// A menu that holds items: a top-level menu of the menu bar, a submenu or a
// popup menu. A submenu is also an item of its parent (same component name).
struct MenuDef {
    QString component; // "mnuFileactions", "popLINEacts", "mnuobjintrsct"
    QString caption;   // "File"; empty for popups
    QString parent;    // component of the holding menu; empty for top level and popups
    bool popup = false;
    bool cancelsTool =
        false; // opening it ends a running tool (File, Actions, CropAnd, NewObj, Advanced)
};

struct MenuItem {
    QString menu;                   // component of the menu holding the item
    QString caption;                // as shown, "&&" standing for a literal ampersand
    QString component;              // unique over the whole table
    ToolMode mode = ToolMode::Idle; // the tool mode the command sets; Idle = acts at once
    unsigned flags = 0;
    // A kind popup's item that makes no sense for these kinds of the picked
    // row is disabled when the popup opens for one of them.
    std::vector<RecordKind> offFor = {};
    QString shortcut; // key sequences, "; " between two: "Ctrl+Shift+Z; Ctrl+Y"
};

class MenuTable {
public:
    static const MenuTable& instance();

    const std::vector<MenuDef>& menus() const { return menus_; }
    const std::vector<MenuItem>& items() const { return items_; }

    const MenuDef* findMenu(const QString& component) const;
    const MenuItem* findItem(const QString& component) const;
    // The items of a popup that are disabled when it opens for a row of the
    // kind.
    QStringList disabledFor(const QString& popup, RecordKind kind) const;
    // Items of one menu, in order (submenus included as items).
    std::vector<const MenuItem*> itemsOf(const QString& menuComponent) const;
    // An item by caption path from the menu bar, "NewObj/New Point/Use Mouse";
    // a popup's items start with its component, "popLINEacts/Hide Line".
    // Captions compare exactly, with "&&" read as "&"; of two equal captions
    // in one menu the first wins. Null when there is none.
    const MenuItem* findByPath(const QString& path) const;
    // The top-level menu or popup that holds an item, directly or through
    // submenus.
    const MenuDef* topMenuOf(const MenuItem& item) const;

private:
    MenuTable();
    std::vector<MenuDef> menus_;
    std::vector<MenuItem> items_;
};

// The caption as the user sees it: "&&" becomes "&".
QString displayCaption(const QString& caption);

} // namespace kel
