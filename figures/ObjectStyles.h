#pragma once
// Values the restyling commands write into existing rows.

namespace kel {

// A circle's radius or a round rectangle's corner with the sign that says
// whether the shape is filled: -|size| when filled, |size| when not. The
// sign is worked out from the magnitude, so restyling twice never stacks
// signs.
long long FilledSize(int size, bool filled);

// The text record's style code: 1 for bold, plus 2 for italic.
int TextStyleCode(bool bold, bool italic);

} // namespace kel
