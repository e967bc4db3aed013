// The popup menus: one per record kind of the drawing (opened on a picked
// object), the block popup and the object table's own popup. Items without a
// component name of their own are named "pop" + the kind + what they do.
// Modes are those the commands set; move and duplicate run the shared engine
// as 50 and 51.

#include "interaction/MenuTableBuilder.h"

namespace kel {

namespace {

constexpr unsigned kOff = kMenuDisabled;
constexpr unsigned kColumn = kMenuNewColumn;
constexpr unsigned kNone = kMenuNoAction;

constexpr int kMoveMode = 50;
constexpr int kDuplicateMode = 51;

void addPointPopup(MenuTableBuilder& b)
{
    b.popupMenu("popPOINTacts");
    b.item("Delete Point", "popPointDelete");
    b.item("Yellow Center", "popPointYellowCenter");
    b.item("Solid Back 3", "popPointSolidBack3");
    b.item("Solid Black 2", "popPointSolidBlack2");
    b.item("Blue Square", "popPointBlueSquare");
    b.item("Mirror Point to Point", "mnumirorpt2pt", 97);
    b.item("Draw Striked Angled", "mnuAngledline", 124);
    b.item("Mid point 2 another Point", "mnuptBet2Points", 127);
    b.item("Hide Point", "popPointHide");
    b.item("Draw Last", "popPointDrawLast");
    b.item("Cancel", "popPointCancel", 0, kNone);
}

void addLinePopup(MenuTableBuilder& b)
{
    b.popupMenu("popLINEacts");
    b.item("Adjust Length", "mnuAdjustLen", 79);
    b.item("Append Angle Var", "mnuAngletoendpoint", 55);
    b.item("Append Angle Fixed", "mnuapangFix", 116);
    b.item("Add Arrow", "popLineAddArrow", 106);
    b.item("Arbitrary Parallel Line", "mnupoplinarbitlin", 76);
    b.item("Construct ParallelG. by side", "mnulineactPGS", 9);
    b.item("Construct ParallelG. by diag", "mnuLineactPGD", 10);
    b.item("Construct Square by Diag", "mnusquarbydiag");
    b.item("Construct Square Given 1 Side", "mnysquareByside");
    b.item("Construct Rect as Side", "mnuLine2Rect", 110);
    b.item("Construct Arc", "popLineConstructArc", 0, kNone);
    b.item("Construct Circle", "mnupoplineconcircle");
    b.item("Construct Semicircle ", "mnupoplinesemicir");
    b.beginSubmenu("Construct Triangle(SSS/ASA)", "popLineTriangleSub");
    b.item("SSS", "mnuSSS", 101);
    b.item("ASA", "mnuASA", 102);
    b.endSubmenu();
    b.item("Delete line", "popLineDelete");
    b.item("Duplicate Line(parallel)", "mnupoplineDUP", kDuplicateMode);
    b.item("Divide into N  segs", "mnopoplineDivN");
    b.item("Gap in Middle", "mnugapinLine", 93, kColumn);
    b.item("Hide Line", "popLineHide");
    b.item("Measure Length && Angle", "mnulineactmesure");
    b.item("Mark point on line", "mnuMarkpointonline", 16);
    b.item("Mark Verical Distance", "mnumarkvert", 103);
    b.item("Mark Fixed Distance", "mnumarkfixeddist", 115);
    b.item("Mirror point to line", "mnupopmirrorpoint", 33);
    b.item("Mark mid point", "mnupopMarklinemidpoint");
    b.item("Modify Pen", "mnuModifylinePen");
    b.item("Move Line", "mnupoplineMOV", kMoveMode);
    b.item("Move conn endpoint", "mnupoplinmovpt", 59);
    b.item("Draw Parallel Line", "mnuParallelLine", 35);
    b.item("Perpendicular to Line", "mnulineactperpend", 13);
    b.item("Perpendicular at Line", "PerpendicularatLine1", 7, kOff);
    b.item("Perpendicular Bisector", "mnulineacrperbisect", 56);
    b.item("Tick the Line", "popLineTick", 107);
    b.item("Cancel", "popLineCancel", 0, kNone);
}

void addCirclePopup(MenuTableBuilder& b)
{
    b.popupMenu("popcircleacts");
    b.item("Show circle info(R, C)", "Showcircleinfo1");
    b.item("Modify circle Pen", "popCircleModifyPen");
    b.item("Modify Brush", "popCircleModifyBrush");
    b.item("Delete Circle", "popCircleDelete");
    b.item("Duplicate circle", "mnucirpopdupcir", kDuplicateMode);
    b.item("Mark N equal points", "mnumarkcirNpoints");
    b.item("Hide circle", "popCircleHide");
    b.item("Move Circle", "mnupopcirmovecir", kMoveMode);
    b.item("Mark Circle Center", "mnucirpopmarkcir");
    b.item("Mark degree on Circle", "mnupopcirmarkcir", 38);
    b.item("Perpendicular to Circle", "mnuperpen2cir", 83);
    b.item("Tangent to Circle", "mnucirpoptan2cir", 37);
    b.item("Tag Circle", "mnuCirPopTagCircle");
    b.item("Circle to Arc", "mnutrimcircle", 74);
    b.item("Modify R, center", "mnumodcirR", 118);
    b.item("Cancel", "popCircleCancel", 0, kNone);
}

void addArcPopup(MenuTableBuilder& b)
{
    b.popupMenu("popArcacts");
    b.item("Show Arc Info", "mnupoparcinfo");
    b.item("Modify Pen", "popArcModifyPen");
    b.item("Delete Arc", "popArcDelete");
    b.item("Hide Arc", "popArcHide");
    b.item("Move Arc", "popArcMove", kMoveMode);
    b.item("Dup Arc", "popArcDup", kDuplicateMode);
    b.item("Arc  ----> Circle", "mnuarc2circle");
    b.item("Modify R, Ang1, Ang2", "mnupoparcmodarc", 45);
    b.item("Complement Arc", "mnupopComplementArc");
    b.item("Mirror Arc", "mnupoparcmirror");
    b.item("Mark Arc Midpoint", "mnupoparcmidpt");
    b.item("Mark Arc Center", "mnupoparcmarkctr");
    b.item("Perpendicular to Arc", "mnuperpen2arc", 83);
    b.item("Tag Arc", "mnupoparcTagArc");
    b.item("Cancel", "popArcCancel", 0, kNone);
}

void addTextPopup(MenuTableBuilder& b)
{
    b.popupMenu("poptextacts");
    b.item("Delete Text", "popTextDelete");
    b.item("Hide Text", "popTextHide");
    b.item("Modify Text", "popTextModify");
    b.item("Modify Text Attribs", "popTextModifyAttribs");
    b.item("Move Text", "popTextMove", kMoveMode);
    b.item("Duplicate Text Msg", "popTextDuplicate", kDuplicateMode);
    b.item("Modify Angle", "popTextModifyAngle");
    b.item("Get Text", "popTextGet");
    b.item("Cancel", "popTextCancel", 0, kNone);
}

void addGridPopup(MenuTableBuilder& b)
{
    b.popupMenu("popgridacts");
    b.item("Modify Pen", "popGridModifyPen");
    b.item("Delete Grid", "popGridDelete");
    b.item("Hide Grid", "popGridHide");
    b.item("Move Grid", "popGridMove", kMoveMode);
    b.item("Dup Grid", "popGridDup", kDuplicateMode);
    b.item("ID Grid Cross Points", "mnupopgridID", 57);
    b.item("Mark Any Grid Point", "mnuMarkGridPoints", 108);
    b.item("Cancel", "popGridCancel", 0, kNone);
}

void addFillPopup(MenuTableBuilder& b)
{
    b.popupMenu("popfillacts");
    b.item("Delete Fill", "popFillDelete");
    b.item("Modify Style", "popFillModifyStyle");
    b.item("Draw Last", "popFillDrawLast");
    b.item("Cancel", "popFillCancel", 0, kNone);
}

// PopPolygons serves poly-lines (G), popclosepoly closed polygons (N).
void addPolyPopups(MenuTableBuilder& b)
{
    b.popupMenu("PopPolygons");
    b.item("Modify Pen", "popPolyLineModifyPen");
    b.item("Delete", "popPolyLineDelete");
    b.item("Hide", "popPolyLineHide");
    b.item("Move", "popPolyLineMove", kMoveMode);
    b.item("Duplicate", "popPolyLineDuplicate", kDuplicateMode);
    b.item("Convert to Lines", "mnupoppoly2Lines");
    b.item("Cancel", "popPolyLineCancel", 0, kNone);

    b.popupMenu("popclosepoly");
    b.item("Duplicate", "popPolygonDuplicate", kDuplicateMode);
    b.item("Move", "popPolygonMove", kMoveMode);
    b.item("Delete", "popPolygonDelete");
    b.item("Hide", "popPolygonHide");
    b.item("Modify Brush", "mnyeditpolybrush");
    b.item("Modify Pen", "mnuedtplygonpen");
    b.item("Convert to Lines", "mnyKonPolyGon2Line");
    b.item("Cancel", "popPolygonCancel", 0, kNone);
}

void addCurvePopups(MenuTableBuilder& b)
{
    b.popupMenu("popcurve");
    b.item("Modify Pen", "popCurveModifyPen");
    b.item("Delete ", "popCurveDelete");
    b.item("Hide", "popCurveHide");
    b.item("Move", "popCurveMove", kMoveMode);
    b.item("Mark Point on Curve", "popCurveMarkPoint", 112);
    b.item("Duplicate", "popCurveDuplicate", kDuplicateMode);
    b.item("Edit Bezier curvature", "popCurveEditCurvature", 111);
    b.item("Cancel", "popCurveCancel", 0, kNone);

    b.popupMenu("PopPolynomial");
    b.item("Modify Pen", "popPolynomialModifyPen");
    b.item("Delete Curve", "popPolynomialDelete");
    b.item("Hide Curve", "popPolynomialHide");
    b.item("Move curve", "popPolynomialMove");
    b.item("Show Points", "popPolynomialShowPoints");
    b.item("Show Coefficients", "mnuShowPolyCoefc");
    b.item("Duplicate Curve", "popPolynomialDuplicate");
    b.item("Extend Polynomial Curve", "popPolynomialExtend", 0, kNone);
}

void addPicturePopups(MenuTableBuilder& b)
{
    b.popupMenu("PopupEMF");
    b.item("Delete EMF Obj", "popEMFDelete");
    b.item("Hide EMF Obj", "popEMFHide");
    b.item("Copy EMF Obj", "mnuCopyEMFObj");
    b.item("Zoom EMF Obj", "mnuZoomEMFObj", 128);
    b.item("Save EMF Obj", "mnuSaveEMFObj");
    b.item("Cancel", "popEMFCancel", 0, kNone);

    // Ellipses and the rectangle kinds.
    b.popupMenu("popotheracts");
    b.item("Modify Pen", "popOtherModifyPen");
    b.item("Delete Object", "popOtherDelete");
    b.item("Hide Object", "popOtherHide");
    b.item("Move Object", "popOtherMove", kMoveMode);
    b.item("Dup Object", "popOtherDup", kDuplicateMode);
    b.item("Mark Object Center", "popOtherMarkCenter");
    b.item("Modify Brush", "mnumodelissbrush");
    b.item("Cancel", "popOtherCancel", 0, kNone);

    b.popupMenu("popEraseblock");
    b.item("Delete Block", "popBlockDelete", 0, kNone);
    b.item("Modify Brush", "popBlockModifyBrush", 0, kNone);
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
    b.item("Draw First", "popGDDrawFirst", 0, kOff | kNone);
    b.item("Move Object", "popGDMoveObject", 0, kOff | kNone);
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
