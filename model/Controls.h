#pragma once
// The named controls of the main window that the core and command scripts
// address: every control of the seven pages, and the drawing surface. Each
// enumerator is spelt exactly as the control's component name, which is also
// its widget's objectName, so a misspelt name no longer compiles.

#include <QHashFunctions>
#include <QString>

#include <array>
#include <optional>

namespace kel {

// One entry per control, page by page in tab order.
#define KEL_CONTROLS(X)                                                                            \
    /* T1: colours, pen width, brush pattern, radius and angles */                                 \
    X(btnpencol)                                                                                   \
    X(Label1)                                                                                      \
    X(btnbrushcol)                                                                                 \
    X(Label5)                                                                                      \
    X(btnboundrycol)                                                                               \
    X(lbboundrycol)                                                                                \
    X(cbtransObj)                                                                                  \
    X(lbpenw)                                                                                      \
    X(Edit1)                                                                                       \
    X(lbbrushpat)                                                                                  \
    X(Edit2)                                                                                       \
    X(shpbrush)                                                                                    \
    X(lbR)                                                                                         \
    X(edtrad)                                                                                      \
    X(lbang1)                                                                                      \
    X(edtang1)                                                                                     \
    X(lbang2)                                                                                      \
    X(edtang2)                                                                                     \
    X(rbRsel)                                                                                      \
    X(rbang1)                                                                                      \
    X(rbang2)                                                                                      \
    X(lbwheel)                                                                                     \
    /* T2: font and text */                                                                        \
    X(lbtextinfo)                                                                                  \
    X(btnfont)                                                                                     \
    X(Label3)                                                                                      \
    X(lbsize)                                                                                      \
    X(edtfntsize)                                                                                  \
    X(cbitalics)                                                                                   \
    X(cbbold)                                                                                      \
    X(lbfontangle)                                                                                 \
    X(edtrotangle)                                                                                 \
    X(btnchars)                                                                                    \
    X(lbdegree)                                                                                    \
    X(lbchar21)                                                                                    \
    X(lbtext)                                                                                      \
    X(Edit3)                                                                                       \
    /* Edit: one cell of one row */                                                                \
    X(Label9)                                                                                      \
    X(lbnote)                                                                                      \
    X(lbselcolumn)                                                                                 \
    X(cbcolumns)                                                                                   \
    X(lbdata)                                                                                      \
    X(Edit5)                                                                                       \
    X(btnupdate)                                                                                   \
    /* Move */                                                                                     \
    X(edtmove)                                                                                     \
    X(lbmovekeys)                                                                                  \
    X(btndone)                                                                                     \
    /* Triangle */                                                                                 \
    X(rbSSS)                                                                                       \
    X(rbASA)                                                                                       \
    X(rbSASL)                                                                                      \
    X(rbSASR)                                                                                      \
    X(Label11)                                                                                     \
    X(RBT1)                                                                                        \
    X(RBT2)                                                                                        \
    X(RBT3)                                                                                        \
    X(edtTrng1)                                                                                    \
    X(edtTrng2)                                                                                    \
    X(edtTrng3)                                                                                    \
    X(Label24)                                                                                     \
    X(btndir)                                                                                      \
    X(lbstatus)                                                                                    \
    /* Bezier */                                                                                   \
    X(edtPoint0)                                                                                   \
    X(edtpoint1)                                                                                   \
    X(edtpoint2)                                                                                   \
    X(edtpoint3)                                                                                   \
    X(Label32)                                                                                     \
    /* T7: the three value boxes */                                                                \
    X(Label26)                                                                                     \
    X(Label27)                                                                                     \
    X(Label28)                                                                                     \
    X(edtvar1)                                                                                     \
    X(edtvar2)                                                                                     \
    X(edtvar3)                                                                                     \
    X(lbDone)                                                                                      \
    X(Label29)                                                                                     \
    X(btnmodcircle)                                                                                \
    /* The drawing surface */                                                                      \
    X(image1)

#define KEL_CONTROL_ENUMERATOR(name) name,
enum class Control { KEL_CONTROLS(KEL_CONTROL_ENUMERATOR) };
#undef KEL_CONTROL_ENUMERATOR

#define KEL_CONTROL_COUNT(name) +1
inline constexpr int kControlCount = 0 KEL_CONTROLS(KEL_CONTROL_COUNT);
#undef KEL_CONTROL_COUNT

// Every control, in declaration order.
const std::array<Control, kControlCount>& allControls();

// The component name (the widget's objectName).
QString controlName(Control control);
// The control of a component name; nothing for any other name.
std::optional<Control> controlFromName(const QString& name);

inline size_t qHash(Control control, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(control), seed);
}

} // namespace kel
