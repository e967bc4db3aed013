// The popup menus: one per record kind of the drawing (opened on a picked
// object), the block popup and the object table's own popup. Items without a
// component name of their own are named "pop" + the kind + what they do.
// Modes are those the commands set; move and duplicate of every kind run one
// shared engine each.

#include "interaction/menus/MenuTableBuilder.h"

namespace kel {

namespace {

using enum ToolMode;

constexpr unsigned kOff = kMenuDisabled;
constexpr unsigned kColumn = kMenuNewColumn;
constexpr unsigned kNone = kMenuNoAction;

void addPointPopup(MenuTableBuilder& b)
{
    b.popupMenu("popPOINTacts");
    b.item("Delete Point", "popPointDelete");
    b.item("Yellow Center", "popPointYellowCenter");
    b.item("Solid Back 3", "popPointSolidBack3");
    b.item("Solid Black 2", "popPointSolidBlack2");
    b.item("Blue Square", "popPointBlueSquare");
    b.item("Mirror Point to Point", "mnumirorpt2pt", MirrorPointToPoint);
    b.item("Draw Striked Angled", "mnuAngledline", StruckAngledLine);
    b.item("Mid point 2 another Point", "mnuptBet2Points", MidPointToPoint);
    b.item("Hide Point", "popPointHide");
    b.item("Draw Last", "popPointDrawLast");
    b.item("Cancel", "popPointCancel", Idle, kNone);
}

void addLinePopup(MenuTableBuilder& b)
{
    b.popupMenu("popLINEacts");
    b.item("Adjust Length", "mnuAdjustLen", AdjustLength);
    b.item("Append Angle Var", "mnuAngletoendpoint", AppendVariableAngle);
    b.item("Append Angle Fixed", "mnuapangFix", AppendFixedAngle);
    b.item("Add Arrow", "popLineAddArrow", Arrowhead);
    b.item("Arbitrary Parallel Line", "mnupoplinarbitlin", ArbitraryParallelLine);
    b.item("Construct ParallelG. by side", "mnulineactPGS", ParallelogramBySide);
    b.item("Construct ParallelG. by diag", "mnuLineactPGD", ParallelogramByDiagonal);
    b.item("Construct Square by Diag", "mnusquarbydiag");
    b.item("Construct Square Given 1 Side", "mnysquareByside");
    b.item("Construct Rect as Side", "mnuLine2Rect", RectangleOnSide);
    b.item("Construct Arc", "popLineConstructArc", Idle, kNone);
    b.item("Construct Circle", "mnupoplineconcircle");
    b.item("Construct Semicircle ", "mnupoplinesemicir");
    b.beginSubmenu("Construct Triangle(SSS/ASA)", "popLineTriangleSub");
    b.item("SSS", "mnuSSS", TriangleSideSideSide);
    b.item("ASA", "mnuASA", TriangleAngleSideAngle);
    b.endSubmenu();
    b.item("Delete line", "popLineDelete");
    b.item("Duplicate Line(parallel)", "mnupoplineDUP", DuplicatePickedObject);
    b.item("Divide into N  segs", "mnopoplineDivN");
    b.item("Gap in Middle", "mnugapinLine", GapInMiddle, kColumn);
    b.item("Hide Line", "popLineHide");
    b.item("Measure Length && Angle", "mnulineactmesure");
    b.item("Mark point on line", "mnuMarkpointonline", MarkPointOnLine);
    b.item("Mark Verical Distance", "mnumarkvert", MarkVerticalDistance);
    b.item("Mark Fixed Distance", "mnumarkfixeddist", MarkFixedDistance);
    b.item("Mirror point to line", "mnupopmirrorpoint", MirrorPointToLine);
    b.item("Mark mid point", "mnupopMarklinemidpoint");
    b.item("Modify Pen", "mnuModifylinePen");
    b.item("Move Line", "mnupoplineMOV", MovePickedObject);
    b.item("Move conn endpoint", "mnupoplinmovpt", MoveConnectedLines);
    b.item("Draw Parallel Line", "mnuParallelLine", ParallelLineAtDistance);
    b.item("Perpendicular to Line", "mnulineactperpend", PerpendicularToLine);
    b.item("Perpendicular at Line", "PerpendicularatLine1", PerpendicularAtLine, kOff);
    b.item("Perpendicular Bisector", "mnulineacrperbisect", PerpendicularBisector);
    b.item("Tick the Line", "popLineTick", TickLine);
    b.item("Cancel", "popLineCancel", Idle, kNone);
}

void addCirclePopup(MenuTableBuilder& b)
{
    b.popupMenu("popcircleacts");
    b.item("Show circle info(R, C)", "Showcircleinfo1");
    b.item("Modify circle Pen", "popCircleModifyPen");
    b.item("Modify Brush", "popCircleModifyBrush");
    b.item("Delete Circle", "popCircleDelete");
    b.item("Duplicate circle", "mnucirpopdupcir", DuplicatePickedObject);
    b.item("Mark N equal points", "mnumarkcirNpoints");
    b.item("Hide circle", "popCircleHide");
    b.item("Move Circle", "mnupopcirmovecir", MovePickedObject);
    b.item("Mark Circle Center", "mnucirpopmarkcir");
    b.item("Mark degree on Circle", "mnupopcirmarkcir", MarkDegreeOnCircle);
    b.item("Perpendicular to Circle", "mnuperpen2cir", PerpendicularToArc);
    b.item("Tangent to Circle", "mnucirpoptan2cir", TangentToCircle);
    b.item("Tag Circle", "mnuCirPopTagCircle");
    b.item("Circle to Arc", "mnutrimcircle", CircleToArc);
    b.item("Modify R, center", "mnumodcirR", ModifyCircle);
    b.item("Cancel", "popCircleCancel", Idle, kNone);
}

void addArcPopup(MenuTableBuilder& b)
{
    b.popupMenu("popArcacts");
    b.item("Show Arc Info", "mnupoparcinfo");
    b.item("Modify Pen", "popArcModifyPen");
    b.item("Delete Arc", "popArcDelete");
    b.item("Hide Arc", "popArcHide");
    b.item("Move Arc", "popArcMove", MovePickedObject);
    b.item("Dup Arc", "popArcDup", DuplicatePickedObject);
    b.item("Arc  ----> Circle", "mnuarc2circle");
    b.item("Modify R, Ang1, Ang2", "mnupoparcmodarc", ModifyArc);
    b.item("Complement Arc", "mnupopComplementArc");
    b.item("Mirror Arc", "mnupoparcmirror");
    b.item("Mark Arc Midpoint", "mnupoparcmidpt");
    b.item("Mark Arc Center", "mnupoparcmarkctr");
    b.item("Perpendicular to Arc", "mnuperpen2arc", PerpendicularToArc);
    b.item("Tag Arc", "mnupoparcTagArc");
    b.item("Cancel", "popArcCancel", Idle, kNone);
}

void addTextPopup(MenuTableBuilder& b)
{
    b.popupMenu("poptextacts");
    b.item("Delete Text", "popTextDelete");
    b.item("Hide Text", "popTextHide");
    b.item("Modify Text", "popTextModify");
    b.item("Modify Text Attribs", "popTextModifyAttribs");
    b.item("Move Text", "popTextMove", MovePickedObject);
    b.item("Duplicate Text Msg", "popTextDuplicate", DuplicatePickedObject);
    b.item("Modify Angle", "popTextModifyAngle");
    b.item("Get Text", "popTextGet");
    b.item("Cancel", "popTextCancel", Idle, kNone);
}

void addGridPopup(MenuTableBuilder& b)
{
    b.popupMenu("popgridacts");
    b.item("Modify Pen", "popGridModifyPen");
    b.item("Delete Grid", "popGridDelete");
    b.item("Hide Grid", "popGridHide");
    b.item("Move Grid", "popGridMove", MovePickedObject);
    b.item("Dup Grid", "popGridDup", DuplicatePickedObject);
    b.item("ID Grid Cross Points", "mnupopgridID", MarkGridCrossPoints);
    b.item("Mark Any Grid Point", "mnuMarkGridPoints", MarkGridPoint);
    b.item("Cancel", "popGridCancel", Idle, kNone);
}

void addFillPopup(MenuTableBuilder& b)
{
    b.popupMenu("popfillacts");
    b.item("Delete Fill", "popFillDelete");
    b.item("Modify Style", "popFillModifyStyle");
    b.item("Draw Last", "popFillDrawLast");
    b.item("Cancel", "popFillCancel", Idle, kNone);
}

// PopPolygons serves poly-lines (G), popclosepoly closed polygons (N).
void addPolyPopups(MenuTableBuilder& b)
{
    b.popupMenu("PopPolygons");
    b.item("Modify Pen", "popPolyLineModifyPen");
    b.item("Delete", "popPolyLineDelete");
    b.item("Hide", "popPolyLineHide");
    b.item("Move", "popPolyLineMove", MovePickedObject);
    b.item("Duplicate", "popPolyLineDuplicate", DuplicatePickedObject);
    b.item("Convert to Lines", "mnupoppoly2Lines");
    b.item("Cancel", "popPolyLineCancel", Idle, kNone);

    b.popupMenu("popclosepoly");
    b.item("Duplicate", "popPolygonDuplicate", DuplicatePickedObject);
    b.item("Move", "popPolygonMove", MovePickedObject);
    b.item("Delete", "popPolygonDelete");
    b.item("Hide", "popPolygonHide");
    b.item("Modify Brush", "mnyeditpolybrush");
    b.item("Modify Pen", "mnuedtplygonpen");
    b.item("Convert to Lines", "mnyKonPolyGon2Line");
    b.item("Cancel", "popPolygonCancel", Idle, kNone);
}

void addCurvePopups(MenuTableBuilder& b)
{
    b.popupMenu("popcurve");
    b.item("Modify Pen", "popCurveModifyPen");
    b.item("Delete ", "popCurveDelete");
    b.item("Hide", "popCurveHide");
    b.item("Move", "popCurveMove", MovePickedObject);
    b.item("Mark Point on Curve", "popCurveMarkPoint", MarkPointOnCurve);
    b.item("Duplicate", "popCurveDuplicate", DuplicatePickedObject);
    b.item("Edit Bezier curvature", "popCurveEditCurvature", EditBezierCurvature);
    b.item("Cancel", "popCurveCancel", Idle, kNone);

    b.popupMenu("PopPolynomial");
    b.item("Modify Pen", "popPolynomialModifyPen");
    b.item("Delete Curve", "popPolynomialDelete");
    b.item("Hide Curve", "popPolynomialHide");
    b.item("Move curve", "popPolynomialMove");
    b.item("Show Points", "popPolynomialShowPoints");
    b.item("Show Coefficients", "mnuShowPolyCoefc");
    b.item("Duplicate Curve", "popPolynomialDuplicate");
    b.item("Extend Polynomial Curve", "popPolynomialExtend", Idle, kNone);
}

void addPicturePopups(MenuTableBuilder& b)
{
    b.popupMenu("PopupEMF");
    b.item("Delete EMF Obj", "popEMFDelete");
    b.item("Hide EMF Obj", "popEMFHide");
    b.item("Copy EMF Obj", "mnuCopyEMFObj");
    b.item("Zoom EMF Obj", "mnuZoomEMFObj", ZoomPicture);
    b.item("Save EMF Obj", "mnuSaveEMFObj");
    b.item("Cancel", "popEMFCancel", Idle, kNone);

    // Ellipses and the rectangle kinds.
    b.popupMenu("popotheracts");
    b.item("Modify Pen", "popOtherModifyPen");
    b.item("Delete Object", "popOtherDelete");
    b.item("Hide Object", "popOtherHide");
    b.item("Move Object", "popOtherMove", MovePickedObject);
    b.item("Dup Object", "popOtherDup", DuplicatePickedObject);
    b.item("Mark Object Center", "popOtherMarkCenter");
    b.item("Modify Brush", "mnumodelissbrush");
    // Of the kinds of this popup only the round rectangle holds a brush.
    b.offFor({RecordKind::Rectangle, RecordKind::Ellipse, RecordKind::FocusRect});
    b.item("Cancel", "popOtherCancel", Idle, kNone);

    b.popupMenu("popEraseblock");
    b.item("Delete Block", "popBlockDelete", Idle, kNone);
    b.item("Modify Brush", "popBlockModifyBrush", Idle, kNone);
}

// The object table's popup; it acts on the table's current row.
void addTablePopup(MenuTableBuilder& b)
{
    b.popupMenu("PopupGD");
    b.item("Hide Object", "popGDHideObject");
    b.item("ShowObject", "popGDShowObject");
    b.item("Delete Object", "popGDDeleteObject");
    b.item("Draw Last", "popGDDrawLast");
    b.item("Size of Object", "popGDSizeOfObject");
    b.item("Move to another row", "popGDMoveToRow");
    b.item("Draw First", "popGDDrawFirst", Idle, kOff | kNone);
    b.item("Move Object", "popGDMoveObject", Idle, kOff | kNone);
}

} // namespace

void addPopupMenus(MenuTableBuilder& b)
{
    addPointPopup(b);
    addLinePopup(b);
    addCirclePopup(b);
    addArcPopup(b);
    addTextPopup(b);
    addGridPopup(b);
    addFillPopup(b);
    addPolyPopups(b);
    addCurvePopups(b);
    addPicturePopups(b);
    addTablePopup(b);
}

} // namespace kel
