#pragma once
// What a command script shares between its runner and its port: the queue of
// answers to questions, dialogs and popups, the printed transcript and the
// first error.

#include "model/UiPort.h"

#include <QString>
#include <QTextStream>

#include <deque>
#include <initializer_list>
#include <optional>

namespace kel {

enum class AnswerKind { Yes, No, Cancel, Text, File, Colour, Font, Popup, Print };

struct ScriptAnswer {
    AnswerKind kind = AnswerKind::Cancel;
    QString text; // text, file name, popup caption or print file
    Colour colour = 0;
    FontChoice font;
    QString spelled; // as printed after " -> "
    int line = 0;    // the script line that queued it
};

class ScriptSession {
public:
    explicit ScriptSession(QTextStream& out) : out_(out) {}

    void print(const QString& line);
    // Takes the next answer when it is of one of the accepted kinds; otherwise
    // records an error naming the question and gives nothing.
    std::optional<ScriptAnswer> take(std::initializer_list<AnswerKind> accepted,
                                     const QString& question);
    void queue(ScriptAnswer answer) { answers_.push_back(std::move(answer)); }
    const std::deque<ScriptAnswer>& answers() const { return answers_; }

    void fail(const QString& reason);
    const std::optional<QString>& error() const { return error_; }
    void clearError() { error_.reset(); }

    bool exited() const { return exited_; }
    void setExited() { exited_ = true; }

    std::optional<QPoint> pointer; // where the script's pointer is on the surface

private:
    QTextStream& out_;
    std::deque<ScriptAnswer> answers_;
    std::optional<QString> error_;
    bool exited_ = false;
};

// Line breaks inside a printed text appear as the four characters \r\n.
QString printableText(const QString& text);

} // namespace kel
