#pragma once
// The program's command line: a drawing to open, or one of the headless
// modes (`--script FILE`).

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace kel {

struct CommandLine {
    enum class Mode { Window, Script, Export, Help };
    Mode mode = Mode::Window;
    QString drawing;         // first plain argument: opened at start-up, also before a script
    QString script;          // --script FILE
    QSize surface{800, 600}; // --surface WxH
    bool display = false;    // --display: scripts run in a real window
    QString exportInput;     // --export IN OUT
    QString exportOutput;
    bool enhance = false;      // --enhance: the export anti-aliased
    std::optional<QRect> crop; // --crop x,y,w,h: the part of the surface exported
    double scale = 1.0;        // --scale F: SVG and PDF at F times their true size
    QString error;             // why the arguments could not be read
};

CommandLine parseCommandLine(const QStringList& arguments);
QString usageText();

} // namespace kel
