#include "model/Controls.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

// The names come from the enumeration itself; only lookups of other names
// and values cast from outside it can go wrong.
TEST(ControlsTest, OtherNamesAndValuesAreNoControls)
{
    EXPECT_EQ(controlFromName("edtPoint0"), Control::edtPoint0); // case kept inside the name
    for (const char* name : {"", "EDTRAD", "edtrad ", "edtvar4", "mnuGridDots1", "RGP1"}) {
        EXPECT_FALSE(controlFromName(QLatin1String(name))) << name;
    }
    EXPECT_TRUE(controlName(static_cast<Control>(kControlCount)).isEmpty());
    EXPECT_TRUE(controlName(static_cast<Control>(-1)).isEmpty());
}

} // namespace
} // namespace kel
