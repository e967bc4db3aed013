#pragma once
// Splitting a "left;right" text, as the fraction tool reads its field.

#include <QString>

#include <optional>

namespace kel {

struct TextPair {
    QString left;
    QString right;
};

// The parts before and after the first ";", each cut to 20 characters.
// Nothing for an empty text or one without ";".
std::optional<TextPair> SplitPair(const QString& text);

} // namespace kel
