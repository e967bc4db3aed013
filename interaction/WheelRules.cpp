#include "interaction/WheelRules.h"

#include "interaction/Editor.h"
#include "model/Controls.h"

#include <algorithm>
#include <cstdlib>

namespace kel {

namespace {

constexpr int kMaxNotches = 1000;

int boxValue(UiPort& ui, Control name, int fallback)
{
    bool ok = false;
    const int value = ui.controlText(name).toInt(&ok);
    return ok ? value : fallback;
}

void show(UiPort& ui, Control name, int value)
{
    ui.setControlText(name, QString::number(value));
}

// One notch up (+1) or down (-1) in the current mode.
void notch(Editor& editor, int step)
{
    UiPort& ui = editor.ui();
    ConstructionState& state = editor.tool.construction;
    std::int32_t& count = state.slot[ConstructionState::kCount];
    std::int32_t& size = state.slot[ConstructionState::kSize];
    std::int32_t& radius = state.slot[ConstructionState::kRadius];
    constexpr Control var1 = Control::edtvar1;
    switch (editor.tool.mode) {
    case 3:
        radius += step;
        if (radius > 1000)
            radius = 100;
        if (radius < 4)
            radius = 4;
        show(ui, Control::edtrad, radius);
        break;
    case 4: {
        std::int32_t& angle1 = state.slot[ConstructionState::kAngle1];
        std::int32_t& angle2 = state.slot[ConstructionState::kAngle2];
        auto turn = [step](std::int32_t& angle) {
            if (step > 0 && angle >= 359)
                angle = 0;
            else
                angle = std::max(angle + step, 0);
        };
        if (ui.controlChecked(Control::rbRsel))
            radius += step;
        else if (ui.controlChecked(Control::rbang1))
            turn(angle1);
        else if (ui.controlChecked(Control::rbang2))
            turn(angle2);
        show(ui, Control::edtrad, radius);
        show(ui, Control::edtang1, angle1);
        show(ui, Control::edtang2, angle2);
        break;
    }
    case 6: {
        const int sizeNow = boxValue(ui, Control::edtfntsize, 10);
        if ((step > 0 && sizeNow < 999) || (step < 0 && sizeNow > 6))
            show(ui, Control::edtfntsize, sizeNow + step);
        break;
    }
    case 12:
    case 92:
        count += step;
        if (count < 3)
            count = 3;
        if (count > 120)
            count = 12;
        show(ui, var1, count);
        break;
    case 22:
        count += step;
        if (count < 3)
            count = 3;
        if (count > 1000)
            count = 100;
        show(ui, var1, count);
        break;
    case 31:
        radius = std::max(radius + step, 0);
        break;
    case 32:
        count += step;
        if (count < -359 || count > 359)
            count = 0;
        show(ui, var1, count);
        break;
    case 34:
        size = std::clamp(size + step, 3, 400);
        show(ui, var1, size);
        ui.setStatus(3, QStringLiteral("Cell W H =%1").arg(size));
        break;
    case 46:
        count = std::max(count + step, 3);
        show(ui, var1, count);
        break;
    case 47: {
        const Control box = ui.controlChecked(Control::RBT1)   ? Control::edtTrng1
                            : ui.controlChecked(Control::RBT2) ? Control::edtTrng2
                                                               : Control::edtTrng3;
        int value = boxValue(ui, box, 10) + step;
        if (value < 0 || value > 998)
            value = 0;
        show(ui, box, value);
        break;
    }
    case 125:
        editor.tool.semicircleFlipped = !editor.tool.semicircleFlipped;
        break;
    case 126:
        if (step > 0 || size > 5)
            size += step;
        break;
    default:
        break;
    }
}

} // namespace

void applyWheelRule(Editor& editor, int notches)
{
    const int steps = std::min(std::abs(notches), kMaxNotches);
    for (int i = 0; i < steps; ++i)
        notch(editor, notches > 0 ? 1 : -1);
}

} // namespace kel
