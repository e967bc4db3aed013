#include "app/CommandLine.h"

#include <QRegularExpression>

namespace kel {

namespace {
constexpr int kMaxSurfaceSide = 16384;
constexpr double kMaxScale = 100;
} // namespace

QString usageText()
{
    return QStringLiteral(
        "usage: kelvane [drawing.kel]\n"
        "       kelvane [drawing.kel] --script FILE [--surface WxH] [--display]\n"
        "  drawing.kel     opened at start-up, also before a script; ignored if missing\n"
        "  --script FILE   run the command script FILE headless and print what happens\n"
        "  --surface WxH   size of the drawing surface in pixels (default 800x600)\n"
        "  --display       show the window on the display while the script runs\n"
        "       kelvane --export IN.kel OUT [--surface WxH] [--crop X,Y,W,H] [--enhance]\n"
        "                                   [--scale F]\n"
        "  --export        render the drawing headless into a picture; the extension of\n"
        "                  OUT chooses the format: .png or .jpg (pixels), .emf (vectors),\n"
        "                  .svg or .pdf (vectors at true size, 96 pixels to the inch)\n"
        "  --crop X,Y,W,H  export only this part of the surface (default all of it)\n"
        "  --enhance       anti-alias a PNG or JPG picture\n"
        "  --scale F       SVG and PDF at F times their true size (default 1)\n");
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            line.mode = CommandLine::Mode::Help;
        } else if (arg == QStringLiteral("--script")) {
            if (!hasValue) {
                line.error = QStringLiteral("--script needs a file");
                return line;
            }
            line.mode = CommandLine::Mode::Script;
            line.script = arguments[++i];
        } else if (arg == QStringLiteral("--surface")) {
            static const QRegularExpression size(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
            const auto match = hasValue ? size.match(arguments[i + 1]) : QRegularExpressionMatch();
            const int w = match.hasMatch() ? match.captured(1).toInt() : 0;
            const int h = match.hasMatch() ? match.captured(2).toInt() : 0;
            if (w < 1 || h < 1 || w > kMaxSurfaceSide || h > kMaxSurfaceSide) {
                line.error = QStringLiteral("--surface needs a size like 800x600 (1 to %1 a side)")
                                 .arg(kMaxSurfaceSide);
                return line;
            }
            line.surface = QSize(w, h);
            ++i;
        } else if (arg == QStringLiteral("--export")) {
            if (i + 2 >= arguments.size()) {
                line.error = QStringLiteral("--export needs a KEL file and a picture file");
                return line;
            }
            line.mode = CommandLine::Mode::Export;
            line.exportInput = arguments[++i];
            line.exportOutput = arguments[++i];
        } else if (arg == QStringLiteral("--crop")) {
            static const QRegularExpression area(
                QStringLiteral("^(-?\\d{1,6}),(-?\\d{1,6}),(-?\\d{1,6}),(-?\\d{1,6})$"));
            const auto match = hasValue ? area.match(arguments[i + 1]) : QRegularExpressionMatch();
            if (!match.hasMatch()) {
                line.error = QStringLiteral("--crop needs an area like 10,20,300,200 (x,y,w,h)");
                return line;
            }
            line.crop = QRect(match.captured(1).toInt(), match.captured(2).toInt(),
                              match.captured(3).toInt(), match.captured(4).toInt());
            ++i;
        } else if (arg == QStringLiteral("--scale")) {
            bool number = false;
            const double scale = hasValue ? arguments[i + 1].toDouble(&number) : 0;
            if (!number || !(scale > 0) || scale > kMaxScale) {
                line.error =
                    QStringLiteral("--scale needs a number above 0 and at most %1").arg(kMaxScale);
                return line;
            }
            line.scale = scale;
            ++i;
        } else if (arg == QStringLiteral("--enhance")) {
            line.enhance = true;
        } else if (arg == QStringLiteral("--display")) {
            line.display = true;
        } else if (arg.startsWith(QStringLiteral("--"))) {
            line.error = QStringLiteral("unknown option %1").arg(arg);
            return line;
        } else if (line.drawing.isEmpty()) {
            line.drawing = arg;
        }
    }
    return line;
}

} // namespace kel
