#pragma once
// Reading the cells a drawing is made of: nearly all hold plain decimal
// numbers, which this reads without Qt's general number parsing (a tenth of
// the work, and the renderer reads every number of every row on each
// redraw).

#include <QStringView>

#include <optional>

namespace kel {

// The value of plain decimal text: an optional minus and 1 to 18 digits,
// nothing else. Any other text (spaces, a plus sign, more digits, nothing)
// gives nothing; the caller then asks Qt, whose answer for plain text is
// the same as this.
inline std::optional<long long> PlainDecimal(QStringView text)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (negative)
        i = 1;
    const qsizetype digits = text.size() - i;
    if (digits < 1 || digits > 18)
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

} // namespace kel
