#include "app/ScriptSession.h"

namespace kel {

QString printableText(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    out.replace(QLatin1Char('\n'), QStringLiteral("\\r\\n"));
    return out;
}

void ScriptSession::print(const QString& line)
{
    out_ << line << '\n';
    out_.flush();
}

std::optional<ScriptAnswer> ScriptSession::take(std::initializer_list<AnswerKind> accepted,
                                                const QString& question)
{
    if (answers_.empty()) {
        print(question + QStringLiteral(" -> (no answer)"));
        fail(question + QStringLiteral(" with no queued answer"));
        return std::nullopt;
    }
    ScriptAnswer answer = answers_.front();
    for (AnswerKind kind : accepted) {
        if (answer.kind == kind) {
            answers_.pop_front();
            print(question + QStringLiteral(" -> ") + answer.spelled);
            return answer;
        }
    }
    print(question + QStringLiteral(" -> (wrong answer)"));
    fail(question + QStringLiteral(" cannot take the queued answer '") + answer.spelled +
         QStringLiteral("' from line ") + QString::number(answer.line));
    return std::nullopt;
}

void ScriptSession::fail(const QString& reason)
{
    if (!error_)
        error_ = reason;
}

} // namespace kel
