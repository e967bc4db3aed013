#include "app/PageControl.h"

#include "app/InterfaceFont.h"

#include <QCheckBox>
#include <QFont>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyleOptionButton>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

#include <algorithm>

namespace kel {

// ClickLabel ---------------------------------------------------------------

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit clicked();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

// ColourSwatch -------------------------------------------------------------

ColourSwatch::ColourSwatch(QRgb colour, QWidget* parent) : ClickLabel(QString(), parent)
{
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setCursor(Qt::CrossCursor);
    setColour(colour);
}

void ColourSwatch::setColour(QRgb colour)
{
    colour_ = colour | 0xFF000000u;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(colour_));
    setPalette(pal);
}

void ColourSwatch::setModelColour(Colour colour)
{
    setColour(toQRgb(colour));
}

Colour ColourSwatch::modelColour() const
{
    return fromQRgb(colour_);
}

// BrushPreview -------------------------------------------------------------

BrushPreview::BrushPreview(QWidget* parent) : QWidget(parent) {}

void BrushPreview::setPattern(int pattern)
{
    if (pattern == pattern_)
        return;
    pattern_ = pattern;
    update();
}

void BrushPreview::setColour(QRgb colour)
{
    colour_ = colour | 0xFF000000u;
    update();
}

void BrushPreview::paintEvent(QPaintEvent*)
{
    // Pattern numbers as brush styles: 2 horizontal, 3 vertical, 4 forward
    // diagonal, 5 backward diagonal, 6 cross, 7 diagonal cross.
    static constexpr Qt::BrushStyle kHatches[] = {
        Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
        Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern,
    };
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    if (pattern_ >= 2 && pattern_ <= 7)
        painter.setBrush(QBrush(QColor::fromRgb(colour_), kHatches[pattern_ - 2]));
    else
        painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(0, 0, width() - 1, height() - 1), 4, 4);
}

// RadioGroup ---------------------------------------------------------------

RadioGroup::RadioGroup(const QString& title, const QStringList& captions,
                       const QList<Control>& items, QWidget* parent)
    : QGroupBox(title, parent)
{
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto* rb = new QRadioButton(captions[i], this);
        rb->setObjectName(i < items.size() ? controlName(items[i]) : QString());
        rb->setGeometry(8, 18 + static_cast<int>(i) * 19, 80, 19);
        const int index = static_cast<int>(i);
        connect(rb, &QRadioButton::toggled, this, [this, index](bool on) {
            if (on)
                emit itemIndexChanged(index);
        });
        buttons_.append(rb);
    }
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < count()) {
        buttons_[index]->setChecked(true);
        return;
    }
    // No selection: lift the exclusivity for a moment to clear the checked one.
    for (QRadioButton* rb : buttons_) {
        rb->setAutoExclusive(false);
        rb->setChecked(false);
        rb->setAutoExclusive(true);
    }
}

// PageControl --------------------------------------------------------------

namespace {

// Pages whose tab is hidden are still made current from code. The stock tab
// bar then draws the hidden current tab's caption in a corner; this one draws
// only the shown tabs, none of them selected.
class PageTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        const int current = currentIndex();
        if (current < 0 || isTabVisible(current)) {
            QTabBar::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        for (int i = 0; i < count(); ++i) {
            if (!isTabVisible(i))
                continue;
            QStyleOptionTab option;
            initStyleOption(&option, i);
            painter.drawControl(QStyle::CE_TabBarTab, option);
        }
    }
};

} // namespace

PageControl::PageControl(QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("pgc"));
    // The pages are laid out in pixels for the interface font.
    setFont(interfaceFont());
    setTabBar(new PageTabBar(this));

    struct PageDef {
        const char* caption;
        const char* name;
        void (*build)(QWidget*);
    };
    static constexpr PageDef kPages[kPageCount] = {
        {"T1", "tsT1", pages::buildT1},
        {"T2", "tsT2", pages::buildT2},
        {"Edit", "tsEdit", pages::buildEdit},
        {"Move", "tsMove", pages::buildMove},
        {"Triangle", "tsTriangle", pages::buildTriangle},
        {"Bezier", "tsBezier", pages::buildBezier},
        {"T7", "tsT7", pages::buildT7},
    };
    for (const PageDef& def : kPages) {
        // Parented first, so the labels size themselves in the pages' font.
        auto* page = new QWidget(this);
        page->setObjectName(QLatin1String(def.name));
        def.build(page);
        addTab(page, QLatin1String(def.caption));
    }

    setCurrentIndex(kPageT1);
    setTabShown(kPageEdit, false);
    setTabShown(kPageMove, false);
}

QWidget* PageControl::page(int index) const
{
    return widget(index);
}

void PageControl::showPage(int index)
{
    setCurrentIndex(index);
}

void PageControl::setTabShown(int index, bool shown)
{
    setTabVisible(index, shown);
}

bool PageControl::tabShown(int index) const
{
    return isTabVisible(index);
}

// Helpers shared by the page builders --------------------------------------

namespace pages {

QLabel* label(QWidget* parent, Control control, const QString& text, int x, int y, int width,
              int height)
{
    auto* lb = new QLabel(text, parent);
    lb->setObjectName(controlName(control));
    const QSize hint = lb->sizeHint();
    lb->setGeometry(x, y, width > 0 ? std::max(width, hint.width()) : hint.width(),
                    height > 0 ? height : hint.height());
    return lb;
}

QLineEdit* edit(QWidget* parent, Control control, const QString& text, int maxLength, int x, int y,
                int width, int height)
{
    auto* ed = new QLineEdit(parent);
    ed->setObjectName(controlName(control));
    ed->setMaxLength(maxLength);
    ed->setText(text);
    ed->setGeometry(x, y, width, height);
    return ed;
}

QLineEdit* digitsOnly(QLineEdit* box)
{
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    return box;
}

namespace {

// A captioned control with its component name at its design place.
// A button's caption keeps its whole text: where the font is wider than the
// one the page was laid out for, the control grows to the right.
template <class Widget>
Widget* placed(QWidget* parent, Control control, const QString& text, int x, int y, int width,
               int height)
{
    auto* widget = new Widget(text, parent);
    widget->setObjectName(controlName(control));
    widget->setGeometry(x, y, width, height);
    const int missing = captionWidth(*widget, widget->text()) - buttonTextRoom(*widget);
    if (!text.isEmpty() && missing > 0)
        widget->resize(width + missing, height);
    return widget;
}

} // namespace

int captionWidth(const QWidget& widget, const QString& caption)
{
    int widest = 0;
    for (const QString& line : QString(caption).remove(QLatin1Char('&')).split(QLatin1Char('\n')))
        widest = std::max(widest, widget.fontMetrics().horizontalAdvance(line));
    return widest;
}

int buttonTextRoom(const QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QStyle* style = button.style();
    // A push button centres its caption, which may run into the padding up
    // to the frame; a check box or radio button starts it after the mark.
    if (qobject_cast<const QCheckBox*>(&button))
        return style->subElementRect(QStyle::SE_CheckBoxContents, &option, &button).width();
    if (qobject_cast<const QRadioButton*>(&button))
        return style->subElementRect(QStyle::SE_RadioButtonContents, &option, &button).width();
    return button.width() - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
}

QPushButton* button(QWidget* parent, Control control, const QString& text, int x, int y, int width,
                    int height)
{
    return placed<QPushButton>(parent, control, text, x, y, width, height);
}

QCheckBox* checkBox(QWidget* parent, Control control, const QString& text, int x, int y, int width,
                    int height)
{
    return placed<QCheckBox>(parent, control, text, x, y, width, height);
}

QRadioButton* radio(QWidget* parent, Control control, const QString& text, int x, int y, int width,
                    int height)
{
    return placed<QRadioButton>(parent, control, text, x, y, width, height);
}

void setTextColour(QWidget* widget, QRgb colour)
{
    QPalette pal = widget->palette();
    const QColor c = QColor::fromRgb(colour);
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::ButtonText, c);
    widget->setPalette(pal);
}

void setBackground(QWidget* widget, QRgb colour)
{
    QPalette pal = widget->palette();
    const QColor c = QColor::fromRgb(colour);
    if (qobject_cast<QLineEdit*>(widget)) {
        pal.setColor(QPalette::Base, c);
    } else {
        pal.setColor(QPalette::Window, c);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(pal);
}

} // namespace pages

} // namespace kel
