// The pointer, control, grid and report commands of command scripts. They act
// through the widgets' own events, as a user would.

#include "app/ControlState.h"
#include "app/DrawingSurface.h"
#include "app/MainWindow.h"
#include "app/ScriptParser.h"
#include "app/ScriptRunner.h"
#include "app/WidgetUiPort.h"
#include "interaction/core/Editor.h"
#include "interaction/menus/MenuTable.h"
#include "output/BitmapFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>
#include <QTableWidget>
#include <QWheelEvent>

#include <limits>

namespace kel {

namespace {

constexpr int kWheelNotch = 120;
// Bounds that keep a notch count times kWheelNotch, and a point moved to
// global coordinates, well inside int.
constexpr int kMaxWheelNotches = 1000;
constexpr int kMaxCoordinate = 1'000'000;

struct KeySpec {
    int key;
    QString text;
};

std::optional<KeySpec> keyByName(const QString& name)
{
    static const QHash<QString, KeySpec> named = {
        {QStringLiteral("Esc"), {Qt::Key_Escape, QStringLiteral("\x1b")}},
        {QStringLiteral("Enter"), {Qt::Key_Return, QStringLiteral("\r")}},
        {QStringLiteral("F4"), {Qt::Key_F4, {}}},
        {QStringLiteral("F10"), {Qt::Key_F10, {}}},
        {QStringLiteral("Backspace"), {Qt::Key_Backspace, QStringLiteral("\b")}},
        {QStringLiteral("Space"), {Qt::Key_Space, QStringLiteral(" ")}},
        {QStringLiteral("Left"), {Qt::Key_Left, {}}},
        {QStringLiteral("Up"), {Qt::Key_Up, {}}},
        {QStringLiteral("Right"), {Qt::Key_Right, {}}},
        {QStringLiteral("Down"), {Qt::Key_Down, {}}},
        {QStringLiteral("PageUp"), {Qt::Key_PageUp, {}}},
        {QStringLiteral("PageDown"), {Qt::Key_PageDown, {}}},
        {QStringLiteral("Home"), {Qt::Key_Home, {}}},
        {QStringLiteral("End"), {Qt::Key_End, {}}},
    };
    if (named.contains(name))
        return named.value(name);
    if (name.size() != 1)
        return std::nullopt;
    const QChar c = name[0];
    int key = c.toUpper().unicode();
    if (c.unicode() > 0x7E)
        key = Qt::Key_unknown;
    return KeySpec{key, name};
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

void ScriptRunner::moveTo(QPoint pos)
{
    session_.pointer = pos;
    sendMouse(window_.surface(), QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
}

void ScriptRunner::sendKey(QWidget* target, const QString& name)
{
    const std::optional<KeySpec> key = keyByName(name);
    if (!key) {
        fail(QStringLiteral("unknown key '%1'").arg(name));
        return;
    }
    QKeyEvent press(QEvent::KeyPress, key->key, Qt::NoModifier, key->text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key->key, Qt::NoModifier, key->text);
    QApplication::sendEvent(target, &release);
}

void ScriptRunner::addPointerCommands()
{
    commands_.insert(QStringLiteral("move"), [this](const QStringList& args) {
        if (!needArgs(args, 2, 2))
            return;
        const auto x = number(args[0], -kMaxCoordinate, kMaxCoordinate);
        const auto y = x ? number(args[1], -kMaxCoordinate, kMaxCoordinate) : std::nullopt;
        if (y)
            moveTo(QPoint(*x, *y));
    });
    commands_.insert(QStringLiteral("click"), [this](const QStringList& args) {
        if (!needArgs(args, 2, 3))
            return;
        const auto x = number(args[0], -kMaxCoordinate, kMaxCoordinate);
        const auto y = x ? number(args[1], -kMaxCoordinate, kMaxCoordinate) : std::nullopt;
        if (!y)
            return;
        static const QHash<QString, Qt::MouseButton> buttons = {
            {QStringLiteral("left"), Qt::LeftButton},
            {QStringLiteral("middle"), Qt::MiddleButton},
            {QStringLiteral("right"), Qt::RightButton}};
        const QString name = args.size() > 2 ? args[2] : QStringLiteral("left");
        if (!buttons.contains(name)) {
            fail(QStringLiteral("unknown button '%1'").arg(name));
            return;
        }
        const QPoint pos(*x, *y);
        if (session_.pointer != pos)
            moveTo(pos);
        const Qt::MouseButton button = buttons.value(name);
        sendMouse(window_.surface(), QEvent::MouseButtonPress, pos, button, button);
        sendMouse(window_.surface(), QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
    });
    commands_.insert(QStringLiteral("wheel"), [this](const QStringList& args) {
        if (!needArgs(args, 1, 1))
            return;
        const auto notches = number(args[0], -kMaxWheelNotches, kMaxWheelNotches);
        if (!notches)
            return;
        QWidget* surface = window_.surface();
        const QPoint pos = session_.pointer.value_or(surface->rect().center());
        QWheelEvent event(QPointF(pos), QPointF(surface->mapToGlobal(pos)), QPoint(),
                          QPoint(0, *notches * kWheelNotch), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        // The window counts an event once by its address and time; each
        // notch command is a new event.
        static quint64 stamp = 0;
        event.setTimestamp(++stamp);
        QApplication::sendEvent(surface, &event);
    });
    commands_.insert(QStringLiteral("key"), [this](const QStringList& args) {
        if (!needArgs(args, 1, 1))
            return;
        if (QWidget* modal = openModalWindow()) {
            QWidget* target = modal->focusWidget();
            sendKey(target ? target : modal, args[0]);
            return;
        }
        QWidget* target = window_.focusWidget();
        sendKey(target ? target : window_.surface(), args[0]);
    });
}

void ScriptRunner::addControlCommands()
{
    commands_.insert(QStringLiteral("focus"), [this](const QStringList& args) {
        if (!needArgs(args, 1, 1))
            return;
        if (QWidget* widget = control(args[0]))
            widget->setFocus(Qt::OtherFocusReason);
    });
    commands_.insert(QStringLiteral("type"), [this](const QStringList& args) {
        if (!needArgs(args, 2, 2))
            return;
        QWidget* widget = control(args[0]);
        if (session_.error())
            return;
        // A combo box takes the entry of that text, as a user's choice.
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            const int entry = combo->findText(args[1]);
            if (entry < 0 || !combo->isEnabled())
                fail(QStringLiteral("'%1' has no enabled entry \"%2\"").arg(args[0], args[1]));
            else
                combo->setCurrentIndex(entry);
            return;
        }
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (!edit || !edit->isEnabled()) {
            fail(QStringLiteral("'%1' is not an enabled edit box").arg(args[0]));
            return;
        }
        // Replaces the text as typing over a selection does, so the box's
        // change handling and length limit apply.
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        edit->insert(args[1]);
    });
    commands_.insert(QStringLiteral("check"), [this](const QStringList& args) {
        if (!needArgs(args, 2, 2))
            return;
        if (args[1] != QStringLiteral("on") && args[1] != QStringLiteral("off")) {
            fail(QStringLiteral("check takes on or off"));
            return;
        }
        const bool want = args[1] == QStringLiteral("on");
        const MenuItem* item = MenuTable::instance().findItem(args[0]);
        if (item && (item->flags & kMenuCheckable)) {
            if (window_.editor().menuChecked(item->component) != want)
                menu(item->component);
            return;
        }
        auto* box = qobject_cast<QAbstractButton*>(control(args[0]));
        if (session_.error())
            return;
        if (!box || !box->isCheckable() || !box->isEnabled()) {
            fail(QStringLiteral("'%1' is not an enabled check box or radio button").arg(args[0]));
            return;
        }
        if (box->isChecked() != want)
            box->click();
        if (box->isChecked() != want)
            fail(QStringLiteral("'%1' cannot be set %2 by a click").arg(args[0], args[1]));
    });
    commands_.insert(QStringLiteral("press"), [this](const QStringList& args) {
        if (!needArgs(args, 1, 3))
            return;
        QWidget* modal = openModalWindow();
        QWidget* widget = modal ? modalControl(modal, args[0]) : control(args[0]);
        if (!widget)
            return;
        if (!widget->isEnabled() || !widget->window()->isVisible()) {
            fail(QStringLiteral("'%1' is disabled or not shown").arg(args[0]));
            return;
        }
        if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            pressCell(table, args.mid(1));
            return;
        }
        if (args.size() > 1) {
            fail(QStringLiteral("only a table's cell is pressed by its column and row"));
            return;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->click();
            return;
        }
        const QPoint centre = widget->rect().center();
        sendMouse(widget, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
        sendMouse(widget, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
    });
}

QWidget* ScriptRunner::openModalWindow() const
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != &window_ && modal->isVisible() ? modal : nullptr;
}

QWidget* ScriptRunner::modalControl(QWidget* modal, const QString& name)
{
    auto* widget = modal->findChild<QWidget*>(name);
    if (!widget)
        fail(QStringLiteral("the window \"%1\" has no control '%2'")
                 .arg(modal->windowTitle(), name));
    return widget;
}

// The pointer comes over the cell, then presses and releases there.
void ScriptRunner::pressCell(QTableWidget* table, const QStringList& cell)
{
    if (cell.size() != 2) {
        fail(QStringLiteral("a table is pressed at COLUMN ROW"));
        return;
    }
    const auto column = number(cell[0], 0, table->columnCount() - 1);
    const auto row = column ? number(cell[1], 0, table->rowCount() - 1) : std::nullopt;
    if (!row)
        return;
    const QModelIndex index = table->model()->index(*row, *column);
    table->scrollTo(index);
    const QPoint pos = table->visualRect(index).center();
    QWidget* viewport = table->viewport();
    sendMouse(viewport, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
    sendMouse(viewport, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}

void ScriptRunner::gridMouse(int row, bool doubleClick, Qt::MouseButton button)
{
    QTableView* grid = window_.grid();
    const QModelIndex index = grid->model()->index(row - 1, 0);
    grid->scrollTo(index);
    const QPoint pos = grid->visualRect(index).center();
    QWidget* viewport = grid->viewport();
    sendMouse(viewport, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
    sendMouse(viewport, QEvent::MouseButtonPress, pos, button, button);
    sendMouse(viewport, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
    if (doubleClick) {
        sendMouse(viewport, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
        sendMouse(viewport, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    }
}

void ScriptRunner::addGridCommands()
{
    commands_.insert(QStringLiteral("grid"), [this](const QStringList& args) {
        if (args.isEmpty()) {
            fail(QStringLiteral("grid needs click, dblclick, select or key"));
            return;
        }
        QTableView* grid = window_.grid();
        const int rows = grid->model()->rowCount();
        auto row = [&](const QString& text) -> std::optional<int> {
            const auto value =
                number(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
            if (value && (*value < 1 || *value > rows)) {
                fail(QStringLiteral("row %1 is outside the table (1 to %2)").arg(*value).arg(rows));
                return std::nullopt;
            }
            return value;
        };
        const QString& what = args[0];
        if (what == QStringLiteral("click") || what == QStringLiteral("dblclick")) {
            const bool doubleClick = what == QStringLiteral("dblclick");
            if (!needArgs(args, 2, doubleClick ? 2 : 3))
                return;
            const bool right = args.size() > 2 && args[2] == QStringLiteral("right");
            if (args.size() > 2 && !right) {
                fail(QStringLiteral("grid click takes right or nothing after the row"));
                return;
            }
            if (const auto r = row(args[1]))
                gridMouse(*r, doubleClick, right ? Qt::RightButton : Qt::LeftButton);
        } else if (what == QStringLiteral("select")) {
            if (!needArgs(args, 3, 3))
                return;
            const auto first = row(args[1]);
            const auto last = first ? row(args[2]) : std::nullopt;
            if (!last)
                return;
            QAbstractItemModel* model = grid->model();
            const QItemSelection range(model->index(*first - 1, 0),
                                       model->index(*last - 1, model->columnCount() - 1));
            grid->selectionModel()->select(range, QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
            grid->selectionModel()->setCurrentIndex(model->index(*last - 1, 0),
                                                    QItemSelectionModel::NoUpdate);
        } else if (what == QStringLiteral("key")) {
            if (needArgs(args, 2, 2))
                sendKey(grid, args[1]);
        } else {
            fail(QStringLiteral("unknown grid action '%1'").arg(what));
        }
    });
}

void ScriptRunner::addReportCommands()
{
    commands_.insert(QStringLiteral("dump"), [this](const QStringList& args) {
        if (!needArgs(args, 0, 2))
            return;
        // `dump FROM TO` shows only those rows; a range past the rows in use
        // shows what there is.
        const int maxRow = std::numeric_limits<int>::max();
        const auto from = args.isEmpty() ? 1 : number(args[0], 1, maxRow);
        const auto to =
            args.size() != 2 || !from ? std::optional(maxRow) : number(args[1], 1, maxRow);
        if (!from || !to)
            return;
        if (args.size() == 1 || *from > *to) {
            fail(QStringLiteral("dump takes no rows or FROM TO with 1 <= FROM <= TO"));
            return;
        }
        const ObjectTable& table = window_.editor().doc.table;
        session_.print(QStringLiteral("rows: %1").arg(table.rows()));
        for (int r = *from; r <= *to && r < table.rows(); ++r) {
            if (!table.inUse(r))
                continue;
            QString line = QStringLiteral("row %1:").arg(r);
            for (int c = 1; c < kTableColumns; ++c)
                line += QLatin1Char('\t') + escapeScriptText(table.cell(c, r));
            session_.print(line);
        }
    });
    commands_.insert(QStringLiteral("status"), [this](const QStringList& args) {
        if (!needArgs(args, 0, 0))
            return;
        QStringList panels;
        for (int i = 0; i < MainWindow::kStatusPanels; ++i)
            panels << window_.port().status(i);
        session_.print(QStringLiteral("status: ") + panels.join(QStringLiteral(" | ")));
    });
    commands_.insert(QStringLiteral("control"), [this](const QStringList& args) {
        if (!needArgs(args, 1, 2))
            return;
        const std::optional<ControlAspect> aspect =
            controlAspect(args.size() > 1 ? args[1] : QString());
        if (!aspect) {
            fail(QStringLiteral("control takes colour or background after the name"));
            return;
        }
        // The open modal window's controls first, then the main window's.
        const QWidget* modal = openModalWindow();
        const QWidget* widget = modal ? modal->findChild<QWidget*>(args[0]) : nullptr;
        if (!widget)
            widget = control(args[0]);
        if (widget)
            session_.print(
                QStringLiteral("control: %1 %2")
                    .arg(args.join(QLatin1Char(' ')), describeControl(*widget, *aspect)));
    });
    commands_.insert(QStringLiteral("mode"), [this](const QStringList& args) {
        if (!needArgs(args, 0, 0))
            return;
        const ToolState& tool = window_.editor().tool;
        session_.print(QStringLiteral("mode: %1 clicks: %2")
                           .arg(static_cast<int>(tool.mode))
                           .arg(tool.construction.clicks()));
    });
    commands_.insert(QStringLiteral("title"), [this](const QStringList& args) {
        if (needArgs(args, 0, 0))
            session_.print(QStringLiteral("title: ") + window_.windowTitle());
    });
    commands_.insert(QStringLiteral("cursor"), [this](const QStringList& args) {
        if (!needArgs(args, 0, 0))
            return;
        static const QHash<SurfaceCursor, QString> names = {
            {SurfaceCursor::Cursor1, QStringLiteral("1")},
            {SurfaceCursor::Cursor2, QStringLiteral("2")},
            {SurfaceCursor::Arrow, QStringLiteral("arrow")}};
        session_.print(QStringLiteral("cursor: ") + names.value(window_.port().surfaceCursor()));
    });
    commands_.insert(QStringLiteral("pixel"), [this](const QStringList& args) {
        if (!needArgs(args, 2, 2))
            return;
        const auto x = number(args[0], -kMaxCoordinate, kMaxCoordinate);
        const auto y = x ? number(args[1], -kMaxCoordinate, kMaxCoordinate) : std::nullopt;
        if (!y)
            return;
        const std::optional<Colour> colour = window_.editor().renderer.GetBitmapPixel(*x, *y);
        if (!colour) {
            fail(QStringLiteral("pixel %1 %2 is outside the bitmap").arg(*x).arg(*y));
            return;
        }
        session_.print(QStringLiteral("pixel %1 %2 %3").arg(*x).arg(*y).arg(colourHex(*colour)));
    });
    commands_.insert(QStringLiteral("export"), [this](const QStringList& args) {
        if (needArgs(args, 1, 1))
            exportBitmap(args[0]);
    });
}

void ScriptRunner::exportBitmap(const QString& path)
{
    const QString error = writeBitmapFile(window_.editor().renderer.bitmap(), path);
    if (!error.isEmpty())
        fail(error);
}

} // namespace kel
