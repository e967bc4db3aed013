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
        fail(QStringLiteral("no answer queued for ") + question);
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
    fail(QStringLiteral("the answer '%1' queued at line %2 does not fit %3")
             .arg(answer.spelled)
             .arg(answer.line)
             .arg(question));
    return std::nullopt;
}

void ScriptSession::fail(const QString& reason)
{
    if (!error_)
        error_ = reason;
}

} // namespace kel
