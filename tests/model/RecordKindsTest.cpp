#include "model/RecordKinds.h"

#include <gtest/gtest.h>

#include <set>

namespace kel {
namespace {

// The type letters files hold; case matters.
const QString kFileLetters = QStringLiteral("PLR12ECADFBGNKThbfjx");

TEST(RecordKinds, ExactlyTheFileLettersAreKnownAndRoundTrip)
{
    std::set<char16_t> known;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const QChar letter(static_cast<char16_t>(c));
        const std::optional<RecordKind> kind = RecordKindOf(letter);
        if (!kind)
            continue;
        known.insert(letter.unicode());
        EXPECT_EQ(KindLetter(*kind), letter);
        EXPECT_EQ(KindInfo(*kind).kind, *kind);
    }
    std::set<char16_t> expected;
    for (const QChar c : kFileLetters)
        expected.insert(c.unicode());
    EXPECT_EQ(known, expected);
    EXPECT_EQ(RecordKinds().size(), expected.size());
}

TEST(RecordKinds, TheFirstCharacterOfTheTypeCellDecides)
{
    ObjectTable table(4);
    const struct {
        const char* type;
        std::optional<RecordKind> kind;
    } cases[] = {
        {"L", RecordKind::Line}, {"Lx", RecordKind::Line}, {"h", RecordKind::Label},
        {"H", std::nullopt},     {"", std::nullopt},       {" L", std::nullopt},
    };
    for (const auto& c : cases) {
        table.setCell(col::Type, 1, QString::fromLatin1(c.type));
        EXPECT_EQ(RowKind(table, 1), c.kind) << c.type;
        EXPECT_EQ(RowKindInfo(table, 1) != nullptr, c.kind.has_value()) << c.type;
    }
}

} // namespace
} // namespace kel
