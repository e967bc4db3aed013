#pragma once
// Lets GoogleTest print QString values as text, and controls by their names,
// in failure messages.

#include "model/Controls.h"

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", " : "") << '"' << list[i].toStdString() << '"';
    *os << ']';
}

namespace kel {

inline void PrintTo(Control control, std::ostream* os)
{
    *os << controlName(control).toStdString();
}

} // namespace kel
