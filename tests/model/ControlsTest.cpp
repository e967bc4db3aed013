// The vocabulary of control names: every control has one name, and only the
// exact names lead back to controls.

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
    EXPECT_EQ(names.size(), kControlCount);
}

TEST(ControlsTest, NamesAreTheComponentNames)
{
    const struct {
        Control control;
        const char* name;
    } cases[] = {
        {Control::btnpencol, "btnpencol"}, // first
        {Control::edtPoint0, "edtPoint0"}, // case kept inside the name
        {Control::edtpoint1, "edtpoint1"}, {Control::RBT2, "RBT2"},
        {Control::image1, "image1"}, // last
    };
    for (const auto& c : cases) {
        EXPECT_EQ(controlName(c.control), QLatin1String(c.name));
        EXPECT_EQ(controlFromName(QLatin1String(c.name)), c.control);
    }
}

TEST(ControlsTest, OtherNamesAreNoControls)
{
    for (const char* name :
         {"", "EDTRAD", "edtrad ", "edtvar4", "mnuGridDots1", "PopupGD", "pgc", "RGP1", "tsT1"}) {
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
