#include "model/Controls.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QSet>

namespace kel {
namespace {

TEST(ControlsTest, EveryControlHasItsOwnNameThatLeadsBack)
{
    QSet<QString> names;
    for (Control control : allControls()) {
        const QString name = controlName(control);
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(name.isEmpty());
        EXPECT_FALSE(names.contains(name));
        names.insert(name);
        EXPECT_EQ(controlFromName(name), control);
    }
    EXPECT_EQ(controlName(Control::edtPoint0), "edtPoint0"); // case kept inside the name
    EXPECT_EQ(names.size(), kControlCount);
}

TEST(ControlsTest, OtherNamesAreNoControls)
{
    for (const char* name : {"", "EDTRAD", "edtrad ", "edtvar4", "mnuGridDots1", "RGP1"}) {
        EXPECT_FALSE(controlFromName(QLatin1String(name))) << name;
    }
}

TEST(ControlsTest, ValueOutsideTheVocabularyHasNoName)
{
    EXPECT_TRUE(controlName(static_cast<Control>(kControlCount)).isEmpty());
    EXPECT_TRUE(controlName(static_cast<Control>(-1)).isEmpty());
}

} // namespace
} // namespace kel
