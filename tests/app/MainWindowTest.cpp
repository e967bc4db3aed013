#include "app/MainWindow.h"
#include "app/DrawingSurface.h"
#include "app/PageControl.h"
#include "app/WidgetUiPort.h"
#include "interaction/core/Editor.h"
#include "model/Controls.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableView>

#include <deque>

namespace kel {
namespace {

// The widget port with the modal boxes answered from a list.
class AnsweringPort : public WidgetUiPort {
public:
    using WidgetUiPort::WidgetUiPort;
    bool askYesNo(const QString&) override
    {
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
    void message(const QString&) override {}

    std::deque<bool> answers;
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
        window.activateWindow();
        QApplication::processEvents();
    }

    Editor& editor() { return window.editor(); }
    ObjectTable& table() { return editor().doc.table; }
    // A key as the user presses it in a box of page T1 that has the focus.
    void key(Control box, int code, const QString& text)
    {
        auto* edit = window.pages()->control<QLineEdit>(box);
        ASSERT_NE(edit, nullptr);
        window.pages()->showPage(kPageT1);
        edit->setFocus();
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &press);
    }

    AnsweringPort* port = nullptr;
    MainWindow window;
};

TEST_F(MainWindowTest, GridShowsTheTableWithItsHeaders)
{
    QTableView* grid = window.grid();
    EXPECT_EQ(grid->objectName(), "gd");
    EXPECT_EQ(grid->model()->rowCount(), 499);
    EXPECT_EQ(grid->model()->headerData(498, Qt::Vertical).toString(), QStringLiteral("499"));
    table().setCell(kStateColumn, 1, QStringLiteral("Y"));
    EXPECT_EQ(grid->model()->index(0, 0).data().toString(), QStringLiteral("Y"));
    // A cell shows its whole value as a tip, and its column widens on demand.
    table().setCell(8, 1, QStringLiteral("Liberation Sans"));
    const QModelIndex cell = grid->model()->index(0, 7);
    EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), "Liberation Sans");
    EXPECT_FALSE(grid->model()->index(0, 8).data(Qt::ToolTipRole).isValid());
    const int before = grid->columnWidth(7);
    emit grid->horizontalHeader()->sectionDoubleClicked(7);
    EXPECT_GE(grid->columnWidth(7), grid->fontMetrics().horizontalAdvance("Liberation Sans"));
    EXPECT_GT(grid->columnWidth(7), before);
}

TEST_F(MainWindowTest, EscAndEnterInTheBoxesHandTheFocusToTheSurface)
{
    editor().tool.mode = ToolMode::ArbitraryLine;
    key(Control::edtang2, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(editor().tool.mode, ToolMode::Idle) << "Esc ends the tool";
    EXPECT_TRUE(window.surface()->hasFocus());
    key(Control::Edit2, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(window.surface()->hasFocus());
}

TEST_F(MainWindowTest, NewDrawingKeepsTheGrownTable)
{
    table().setRows(521);
    for (int r = 1; r <= 520; ++r) {
        table().setCell(kStateColumn, r, QStringLiteral("Y"));
        table().setCell(kTypeColumn, r, QStringLiteral("P"));
    }
    port->answers = {true};
    window.menus().actions.value("mnuNewscketch")->trigger();
    EXPECT_EQ(table().rows(), 521);
    EXPECT_EQ(table().lastRowInUse(), 0);
    EXPECT_EQ(table().cell(0, 520), QStringLiteral("520"));
    EXPECT_EQ(window.port().gridCurrentRow(), 1);
}

TEST_F(MainWindowTest, PanelsAndSurfaceShareTheWindowAndTheBitmapFollows)
{
    // The last panel takes the rest of the status bar, at least 70.
    QLabel* last = window.statusPanel(4);
    EXPECT_GE(last->width(), 70);
    EXPECT_GE(last->geometry().right(), window.statusBar()->width() - 12);
    // The drawing surface fills the rest of the window; the bitmap is its size.
    EXPECT_GT(window.surface()->width(), 400);
    EXPECT_EQ(editor().renderer.bitmap().size(), window.surface()->size());
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
