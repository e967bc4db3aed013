#pragma once
// Every tool mode by what its tool does, and the table that gives for each
// mode the command that sets it, the clicks that complete it and the folder
// whose tool serves it. The numbers are the program's own throughout; only
// this header spells them.

#include <QString>

#include <cstdint>
#include <vector>

namespace kel {

enum class ToolMode : std::uint8_t {
    Idle = 0,
    PointByMouse = 1,
    ArbitraryLine = 2,
    Circle = 3,
    PrecisionArc = 4,
    Rectangle = 5,
    Text = 6,
    PerpendicularAtLine = 7,
    ParallelogramBySide = 9,
    ParallelogramByDiagonal = 10,
    Polyline = 11,
    Star = 12,
    PerpendicularToLine = 13,
    ThreePointCircle = 14,
    CircleByDiameter = 15,
    MarkPointOnLine = 16,
    FillRegion = 17,
    CropToJpegFile = 18,
    CropToBitmapClipboard = 19,
    CropToMetafileClipboard = 20,
    CropToMetafileFile = 21,
    SineWave = 22,
    EndPointsArc = 23,
    ThreePointArc = 24,
    MeasureLength = 29,
    MeasureAngle = 30,
    RoundRectangle = 31,
    RotateCropArea = 32,
    MirrorPointToLine = 33,
    DrawGrid = 34,
    ParallelLineAtDistance = 35,
    FocusRectangle = 36,
    TangentToCircle = 37,
    MarkDegreeOnCircle = 38,
    TagObjectsInArea = 39,
    SaveAreaAsKel = 40,
    DeleteObjectsInArea = 41,
    MoveObjectsInArea = 42,
    DuplicateObjectsInArea = 43,
    SweepArc = 44,
    ModifyArc = 45,
    ZoomCropArea = 46,
    ConstructTriangle = 47,
    ApproximateIntersection = 49,
    MovePickedObject = 50,
    DuplicatePickedObject = 51,
    PlaceObjects = 52,
    AngleBisector = 53,
    TagSingleObject = 54,
    AppendVariableAngle = 55,
    PerpendicularBisector = 56,
    MarkGridCrossPoints = 57,
    CountPixels = 58,
    MoveConnectedLines = 59,
    EditPoint = 60,
    EditLine = 61,
    EditCircle = 62,
    EditArc = 63,
    EditText = 64,
    EditFillRegion = 65,
    EditEllipse = 66,
    EditRoundRectangle = 67,
    EditFocusRectangle = 68,
    EditGrid = 69,
    EditPolyline = 70,
    EditBezierCurve = 71,
    CircleToArc = 74,
    EditPolygon = 75,
    ArbitraryParallelLine = 76,
    AdjustLength = 79,
    CopyAreaToClipboard = 80,
    MeasureTriangleArea = 82,
    PerpendicularToArc = 83,
    IntersectLineLine = 84,
    InterpolationGraph = 87,
    EditPicture = 88,
    HorizontalLine = 89,
    VerticalLine = 90,
    Polygon = 91,
    RegularPolygon = 92,
    GapInMiddle = 93,
    IntersectCircleCircle = 94,
    IntersectCircleLine = 95,
    IntersectLineArc = 96,
    MirrorPointToPoint = 97,
    DuplicateGroupPoints = 98,
    ModifyAreaAttributes = 100,
    TriangleSideSideSide = 101,
    TriangleAngleSideAngle = 102,
    MarkVerticalDistance = 103,
    Ellipsoid = 105,
    Arrowhead = 106,
    TickLine = 107,
    MarkGridPoint = 108,
    FourPointBezier = 109,
    RectangleOnSide = 110,
    EditBezierCurvature = 111,
    MarkPointOnCurve = 112,
    FixedLine = 113,
    FixedRectangle = 114,
    MarkFixedDistance = 115,
    AppendFixedAngle = 116,
    MirrorAreaToLine = 117,
    ModifyCircle = 118,
    PointByCoordinates = 119,
    PerpendicularToTwoLines = 120,
    MarkAngleWithArc = 121,
    BlocksToGif = 123,
    StruckAngledLine = 124,
    Semicircle = 125,
    PlacePicture = 126,
    MidPointToPoint = 127,
    ZoomPicture = 128,
    EditPolynomial = 129,
    EraseBlock = 130,
    EditBlock = 131,
    PlaceBitmap = 132,
    PlaceBitmap64 = 133,
    HorizontalEllipse = 134,
    VerticalEllipse = 135,
    BorderedLabel = 136,
    Fraction = 137,
    RadicalSign = 138,
};

// The highest mode a command sets.
inline constexpr ToolMode kLastToolMode = ToolMode::RadicalSign;

// The folder whose registration brings a mode's tool.
enum class ToolHome : std::uint8_t { Interaction, Constructions, Output, Windows };

// One tool mode as the commands know it.
struct ToolModeInfo {
    ToolMode mode = ToolMode::Idle;
    QString command; // the menu path or popup item that sets it
    QString clicks;  // what completes the tool
    ToolHome home = ToolHome::Interaction;
};

// Every mode a command sets, in mode order.
const std::vector<ToolModeInfo>& toolModeTable();
const ToolModeInfo* findToolMode(ToolMode mode);

} // namespace kel
