#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "windows/AboutWindow.h"
#include "windows/CharactersWindow.h"
#include "windows/StepWindow.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

namespace kel {
namespace {

// "name: caption (text width > room)" for every caption wider than its control.
QStringList clippedCaptions(const QWidget& root)
{
    QStringList clipped;
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const QString caption = label ? label->text() : button ? button->text() : QString();
        if (caption.isEmpty() || (label && label->wordWrap()))
            continue;
        const int room = label ? label->contentsRect().width() - 2 * label->margin()
                               : pages::buttonTextRoom(*button);
        const int width = pages::captionWidth(*widget, caption);
        if (width > room)
            clipped << QStringLiteral("%1: %2 (%3 > %4)")
                           .arg(widget->objectName(), caption)
                           .arg(width)
                           .arg(room);
    }
    return clipped;
}

// Runs at the default size and again under QT_SCALE_FACTOR=1.5 with
// QT_FONT_DPI=144 (a second ctest entry).
TEST(WidgetTextFit, NoCaptionIsWiderThanItsControl)
{
    MainWindow window;
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.fontInfo().family(), "Liberation Sans");
    EXPECT_EQ(clippedCaptions(window), QStringList());
    AboutWindow about;
    StepWindow step(window.editor(), &window);
    auto* characters = window.findChild<CharactersWindow*>();
    ASSERT_NE(characters, nullptr);
    for (QWidget* secondary : std::initializer_list<QWidget*>{&about, &step, characters}) {
        secondary->show();
        QApplication::processEvents();
        EXPECT_EQ(clippedCaptions(*secondary), QStringList())
            << secondary->windowTitle().toStdString();
        secondary->hide();
    }
}

} // namespace
} // namespace kel
