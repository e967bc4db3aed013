// The main window as it starts: menus from the table, the status bar, the
// grid over the object table, and the frame commands driven through it.

#include "app/MainWindow.h"
#include "app/DrawingSurface.h"
#include "app/PageControl.h"
#include "app/WidgetUiPort.h"
#include "interaction/Editor.h"
#include "interaction/MenuTable.h"
#include "model/Controls.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>

#include <deque>

namespace kel {
namespace {

// The widget port with the modal boxes answered from a list.
class AnsweringPort : public WidgetUiPort {
public:
    using WidgetUiPort::WidgetUiPort;
    bool askYesNo(const QString& text) override
    {
        questions.push_back(text);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
    void message(const QString& text) override { messages.push_back(text); }

    std::deque<bool> answers;
    QStringList questions;
    QStringList messages;
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
        : window([this](MainWindow& w) {
              auto made = std::make_unique<AnsweringPort>(w);
              port = made.get();
              return made;
          })
    {
        window.show();
        QApplication::processEvents();
    }

    Editor& editor() { return window.editor(); }
    ObjectTable& table() { return editor().doc.table; }

    AnsweringPort* port = nullptr;
    MainWindow window;
};

TEST_F(MainWindowTest, CaptionSizeAndPanels)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("KelvaneD7"));
    EXPECT_EQ(window.size(), QSize(815, 645));
    const int widths[] = {95, 70, 200, 200};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window.statusPanel(i)->width(), widths[i]) << "panel " << i;
    // The last panel reaches the right edge and is at least 70 wide.
    QLabel* last = window.statusPanel(4);
    EXPECT_GE(last->width(), 70);
    EXPECT_GE(last->geometry().right(), window.statusBar()->width() - 12);
    EXPECT_EQ(window.statusBar()->height(), 18);
    EXPECT_EQ(window.pages()->currentIndex(), 0);
    EXPECT_FALSE(window.pages()->tabShown(kPageEdit));
    EXPECT_FALSE(window.pages()->tabShown(kPageMove));
    // The drawing surface fills the rest, and the bitmap is its size.
    EXPECT_EQ(editor().renderer.bitmap().size(), window.surface()->size());
    EXPECT_GT(window.surface()->width(), 400);
}

TEST_F(MainWindowTest, MenusMatchTheTable)
{
    const MenuTable& menus = MenuTable::instance();
    QStringList tops;
    for (QAction* action : window.menuBar()->actions())
        tops << action->menu()->objectName();
    EXPECT_EQ(tops, (QStringList{"mnuFileactions", "mnuEdtAll", "mnuEditObj", "Crop1", "mnuKel",
                                 "mnuadvanced", "Help1"}));
    int mainItems = 0;
    for (const MenuItem& item : menus.items()) {
        const MenuDef* top = menus.topMenuOf(item);
        ASSERT_NE(top, nullptr) << item.component.toStdString();
        if (top->popup)
            continue;
        ++mainItems;
        QAction* action = window.findChild<QAction*>(item.component);
        ASSERT_NE(action, nullptr) << item.component.toStdString();
        EXPECT_EQ(action->isVisible(), !(item.flags & kMenuHidden)) << item.component.toStdString();
    }
    EXPECT_EQ(window.menus().actions.size(), mainItems);
    EXPECT_TRUE(window.menus().actions.value("mnuGridDots1")->isChecked());
}

TEST_F(MainWindowTest, GridShowsTheTableWithItsHeaders)
{
    QTableView* grid = window.grid();
    EXPECT_EQ(grid->objectName(), QStringLiteral("gd"));
    EXPECT_EQ(grid->model()->rowCount(), 499);
    EXPECT_EQ(grid->model()->columnCount(), 11);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("1"));
    EXPECT_EQ(grid->model()->headerData(498, Qt::Vertical).toString(), QStringLiteral("499"));
    for (int column : {1, 2, 6, 7, 8, 9})
        EXPECT_EQ(grid->columnWidth(column - 1), 12) << "column " << column;
    for (int column : {3, 4, 5, 10, 11})
        EXPECT_EQ(grid->columnWidth(column - 1), 20) << "column " << column;
    EXPECT_EQ(grid->rowHeight(0), 16);
    table().setCell(kStateColumn, 1, QStringLiteral("Y"));
    EXPECT_EQ(grid->model()->index(0, 0).data().toString(), QStringLiteral("Y"));
}

TEST_F(MainWindowTest, OpeningSomeTopMenusEndsTheTool)
{
    table().setCell(kStateColumn, 1, QStringLiteral("Y"));
    table().setCell(kTagColumn, 1, kTagMark);
    editor().tool.mode = ToolMode::Rectangle;
    editor().tool.construction.clicks() = 1;
    emit window.menus().menus.value("mnuEditObj")->aboutToShow();
    EXPECT_EQ(editor().tool.mode, ToolMode::Rectangle) << "EditObj leaves the tool running";
    emit window.menus().menus.value("Help1")->aboutToShow();
    EXPECT_EQ(editor().tool.mode, ToolMode::Rectangle) << "Help leaves the tool running";
    emit window.menus().menus.value("mnuKel")->aboutToShow();
    EXPECT_EQ(editor().tool.mode, ToolMode::Idle);
    EXPECT_EQ(editor().tool.construction.clicks(), 0);
    EXPECT_FALSE(table().tagged(1));
}

TEST_F(MainWindowTest, NewDrawingKeepsTheGrownTableAndAsksFirst)
{
    table().setRows(521);
    for (int r = 1; r <= 520; ++r) {
        table().setCell(kStateColumn, r, QStringLiteral("Y"));
        table().setCell(kTypeColumn, r, QStringLiteral("P"));
    }
    window.port().setStatus(2, QStringLiteral("/tmp/a.kel"));
    port->answers = {false, true};
    window.menus().actions.value("mnuNewscketch")->trigger();
    EXPECT_TRUE(table().inUse(520)) << "No changes nothing";
    EXPECT_EQ(window.port().status(2), QStringLiteral("/tmp/a.kel"));
    window.menus().actions.value("mnuNewscketch")->trigger();
    EXPECT_EQ(port->questions.size(), 2);
    EXPECT_EQ(port->questions.front(), QStringLiteral("Have you saved are you sure ? "));
    EXPECT_EQ(table().rows(), 521);
    EXPECT_EQ(table().lastRowInUse(), 0);
    EXPECT_EQ(table().cell(0, 520), QStringLiteral("520"));
    EXPECT_EQ(table().cell(11, 0), QStringLiteral("11"));
    EXPECT_TRUE(window.port().status(2).isEmpty());
    EXPECT_EQ(window.port().gridCurrentRow(), 1);
}

TEST_F(MainWindowTest, ResizingTheWindowResizesTheBitmap)
{
    const QSize before = window.surface()->size();
    window.resize(window.size() + QSize(40, 30));
    QApplication::processEvents();
    EXPECT_EQ(window.surface()->size(), before + QSize(40, 30));
    const QImage& bitmap = editor().renderer.bitmap();
    EXPECT_EQ(bitmap.size(), window.surface()->size());
    // The newly exposed area shows the background and the dot grid.
    const int x = (bitmap.width() - 1) / 10 * 10;
    const int y = (bitmap.height() - 1) / 10 * 10;
    EXPECT_EQ(editor().renderer.GetBitmapPixel(x, y), Colour(0x818181));
    EXPECT_EQ(editor().renderer.GetBitmapPixel(x - 1, y), kWhite);
}

TEST_F(MainWindowTest, PenWidthBoxFeedsTheCore)
{
    auto* penWidth = window.pages()->control<QLineEdit>(Control::Edit1);
    ASSERT_NE(penWidth, nullptr);
    penWidth->setText(QStringLiteral("4"));
    EXPECT_EQ(editor().doc.panel.penWidth.value, 4);
    EXPECT_EQ(editor().doc.current.penWidth, 4);
    editor().doc.current.penWidth = 7;
    editor().CancelTool();
    EXPECT_EQ(editor().doc.current.penWidth, 4) << "CancelTool reloads the pen from the box";
}

} // namespace
} // namespace kel
