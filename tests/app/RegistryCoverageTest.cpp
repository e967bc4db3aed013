// Every menu and popup item of the whole program, with every folder
// registered: an item that sets a tool mode has that tool, and an item that
// does something has a command. The items whose work is still to come are
// listed by the work that brings them; the list must be exact, so it shrinks
// as that work lands.

#include "app/FolderRegistrations.h"
#include "interaction/core/Editor.h"
#include "interaction/menus/MenuTable.h"
#include "model/FakeUi.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include <vector>

namespace kel {
namespace {

// The work still to come, and the items it will serve (component names).
struct PendingWork {
    const char* work;
    const char* items;
};

// Nothing is pending now; new menu items arrive with their work.
const std::vector<PendingWork> kPendingWork = {};

TEST(RegistryCoverage, EveryItemHasItsToolAndCommandOrIsListedAsPending)
{
    test::FakeUi ui;
    Editor editor{ui, {registerAllFolders}};
    QSet<QString> listed;
    for (const PendingWork& work : kPendingWork) {
        const QStringList items = QString::fromLatin1(work.items).split(u' ');
        for (const QString& item : items) {
            EXPECT_FALSE(listed.contains(item)) << item.toStdString() << " is listed twice";
            listed.insert(item);
        }
    }
    const MenuTable& table = MenuTable::instance();
    QStringList missing;
    QStringList done;
    for (const MenuItem& item : table.items()) {
        if (table.findMenu(item.component) || (item.flags & kMenuNoAction))
            continue;
        const bool hasTool = item.mode == ToolMode::Idle || editor.tools.find(item.mode);
        const bool complete = hasTool && editor.commands.has(item.component);
        if (!complete && !listed.contains(item.component))
            missing << item.component;
        if (complete && listed.contains(item.component))
            done << item.component;
        listed.remove(item.component);
    }
    EXPECT_TRUE(missing.isEmpty()) << "not served: " << missing.join(u' ').toStdString();
    EXPECT_TRUE(done.isEmpty()) << "served now, take off the list: "
                                << done.join(u' ').toStdString();
    EXPECT_TRUE(listed.isEmpty()) << "no such item: "
                                  << QStringList(listed.values()).join(u' ').toStdString();
}

} // namespace
} // namespace kel
