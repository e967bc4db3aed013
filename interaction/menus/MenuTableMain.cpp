// The eight menus of the menu bar with their submenus, in screen order.
// Submenus and the few items that have no component name of their own are
// named "mnu" + what they hold (+ "Sub" for a submenu).

#include "interaction/menus/MenuTableBuilder.h"

namespace kel {

namespace {

using enum ToolMode;

constexpr unsigned kCheck = kMenuCheckable;
constexpr unsigned kHidden = kMenuHidden;
constexpr unsigned kOff = kMenuDisabled;
constexpr unsigned kColumn = kMenuNewColumn;
constexpr unsigned kNone = kMenuNoAction;

void addFileMenu(MenuTableBuilder& b)
{
    b.topMenu("File", "mnuFileactions", true);
    b.item("Open", "mnuopentab");
    b.item("SaveAs", "mnuSaveAs");
    b.item("Save", "mnusave");
    b.item("New Drawing", "mnuNewscketch");
    b.item("Append File", "mnuapndfile", PlaceObjects);
    b.item("Print", "mnuPrint");
    b.item("Exit", "mnuexitapp");
}

void addEditMenu(MenuTableBuilder& b)
{
    b.topMenu("Edit", "mnuEditHistory", true);
    b.item("Undo", "mnuUndo");
    b.shortcut("Ctrl+Z");
    b.item("Redo", "mnuRedo");
    b.shortcut("Ctrl+Shift+Z; Ctrl+Y");
}

void addActionsMenu(MenuTableBuilder& b)
{
    b.topMenu("Actions", "mnuEdtAll", true);
    b.item("Enhance Image", "mnuSmoothImage");
    b.item("Refresh", "mnuRefresh");
    b.item("Grid Dots", "mnuGridDots1", Idle, kCheck | kMenuChecked);
    b.item("Edit Obj Data", "mnuedtobjdata");
    b.item("Clear All Tags", "mnuclearTags");
    b.item("Tag Yellow Objects", "mnutagyelows", Idle, kHidden);
    b.item("Del yellow/green rows", "mnudelyells", Idle, kHidden);
    b.item("Del tagged objects", "mnydeltagedobj", Idle, kHidden);
    b.beginSubmenu("Default Point Shape", "mnudefptshape");
    b.item("1", "mnudefpt1");
    b.item("2", "mnudefpt2");
    b.item("3", "mnudefpt3");
    b.item("4", "mnudefpt4");
    b.endSubmenu();
    b.item("Disable Fill Patterns", "mnudisallFills");
    b.item("Enable Fill Patterns", "mnuenbfillpats");
    b.item("Paste from Clipboard", "mnupastefromclip", PlaceObjects);
    b.item("Single Step", "mnusinglestep");
    b.item("Change Cursor", "mnuChangeCursor");
}

void addEditObjMenu(MenuTableBuilder& b)
{
    b.topMenu("EditObj", "mnuEditObj", false);
    b.item("Point", "mnuedtobjPoint", EditPoint);
    b.item("Line", "mnuedtObjLine", EditLine);
    b.item("Circle", "mnuobjeditCircle", EditCircle);
    b.item("Arc", "mnuobjeditArc", EditArc);
    b.item("Text", "mnuObjEditText", EditText);
    b.item("Fill Region", "mnuobjeditFill", EditFillRegion);
    b.item("Grid", "mnuedtGrid", EditGrid);
    b.item("Ellipse", "mnuedtellipse", EditEllipse);
    b.item("EMF", "mnueditEMFobj", EditPicture);
    b.item("Round Rectangle", "mnuedtRRrect", EditRoundRectangle, kColumn);
    b.item("Focus Rectangle", "mnuedtFrect", EditFocusRectangle);
    b.item("PolyLine", "mnuedtPolyLine", EditPolyline);
    b.item("Polygon", "mnuedtpolygon", EditPolygon);
    b.item("Bezier Curve", "mnuedtCurve", EditBezierCurve);
    b.item("Ploynomial Curve", "PloynomialCurve1", EditPolynomial);
    b.item("Tag Single Object", "mnutagsingleobj", TagSingleObject);
    b.beginSubmenu("Tagged Objects", "mnuTaggedObjsSub");
    b.item("Delete", "mnuDelyelrows");
    b.item("Duplicate", "mnucopytaged", Idle, kNone);
    b.item("Hide", "mnuhideyellow");
    b.item("Duplicate", "DuplicateObject1");
    b.item("Save as KEL", "mnusaveaskel");
    b.item("Defrag into block", "Defragintoblock1", Idle, kNone);
    b.item("Exchnage 2 items", "Exchnage2items1", Idle, kNone);
    b.endSubmenu();
    b.item("Edit Block", "mnueditBlock", EditBlock);
    b.item("Show Objects Info", "mnuTrackObjs", Idle, kCheck | kHidden);
}

void addCropAndMenu(MenuTableBuilder& b)
{
    b.topMenu("CropAnd", "Crop1", true);
    b.item("Save as JPG File", "mnusavecrop", CropToJpegFile);
    b.item("Save as KEL File", "mnusavtag2KEL", SaveAreaAsKel);
    b.item("Save as EMF File", "mnucropemfsave", CropToMetafileFile);
    b.item("BMP to clipboard", "mnusavtoClip", CropToBitmapClipboard);
    b.item("EMF to clipboard", "mnuEMF2clip", CropToMetafileClipboard);
    b.item("Tag Objects Only", "mnutagobjects", TagObjectsInArea);
    b.item("Copy Objs to Clipboard", "mnucrop2Clip", CopyAreaToClipboard);
    b.item("Delete Objects", "mnucropdel", DeleteObjectsInArea);
    // The move tool runs as "Move Objects" throughout; "Duplicate Objects" is
    // its duplicating variant.
    b.item("Move Objects", "mnucutthenpaste", MoveObjectsInArea);
    b.item("Mirror Objects to Line", "mnumirrorobj2line", MirrorAreaToLine);
    b.item("Duplicate Objects", "CopyandPaste1", DuplicateObjectsInArea);
    b.item("Zoom crop area", "mnuzoomobjs", ZoomCropArea);
    b.item("Rotate crop area", "Rotatecroparea1", RotateCropArea);
    b.item("* Make Animate GIF", "mnucrop2GIF");
    b.item("Include dot frame", "mnuincdotfram", Idle, kCheck);
    b.item("Modify all attributes", "mnumodallattr", ModifyAreaAttributes);
}

void addNewObjMenu(MenuTableBuilder& b)
{
    b.topMenu("NewObj", "mnuKel", true);
    b.beginSubmenu("New Point", "mnuNewPointSub");
    b.item("Use Mouse", "mnynewPtByMouse", PointByMouse);
    b.item("Enter Coordinate", "mnyptBykeyboard", PointByCoordinates);
    b.endSubmenu();
    b.item("New Arbit. Line", "mnuArbitLine", ArbitraryLine);
    b.item("New Hor. Line", "mnuNewHorLine", HorizontalLine);
    b.item("New Ver. Line", "NewVerLine1", VerticalLine);
    b.item("New Fixed Line", "mnufixedline", FixedLine);
    b.item("New Circle", "NewCircle2", Circle);
    b.item("3 Point Circle", "mnu3pointcircle", ThreePointCircle);
    b.item("Circle by Diameter", "mnucirbydiameter", CircleByDiameter);
    b.item("New Precision Arc", "mnustdAtc", PrecisionArc);
    b.item("3 Point Arc", "mnu3pointArc", ThreePointArc);
    b.item("2 End Points Arc", "mnuArc2point", EndPointsArc);
    b.item("New Sweep Arc", "mnusweeparc", SweepArc);
    b.item("Fraction num-denom", "mnufraction", Fraction);
    b.beginSubmenu("New Rectangle", "mnuNewRectSub", kColumn);
    b.item("Reg Rect", "mnuregrect", Rectangle);
    b.item("Round Rect", "mnuroundrect", RoundRectangle);
    b.item("Focus Rect", "FocusRect1", FocusRectangle);
    b.item("Fixed Rect", "mnufixedrect", FixedRectangle);
    b.endSubmenu();
    b.item("New Text", "NewText2", Text);
    b.beginSubmenu("Ellipse-Hor-Ver", "mnuEllipseHorVerSub");
    b.item("Horizontal", "mnuHorEllipse", HorizontalEllipse);
    b.item("Vertical", "mnuVerEllipse", VerticalEllipse);
    b.endSubmenu();
    b.beginSubmenu("New Poly(Line/Gon)", "mnuNewPolySub");
    b.item("PolyLine", "mnuOpenPolygon", Polyline);
    b.item("Polygon", "mnuclosedPolygon", Polygon);
    b.endSubmenu();
    b.item("New DrawGrid", "mnuDrawGrid", DrawGrid);
    b.item("Fill Region", "NewFillPattern1", FillRegion);
    b.item("4 Points Beizer curve", "mnuPointsBeizer", FourPointBezier);
    b.item("New Interpolation Graph", "mnuNewGraph", InterpolationGraph);
    b.item("Ellipsoid", "mnuEllipsoid", Ellipsoid);
    b.item("New SemiCircle", "mnuconstSemiCircle", Semicircle);
    b.item("New EMF Obj", "mnuembedEMF", PlacePicture);
    b.item("Radical sign", "mnuRadicalsign", RadicalSign);
    b.item("New BMP 64", "mnuBMP64x", PlaceBitmap64);
}

void addAdvancedMenu(MenuTableBuilder& b)
{
    b.topMenu("Advanced", "mnuadvanced", true);
    b.item("Angle Bisector", "mnuanglebisect", AngleBisector);
    b.item("Construct Triangle", "mnubuildTriang", ConstructTriangle);
    b.item("Hor. Sine Wave", "mnuhorsinwav", SineWave);
    b.beginSubmenu("Circle Tangents", "mnuCircleTangentsSub");
    b.item("Circles internal tangents", "N2CircleInttangent1", Idle, kNone);
    b.item("Circles external tangents", "Circlesexternaltangents1", Idle, kNone);
    b.endSubmenu();
    b.item("Duplicate Group Points", "mnuduppoints", DuplicateGroupPoints);
    b.beginSubmenu("Frame By Frame GIF", "mnygifframes");
    b.item("New GIF File", "mnunewgif", Idle, kNone);
    b.item("Add Frame", "mnuAddFrame", Idle, kNone | kOff);
    b.item("GIF Done", "mnuGIFDone", Idle, kNone | kOff);
    b.item("Cancel GIF", "mnycancelGIF", Idle, kNone | kOff);
    b.endSubmenu();
    b.item("Intersection aprox", "mnushowintersect", ApproximateIntersection);
    b.beginSubmenu("Intersection Exact", "mnuobjintrsct");
    b.item("Circle && Circle", "mnucircirintrsvt", IntersectCircleCircle);
    b.item("Circle && Line", "CircleLine1", IntersectCircleLine);
    b.item("Circle && Arc", "mnuCircleArcIntrsct", Idle, kNone);
    b.item("Line && Arc", "mnuLineArccut", IntersectLineArc);
    b.item("Arc && Arc", "mnuArcArcIntrsct", Idle, kNone);
    b.item("Line && Line", "mnuLineLine", IntersectLineLine);
    b.endSubmenu();
    b.item("Move Conncted Lines", "mnumovconlines", MoveConnectedLines);
    b.beginSubmenu("Measure", "mnuMeasureSub");
    b.item("Length", "mnumesurLen", MeasureLength);
    b.item("Angle", "mnumeasureAng", MeasureAngle);
    b.item("Pixels Count", "mnucountpixels", CountPixels);
    b.item("Triangle area", "mnutrianArea", MeasureTriangleArea);
    b.endSubmenu();
    b.item("N Sided Polygon", "RegularPolygon1", RegularPolygon);
    b.item("Star", "mnustar", Star);
    b.item("Perpend. to 2 lines", "mnuPerpendto2lines", PerpendicularToTwoLines);
    b.item("Mark Angle with Arc", "mnuArc2markAng", MarkAngleWithArc);
    b.item("Blocks to GIF", "mnuBlockstoGIF", BlocksToGif);
    b.item("Erase Block", "mnuEraseBlock", EraseBlock);
    b.item("BMP/JPG to EMF", "mnubmp2EMF");
    b.item("Bordered  Label", "mnuBordLabel", BorderedLabel);
}

void addHelpMenu(MenuTableBuilder& b)
{
    b.topMenu("Help", "Help1", false);
    b.item("About", "About1");
    b.item("Info", "mnuinfo");
}

} // namespace

void addMainMenus(MenuTableBuilder& b)
{
    addFileMenu(b);
    addEditMenu(b);
    addActionsMenu(b);
    addEditObjMenu(b);
    addCropAndMenu(b);
    addNewObjMenu(b);
    addAdvancedMenu(b);
    addHelpMenu(b);
}

} // namespace kel
