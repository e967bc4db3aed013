// Kelvane: start-up. Without options the main window opens; `--script` runs
// a command script against the same window headless, after the drawing named
// on the command line has been opened as at start-up.

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/ScriptRunner.h"
#include "app/ScriptUiPort.h"
#include "interaction/commands/FileCommands.h"
#include "interaction/core/Editor.h"
#include "output/PictureExport.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QStringList rawArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Stderr of a script run carries only its own errors; Qt's notes about the
// headless platform (no runtime folder, no size hints) would drown them.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "qt: %s\n", qPrintable(text));
}

// A first argument that names an existing file is opened as a drawing;
// anything else is ignored and the window starts empty.
void openStartupDrawing(kel::MainWindow& window, const QString& drawing)
{
    if (!drawing.isEmpty() && QFileInfo(drawing).isFile())
        kel::directOpen(window.editor(), drawing);
}

// The export has written and closed its file. Tearing the application down
// would only make Qt's font database read the whole font configuration in
// order to let go of it, so the process ends here.
[[noreturn]] void endExport(int code)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
}

int runScript(const kel::CommandLine& line)
{
    QTextStream out(stdout);
    QTextStream errors(stderr);
    kel::ScriptSession session(out);
    kel::MainWindow window(
        [&session](kel::MainWindow& w) { return std::make_unique<kel::ScriptUiPort>(w, session); });
    if (!kel::fitSurface(window, line.surface)) {
        errors << "error: cannot make the drawing surface " << line.surface.width() << 'x'
               << line.surface.height() << " pixels\n";
        return 1;
    }
    // Opened once the surface has its final size, as the window opens it
    // once shown.
    openStartupDrawing(window, line.drawing);
    return kel::ScriptRunner(window, session).run(line.script, errors);
}

} // namespace

int main(int argc, char** argv)
{
    const kel::CommandLine line = kel::parseCommandLine(rawArguments(argc, argv));
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "kelvane: %s\n%s", qPrintable(line.error),
                     qPrintable(kel::usageText()));
        return 2;
    }
    if (line.mode == kel::CommandLine::Mode::Help) {
        std::fputs(qPrintable(kel::usageText()), stdout);
        return 0;
    }
    if (line.mode == kel::CommandLine::Mode::Export) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietQtMessages);
        QGuiApplication app(argc, argv);
        kel::ExportRequest request;
        request.input = line.exportInput;
        request.output = line.exportOutput;
        request.surface = line.surface;
        request.crop = line.crop;
        request.enhance = line.enhance;
        request.scale = line.scale;
        const kel::ExportOutcome outcome = kel::exportPicture(request);
        // The picture is written even when some rows could not be drawn;
        // the window would say so in its status bar.
        if (!outcome.report.isEmpty())
            std::fprintf(stderr, "kelvane: %s\n", qPrintable(outcome.report));
        if (!outcome.error.isEmpty()) {
            std::fprintf(stderr, "kelvane: %s\n", qPrintable(outcome.error));
            endExport(1);
        }
        std::printf("%s written\n", qPrintable(line.exportOutput));
        endExport(0);
    }
    const bool script = line.mode == kel::CommandLine::Mode::Script;
    if (script && !line.display)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (script && qEnvironmentVariableIsEmpty("KELVANE_QT_MESSAGES"))
        qInstallMessageHandler(quietQtMessages);
    if (!hasDisplay()) {
        std::fputs("kelvane: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Run it on a desktop, under xvfb-run, or headless with\n"
                   "  kelvane --script FILE   (see kelvane --help)\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    if (script)
        return runScript(line);

    kel::MainWindow window;
    // At the desk the hover pick pauses between picks; scripts do not wait.
    window.editor().hoverThrottle.setEnabled(true);
    window.editor().gridHoverThrottle.setEnabled(true);
    window.show();
    openStartupDrawing(window, line.drawing);
    return QApplication::exec();
}
