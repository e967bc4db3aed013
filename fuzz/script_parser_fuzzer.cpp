// Command script text split into lines and words as the script runner reads
// a script file. Every word a line gives must come back unchanged when it is
// quoted for printing and split again.
#include "app/ScriptParser.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace kel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const ParsedLine parsed = splitScriptLine(line);
        for (const QString& word : parsed.words) {
            const ParsedLine again = splitScriptLine(quoteScriptWord(word));
            if (!again.error.isEmpty() || again.words != QStringList{word}) {
                std::fprintf(stderr, "word does not survive quoting: %s\n",
                             qPrintable(quoteScriptWord(word)));
                std::abort();
            }
        }
    }
    return 0;
}
