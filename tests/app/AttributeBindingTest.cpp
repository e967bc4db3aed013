#include "app/DrawingSurface.h"
#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/WidgetUiPort.h"
#include "interaction/AttributeControls.h"
#include "interaction/Editor.h"
#include "model/Controls.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <deque>

namespace kel {
namespace {

using namespace controls;

// The widget port with the input box and the dialogs answered from lists.
class AnsweringPort : public WidgetUiPort {
public:
    using WidgetUiPort::WidgetUiPort;
    template <class T> static std::optional<T> take(std::deque<T>& answers)
    {
        if (answers.empty())
            return std::nullopt;
        const T answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString inputBox(const QString&, const QString&, const QString& defaultText) override
    {
        return take(texts).value_or(defaultText);
    }
    std::optional<Colour> colourDialog(Colour) override { return take(colours); }
    std::optional<FontChoice> fontDialog(const FontChoice&) override { return font; }
    void message(const QString& text) override { messages.push_back(text); }

    std::deque<QString> texts;
    std::deque<Colour> colours;
    std::optional<FontChoice> font;
    QStringList messages;
};

class AttributeBindingTest : public ::testing::Test {
protected:
    AttributeBindingTest()
        : window([this](MainWindow& w) {
              auto made = std::make_unique<AnsweringPort>(w);
              port = made.get();
              return made;
          })
    {
        window.show();
        window.activateWindow();
        QApplication::processEvents();
    }

    template <class T = QWidget> T* widget(Control name)
    {
        T* found = window.pages()->control<T>(name);
        EXPECT_NE(found, nullptr) << controlName(name).toStdString();
        return found;
    }
    // A key as the user presses it in a box that has the focus.
    void key(Control box, int code, const QString& text = {})
    {
        QLineEdit* edit = widget<QLineEdit>(box);
        for (int page = 0; page < kPageCount; ++page) {
            if (window.pages()->page(page)->isAncestorOf(edit))
                window.pages()->showPage(page);
        }
        edit->setFocus();
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &press);
    }
    void typeOver(Control box, const QString& text)
    {
        widget<QLineEdit>(box)->selectAll();
        widget<QLineEdit>(box)->insert(text);
    }
    void click(QWidget* target)
    {
        const QPointF centre = target->rect().center();
        QMouseEvent press(QEvent::MouseButtonPress, centre, target->mapToGlobal(centre),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

    Editor& editor() { return window.editor(); }
    kel::AttributePanel& panel() { return editor().doc.panel; }

    AnsweringPort* port = nullptr;
    MainWindow window;
};

TEST_F(AttributeBindingTest, PatternBoxDrivesTransparencyAndPreview)
{
    auto* trans = widget<QCheckBox>(kTransparent);
    auto* preview = widget<BrushPreview>(Control::shpbrush);
    typeOver(kBrushPattern, "5");
    EXPECT_FALSE(trans->isChecked());
    EXPECT_EQ(editor().doc.current.brushStyle, 5);

    key(kBrushPattern, Qt::Key_PageDown);
    EXPECT_EQ(widget<QLineEdit>(kBrushPattern)->text(), "7");
    EXPECT_EQ(panel().brushPattern.value, 7);
    EXPECT_EQ(preview->pattern(), 7);

    // A typed 9 arrives as 0.
    widget<QLineEdit>(kBrushPattern)->selectAll();
    key(kBrushPattern, Qt::Key_9, "9");
    EXPECT_EQ(widget<QLineEdit>(kBrushPattern)->text(), "0");
    EXPECT_TRUE(panel().transparentObjects);
    EXPECT_TRUE(trans->isChecked());
}

TEST_F(AttributeBindingTest, SpinRefusedAndEndingKeysInTheBoxes)
{
    typeOver(kRadius, "999");
    key(kRadius, Qt::Key_Up);
    EXPECT_EQ(panel().radius.value, 20);
    key(kRadius, Qt::Key_X, "x");
    EXPECT_EQ(widget<QLineEdit>(kRadius)->text(), "20");

    // The size box turns red on a refused key and yellow again after.
    auto* size = widget<QLineEdit>(kFontSize);
    key(kFontSize, Qt::Key_A, "a");
    EXPECT_EQ(size->palette().color(QPalette::Base), QColor(Qt::red));
    key(kFontSize, Qt::Key_5, "5");
    EXPECT_EQ(size->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(panel().fontSize.value, 145);

    // Esc ends the tool and hands the focus to the surface.
    editor().tool.mode = ToolMode::ArbitraryLine;
    key(kAngle2, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(editor().tool.mode, ToolMode::Idle);
    EXPECT_TRUE(window.surface()->hasFocus());
    key(kTextAngle, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(window.surface()->hasFocus());
}

TEST_F(AttributeBindingTest, SwatchesButtonsAndLabels)
{
    auto* boundary = widget<ColourSwatch>(kBoundarySwatch);
    port->colours.push_back(0xFFFFFF);
    widget<QPushButton>(Control::btnpencol)->click();
    EXPECT_EQ(widget<ColourSwatch>(kPenSwatch)->modelColour(), 0xFFFFFEu);
    EXPECT_EQ(boundary->modelColour(), 0xFFFFFEu);

    port->texts.push_back("00ff00");
    click(widget<ColourSwatch>(kBrushSwatch));
    EXPECT_EQ(panel().brushSwatch, 0x00FF00u);
    port->texts.push_back("12G456");
    click(boundary);
    EXPECT_EQ(port->messages, QStringList{"Invalid digit pos 3"});
    EXPECT_EQ(boundary->modelColour(), 0xFFFFFEu);

    click(widget(Control::lbtext)); // clears the text box
    click(widget(Control::lbdegree));
    click(widget(Control::lbchar21));
    EXPECT_EQ(panel().text, QString(QChar(0xB0)) + QChar(0x15));
}

TEST_F(AttributeBindingTest, FontDialogChecksAndRadioButtons)
{
    port->font = FontChoice{"Arial", 18, false, true, 0x818181};
    widget<QPushButton>(Control::btnfont)->click();
    auto* name = widget<QLabel>(kFontName);
    EXPECT_EQ(name->text(), "Arial");
    EXPECT_EQ(name->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(widget<QLineEdit>(kFontSize)->text(), "18");
    EXPECT_TRUE(widget<QCheckBox>(kItalic)->isChecked());

    widget<QCheckBox>(kBold)->click();
    EXPECT_TRUE(panel().bold);
    widget<QRadioButton>(kWheelAngle1)->click();
    EXPECT_EQ(panel().wheelTarget, WheelTarget::Angle1);
}

} // namespace
} // namespace kel
