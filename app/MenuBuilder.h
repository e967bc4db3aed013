#pragma once
// Qt menus built from the menu table: the menu bar of the main window and the
// popup menus. Every QMenu and QAction carries its component name as
// objectName; choosing an item reports that name and the core decides what
// happens (no-action items included).

#include <QHash>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace kel {

struct BuiltMenus {
    QHash<QString, QAction*> actions; // every item, submenus included
    QHash<QString, QMenu*> menus;     // the menus of the bar and their submenus
};

// Fills `bar` with the seven menus. `onItem` runs when an item is triggered;
// `onTopMenuAboutToShow` runs with the menu's component just before a menu of
// the bar opens. Either may be null.
BuiltMenus buildMenuBar(QMenuBar* bar, std::function<void(const QString& component)> onItem,
                        std::function<void(const QString& menuComponent)> onTopMenuAboutToShow);

// A popup menu of the table, owned by `parent`; null for an unknown name.
// The actions of its items (submenus included) go into `actionsOut`.
QMenu* buildPopupMenu(QWidget* parent, const QString& popupComponent,
                      std::function<void(const QString& component)> onItem,
                      QHash<QString, QAction*>* actionsOut = nullptr);

// Shows `menu` at `globalPos` and waits until it closes; the component of
// the chosen item, nothing when the menu was dismissed.
std::optional<QString> execPopup(QMenu* menu, QPoint globalPos);

// The text to give a QAction or QMenu for a table caption: the caption as
// shown, with every ampersand doubled so none becomes a mnemonic.
QString qtMenuText(const QString& caption);

} // namespace kel
