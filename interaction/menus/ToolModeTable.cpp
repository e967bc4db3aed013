#include "interaction/menus/ToolModes.h"

#include <iterator>

namespace kel {

namespace {

struct ModeRow {
    ToolMode mode;
    const char* command;
    const char* clicks;
    ToolHome home;
};

using enum ToolMode;
using enum ToolHome;

// The values ToolMode skips are set by no command.
constexpr ModeRow kRows[] = {
    {PointByMouse, R"m("NewObj" > "New Point" > "Use Mouse")m", "1 per point, repeats",
     Interaction},
    {ArbitraryLine, R"m("NewObj" > "New Arbit. Line")m", "2, repeats", Interaction},
    {Circle, R"m("NewObj" > "New Circle")m", "1, repeats", Interaction},
    {PrecisionArc, R"m("NewObj" > "New Precision Arc")m", "1, ends", Interaction},
    {Rectangle, R"m("NewObj" > "New Rectangle" > "Reg Rect")m", "2, repeats", Interaction},
    {Text, R"m("NewObj" > "New Text")m", "1, repeats", Interaction},
    {PerpendicularAtLine, R"m(line popup > "Perpendicular at Line")m", "2", Constructions},
    {ParallelogramBySide, R"m(line popup > "Construct ParallelG. by side")m", "1", Constructions},
    {ParallelogramByDiagonal, R"m(line popup > "Construct ParallelG. by diag")m", "1",
     Constructions},
    {Polyline, R"m("NewObj" > "New Poly(Line/Gon)" > "PolyLine")m",
     "1 per vertex; F10 finishes, Backspace removes the last vertex, Esc cancels", Interaction},
    {Star, R"m("Advanced" > "Star")m", "3, then F10", Interaction},
    {PerpendicularToLine, R"m(line popup > "Perpendicular to Line")m", "1, repeats", Constructions},
    {ThreePointCircle, R"m("NewObj" > "3 Point Circle")m", "3; later clicks do nothing until Esc",
     Interaction},
    {CircleByDiameter, R"m("NewObj" > "Circle by Diameter")m", "2, repeats", Interaction},
    {MarkPointOnLine, R"m(line popup > "Mark point on line")m", "1, repeats", Constructions},
    {FillRegion, R"m("NewObj" > "Fill Region")m", "1 per fill", Interaction},
    {CropToJpegFile, R"m("CropAnd" > "Save as JPG File")m", "2 (crop area)", Output},
    {CropToBitmapClipboard, R"m("CropAnd" > "BMP to clipboard")m", "2 (crop area)", Output},
    {CropToMetafileClipboard, R"m("CropAnd" > "EMF to clipboard")m", "2 (crop area)", Output},
    {CropToMetafileFile, R"m("CropAnd" > "Save as EMF File")m", "2 (crop area)", Output},
    {SineWave, R"m("Advanced" > "Hor. Sine Wave")m", "2, repeats", Interaction},
    {EndPointsArc, R"m("NewObj" > "2 End Points Arc")m", "3, repeats", Interaction},
    {ThreePointArc, R"m("NewObj" > "3 Point Arc")m", "3, repeats", Interaction},
    {MeasureLength, R"m("Advanced" > "Measure" > "Length")m", "2; Enter repeats", Constructions},
    {MeasureAngle, R"m("Advanced" > "Measure" > "Angle")m", "3", Constructions},
    {RoundRectangle, R"m("NewObj" > "New Rectangle" > "Round Rect")m", "2, repeats", Interaction},
    {RotateCropArea, R"m("CropAnd" > "Rotate crop area")m", "3, wheel sets the angle", Output},
    {MirrorPointToLine, R"m(line popup > "Mirror point to line")m", "1, repeats", Constructions},
    {DrawGrid, R"m("NewObj" > "New DrawGrid")m", "1 (after the input dialog), ends", Interaction},
    {ParallelLineAtDistance, R"m(line popup > "Draw Parallel Line")m", "3", Constructions},
    {FocusRectangle, R"m("NewObj" > "New Rectangle" > "Focus Rect")m", "2, repeats", Interaction},
    {TangentToCircle, R"m(circle popup > "Tangent to Circle")m", "1", Constructions},
    {MarkDegreeOnCircle, R"m(circle popup > "Mark degree on Circle")m", "1", Constructions},
    {TagObjectsInArea, R"m("CropAnd" > "Tag Objects Only")m", "2 (crop area)", Output},
    {SaveAreaAsKel, R"m("CropAnd" > "Save as KEL File")m", "2 (crop area)", Output},
    {DeleteObjectsInArea, R"m("CropAnd" > "Delete Objects")m", "2 (crop area)", Output},
    {MoveObjectsInArea, R"m("CropAnd" > "Move Objects" (also after placing appended objects))m",
     "3 (crop area, then drop)", Output},
    {DuplicateObjectsInArea, R"m("CropAnd" > "Duplicate Objects")m", "3 (crop area, then drop)",
     Output},
    {SweepArc, R"m("NewObj" > "New Sweep Arc")m", "5, ends", Interaction},
    {ModifyArc, R"m(arc popup > "Modify R, Ang1, Ang2")m", "1, then a confirmation", Constructions},
    {ZoomCropArea, R"m("CropAnd" > "Zoom crop area")m", "2, wheel sets the factor", Output},
    {ConstructTriangle, R"m("Advanced" > "Construct Triangle")m", "1", Constructions},
    {ApproximateIntersection, R"m("Advanced" > "Intersection aprox")m", "1 per point; Esc ends",
     Constructions},
    {MovePickedObject,
     R"m(kind popups > "Move Line", "Move Circle", "Move Arc", "Move Text", "Move Grid", "Move", "Move Object")m",
     "2 (grip point, then drop)", Constructions},
    {DuplicatePickedObject,
     R"m(kind popups > "Duplicate Line(parallel)", "Duplicate circle", "Dup Arc", "Duplicate Text Msg", "Dup Grid", "Duplicate", "Dup Object")m",
     "2 (grip point, then drop)", Constructions},
    {PlaceObjects, R"m("File" > "Append File"; "Actions" > "Paste from Clipboard")m",
     "1 (grip point), then continues as Move Objects", Interaction},
    {AngleBisector, R"m("Advanced" > "Angle Bisector")m", "3", Constructions},
    {TagSingleObject, R"m("EditObj" > "Tag Single Object")m", "1 per object, repeats", Output},
    {AppendVariableAngle, R"m(line popup > "Append Angle Var")m", "3", Constructions},
    {PerpendicularBisector, R"m(line popup > "Perpendicular Bisector")m", "1", Constructions},
    {MarkGridCrossPoints, R"m(grid popup > "ID Grid Cross Points")m", "1 per point", Constructions},
    {CountPixels, R"m("Advanced" > "Measure" > "Pixels Count")m", "3", Constructions},
    {MoveConnectedLines,
     R"m("Advanced" > "Move Conncted Lines"; line popup > "Move conn endpoint")m", "2 (F4 snaps)",
     Constructions},
    {EditPoint, R"m("EditObj" > "Point")m", "1 (opens the kind popup)", Interaction},
    {EditLine, R"m("EditObj" > "Line")m", "1 (opens the kind popup)", Interaction},
    {EditCircle, R"m("EditObj" > "Circle")m", "1 (opens the kind popup)", Interaction},
    {EditArc, R"m("EditObj" > "Arc")m", "1 (opens the kind popup)", Interaction},
    {EditText, R"m("EditObj" > "Text")m", "1 (opens the kind popup)", Interaction},
    {EditFillRegion, R"m("EditObj" > "Fill Region")m", "1 (opens the kind popup)", Interaction},
    {EditEllipse, R"m("EditObj" > "Ellipse")m", "1 (opens the kind popup)", Interaction},
    {EditRoundRectangle, R"m("EditObj" > "Round Rectangle")m", "1 (opens the kind popup)",
     Interaction},
    {EditFocusRectangle, R"m("EditObj" > "Focus Rectangle")m", "1 (opens the kind popup)",
     Interaction},
    {EditGrid, R"m("EditObj" > "Grid")m", "1 (opens the kind popup)", Interaction},
    {EditPolyline, R"m("EditObj" > "PolyLine")m", "1 (opens the kind popup)", Interaction},
    {EditBezierCurve, R"m("EditObj" > "Bezier Curve")m", "1 (opens the kind popup)", Interaction},
    {CircleToArc, R"m(circle popup > "Circle to Arc")m", "3", Constructions},
    {EditPolygon, R"m("EditObj" > "Polygon")m", "1 (opens the kind popup)", Interaction},
    {ArbitraryParallelLine, R"m(line popup > "Arbitrary Parallel Line")m", "2", Constructions},
    {AdjustLength, R"m(line popup > "Adjust Length")m", "2", Constructions},
    {CopyAreaToClipboard, R"m("CropAnd" > "Copy Objs to Clipboard")m", "2 (crop area)", Output},
    {MeasureTriangleArea, R"m("Advanced" > "Measure" > "Triangle area")m", "3, repeats until Esc",
     Constructions},
    {PerpendicularToArc,
     R"m(arc popup > "Perpendicular to Arc"; circle popup > "Perpendicular to Circle")m", "1",
     Constructions},
    {IntersectLineLine, R"m("Advanced" > "Intersection Exact" > "Line && Line")m", "2",
     Constructions},
    {InterpolationGraph, R"m("NewObj" > "New Interpolation Graph")m",
     "1 per point; F10 finishes, Backspace removes the last point, Esc cancels", Interaction},
    {EditPicture, R"m("EditObj" > "EMF")m", "1 (opens the kind popup)", Interaction},
    {HorizontalLine, R"m("NewObj" > "New Hor. Line")m", "2, ends", Interaction},
    {VerticalLine, R"m("NewObj" > "New Ver. Line")m", "2, ends", Interaction},
    {Polygon, R"m("NewObj" > "New Poly(Line/Gon)" > "Polygon")m",
     "1 per vertex; F10 finishes, Backspace, Esc", Interaction},
    {RegularPolygon, R"m("Advanced" > "N Sided Polygon")m",
     "1 (picks the base line), wheel sets the sides, F10", Interaction},
    {GapInMiddle, R"m(line popup > "Gap in Middle")m", "1", Constructions},
    {IntersectCircleCircle, R"m("Advanced" > "Intersection Exact" > "Circle && Circle")m", "2",
     Constructions},
    {IntersectCircleLine, R"m("Advanced" > "Intersection Exact" > "Circle && Line")m", "2",
     Constructions},
    {IntersectLineArc, R"m("Advanced" > "Intersection Exact" > "Line && Arc")m", "2",
     Constructions},
    {MirrorPointToPoint, R"m(point popup > "Mirror Point to Point")m", "1", Constructions},
    {DuplicateGroupPoints, R"m("Advanced" > "Duplicate Group Points")m",
     "1 per point, then placement", Constructions},
    {ModifyAreaAttributes, R"m("CropAnd" > "Modify all attributes")m", "2 (crop area)", Output},
    {TriangleSideSideSide, R"m(line popup > "Construct Triangle(SSS/ASA)" > "SSS")m", "1",
     Constructions},
    {TriangleAngleSideAngle, R"m(line popup > "Construct Triangle(SSS/ASA)" > "ASA")m", "1",
     Constructions},
    {MarkVerticalDistance, R"m(line popup > "Mark Verical Distance")m", "2; Esc ends",
     Constructions},
    {Ellipsoid, R"m("NewObj" > "Ellipsoid")m", "3, ends", Interaction},
    {Arrowhead, R"m(line popup > "Add Arrow")m", "2", Interaction},
    {TickLine, R"m(line popup > "Tick the Line")m", "1 per tick; Esc ends", Interaction},
    {MarkGridPoint, R"m(grid popup > "Mark Any Grid Point")m",
     "1, then coordinates typed in a dialog", Constructions},
    {FourPointBezier, R"m("NewObj" > "4 Points Beizer curve")m", "4, ends", Interaction},
    {RectangleOnSide, R"m(line popup > "Construct Rect as Side")m", "1", Constructions},
    {EditBezierCurvature, R"m(curve popup > "Edit Bezier curvature")m",
     "none: arrow keys; Esc ends", Interaction},
    {MarkPointOnCurve, R"m(curve popup > "Mark Point on Curve")m", "1 per point; Esc ends",
     Interaction},
    {FixedLine, R"m("NewObj" > "New Fixed Line")m", "1, ends", Interaction},
    {FixedRectangle, R"m("NewObj" > "New Rectangle" > "Fixed Rect")m", "1, ends", Interaction},
    {MarkFixedDistance, R"m(line popup > "Mark Fixed Distance")m", "1", Constructions},
    {AppendFixedAngle, R"m(line popup > "Append Angle Fixed")m", "2", Constructions},
    {MirrorAreaToLine, R"m("CropAnd" > "Mirror Objects to Line")m",
     "3 (crop area, then the mirror line)", Output},
    {ModifyCircle, R"m(circle popup > "Modify R, center")m", "none: values typed; Esc ends",
     Constructions},
    {PointByCoordinates, R"m("NewObj" > "New Point" > "Enter Coordinate")m",
     "1 per point (coordinates typed); Esc ends", Interaction},
    {PerpendicularToTwoLines, R"m("Advanced" > "Perpend. to 2 lines")m", "3", Constructions},
    {MarkAngleWithArc, R"m("Advanced" > "Mark Angle with Arc")m", "3, repeats", Constructions},
    {BlocksToGif, R"m("Advanced" > "Blocks to GIF")m", "2, then 1 per frame; F10 finishes", Output},
    {StruckAngledLine, R"m(point popup > "Draw Striked Angled")m", "2", Constructions},
    {Semicircle, R"m("NewObj" > "New SemiCircle")m", "2, repeats", Interaction},
    {PlacePicture, R"m("NewObj" > "New EMF Obj")m", "1", Output},
    {MidPointToPoint, R"m(point popup > "Mid point 2 another Point")m", "1", Constructions},
    {ZoomPicture, R"m(EMF popup > "Zoom EMF Obj")m", "none: value typed, pointer moves; Esc ends",
     Output},
    {EditPolynomial, R"m("EditObj" > "Ploynomial Curve")m", "1 (opens the kind popup)",
     Interaction},
    {EraseBlock, R"m("Advanced" > "Erase Block")m", "2", Output},
    {EditBlock, R"m("EditObj" > "Edit Block")m", "none (pointer only)", Interaction},
    {PlaceBitmap, "no menu item: the program's own bitmap placement", "1", Output},
    {PlaceBitmap64, R"m("NewObj" > "New BMP 64")m", "1", Output},
    {HorizontalEllipse, R"m("NewObj" > "Ellipse-Hor-Ver" > "Horizontal")m", "3, repeats",
     Interaction},
    {VerticalEllipse, R"m("NewObj" > "Ellipse-Hor-Ver" > "Vertical")m", "3, repeats", Interaction},
    {BorderedLabel, R"m("Advanced" > "Bordered  Label")m", "1, ends", Interaction},
    {Fraction, R"m("NewObj" > "Fraction num-denom")m", "1, ends", Interaction},
    {RadicalSign, R"m("NewObj" > "Radical sign")m", "4, ends", Interaction},
};

} // namespace

const std::vector<ToolModeInfo>& toolModeTable()
{
    static const std::vector<ToolModeInfo> table = [] {
        std::vector<ToolModeInfo> rows;
        rows.reserve(std::size(kRows));
        for (const ModeRow& row : kRows)
            rows.push_back({row.mode, QString::fromUtf8(row.command), QString::fromUtf8(row.clicks),
                            row.home});
        return rows;
    }();
    return table;
}

const ToolModeInfo* findToolMode(ToolMode mode)
{
    for (const ToolModeInfo& info : toolModeTable()) {
        if (info.mode == mode)
            return &info;
    }
    return nullptr;
}

} // namespace kel
