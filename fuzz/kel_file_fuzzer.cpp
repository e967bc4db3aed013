// A KEL file opened as File > Open does it, followed by the full redraw the
// open ends with.
#include "fuzz/FuzzSupport.h"
#include "interaction/commands/FileCommands.h"

#include <QFile>
#include <QTemporaryDir>

using namespace kel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto& [ui, editor] = fuzz::startedEditor();
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("input.kel"));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size))
        qFatal("cannot write the fuzz input to %s", qPrintable(path));
    file.close();
    directOpen(editor, path);
    ui.messages.clear();
    return 0;
}
