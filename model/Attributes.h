#pragma once
// The current drawing attributes: the values the drawers and row builders use
// (CurrentAttributes) and the controls of pages T1 and T2 that hold the user's
// choices (AttributePanel). The widgets mirror AttributePanel; the core reads
// only these structures.

#include "model/Colour.h"

#include <QString>

namespace kel {

// A numeric edit box keeps its value twice: the text and the integer beside it.
struct NumberBox {
    QString text;
    int value = 0;
};

// What the drawers and the attribute-string readers work with. The renderer
// saves the first four before a redraw and puts them back afterwards.
struct CurrentAttributes {
    int penWidth = 2;
    Colour penColour = kBlack;
    Colour brushColour = 0x808080;
    int brushStyle = 0;
    QString defaultPointShape = QStringLiteral("0");
};

enum class WheelTarget { Radius, Angle1, Angle2 };

// The controls of pages T1 and T2, with their design values.
struct AttributePanel {
    Colour penSwatch = kBlack;                      // Label1
    NumberBox penWidth{QStringLiteral("1"), 1};     // Edit1, one digit
    Colour brushSwatch = 0x808080;                  // Label5
    NumberBox brushPattern{QStringLiteral("0"), 0}; // Edit2, 0..7
    bool transparentObjects = true;                 // cbtransObj
    Colour boundarySwatch = kBlack;                 // lbboundrycol
    NumberBox radius{QStringLiteral("50"), 50};     // edtrad
    NumberBox angle1{QStringLiteral("30"), 30};     // edtang1
    NumberBox angle2{QStringLiteral("100"), 100};   // edtang2
    WheelTarget wheelTarget = WheelTarget::Radius;
    QString fontName = QStringLiteral("Times New Roman"); // Label3 caption
    Colour fontColour = kBlack;                           // Label3 font colour
    NumberBox fontSize{QStringLiteral("14"), 14};         // edtfntsize
    bool bold = false;                                    // cbbold
    bool italic = false;                                  // cbitalics
    NumberBox textAngle{QStringLiteral("0"), 0};          // edtrotangle
    QString text = QStringLiteral("Triangle ABC -1");     // Edit3
};

} // namespace kel
