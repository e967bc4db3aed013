#pragma once
// The syntax of command scripts: one command a line, arguments separated by
// blanks, an argument with blanks in double quotes with the escapes \" \\ \t
// \r \n and \xNN for other control characters. Lines starting with # and blank lines hold no
// command.

#include <QString>
#include <QStringList>

#include <optional>

namespace kel {

struct ParsedLine {
    QStringList words; // empty for a comment or blank line
    QString error;     // why the line could not be split
};

ParsedLine splitScriptLine(const QString& line);

// The escapes of quoted arguments applied to a text: \" \\ \t \r \n, and
// \xNN for the other control characters.
QString escapeScriptText(const QString& text);
// The inverse for printing: a text in double quotes with its escapes.
QString quoteScriptWord(const QString& word);

} // namespace kel
