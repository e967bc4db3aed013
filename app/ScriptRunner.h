#pragma once
// Runs a command script against the real main window: `kelvane --script FILE`.
// Each line acts through the same widgets and events a user would use, and
// what happens is printed on stdout.

#include "app/ScriptSession.h"

#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QTableWidget;
class QWidget;

namespace kel {

class MainWindow;

class ScriptRunner {
public:
    ScriptRunner(MainWindow& window, ScriptSession& session);

    // Runs every line of the file; the exit status (0 when every line ran).
    // The first line that cannot run is reported on `errors`.
    int run(const QString& path, QTextStream& errors);
    // Runs one command; false (with the session's error set) when it cannot.
    bool runLine(const QStringList& words);

private:
    using Command = std::function<void(const QStringList& args)>;
    void addCommands();
    void addPointerCommands();
    void addControlCommands();
    void addGridCommands();
    void addReportCommands();
    // picture, clipboard
    void addPictureCommands();

    void fail(const QString& reason) { session_.fail(reason); }
    bool needArgs(const QStringList& args, int min, int max);
    std::optional<int> number(const QString& text, int min, int max);
    QWidget* control(const QString& name);
    void menu(const QString& item);
    void queueAnswer(const QStringList& args);
    std::optional<Colour> parseColourWord(const QString& word);
    bool parseFontAnswer(const QStringList& args, ScriptAnswer& answer);
    void moveTo(QPoint pos);
    void sendKey(QWidget* target, const QString& name);
    void gridMouse(int row, bool doubleClick, Qt::MouseButton button);
    // The command's modal window that is open (the step window), or null.
    QWidget* openModalWindow() const;
    // A control of the open modal window by its name; null (and the script
    // stopped) when it has none of that name.
    QWidget* modalControl(QWidget* modal, const QString& name);
    void pressCell(QTableWidget* table, const QStringList& cell);
    void exportBitmap(const QString& path);
    void putOnClipboard(const QStringList& args);

    MainWindow& window_;
    ScriptSession& session_;
    QHash<QString, Command> commands_;
    int line_ = 0;
};

// Makes the drawing surface exactly `size` pixels by resizing the window.
bool fitSurface(MainWindow& window, QSize size);

} // namespace kel
