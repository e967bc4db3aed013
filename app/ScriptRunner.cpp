#include "app/ScriptRunner.h"

#include "app/DrawingSurface.h"
#include "app/MainWindow.h"
#include "app/ScriptParser.h"
#include "app/WidgetUiPort.h"
#include "interaction/commands/FileCommands.h"
#include "interaction/core/Editor.h"
#include "interaction/menus/MenuTable.h"
#include "model/Controls.h"
#include "windows/CharactersWindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>

namespace kel {

namespace {
constexpr int kFitAttempts = 4;
constexpr int kMaxScriptFontSize = 999;
} // namespace

bool fitSurface(MainWindow& window, QSize size)
{
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    for (int attempt = 0; attempt < kFitAttempts; ++attempt) {
        const QSize now = window.surface()->size();
        if (now == size)
            return true;
        window.resize(window.size() + (size - now));
        QApplication::processEvents();
    }
    return window.surface()->size() == size;
}

ScriptRunner::ScriptRunner(MainWindow& window, ScriptSession& session)
    : window_(window), session_(session)
{
    addCommands();
    addPointerCommands();
    addControlCommands();
    addGridCommands();
    addReportCommands();
    addPictureCommands();
}

int ScriptRunner::run(const QString& path, QTextStream& errors)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors << "error: cannot read " << path << ": " << file.errorString() << '\n';
        return 1;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        line_ = i + 1;
        const ParsedLine parsed = splitScriptLine(lines[i]);
        if (parsed.error.isEmpty() && parsed.words.isEmpty())
            continue;
        if (session_.exited())
            fail(QStringLiteral("the program has already exited"));
        else if (!parsed.error.isEmpty())
            fail(parsed.error);
        else
            runLine(parsed.words);
        if (session_.error()) {
            errors << "error: line " << line_ << ": " << *session_.error() << '\n';
            return 1;
        }
    }
    if (!session_.answers().empty()) {
        const ScriptAnswer& left = session_.answers().front();
        errors << "error: line " << left.line << ": answer '" << left.spelled
               << "' was never used\n";
        return 1;
    }
    return 0;
}

bool ScriptRunner::runLine(const QStringList& words)
{
    const auto it = commands_.constFind(words.first());
    if (it == commands_.constEnd()) {
        fail(QStringLiteral("unknown command '%1'").arg(words.first()));
        return false;
    }
    (*it)(words.mid(1));
    return !session_.error();
}

bool ScriptRunner::needArgs(const QStringList& args, int min, int max)
{
    if (args.size() >= min && args.size() <= max)
        return true;
    fail(min == max ? QStringLiteral("expected %1 argument(s), got %2").arg(min).arg(args.size())
                    : QStringLiteral("expected %1 to %2 arguments, got %3")
                          .arg(min)
                          .arg(max)
                          .arg(args.size()));
    return false;
}

std::optional<int> ScriptRunner::number(const QString& text, int min, int max)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) {
        fail(QStringLiteral("'%1' is not a whole number").arg(text));
        return std::nullopt;
    }
    if (value < min || value > max) {
        fail(QStringLiteral("%1 is out of range (%2 to %3)").arg(text).arg(min).arg(max));
        return std::nullopt;
    }
    return value;
}

QWidget* ScriptRunner::control(const QString& name)
{
    // Only the named controls count: a frame, a menu or a misspelt name
    // stops the script instead of acting on the wrong widget or on none.
    // The characters window's controls come after the main window's, or
    // with the window's name before theirs ("frmchars.Label1").
    const QString charsPrefix = QStringLiteral("frmchars.");
    const bool qualified = name.startsWith(charsPrefix);
    const std::optional<Control> known = qualified ? std::nullopt : controlFromName(name);
    if (known)
        return window_.port().widget(*known);
    CharactersWindow* chars = window_.charactersWindow();
    QWidget* charsControl =
        chars ? chars->control(qualified ? name.mid(charsPrefix.size()) : name) : nullptr;
    if (!charsControl) {
        fail(QStringLiteral("unknown control '%1'").arg(name));
        return nullptr;
    }
    return charsControl;
}

void ScriptRunner::addCommands()
{
    commands_.insert(QStringLiteral("menu"), [this](const QStringList& args) {
        if (needArgs(args, 1, 1))
            menu(args[0]);
    });
    commands_.insert(QStringLiteral("answer"),
                     [this](const QStringList& args) { queueAnswer(args); });
    commands_.insert(QStringLiteral("open"), [this](const QStringList& args) {
        // A file that cannot be read says so in a message, as in the window.
        if (needArgs(args, 1, 1))
            directOpen(window_.editor(), args[0]);
    });
}

void ScriptRunner::menu(const QString& name)
{
    const MenuTable& table = MenuTable::instance();
    const MenuItem* item = table.findItem(name);
    if (!item)
        item = table.findByPath(name);
    if (!item) {
        fail(QStringLiteral("unknown menu item '%1'").arg(name));
        return;
    }
    if (table.findMenu(item->component)) {
        fail(QStringLiteral("'%1' opens a submenu; name one of its items").arg(name));
        return;
    }
    const MenuDef* top = table.topMenuOf(*item);
    QMenu* topMenu = top ? window_.menus().menus.value(top->component) : nullptr;
    QAction* action = window_.menus().actions.value(item->component);
    if (!top || top->popup || !topMenu || !action) {
        fail(QStringLiteral("'%1' is not an item of the main menu").arg(name));
        return;
    }
    emit topMenu->aboutToShow();
    if (!action->isVisible() || !action->isEnabled()) {
        fail(QStringLiteral("menu item '%1' is %2")
                 .arg(name, action->isVisible() ? QStringLiteral("disabled")
                                                : QStringLiteral("not visible")));
        return;
    }
    action->trigger();
}

void ScriptRunner::queueAnswer(const QStringList& args)
{
    if (args.isEmpty()) {
        fail(QStringLiteral("answer needs a kind"));
        return;
    }
    ScriptAnswer answer;
    answer.line = line_;
    const QString& kind = args[0];
    const QStringList rest = args.mid(1);
    static const QHash<QString, AnswerKind> plain = {
        {QStringLiteral("yes"), AnswerKind::Yes},
        {QStringLiteral("no"), AnswerKind::No},
        {QStringLiteral("cancel"), AnswerKind::Cancel}};
    static const QHash<QString, AnswerKind> withText = {
        {QStringLiteral("text"), AnswerKind::Text},
        {QStringLiteral("file"), AnswerKind::File},
        {QStringLiteral("popup"), AnswerKind::Popup},
        {QStringLiteral("print"), AnswerKind::Print}};
    if (plain.contains(kind)) {
        if (!needArgs(rest, 0, 0))
            return;
        answer.kind = plain.value(kind);
        answer.spelled = kind;
    } else if (withText.contains(kind)) {
        if (!needArgs(rest, 1, 1))
            return;
        answer.kind = withText.value(kind);
        answer.text = rest[0];
        answer.spelled = kind + QLatin1Char(' ') + quoteScriptWord(rest[0]);
    } else if (kind == QStringLiteral("colour")) {
        if (!needArgs(rest, 1, 1))
            return;
        const std::optional<Colour> colour = parseColourWord(rest[0]);
        if (!colour)
            return;
        answer.kind = AnswerKind::Colour;
        answer.colour = *colour;
        answer.spelled = QStringLiteral("colour ") + rest[0].toUpper();
    } else if (kind == QStringLiteral("font")) {
        if (!parseFontAnswer(rest, answer))
            return;
    } else {
        fail(QStringLiteral("unknown answer kind '%1'").arg(kind));
        return;
    }
    session_.queue(answer);
}

std::optional<Colour> ScriptRunner::parseColourWord(const QString& word)
{
    bool ok = word.size() == 6;
    const uint value = ok ? word.toUInt(&ok, 16) : 0;
    if (!ok) {
        fail(QStringLiteral("'%1' is not a colour of six hexadecimal digits").arg(word));
        return std::nullopt;
    }
    return static_cast<Colour>(value);
}

bool ScriptRunner::parseFontAnswer(const QStringList& args, ScriptAnswer& answer)
{
    if (args.size() < 2) {
        fail(QStringLiteral("answer font needs a family and a size"));
        return false;
    }
    FontChoice font;
    font.family = args[0];
    const std::optional<int> size = number(args[1], 0, kMaxScriptFontSize);
    if (!size)
        return false;
    font.size = *size;
    QString spelled = QStringLiteral("font ") + quoteScriptWord(font.family) + QLatin1Char(' ') +
                      QString::number(font.size);
    for (int i = 2; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("bold")) {
            font.bold = true;
            spelled += QStringLiteral(" bold");
        } else if (args[i] == QStringLiteral("italic")) {
            font.italic = true;
            spelled += QStringLiteral(" italic");
        } else if (args[i] == QStringLiteral("colour") && i + 1 < args.size()) {
            const std::optional<Colour> colour = parseColourWord(args[++i]);
            if (!colour)
                return false;
            font.colour = *colour;
            spelled += QStringLiteral(" colour ") + args[i].toUpper();
        } else {
            fail(QStringLiteral("unknown font option '%1'").arg(args[i]));
            return false;
        }
    }
    answer.kind = AnswerKind::Font;
    answer.font = font;
    answer.spelled = spelled;
    return true;
}

} // namespace kel
