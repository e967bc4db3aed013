#pragma once
// A click-sequence tool whose values are typed into the three boxes of page
// T7: the page opens with the tool, under the tool's own captions.

#include "interaction/tools/ClickSequenceTool.h"

#include <QString>

#include <utility>

namespace kel {

struct ValueCaptions {
    QString first;
    QString second;
    QString third;
};

class ValuePageTool : public ClickSequenceTool {
public:
    ValuePageTool(int clicks, AfterLast after, QString instruction, ValueCaptions captions)
        : ClickSequenceTool(clicks, after, std::move(instruction)), captions_(std::move(captions))
    {
    }

protected:
    void begin(Editor& editor) override;

private:
    ValueCaptions captions_;
};

} // namespace kel
