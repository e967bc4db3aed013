#include "app/MenuBuilder.h"

#include "interaction/menus/MenuTable.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kel {

namespace {

using ItemHandler = std::function<void(const QString& component)>;

void applyFlags(QAction* action, unsigned flags)
{
    if (flags & kMenuCheckable) {
        action->setCheckable(true);
        action->setChecked((flags & kMenuChecked) != 0);
    }
    if (flags & kMenuHidden)
        action->setVisible(false);
    if (flags & kMenuDisabled)
        action->setEnabled(false);
    // kMenuNewColumn: QMenu has no column break; Qt wraps into columns by
    // itself when a menu is taller than the screen.
}

// Adds the items of `menuComponent` to `menu`, recursing into submenus.
void fillMenu(QMenu* menu, const QString& menuComponent, const ItemHandler& onItem,
              QHash<QString, QAction*>& actions, QHash<QString, QMenu*>* menus)
{
    const MenuTable& table = MenuTable::instance();
    for (const MenuItem* item : table.itemsOf(menuComponent)) {
        QAction* action = nullptr;
        if (table.findMenu(item->component)) {
            QMenu* submenu = menu->addMenu(qtMenuText(item->caption));
            submenu->setObjectName(item->component);
            action = submenu->menuAction();
            if (menus)
                menus->insert(item->component, submenu);
            fillMenu(submenu, item->component, onItem, actions, menus);
        } else {
            action = menu->addAction(qtMenuText(item->caption));
            if (onItem) {
                const QString component = item->component;
                QObject::connect(action, &QAction::triggered, action,
                                 [onItem, component] { onItem(component); });
            }
        }
        action->setObjectName(item->component);
        if (!item->shortcut.isEmpty())
            action->setShortcuts(QKeySequence::listFromString(item->shortcut));
        applyFlags(action, item->flags);
        actions.insert(item->component, action);
    }
}

} // namespace

QString qtMenuText(const QString& caption)
{
    QString text = displayCaption(caption);
    text.replace(u'&', QStringLiteral("&&"));
    return text;
}

BuiltMenus buildMenuBar(QMenuBar* bar, std::function<void(const QString& component)> onItem,
                        std::function<void(const QString& menuComponent)> onTopMenuAboutToShow)
{
    BuiltMenus built;
    for (const MenuDef& def : MenuTable::instance().menus()) {
        if (def.popup || !def.parent.isEmpty())
            continue;
        QMenu* menu = bar->addMenu(qtMenuText(def.caption));
        menu->setObjectName(def.component);
        built.menus.insert(def.component, menu);
        if (onTopMenuAboutToShow) {
            const QString component = def.component;
            QObject::connect(menu, &QMenu::aboutToShow, menu, [onTopMenuAboutToShow, component] {
                onTopMenuAboutToShow(component);
            });
        }
        fillMenu(menu, def.component, onItem, built.actions, &built.menus);
    }
    return built;
}

QMenu* buildPopupMenu(QWidget* parent, const QString& popupComponent,
                      std::function<void(const QString& component)> onItem,
                      QHash<QString, QAction*>* actionsOut)
{
    const MenuDef* def = MenuTable::instance().findMenu(popupComponent);
    if (!def || !def->popup)
        return nullptr;
    auto* menu = new QMenu(parent);
    menu->setObjectName(popupComponent);
    QHash<QString, QAction*> actions;
    fillMenu(menu, popupComponent, onItem, actions, nullptr);
    if (actionsOut)
        actionsOut->insert(actions);
    return menu;
}

std::optional<QString> execPopup(QMenu* menu, QPoint globalPos)
{
    if (!menu)
        return std::nullopt;
    QAction* chosen = menu->exec(globalPos);
    if (!chosen || chosen->objectName().isEmpty())
        return std::nullopt;
    return chosen->objectName();
}

} // namespace kel
