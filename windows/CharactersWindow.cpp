#include "windows/CharactersWindow.h"

#include "interaction/core/AttributeControls.h"
#include "interaction/core/Editor.h"
#include "model/KelText.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

namespace kel {

namespace {

constexpr int kCellSize = 21;
constexpr int kTableFontPixels = 13;
// The table font's size in points as the text page takes it: 13 pixels at
// the desktop's 96 dots per inch.
constexpr int kTableFontPoints = 10;

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect at)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(at);
    return button;
}

} // namespace

CharactersWindow::CharactersWindow(QWidget* parent, Editor& editor)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      editor_(editor)
{
    setObjectName(QStringLiteral("Tfrmchars"));
    setWindowTitle(QStringLiteral("Extended characters"));
    resize(382, 452);

    table_ = new QTableWidget(kCells, kCells, this);
    table_->setObjectName(QStringLiteral("sgchars"));
    table_->setGeometry(4, 0, 369, 363);
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setDefaultSectionSize(kCellSize);
    table_->verticalHeader()->setDefaultSectionSize(kCellSize);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // No cell looks selected: the selection is painted like any other cell.
    table_->setStyleSheet(QStringLiteral(
        "QTableWidget::item:selected { background: palette(base); color: palette(text); }"));
    table_->setMouseTracking(true);
    table_->viewport()->setMouseTracking(true);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(kTableFontPixels);
    setTableFont(font);
    connect(table_, &QTableWidget::cellEntered, this, &CharactersWindow::pointAtCell);
    connect(table_, &QTableWidget::cellPressed, this, &CharactersWindow::insertCell);

    text_ = new QLineEdit(QStringLiteral("ABCD"), this);
    text_->setObjectName(QStringLiteral("edtkeltext"));
    text_->setGeometry(4, 367, 349, 21);
    connect(text_, &QLineEdit::textChanged, this,
            [this](const QString& text) { editor_.attributes.setBoxText(controls::kText, text); });

    QPushButton* fontButton =
        makeButton(this, "btnselfont", QStringLiteral("Font"), QRect(4, 391, 75, 25));
    QFont bold = fontButton->font();
    bold.setBold(true);
    fontButton->setFont(bold);
    connect(fontButton, &QPushButton::clicked, this, &CharactersWindow::chooseFont);
    connect(makeButton(this, "btnclearedt", QStringLiteral("Clear"), QRect(96, 391, 61, 25)),
            &QPushButton::clicked, text_, &QLineEdit::clear);
    connect(makeButton(this, "Button1", QStringLiteral("Close"), QRect(172, 392, 75, 25)),
            &QPushButton::clicked, this, &QWidget::close);

    codeLabel_ = new QLabel(QStringLiteral("247"), this);
    codeLabel_->setObjectName(QStringLiteral("Label1"));
    codeLabel_->setGeometry(264, 400, 49, 17);
    codeLabel_->setAlignment(Qt::AlignCenter);
    codeLabel_->setAutoFillBackground(true);
    QPalette yellow = codeLabel_->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    codeLabel_->setPalette(yellow);
}

QWidget* CharactersWindow::control(const QString& name) const
{
    static const QStringList kNames = {QStringLiteral("sgchars"),    QStringLiteral("edtkeltext"),
                                       QStringLiteral("btnselfont"), QStringLiteral("btnclearedt"),
                                       QStringLiteral("Button1"),    QStringLiteral("Label1")};
    if (!kNames.contains(name))
        return nullptr;
    return findChild<QWidget*>(name);
}

void CharactersWindow::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    fillTable();
    QWidget::showEvent(event);
}

void CharactersWindow::closeEvent(QCloseEvent* event)
{
    editor_.attributes.setFont(table_->font().family(), kTableFontPoints);
    event->accept();
}

void CharactersWindow::fillTable()
{
    for (int row = 0; row < kCells; ++row) {
        for (int column = 0; column < kCells; ++column) {
            const std::optional<QChar> character = singleByteCharacter(codeAt(column, row));
            auto* item = new QTableWidgetItem(character ? QString(*character) : QString());
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            table_->setItem(row, column, item);
        }
    }
}

void CharactersWindow::pointAtCell(int row, int column)
{
    const int code = codeAt(column, row);
    const std::optional<QChar> character = singleByteCharacter(code);
    codeLabel_->setText(
        QStringLiteral("%1 %2").arg(code).arg(character ? QString(*character) : QString()));
}

// The character goes in at the caret, and the caret behind it.
void CharactersWindow::insertCell(int row, int column)
{
    pointAtCell(row, column);
    const std::optional<QChar> character = singleByteCharacter(codeAt(column, row));
    if (!character)
        return;
    const int caret = text_->cursorPosition();
    QString text = text_->text();
    text.insert(caret, *character);
    text_->setText(text);
    text_->setCursorPosition(caret + 1);
}

void CharactersWindow::chooseFont()
{
    const QFont current = table_->font();
    FontChoice start;
    start.family = current.family();
    start.size = kTableFontPoints;
    if (const std::optional<FontChoice> chosen = editor_.ui().fontDialog(start)) {
        QFont font(chosen->family);
        font.setPixelSize(kTableFontPixels);
        setTableFont(font);
    }
}

void CharactersWindow::setTableFont(const QFont& font)
{
    table_->setFont(font);
}

} // namespace kel
