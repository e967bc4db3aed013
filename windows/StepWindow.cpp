#include "windows/StepWindow.h"

#include "interaction/core/Editor.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QToolButton>

namespace kel {

namespace {

const QString kCaption = QStringLiteral("Single step ");
constexpr int kBelowMainWindowTop = 100;
constexpr int kInfoHeight = 19;

QMainWindow* mainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<QMainWindow*>(widget))
            return window;
    }
    return nullptr;
}

QPushButton* textButton(QWidget* parent, const char* name, const QString& caption, QRect place)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

QToolButton* arrowButton(QWidget* parent, const char* name, Qt::ArrowType arrow,
                         const QString& caption, QPoint at)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setGeometry(at.x(), at.y(), 41, 29);
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignHCenter);
    label->setGeometry(at.x(), at.y() + 30, 41, 14);
    return button;
}

} // namespace

StepWindow::StepWindow(Editor& editor, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), replay_(editor)
{
    setObjectName(QStringLiteral("Tfrmstepbystep"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    build();
    if (parent)
        move(parent->geometry().left(), parent->geometry().top() + kBelowMainWindowTop);
}

void StepWindow::build()
{
    setFixedSize(kStepWindowWidth, kStepWindowHeight);
    auto* stepLabel = new QLabel(QStringLiteral("Step"), this);
    stepLabel->setObjectName(QStringLiteral("Label1"));
    stepLabel->setGeometry(7, 4, 26, 16);
    auto* step = new QLineEdit(QStringLiteral("1"), this);
    step->setObjectName(QStringLiteral("edtstepval"));
    step->setMaxLength(2);
    step->setGeometry(34, 2, 26, 20);
    connect(step, &QLineEdit::textEdited, step,
            [step](const QString& text) { step->setText(text.toUpper()); });

    connect(textButton(this, "btndone", QStringLiteral("Done"), {65, 1, 45, 22}),
            &QPushButton::clicked, this, &StepWindow::done);
    connect(arrowButton(this, "btnnextobj", Qt::RightArrow, QStringLiteral("Next"), {7, 28}),
            &QToolButton::clicked, this, [this] {
                replay_.next();
                showInfo();
            });
    connect(arrowButton(this, "btnprev", Qt::LeftArrow, QStringLiteral("Prev"), {64, 28}),
            &QToolButton::clicked, this, [this] {
                replay_.previous();
                showInfo();
            });
    connect(textButton(this, "Button1", QStringLiteral("Refrsh"), {124, 32, 60, 22}),
            &QPushButton::clicked, this, [this] { replay_.redraw(); });
    textButton(this, "btnFirst", QStringLiteral("First"), {65, 76, 41, 22});
    textButton(this, "BtnLast", QStringLiteral("Last"), {7, 77, 41, 22});
    connect(textButton(this, "Button2", QStringLiteral("To Clipbrd"), {112, 68, 80, 22}),
            &QPushButton::clicked, this, [this] { replay_.copyPicture(); });

    info_ = new QLabel(QStringLiteral("."), this);
    info_->setObjectName(QStringLiteral("stinfo"));
    info_->setFrameShape(QFrame::Box);
    info_->setAutoFillBackground(true);
    QPalette palette = info_->palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 0));
    info_->setPalette(palette);
    info_->setGeometry(0, kStepWindowHeight - kInfoHeight, kStepWindowWidth, kInfoHeight);
}

void StepWindow::showInfo()
{
    if (!replay_.info().isEmpty())
        info_->setText(replay_.info());
}

void StepWindow::done()
{
    replay_.finish();
    accept();
}

void StepWindow::reject()
{
    // Esc, Alt+F4 and the title bar end the replay as Done does.
    replay_.finish();
    QDialog::reject();
}

void StepWindow::run(Editor& editor)
{
    auto* window = new StepWindow(editor, mainWindow());
    window->show();
    if (editor.ui().modalWindowOpening(kCaption))
        window->exec();
}

} // namespace kel
