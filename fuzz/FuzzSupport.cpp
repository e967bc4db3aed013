#include "fuzz/FuzzSupport.h"

#include "model/KelText.h"

#include <QByteArrayView>
#include <QGuiApplication>

namespace kel::fuzz {

void startHeadlessQt()
{
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kelvane_fuzzer";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

QString kelText(const std::uint8_t* data, std::size_t size)
{
    return decodeKelBytes(QByteArrayView(data, static_cast<qsizetype>(size)));
}

} // namespace kel::fuzz
