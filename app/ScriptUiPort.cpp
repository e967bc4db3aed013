#include "app/ScriptUiPort.h"

#include "app/MainWindow.h"
#include "interaction/menus/MenuTable.h"
#include "windows/AboutWindow.h"

#include <QDir>
#include <QPrinter>

namespace kel {

ScriptUiPort::ScriptUiPort(MainWindow& window, ScriptSession& session)
    : WidgetUiPort(window), session_(session)
{
}

void ScriptUiPort::message(const QString& text)
{
    session_.print(QStringLiteral("message: ") + printableText(text));
}

bool ScriptUiPort::askYesNo(const QString& text)
{
    const auto answer = session_.take({AnswerKind::Yes, AnswerKind::No},
                                      QStringLiteral("question: ") + printableText(text));
    return answer && answer->kind == AnswerKind::Yes;
}

QString ScriptUiPort::inputBox(const QString& caption, const QString& prompt,
                               const QString& defaultText)
{
    // Cancel gives the default text, as the real box does.
    return askText(caption, prompt, defaultText).value_or(defaultText);
}

std::optional<QString> ScriptUiPort::askText(const QString& caption, const QString& prompt,
                                             const QString&)
{
    const auto answer = session_.take({AnswerKind::Text, AnswerKind::Cancel},
                                      QStringLiteral("input: ") + printableText(caption) +
                                          QStringLiteral(" | ") + printableText(prompt));
    if (!answer || answer->kind != AnswerKind::Text)
        return std::nullopt;
    return answer->text;
}

std::optional<QString> ScriptUiPort::fileDialog(const QString& kind)
{
    const auto answer =
        session_.take({AnswerKind::File, AnswerKind::Cancel}, QStringLiteral("dialog: ") + kind);
    if (!answer || answer->kind == AnswerKind::Cancel)
        return std::nullopt;
    return answer->text;
}

std::optional<QString> ScriptUiPort::openFileDialog(const FileDialogRequest&)
{
    return fileDialog(QStringLiteral("open"));
}

std::optional<QString> ScriptUiPort::saveFileDialog(const FileDialogRequest&)
{
    return fileDialog(QStringLiteral("save"));
}

std::optional<Colour> ScriptUiPort::colourDialog(Colour)
{
    const auto answer =
        session_.take({AnswerKind::Colour, AnswerKind::Cancel}, QStringLiteral("dialog: colour"));
    if (!answer || answer->kind == AnswerKind::Cancel)
        return std::nullopt;
    return answer->colour;
}

std::optional<FontChoice> ScriptUiPort::fontDialog(const FontChoice&)
{
    const auto answer =
        session_.take({AnswerKind::Font, AnswerKind::Cancel}, QStringLiteral("dialog: font"));
    if (!answer || answer->kind == AnswerKind::Cancel)
        return std::nullopt;
    return answer->font;
}

PrintOutcome ScriptUiPort::printPage(const PagePainter& paint)
{
    const auto answer =
        session_.take({AnswerKind::Print, AnswerKind::Cancel}, QStringLiteral("dialog: print"));
    if (!answer || answer->kind == AnswerKind::Cancel)
        return {PrintStatus::Cancelled, {}};
    // The script's printer writes its pages to the named PDF file; an empty
    // name stands for a machine without printers.
    if (answer->text.isEmpty())
        return {PrintStatus::NoPrinter, {}};
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(answer->text);
    return printOnePage(printer, paint);
}

std::optional<QString> ScriptUiPort::popupMenu(const QString& menuName, QPoint,
                                               const QStringList& disabledItems)
{
    const auto answer = session_.take({AnswerKind::Popup, AnswerKind::Cancel},
                                      QStringLiteral("popup: ") + menuName);
    if (!answer || answer->kind == AnswerKind::Cancel)
        return std::nullopt;
    // An item of a submenu is named by its path, "Submenu/Item".
    const MenuTable& table = MenuTable::instance();
    const MenuItem* chosen = nullptr;
    for (const MenuItem* item : table.itemsOf(menuName)) {
        if (item->caption == answer->text || displayCaption(item->caption) == answer->text) {
            chosen = item;
            break;
        }
    }
    if (!chosen)
        chosen = table.findByPath(menuName + u'/' + answer->text);
    if (chosen) {
        if (!disabledItems.contains(chosen->component))
            return chosen->component;
        session_.fail(
            QStringLiteral("popup %1 item \"%2\" is disabled").arg(menuName, answer->text));
        return std::nullopt;
    }
    session_.fail(QStringLiteral("popup %1 has no item \"%2\"").arg(menuName, answer->text));
    return std::nullopt;
}

std::optional<QString> ScriptUiPort::gridPopupMenu(const QString& menuName)
{
    return popupMenu(menuName, QPoint(), {});
}

bool ScriptUiPort::modalWindowOpening(const QString& caption)
{
    // Shown without waiting: the script's own lines press its buttons.
    session_.print(QStringLiteral("window: ") + printableText(caption));
    return false;
}

void ScriptUiPort::showAboutWindow(int pictureSelector)
{
    // Shown without waiting: a script has nobody to close it.
    AboutWindow* about = window().aboutWindow();
    about->setPictureSelector(pictureSelector);
    about->show();
    session_.print(QStringLiteral("window: About"));
    about->hide();
}

QPoint ScriptUiPort::pointerPos() const
{
    return session_.pointer.value_or(QPoint(-1, -1));
}

void ScriptUiPort::warpPointer(QPoint surfacePos)
{
    session_.pointer = surfacePos;
}

void ScriptUiPort::closeMainWindow()
{
    session_.print(QStringLiteral("exit"));
    session_.setExited();
    WidgetUiPort::closeMainWindow();
}

bool ScriptUiPort::shellOpen(const QString& path)
{
    // Relative to the working folder, so transcripts do not depend on where
    // the script ran.
    session_.print(QStringLiteral("shell: open ") + QDir::current().relativeFilePath(path));
    return true;
}

} // namespace kel
