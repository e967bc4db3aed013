#pragma once
// Every picture file is written to a temporary file beside the target and
// renamed over it only once complete: a failed write leaves the old file as
// it was.

#include <QByteArray>
#include <QString>

namespace kel {

// Returns what went wrong, naming the file, in one line; empty on success.
QString SaveFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace kel
