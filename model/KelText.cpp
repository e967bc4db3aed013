#include "model/KelText.h"

#include <array>

namespace kel {

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF", 3);

// Characters of the bytes 0x80..0x9F; the undefined bytes keep their value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

// The full 256-entry table, built once.
const std::array<char16_t, 256>& byteToChar()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<size_t>(b)] = static_cast<char16_t>(b);
        for (size_t i = 0; i < kHighControls.size(); ++i)
            t[0x80 + i] = kHighControls[i];
        return t;
    }();
    return table;
}

std::optional<char> charToByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    const auto& table = byteToChar();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(table[static_cast<unsigned char>(bytes[i])]);
    return text;
}

std::optional<QByteArray> encodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<char> b = charToByte(text[i].unicode());
        if (!b)
            return std::nullopt;
        bytes[i] = *b;
    }
    return bytes;
}

QString decodeKelBytes(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf8Mark))
        return QString::fromUtf8(bytes.sliced(kUtf8Mark.size()));
    return decodeWindows1252(bytes);
}

std::optional<QChar> singleByteCharacter(int code)
{
    if (code < 0x20 || code == 0x7F || code > 0xFF)
        return std::nullopt;
    const char byte = static_cast<char>(code);
    return decodeWindows1252(QByteArrayView(&byte, 1)).at(0);
}

QByteArray encodeKelText(QStringView text)
{
    std::optional<QByteArray> single = encodeWindows1252(text);
    // Single-byte text that happens to begin like the mark would be read back
    // as UTF-8, so it goes out as UTF-8 too.
    if (single && !single->startsWith(kUtf8Mark))
        return *std::move(single);
    return kUtf8Mark + text.toUtf8();
}

QList<QStringView> splitKelLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.sliced(start));
    return lines;
}

QString joinKelLines(const QStringList& lines)
{
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace kel
