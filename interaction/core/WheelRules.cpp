#include "interaction/core/WheelRules.h"

#include "interaction/core/Editor.h"
#include "model/Controls.h"

#include <algorithm>
#include <cstdlib>

namespace kel {

namespace {

constexpr int kMaxNotches = 1000;

std::int32_t& slot(Editor& editor, int index)
{
    return editor.tool.construction.slot[static_cast<std::size_t>(index)];
}

} // namespace

void forEachNotch(int notches, const std::function<void(int)>& step)
{
    const int steps = std::min(std::abs(notches), kMaxNotches);
    for (int i = 0; i < steps; ++i)
        step(notches > 0 ? 1 : -1);
}

int controlValue(const UiPort& ui, Control name, int fallback)
{
    bool ok = false;
    const int value = ui.controlText(name).toInt(&ok);
    return ok ? value : fallback;
}

void showControlValue(UiPort& ui, Control name, int value)
{
    ui.setControlText(name, QString::number(value));
}

void wheelCropRotation(Editor& editor, int notches)
{
    std::int32_t& angle = slot(editor, ConstructionState::kCount);
    forEachNotch(notches, [&](int step) {
        angle += step;
        if (angle < -359 || angle > 359)
            angle = 0;
        showControlValue(editor.ui(), Control::edtvar1, angle);
    });
}

void wheelCropZoom(Editor& editor, int notches)
{
    std::int32_t& factor = slot(editor, ConstructionState::kCount);
    forEachNotch(notches, [&](int step) {
        factor = std::max(factor + step, 3);
        showControlValue(editor.ui(), Control::edtvar1, factor);
    });
}

void wheelTriangleValue(Editor& editor, int notches)
{
    UiPort& ui = editor.ui();
    forEachNotch(notches, [&](int step) {
        const Control box = ui.controlChecked(Control::RBT1)   ? Control::edtTrng1
                            : ui.controlChecked(Control::RBT2) ? Control::edtTrng2
                                                               : Control::edtTrng3;
        int value = controlValue(ui, box, 10) + step;
        if (value < 0 || value > 998)
            value = 0;
        showControlValue(ui, box, value);
    });
}

void wheelPictureSize(Editor& editor, int notches)
{
    std::int32_t& size = slot(editor, ConstructionState::kSize);
    forEachNotch(notches, [&](int step) {
        if (step > 0 || size > 5)
            size += step;
    });
}

} // namespace kel
