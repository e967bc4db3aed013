// The seven menus of the menu bar with their submenus, in screen order.
// Submenus and the few items that have no component name of their own are
// named "mnu" + what they hold (+ "Sub" for a submenu).

#include "interaction/MenuTableBuilder.h"

namespace kel {

namespace {

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
    b.item("Append File", "mnuapndfile", 52);
    b.item("Print", "mnuPrint");
    b.item("Exit", "mnuexitapp");
}

void addActionsMenu(MenuTableBuilder& b)
{
    b.topMenu("Actions", "mnuEdtAll", true);
    b.item("Enhance Image", "mnuSmoothImage");
    b.item("Refresh", "mnuRefresh");
    b.item("Grid Dots", "mnuGridDots1", 0, kCheck | kMenuChecked);
    b.item("Edit Obj Data", "mnuedtobjdata");
    b.item("Clear All Tags", "mnuclearTags");
    b.item("Tag Yellow Objects", "mnutagyelows", 0, kHidden);
    b.item("Del yellow/green rows", "mnudelyells", 0, kHidden);
    b.item("Del tagged objects", "mnydeltagedobj", 0, kHidden);
    b.beginSubmenu("Default Point Shape", "mnudefptshape");
    b.item("1", "mnudefpt1");
    b.item("2", "mnudefpt2");
    b.item("3", "mnudefpt3");
    b.item("4", "mnudefpt4");
    b.endSubmenu();
    b.item("Disable Fill Patterns", "mnudisallFills");
    b.item("Enable Fill Patterns", "mnuenbfillpats");
    b.item("Paste from Clipboard", "mnupastefromclip", 52);
    b.item("Single Step", "mnusinglestep");
    b.item("Change Cursor", "mnuChangeCursor");
}

void addEditObjMenu(MenuTableBuilder& b)
{
    b.topMenu("EditObj", "mnuEditObj", false);
    b.item("Point", "mnuedtobjPoint", 60);
    b.item("Line", "mnuedtObjLine", 61);
    b.item("Circle", "mnuobjeditCircle", 62);
    b.item("Arc", "mnuobjeditArc", 63);
    b.item("Text", "mnuObjEditText", 64);
    b.item("Fill Region", "mnuobjeditFill", 65);
    b.item("Grid", "mnuedtGrid", 69);
    b.item("Ellipse", "mnuedtellipse", 66);
    b.item("EMF", "mnueditEMFobj", 88);
    b.item("Round Rectangle", "mnuedtRRrect", 67, kColumn);
    b.item("Focus Rectangle", "mnuedtFrect", 68);
    b.item("PolyLine", "mnuedtPolyLine", 70);
    b.item("Polygon", "mnuedtpolygon", 75);
    b.item("Bezier Curve", "mnuedtCurve", 71);
    b.item("Ploynomial Curve", "PloynomialCurve1", 129);
    b.item("Tag Single Object", "mnutagsingleobj", 54);
    b.beginSubmenu("Tagged Objects", "mnuTaggedObjsSub");
    b.item("Delete", "mnuDelyelrows");
    b.item("Duplicate", "mnucopytaged", 0, kNone);
    b.item("Hide", "mnuhideyellow");
    b.item("Duplicate", "DuplicateObject1");
    b.item("Save as KEL", "mnusaveaskel");
    b.item("Defrag into block", "Defragintoblock1", 0, kNone);
    b.item("Exchnage 2 items", "Exchnage2items1", 0, kNone);
    b.endSubmenu();
    b.item("Edit Block", "mnueditBlock", 131);
    b.item("Show Objects Info", "mnuTrackObjs", 0, kCheck | kHidden);
}

void addCropAndMenu(MenuTableBuilder& b)
{
    b.topMenu("CropAnd", "Crop1", true);
    b.item("Save as JPG File", "mnusavecrop", 18);
    b.item("Save as KEL File", "mnusavtag2KEL", 40);
    b.item("Save as EMF File", "mnucropemfsave", 21);
    b.item("BMP to clipboard", "mnusavtoClip", 19);
    b.item("EMF to clipboard", "mnuEMF2clip", 20);
    b.item("Tag Objects Only", "mnutagobjects", 39);
    b.item("Copy Objs to Clipboard", "mnucrop2Clip", 80);
    b.item("Delete Objects", "mnucropdel", 41);
    // The move tool runs as 42 throughout; 43 is the duplicating variant.
    b.item("Move Objects", "mnucutthenpaste", 42);
    b.item("Mirror Objects to Line", "mnumirrorobj2line", 117);
    b.item("Duplicate Objects", "CopyandPaste1", 43);
    b.item("Zoom crop area", "mnuzoomobjs", 46);
    b.item("Rotate crop area", "Rotatecroparea1", 32);
    b.item("* Make Animate GIF", "mnucrop2GIF");
    b.item("Include dot frame", "mnuincdotfram", 0, kCheck);
    b.item("Modify all attributes", "mnumodallattr", 100);
}

void addNewObjMenu(MenuTableBuilder& b)
{
    b.topMenu("NewObj", "mnuKel", true);
    b.beginSubmenu("New Point", "mnuNewPointSub");
    b.item("Use Mouse", "mnynewPtByMouse", 1);
    b.item("Enter Coordinate", "mnyptBykeyboard", 119);
    b.endSubmenu();
    b.item("New Arbit. Line", "mnuArbitLine", 2);
    b.item("New Hor. Line", "mnuNewHorLine", 89);
    b.item("New Ver. Line", "NewVerLine1", 90);
    b.item("New Fixed Line", "mnufixedline", 113);
    b.item("New Circle", "NewCircle2", 3);
    b.item("3 Point Circle", "mnu3pointcircle", 14);
    b.item("Circle by Diameter", "mnucirbydiameter", 15);
    b.item("New Precision Arc", "mnustdAtc", 4);
    b.item("3 Point Arc", "mnu3pointArc", 24);
    b.item("2 End Points Arc", "mnuArc2point", 23);
    b.item("New Sweep Arc", "mnusweeparc", 44);
    b.item("Fraction num-denom", "mnufraction", 137);
    b.beginSubmenu("New Rectangle", "mnuNewRectSub", kColumn);
    b.item("Reg Rect", "mnuregrect", 5);
    b.item("Round Rect", "mnuroundrect", 31);
    b.item("Focus Rect", "FocusRect1", 36);
    b.item("Fixed Rect", "mnufixedrect", 114);
    b.endSubmenu();
    b.item("New Text", "NewText2", 6);
    b.beginSubmenu("Ellipse-Hor-Ver", "mnuEllipseHorVerSub");
    b.item("Horizontal", "mnuHorEllipse", 134);
    b.item("Vertical", "mnuVerEllipse", 135);
    b.endSubmenu();
    b.beginSubmenu("New Poly(Line/Gon)", "mnuNewPolySub");
    b.item("PolyLine", "mnuOpenPolygon", 11);
    b.item("Polygon", "mnuclosedPolygon", 91);
    b.endSubmenu();
    b.item("New DrawGrid", "mnuDrawGrid", 34);
    b.item("Fill Region", "NewFillPattern1", 17);
    b.item("4 Points Beizer curve", "mnuPointsBeizer", 109);
    b.item("New Interpolation Graph", "mnuNewGraph", 87);
    b.item("Ellipsoid", "mnuEllipsoid", 105);
    b.item("New SemiCircle", "mnuconstSemiCircle", 125);
    b.item("New EMF Obj", "mnuembedEMF", 126);
    b.item("Radical sign", "mnuRadicalsign", 138);
    b.item("New BMP 64", "mnuBMP64x", 133);
}

void addAdvancedMenu(MenuTableBuilder& b)
{
    b.topMenu("Advanced", "mnuadvanced", true);
    b.item("Angle Bisector", "mnuanglebisect", 53);
    b.item("Construct Triangle", "mnubuildTriang", 47);
    b.item("Hor. Sine Wave", "mnuhorsinwav", 22);
    b.beginSubmenu("Circle Tangents", "mnuCircleTangentsSub");
    b.item("Circles internal tangents", "N2CircleInttangent1", 0, kNone);
    b.item("Circles external tangents", "Circlesexternaltangents1", 0, kNone);
    b.endSubmenu();
    b.item("Duplicate Group Points", "mnuduppoints", 98);
    b.beginSubmenu("Frame By Frame GIF", "mnygifframes");
    b.item("New GIF File", "mnunewgif", 0, kNone);
    b.item("Add Frame", "mnuAddFrame", 0, kNone | kOff);
    b.item("GIF Done", "mnuGIFDone", 0, kNone | kOff);
    b.item("Cancel GIF", "mnycancelGIF", 0, kNone | kOff);
    b.endSubmenu();
    b.item("Intersection aprox", "mnushowintersect", 49);
    b.beginSubmenu("Intersection Exact", "mnuobjintrsct");
    b.item("Circle && Circle", "mnucircirintrsvt", 94);
    b.item("Circle && Line", "CircleLine1", 95);
    b.item("Circle && Arc", "mnuCircleArcIntrsct", 0, kNone);
    b.item("Line && Arc", "mnuLineArccut", 96);
    b.item("Arc && Arc", "mnuArcArcIntrsct", 0, kNone);
    b.item("Line && Line", "mnuLineLine", 84);
    b.endSubmenu();
    b.item("Move Conncted Lines", "mnumovconlines", 59);
    b.beginSubmenu("Measure", "mnuMeasureSub");
    b.item("Length", "mnumesurLen", 29);
    b.item("Angle", "mnumeasureAng", 30);
    b.item("Pixels Count", "mnucountpixels", 58);
    b.item("Triangle area", "mnutrianArea", 82);
    b.endSubmenu();
    b.item("N Sided Polygon", "RegularPolygon1", 92);
    b.item("Star", "mnustar", 12);
    b.item("Perpend. to 2 lines", "mnuPerpendto2lines", 120);
    b.item("Mark Angle with Arc", "mnuArc2markAng", 121);
    b.item("Blocks to GIF", "mnuBlockstoGIF", 123);
    b.item("Erase Block", "mnuEraseBlock", 130);
    b.item("BMP/JPG to EMF", "mnubmp2EMF");
    b.item("Bordered  Label", "mnuBordLabel", 136);
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
    addActionsMenu(b);
    addEditObjMenu(b);
    addCropAndMenu(b);
    addNewObjMenu(b);
    addAdvancedMenu(b);
    addHelpMenu(b);
}

} // namespace kel
