// The quick reading of plain decimal cells gives what Qt's reading gives,
// and leaves everything else to it.

#include "model/PlainDecimal.h"
#include "model/AttributeStrings.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

TEST(PlainDecimalTest, AgreesWithQtOnPlainTextAndDeclinesTheRest)
{
    const char* plain[] = {"0", "-0", "007", "-2147483648", "2147483648", "999999999999999999"};
    for (const char* text : plain) {
        bool ok = false;
        const qlonglong qt = QString::fromLatin1(text).toLongLong(&ok, 10);
        EXPECT_TRUE(ok && PlainDecimal(QString::fromLatin1(text)) == qt) << text;
    }
    for (const char* text : {"", "-", "+5", " 5", "5 ", "1e3", "12a", "1000000000000000000"})
        EXPECT_FALSE(PlainDecimal(QString::fromLatin1(text))) << text;
    EXPECT_EQ(ParseNumberList(QStringLiteral(" 1 -2  x 3000000000 +4")),
              (std::vector<int>{1, -2, 0, 0, 4}));
}

} // namespace
} // namespace kel
