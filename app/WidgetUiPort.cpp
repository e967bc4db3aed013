#include "app/WidgetUiPort.h"

#include "app/Cursors.h"
#include "app/DrawingSurface.h"
#include "app/MainWindow.h"
#include "app/MenuBuilder.h"
#include "app/ObjectGrid.h"
#include "app/PageControl.h"
#include "model/Controls.h"
#include "output/CropMimeData.h"
#include "windows/AboutWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTableView>
#include <QUrl>

#include <algorithm>
#include <limits>

namespace kel {

namespace {

// Texts of the core use "\r\n" for a line break; Qt's boxes want "\n".
QString plainLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

PrintOutcome printOnePage(QPrinter& printer, const PagePainter& paint)
{
    QPainter painter;
    // A printer that cannot start (no such queue, an unwritable file) says
    // so here; printing on would lose the page without a word.
    if (!painter.begin(&printer))
        return {PrintStatus::Failed,
                QStringLiteral("The printer %1 could not start printing")
                    .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                            : printer.outputFileName())};
    paint(painter, QRect(0, 0, printer.width(), printer.height()));
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return {PrintStatus::Failed, QStringLiteral("The page could not be printed")};
    return {PrintStatus::Printed, {}};
}

WidgetUiPort::WidgetUiPort(MainWindow& window) : window_(window), controls_(window)
{
    // A control without its widget would make every call for it do nothing.
    if (!controls_.problems().isEmpty())
        qFatal("Controls without their widget: %s",
               qPrintable(controls_.problems().join(QStringLiteral("; "))));
}

void WidgetUiPort::setStatus(int panel, const QString& text)
{
    if (QLabel* label = window_.statusPanel(panel))
        label->setText(text);
}

QString WidgetUiPort::status(int panel) const
{
    const QLabel* label = window_.statusPanel(panel);
    return label ? label->text() : QString();
}

void WidgetUiPort::setGridCurrentRow(int row)
{
    QTableView* grid = window_.grid();
    if (!grid->model() || row < 1 || row > grid->model()->rowCount())
        return;
    // A current row set from code emits no clicked(), so it never counts as
    // a user's click on the grid.
    const QModelIndex index = grid->model()->index(row - 1, 0);
    grid->setCurrentIndex(index);
    grid->scrollTo(index);
}

int WidgetUiPort::gridCurrentRow() const
{
    const QModelIndex index = window_.grid()->currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

void WidgetUiPort::repaintGrid()
{
    window_.grid()->viewport()->update();
}

void WidgetUiPort::setGridEnabled(bool enabled)
{
    window_.grid()->setEnabled(enabled);
}

bool WidgetUiPort::gridEnabled() const
{
    return window_.grid()->isEnabled();
}

std::optional<RowRange> WidgetUiPort::gridSelection() const
{
    const QItemSelectionModel* selection = window_.grid()->selectionModel();
    if (!selection || !selection->hasSelection())
        return std::nullopt;
    RowRange range{std::numeric_limits<int>::max(), 0};
    for (const QItemSelectionRange& part : selection->selection()) {
        range.first = std::min(range.first, part.top() + 1);
        range.last = std::max(range.last, part.bottom() + 1);
    }
    return range;
}

void WidgetUiPort::clearGridSelection()
{
    window_.grid()->clearSelection();
}

void WidgetUiPort::scrollGridTo(int row)
{
    QTableView* grid = window_.grid();
    if (grid->model() && row >= 1 && row <= grid->model()->rowCount())
        grid->scrollTo(grid->model()->index(row - 1, 0), QAbstractItemView::PositionAtTop);
}

int WidgetUiPort::gridRowUnderPointer() const
{
    return window_.objectGrid().rowUnderPointer();
}

void WidgetUiPort::showPage(int index)
{
    window_.pages()->showPage(index);
}

int WidgetUiPort::currentPage() const
{
    return window_.pages()->currentIndex();
}

void WidgetUiPort::setTabVisible(int index, bool visible)
{
    window_.pages()->setTabShown(index, visible);
}

void WidgetUiPort::setControlText(Control control, const QString& text)
{
    QWidget* w = widget(control);
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
}

QString WidgetUiPort::controlText(Control control) const
{
    const QWidget* w = widget(control);
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    return {};
}

void WidgetUiPort::setControlEnabled(Control control, bool enabled)
{
    widget(control)->setEnabled(enabled);
}

void WidgetUiPort::setControlVisible(Control control, bool visible)
{
    widget(control)->setVisible(visible);
}

void WidgetUiPort::setControlChecked(Control control, bool checked)
{
    if (auto* box = qobject_cast<QAbstractButton*>(widget(control)))
        box->setChecked(checked);
}

bool WidgetUiPort::controlChecked(Control control) const
{
    const auto* box = qobject_cast<const QAbstractButton*>(widget(control));
    return box && box->isChecked();
}

void WidgetUiPort::setControlColour(Control control, ControlColour role, Colour colour)
{
    QWidget* w = widget(control);
    if (role == ControlColour::Text)
        pages::setTextColour(w, toQRgb(colour));
    else if (auto* swatch = qobject_cast<ColourSwatch*>(w))
        swatch->setModelColour(colour);
    else
        pages::setBackground(w, toQRgb(colour));
}

void WidgetUiPort::setBrushPreview(int pattern, Colour colour)
{
    if (auto* preview = qobject_cast<BrushPreview*>(widget(Control::shpbrush))) {
        preview->setColour(toQRgb(colour));
        preview->setPattern(pattern);
    }
}

void WidgetUiPort::focusControl(Control control)
{
    widget(control)->setFocus(Qt::OtherFocusReason);
}

void WidgetUiPort::message(const QString& text)
{
    QMessageBox::information(&window_, window_.windowTitle(), plainLines(text));
}

bool WidgetUiPort::askYesNo(const QString& text)
{
    return QMessageBox::question(&window_, window_.windowTitle(), plainLines(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString WidgetUiPort::inputBox(const QString& caption, const QString& prompt,
                               const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(&window_, caption, plainLines(prompt),
                                               QLineEdit::Normal, defaultText, &ok);
    return ok ? text : defaultText;
}

std::optional<QString> WidgetUiPort::askText(const QString& caption, const QString& prompt,
                                             const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(&window_, caption, plainLines(prompt),
                                               QLineEdit::Normal, defaultText, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

std::optional<QString> WidgetUiPort::openFileDialog(const FileDialogRequest& request)
{
    const QString name =
        QFileDialog::getOpenFileName(&window_, request.title, request.defaultName, request.filter);
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<QString> WidgetUiPort::saveFileDialog(const FileDialogRequest& request)
{
    const QString name =
        QFileDialog::getSaveFileName(&window_, request.title, request.defaultName, request.filter);
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<Colour> WidgetUiPort::colourDialog(Colour initial)
{
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(toQRgb(initial)), &window_);
    if (!chosen.isValid())
        return std::nullopt;
    return fromQRgb(chosen.rgb());
}

std::optional<FontChoice> WidgetUiPort::fontDialog(const FontChoice& initial)
{
    QFont start(initial.family, initial.size);
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, start, &window_);
    if (!ok)
        return std::nullopt;
    // Qt's font dialog has no colour: a colour step follows it.
    const std::optional<Colour> colour = colourDialog(initial.colour);
    if (!colour)
        return std::nullopt;
    return FontChoice{font.family(), font.pointSize(), font.bold(), font.italic(), *colour};
}

PrintOutcome WidgetUiPort::printPage(const PagePainter& paint)
{
    if (QPrinterInfo::availablePrinters().isEmpty())
        return {PrintStatus::NoPrinter, {}};
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &window_);
    if (dialog.exec() != QDialog::Accepted)
        return {PrintStatus::Cancelled, {}};
    return printOnePage(printer, paint);
}

std::optional<QString> WidgetUiPort::popupMenu(const QString& menuName, QPoint surfacePos,
                                               const QStringList& disabledItems)
{
    QHash<QString, QAction*> actions;
    std::unique_ptr<QMenu> menu(buildPopupMenu(&window_, menuName, nullptr, &actions));
    if (!menu)
        return std::nullopt;
    for (const QString& item : disabledItems) {
        if (QAction* action = actions.value(item))
            action->setEnabled(false);
    }
    return execPopup(menu.get(), window_.surface()->mapToGlobal(surfacePos));
}

std::optional<QString> WidgetUiPort::gridPopupMenu(const QString& menuName)
{
    std::unique_ptr<QMenu> menu(buildPopupMenu(&window_, menuName, nullptr));
    if (!menu)
        return std::nullopt;
    return execPopup(menu.get(), window_.objectGrid().pointerGlobal());
}

bool WidgetUiPort::modalWindowOpening(const QString&)
{
    return true;
}

void WidgetUiPort::showAboutWindow(int pictureSelector)
{
    AboutWindow* about = window_.aboutWindow();
    about->setPictureSelector(pictureSelector);
    about->exec();
}

QString WidgetUiPort::clipboardText() const
{
    return QApplication::clipboard()->text();
}

void WidgetUiPort::setClipboardText(const QString& text)
{
    QApplication::clipboard()->setText(text);
}

QImage WidgetUiPort::clipboardImage() const
{
    return QApplication::clipboard()->image();
}

void WidgetUiPort::setClipboardImage(const QImage& image)
{
    QApplication::clipboard()->setImage(image);
}

void WidgetUiPort::setClipboardData(std::unique_ptr<QMimeData> data)
{
    if (data)
        QApplication::clipboard()->setMimeData(data.release());
}

QByteArray WidgetUiPort::clipboardMetafile() const
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return {};
    for (const char* type : kEmfMimeTypes)
        if (data->hasFormat(QLatin1String(type)))
            return data->data(QLatin1String(type));
    return {};
}

QPoint WidgetUiPort::pointerPos() const
{
    return window_.surface()->mapFromGlobal(QCursor::pos());
}

void WidgetUiPort::warpPointer(QPoint surfacePos)
{
    // Does nothing on Wayland; the core runs its pipeline at the new place
    // itself, so only the visible pointer stays behind there.
    QCursor::setPos(window_.surface()->mapToGlobal(surfacePos));
}

void WidgetUiPort::setSurfaceCursor(SurfaceCursor cursor)
{
    cursor_ = cursor;
    switch (cursor) {
    case SurfaceCursor::Cursor1:
        if (!cursor1_)
            cursor1_ = loadCursor1();
        window_.surface()->setCursor(*cursor1_);
        break;
    case SurfaceCursor::Cursor2:
        if (!cursor2_)
            cursor2_ = loadCursor2();
        window_.surface()->setCursor(*cursor2_);
        break;
    case SurfaceCursor::Arrow:
        window_.surface()->setCursor(Qt::ArrowCursor);
        break;
    }
}

void WidgetUiPort::focusSurface()
{
    window_.surface()->setFocus(Qt::OtherFocusReason);
}

bool WidgetUiPort::surfaceHasFocus() const
{
    return window_.focusWidget() == window_.surface();
}

void WidgetUiPort::setWindowCaption(const QString& caption)
{
    window_.setWindowTitle(caption);
}

void WidgetUiPort::markGridRow(int row)
{
    window_.markGridRow(row);
}

void WidgetUiPort::repaintSurface()
{
    window_.surface()->update();
}

QSize WidgetUiPort::surfaceSize() const
{
    return window_.surface()->size();
}

void WidgetUiPort::setMenuItemChecked(const QString& component, bool checked)
{
    if (QAction* action = window_.menus().actions.value(component))
        action->setChecked(checked);
}

void WidgetUiPort::closeMainWindow()
{
    window_.close();
}

bool WidgetUiPort::shellOpen(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace kel
