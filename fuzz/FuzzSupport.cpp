#include "fuzz/FuzzSupport.h"

#include "model/KelText.h"

#include <QByteArrayView>
#include <QGuiApplication>

namespace kel::fuzz {

namespace {

// The QGuiApplication on the offscreen platform, once.
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

} // namespace

FuzzEditor::FuzzEditor(std::initializer_list<RegistrationEntry> entries) : editor(ui, entries)
{
    editor.start();
}

FuzzEditor& startedEditor(std::initializer_list<RegistrationEntry> entries)
{
    static FuzzEditor session(entries);
    return session;
}

QString kelText(const std::uint8_t* data, std::size_t size)
{
    return decodeKelBytes(QByteArrayView(data, static_cast<qsizetype>(size)));
}

} // namespace kel::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    kel::fuzz::startHeadlessQt();
    return 0;
}
