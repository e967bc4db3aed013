#include "app/ScriptParser.h"

namespace kel {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

std::optional<QChar> unescape(QChar c)
{
    switch (c.unicode()) {
    case '"':
        return QLatin1Char('"');
    case '\\':
        return QLatin1Char('\\');
    case 't':
        return QLatin1Char('\t');
    case 'r':
        return QLatin1Char('\r');
    case 'n':
        return QLatin1Char('\n');
    default:
        return std::nullopt;
    }
}

} // namespace

ParsedLine splitScriptLine(const QString& line)
{
    ParsedLine parsed;
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return parsed;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        while (i < n && isBlank(line[i]))
            ++i;
        if (i >= n || line[i] == QLatin1Char('\r') || line[i] == QLatin1Char('\n'))
            break;
        QString word;
        if (line[i] == QLatin1Char('"')) {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = line[i++];
                if (c == QLatin1Char('"')) {
                    closed = true;
                    break;
                }
                if (c != QLatin1Char('\\')) {
                    word += c;
                    continue;
                }
                if (i + 2 < n && line[i] == QLatin1Char('x')) {
                    bool ok = false;
                    const uint code = line.mid(i + 1, 2).toUInt(&ok, 16);
                    if (ok) {
                        word += QChar(code);
                        i += 3;
                        continue;
                    }
                }
                const std::optional<QChar> escaped = i < n ? unescape(line[i]) : std::nullopt;
                if (!escaped) {
                    parsed.error = QStringLiteral("unknown escape in a quoted argument");
                    return parsed;
                }
                word += *escaped;
                ++i;
            }
            if (!closed) {
                parsed.error = QStringLiteral("unterminated quoted argument");
                return parsed;
            }
            if (i < n && !isBlank(line[i]) && line[i] != QLatin1Char('\r') &&
                line[i] != QLatin1Char('\n')) {
                parsed.error = QStringLiteral("a quoted argument must be followed by a blank");
                return parsed;
            }
        } else {
            while (i < n && !isBlank(line[i]) && line[i] != QLatin1Char('\r') &&
                   line[i] != QLatin1Char('\n'))
                word += line[i++];
        }
        parsed.words << word;
    }
    return parsed;
}

QString escapeScriptText(const QString& text)
{
    QString out;
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out;
}

QString quoteScriptWord(const QString& word)
{
    return QLatin1Char('"') + escapeScriptText(word) + QLatin1Char('"');
}

} // namespace kel
