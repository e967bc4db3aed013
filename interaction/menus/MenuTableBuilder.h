#pragma once
// Helper for filling the menu table: keeps the menu that new items go into,
// so the data files read like the menus they describe. Used only by the
// MenuTable*.cpp files.

#include "interaction/menus/MenuTable.h"

#include <initializer_list>
#include <vector>

namespace kel {

class MenuTableBuilder {
public:
    MenuTableBuilder(std::vector<MenuDef>& menus, std::vector<MenuItem>& items)
        : menus_(menus), items_(items)
    {
    }

    // A menu of the menu bar; the items that follow go into it.
    void topMenu(const char* caption, const char* component, bool cancelsTool)
    {
        menus_.push_back({QString::fromUtf8(component), QString::fromUtf8(caption), QString(),
                          false, cancelsTool});
        open_.assign(1, menus_.back().component);
    }

    // A popup menu (no caption); the items that follow go into it.
    void popupMenu(const char* component)
    {
        menus_.push_back({QString::fromUtf8(component), QString(), QString(), true, false});
        open_.assign(1, menus_.back().component);
    }

    // A submenu of the open menu: it is an item there and a menu of its own;
    // the items up to endSubmenu() go into it.
    void beginSubmenu(const char* caption, const char* component, unsigned flags = 0)
    {
        const QString parent = open_.back();
        menus_.push_back(
            {QString::fromUtf8(component), QString::fromUtf8(caption), parent, false, false});
        items_.push_back({parent,
                          QString::fromUtf8(caption),
                          QString::fromUtf8(component),
                          ToolMode::Idle,
                          flags,
                          {},
                          QString()});
        open_.push_back(menus_.back().component);
    }

    void endSubmenu() { open_.pop_back(); }

    void item(const char* caption, const char* component, ToolMode mode = ToolMode::Idle,
              unsigned flags = 0)
    {
        items_.push_back({open_.back(),
                          QString::fromUtf8(caption),
                          QString::fromUtf8(component),
                          mode,
                          flags,
                          {},
                          QString()});
    }

    // The item just added is disabled for rows of these kinds.
    void offFor(std::initializer_list<RecordKind> kinds) { items_.back().offFor = kinds; }

    // Gives the last item its keyboard shortcuts.
    void shortcut(const char* keys) { items_.back().shortcut = QString::fromUtf8(keys); }

private:
    std::vector<MenuDef>& menus_;
    std::vector<MenuItem>& items_;
    std::vector<QString> open_; // the open menu and its parents, innermost last
};

void addMainMenus(MenuTableBuilder& b);  // MenuTableMain.cpp
void addPopupMenus(MenuTableBuilder& b); // MenuTablePopups.cpp

} // namespace kel
