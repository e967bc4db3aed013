#pragma once
// The page control `pgc` below the object table: seven tab pages holding the
// drawing attributes, the cell editor, the move box, the triangle values, the
// Bezier point boxes and the three value boxes. Every control carries its
// component name as objectName; the main window reaches them by that name.

#include "model/Colour.h"
#include "model/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <QTabWidget>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kel {

// Page indexes of pgc, in tab order.
enum PageIndex : int {
    kPageT1 = 0,
    kPageT2 = 1,
    kPageEdit = 2,
    kPageMove = 3,
    kPageTriangle = 4,
    kPageBezier = 5,
    kPageT7 = 6,
    kPageCount = 7,
};

// A label that reports a left-button press as a click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A colour swatch: a framed, clickable patch of one colour with a cross cursor.
// colour() is Qt's 0xAARRGGBB; modelColour() is the drawing's 0x00BBGGRR.
class ColourSwatch : public ClickLabel {
    Q_OBJECT
public:
    explicit ColourSwatch(QRgb colour, QWidget* parent = nullptr);

    void setColour(QRgb colour);
    QRgb colour() const { return colour_; }
    void setModelColour(Colour colour);
    Colour modelColour() const;

private:
    QRgb colour_ = 0;
};

// The rounded rectangle beside the brush pattern box. Pattern 0 (and the
// clear style 1) show no fill; 2 to 7 show that hatch in the brush colour.
class BrushPreview : public QWidget {
    Q_OBJECT
public:
    explicit BrushPreview(QWidget* parent = nullptr);

    void setPattern(int pattern);
    int pattern() const { return pattern_; }
    void setColour(QRgb colour);
    QRgb colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int pattern_ = 0;
    QRgb colour_ = 0xFF808080;
};

// A framed group of radio buttons, one of which is selected, addressed by index.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    // One radio button per caption, each the control of the same place in
    // `items`.
    RadioGroup(const QString& title, const QStringList& captions, const QList<Control>& items,
               QWidget* parent = nullptr);

    void setItemIndex(int index);
    int count() const { return static_cast<int>(buttons_.size()); }

signals:
    void itemIndexChanged(int index);

private:
    QList<QRadioButton*> buttons_;
};

class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    QWidget* page(int index) const;
    void showPage(int index);
    // Hides or shows a tab; its page stays at the same index and can still be
    // made current from code.
    void setTabShown(int index, bool shown);
    bool tabShown(int index) const;

    // A control of any page; nullptr when it is not of that kind.
    template <class T> T* control(Control control) const
    {
        return findChild<T*>(controlName(control));
    }
    // Any named widget of the pages (a frame or group too) by its objectName.
    template <class T> T* control(const QString& name) const { return findChild<T*>(name); }
};

// Builders of the single pages, one file each, and the small helpers they
// share. Positions are pixels from the page's (or group's) top-left corner.
namespace pages {

void buildT1(QWidget* page);
void buildT2(QWidget* page);
void buildEdit(QWidget* page);
void buildMove(QWidget* page);
void buildTriangle(QWidget* page);
void buildBezier(QWidget* page);
void buildT7(QWidget* page);

QLabel* label(QWidget* parent, Control control, const QString& text, int x, int y, int width = -1,
              int height = -1);
QLineEdit* edit(QWidget* parent, Control control, const QString& text, int maxLength, int x, int y,
                int width, int height = 21);
// A box that takes only the digits 0..9: any other character leaves it as
// it was.
QLineEdit* digitsOnly(QLineEdit* box);
QPushButton* button(QWidget* parent, Control control, const QString& text, int x, int y, int width,
                    int height = 23);
QCheckBox* checkBox(QWidget* parent, Control control, const QString& text, int x, int y, int width,
                    int height = 19);
QRadioButton* radio(QWidget* parent, Control control, const QString& text, int x, int y, int width,
                    int height = 19);
// The width a push button, check box or radio button gives its caption.
int buttonTextRoom(const QAbstractButton& button);
// The width of a caption's widest line.
int captionWidth(const QWidget& widget, const QString& caption);
// Colours of text (foreground) and of the background of a label or box.
void setTextColour(QWidget* widget, QRgb colour);
void setBackground(QWidget* widget, QRgb colour);

} // namespace pages

} // namespace kel
