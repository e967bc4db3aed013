#include "interaction/menus/MenuTable.h"

#include "interaction/menus/MenuTableBuilder.h"

#include <algorithm>

namespace kel {

namespace {

// The item of `menu` named by `path`, whose first caption may itself hold
// slashes ("New Poly(Line/Gon)/PolyLine"): every caption that matches the
// start of the path is tried, in menu order. `path` is already in display
// form ("&" for a literal ampersand).
const MenuItem* findInMenu(const MenuTable& table, const QString& menu, const QString& path)
{
    for (const MenuItem* item : table.itemsOf(menu)) {
        const QString caption = displayCaption(item->caption);
        if (path == caption)
            return item;
        if (path.size() > caption.size() && path.startsWith(caption) &&
            path.at(caption.size()) == u'/' && table.findMenu(item->component)) {
            if (const MenuItem* found =
                    findInMenu(table, item->component, path.mid(caption.size() + 1)))
                return found;
        }
    }
    return nullptr;
}

} // namespace

const MenuTable& MenuTable::instance()
{
    static const MenuTable table;
    return table;
}

MenuTable::MenuTable()
{
    MenuTableBuilder builder(menus_, items_);
    addMainMenus(builder);
    addPopupMenus(builder);
}

const MenuDef* MenuTable::findMenu(const QString& component) const
{
    for (const MenuDef& menu : menus_) {
        if (menu.component == component)
            return &menu;
    }
    return nullptr;
}

const MenuItem* MenuTable::findItem(const QString& component) const
{
    for (const MenuItem& item : items_) {
        if (item.component == component)
            return &item;
    }
    return nullptr;
}

QStringList MenuTable::disabledFor(const QString& popup, RecordKind kind) const
{
    QStringList disabled;
    for (const MenuItem* item : itemsOf(popup)) {
        if (std::find(item->offFor.begin(), item->offFor.end(), kind) != item->offFor.end())
            disabled << item->component;
    }
    return disabled;
}

std::vector<const MenuItem*> MenuTable::itemsOf(const QString& menuComponent) const
{
    std::vector<const MenuItem*> result;
    for (const MenuItem& item : items_) {
        if (item.menu == menuComponent)
            result.push_back(&item);
    }
    return result;
}

const MenuItem* MenuTable::findByPath(const QString& path) const
{
    const QString wanted = displayCaption(path);
    for (const MenuDef& menu : menus_) {
        if (!menu.parent.isEmpty())
            continue;
        // Menus of the menu bar by caption, popups by component name.
        const QString head = menu.popup ? menu.component : displayCaption(menu.caption);
        if (wanted.size() > head.size() && wanted.startsWith(head) &&
            wanted.at(head.size()) == u'/') {
            if (const MenuItem* found =
                    findInMenu(*this, menu.component, wanted.mid(head.size() + 1)))
                return found;
        }
    }
    return nullptr;
}

const MenuDef* MenuTable::topMenuOf(const MenuItem& item) const
{
    const MenuDef* menu = findMenu(item.menu);
    // The table is shallow; the bound only guards against a broken parent chain.
    for (int depth = 0; menu && !menu->parent.isEmpty() && depth < 16; ++depth)
        menu = findMenu(menu->parent);
    return menu && menu->parent.isEmpty() ? menu : nullptr;
}

QString displayCaption(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        shown.append(caption.at(i));
        if (caption.at(i) == u'&' && i + 1 < caption.size() && caption.at(i + 1) == u'&')
            ++i;
    }
    return shown;
}

} // namespace kel
