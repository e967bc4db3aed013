#include "app/ControlWidgets.h"
#include "app/MainWindow.h"
#include "app/WidgetUiPort.h"
#include "model/Controls.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

TEST(ControlWidgetsTest, EveryControlResolvesInTheMainWindow)
{
    MainWindow window;
    const ControlWidgets controls(window);
    EXPECT_TRUE(controls.problems().isEmpty()) << controls.problems().join("; ").toStdString();
    for (Control control : allControls()) {
        QWidget* widget = controls.widget(control);
        EXPECT_TRUE(widget && window.isAncestorOf(widget)) << controlName(control).toStdString();
        EXPECT_EQ(window.port().widget(control), widget);
    }
}

TEST(ControlWidgetsTest, MissingAndDoubledWidgetsAreReported)
{
    QWidget window;
    const auto named = [&](const QString& name) {
        auto* widget = new QWidget(&window);
        widget->setObjectName(name);
    };
    for (Control control : allControls()) {
        if (control != Control::edtrad)
            named(controlName(control));
    }
    named(controlName(Control::Edit1));
    named(QStringLiteral("edtRad")); // names are exact: no stand-in for edtrad

    const ControlWidgets controls(window);
    EXPECT_EQ(controls.problems(), QStringList({"Edit1 names 2 widgets", "edtrad has no widget"}));
    EXPECT_EQ(controls.widget(Control::edtrad), nullptr);
    EXPECT_EQ(controls.widget(Control::Edit1), nullptr);
    EXPECT_NE(controls.widget(Control::Edit2), nullptr);
}

} // namespace
} // namespace kel
