#include "interaction/commands/FrameCommands.h"

#include "interaction/core/Editor.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace kel {

namespace {

const QString kGridDotsItem = QStringLiteral("mnuGridDots1");
const QString kHelpFile = QStringLiteral("KelvaneHelp.doc");
const QString kExitQuestion =
    QStringLiteral("The drawing has changes that are not saved. Exit anyway?");
constexpr int kAboutPicture = 1;
constexpr int kFileDateLength = 40;

QString aboutText()
{
    const QDateTime built = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
    const QLocale locale = QLocale::system();
    const QString date = QStringLiteral("File creation date ") +
                         locale.toString(built.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                         locale.toString(built.time(), QLocale::LongFormat);
    return QStringLiteral("Kelvane: ruler and compass on the screen, made by the Kelvane team\r\n"
                          "This program is dedicated to all the hard working math teachers and "
                          "their students around the world\r\n"
                          "Mail: kelvane@example.org\r\n"
                          "Web: https://kelvane.example.org\r\n") +
           date.left(kFileDateLength);
}

// The help document: in the current folder as always, else where the
// installation puts it, beside the program's bin folder or in a data folder.
QString findHelpFile()
{
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kelvane/") + kHelpFile;
    for (const QString& candidate : {kHelpFile, installed}) {
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).absoluteFilePath();
    }
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("kelvane/") + kHelpFile);
}

} // namespace

void newDrawing(Editor& editor)
{
    UiPort& ui = editor.ui();
    if (!editor.mayDiscardDrawing(QStringLiteral("Have you saved are you sure ? ")))
        return;
    ui.setStatus(2, QString());
    ui.setStatus(3, QString());
    editor.doc.fileName.clear();
    editor.doc.table.clearObjects();
    editor.renderer.ClearBitmap();
    ui.setGridCurrentRow(1);
    editor.CancelTool();
    editor.doc.history.reset();
    ui.repaintGrid();
}

bool confirmExit(Editor& editor)
{
    return editor.mayDiscardDrawing(kExitQuestion);
}

void exitProgram(Editor& editor)
{
    if (confirmExit(editor))
        editor.ui().closeMainWindow();
}

void refresh(Editor& editor)
{
    UiPort& ui = editor.ui();
    editor.renderer.createBitmap(ui.surfaceSize());
    ui.setGridCurrentRow(1);
    ui.setGridEnabled(true);
    editor.RedrawAll();
    ui.repaintGrid();
}

void toggleGridDots(Editor& editor)
{
    const bool on = !editor.menuChecked(kGridDotsItem);
    editor.setMenuChecked(kGridDotsItem, on);
    editor.renderer.setGridDots(on);
    refresh(editor);
}

void enhanceImage(Editor& editor)
{
    // Until the next redraw, the bitmap holds the anti-aliased picture.
    editor.clearPreview();
    editor.renderer.enhanceImage();
    editor.renderer.PresentBitmap();
}

void changeCursor(Editor& editor)
{
    editor.setSurfaceCursor(editor.surfaceCursor() == SurfaceCursor::Cursor1
                                ? SurfaceCursor::Arrow
                                : SurfaceCursor::Cursor1);
}

void showAbout(Editor& editor)
{
    editor.ui().showAboutWindow(kAboutPicture);
    editor.ui().message(aboutText());
}

void showInfo(Editor& editor)
{
    const QString help = findHelpFile();
    if (help.isEmpty()) {
        editor.ui().message(QStringLiteral("KelvaneHelp.doc not found"));
        return;
    }
    if (!editor.ui().shellOpen(help))
        editor.ui().message(QStringLiteral("KelvaneHelp.doc could not be opened"));
}

void registerFrameCommands(CommandRegistry& commands)
{
    commands.add(QStringLiteral("mnuNewscketch"), newDrawing);
    commands.add(QStringLiteral("mnuexitapp"), exitProgram);
    commands.add(QStringLiteral("mnuRefresh"), refresh);
    commands.add(QStringLiteral("mnuSmoothImage"), enhanceImage);
    commands.add(kGridDotsItem, toggleGridDots);
    commands.add(QStringLiteral("mnuChangeCursor"), changeCursor);
    commands.add(QStringLiteral("About1"), showAbout);
    commands.add(QStringLiteral("mnuinfo"), showInfo);
}

} // namespace kel
