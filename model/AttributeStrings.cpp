#include "model/AttributeStrings.h"

#include "model/PlainDecimal.h"

#include <QStringView>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kel {

namespace {

constexpr int kAttrLength = 8;

// Colour with at least 6 digits, then the number with at least 2, cut to 8.
// A negative number shows as its 32-bit two's complement.
QString MakeAttr(Colour colour, int number)
{
    const QString text = QString::number(colour, 16).toUpper().rightJustified(6, QLatin1Char('0')) +
                         QString::number(static_cast<std::uint32_t>(number), 16)
                             .toUpper()
                             .rightJustified(2, QLatin1Char('0'));
    return text.left(kAttrLength);
}

struct ParsedAttr {
    Colour colour;
    int number;
};

ParsedAttr ParseAttr(const QString& text)
{
    const QString padded = text.left(kAttrLength).rightJustified(kAttrLength, QLatin1Char('0'));
    const QChar last = padded.at(kAttrLength - 1);
    const int number =
        (last >= QLatin1Char('0') && last <= QLatin1Char('9')) ? last.unicode() - u'0' : 1;
    return {HexToColour(padded.left(6)), number};
}

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return 0;
}

} // namespace

void ReloadPenFromPanel(Document& doc)
{
    bool ok = false;
    const int width = doc.panel.penWidth.text.toInt(&ok, 10);
    doc.current.penWidth = ok ? width : 1;
    doc.current.penColour = doc.panel.penSwatch;
}

QString MakePenAttr(Document& doc)
{
    ReloadPenFromPanel(doc);
    return MakeAttr(doc.current.penColour, doc.current.penWidth);
}

QString MakeBrushAttr(const CurrentAttributes& current)
{
    return MakeAttr(current.brushColour, current.brushStyle);
}

void ParsePenAttr(CurrentAttributes& current, const QString& text)
{
    const ParsedAttr parsed = ParseAttr(text);
    current.penColour = parsed.colour;
    current.penWidth = parsed.number;
}

bool ParseBrushAttr(CurrentAttributes& current, const QString& text)
{
    if (text.isEmpty())
        return false;
    const ParsedAttr parsed = ParseAttr(text);
    current.brushColour = parsed.colour;
    current.brushStyle = parsed.number;
    return true;
}

Colour HexToColour(const QString& text)
{
    Colour value = 0;
    const qsizetype count = std::min<qsizetype>(text.size(), 6);
    for (qsizetype i = 0; i < count; ++i)
        value = value * 16 + static_cast<Colour>(HexDigitValue(text.at(i)));
    return value;
}

std::vector<int> ParseNumberList(const QString& text)
{
    std::vector<int> numbers;
    const QStringView view(text);
    qsizetype i = 0;
    const qsizetype n = view.size();
    while (i < n) {
        if (view.at(i) == QLatin1Char(' ')) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < n && view.at(end) != QLatin1Char(' '))
            ++end;
        const QStringView number = view.sliced(i, end - i);
        const std::optional<long long> plain = PlainDecimal(number);
        bool ok = false;
        int value = 0;
        if (plain) {
            ok = *plain >= std::numeric_limits<int>::min() &&
                 *plain <= std::numeric_limits<int>::max();
            value = ok ? static_cast<int>(*plain) : 0;
        } else {
            value = number.toInt(&ok, 10);
        }
        numbers.push_back(ok ? value : 0);
        i = end;
    }
    return numbers;
}

QString MakePointList(const std::vector<QPoint>& points)
{
    QString text;
    for (const QPoint& p : points) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += QString::number(p.x()) + QLatin1Char(' ') + QString::number(p.y());
    }
    return text;
}

} // namespace kel
