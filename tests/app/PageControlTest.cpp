// The page control: its pages, its hidden tabs and every named control with
// its design value.

#include "app/PageControl.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

#include <optional>
#include <vector>

namespace kel {
namespace {

QString textOf(const QWidget* w)
{
    if (auto* ed = qobject_cast<const QLineEdit*>(w))
        return ed->text();
    if (auto* btn = qobject_cast<const QAbstractButton*>(w))
        return btn->text();
    if (auto* lb = qobject_cast<const QLabel*>(w))
        return lb->text();
    if (auto* gb = qobject_cast<const QGroupBox*>(w))
        return gb->title();
    if (auto* cb = qobject_cast<const QComboBox*>(w))
        return cb->currentText();
    return QString();
}

TEST(PageControlTest, HasSevenPagesWithCaptionsInOrder)
{
    PageControl pgc;
    EXPECT_EQ(pgc.objectName(), "pgc");
    ASSERT_EQ(pgc.count(), kPageCount);
    const char* captions[] = {"T1", "T2", "Edit", "Move", "Triangle", "Bezier", "T7"};
    for (int i = 0; i < kPageCount; ++i) {
        EXPECT_EQ(pgc.tabText(i), QLatin1String(captions[i])) << i;
        ASSERT_NE(pgc.page(i), nullptr) << i;
        EXPECT_EQ(pgc.page(i), pgc.widget(i)) << i;
        EXPECT_FALSE(pgc.page(i)->objectName().isEmpty()) << i;
    }
    EXPECT_EQ(pgc.page(kPageCount), nullptr);
}

TEST(PageControlTest, StartsOnT1WithEditAndMoveTabsHidden)
{
    PageControl pgc;
    EXPECT_EQ(pgc.currentIndex(), kPageT1);
    for (int i = 0; i < kPageCount; ++i) {
        const bool hidden = i == kPageEdit || i == kPageMove;
        EXPECT_EQ(pgc.tabShown(i), !hidden) << i;
        EXPECT_EQ(pgc.isTabVisible(i), !hidden) << i;
    }
}

TEST(PageControlTest, HiddenPagesStayReachableByIndex)
{
    PageControl pgc;
    pgc.resize(254, 180);
    pgc.show();
    pgc.showPage(kPageEdit);
    EXPECT_EQ(pgc.currentIndex(), kPageEdit);
    EXPECT_EQ(pgc.currentWidget(), pgc.page(kPageEdit));
    EXPECT_FALSE(pgc.tabShown(kPageEdit));

    pgc.showPage(kPageMove);
    EXPECT_EQ(pgc.currentWidget(), pgc.page(kPageMove));
    EXPECT_TRUE(pgc.control<QLineEdit>(QStringLiteral("edtmove"))->isVisible());
    EXPECT_FALSE(pgc.tabShown(kPageMove));

    pgc.showPage(kPageT7);
    EXPECT_EQ(pgc.currentWidget(), pgc.page(kPageT7));
}

TEST(PageControlTest, HiddenCurrentTabLeavesNoCaptionInTheTabBar)
{
    // Unselected tabs start a little below the top edge; with a hidden page
    // current no tab is selected, so the top rows stay the background.
    PageControl pgc;
    pgc.resize(254, 180);
    pgc.show();
    pgc.showPage(kPageEdit);
    const QImage image = pgc.grab().toImage();
    const QRgb background = image.pixel(image.width() - 1, 0);
    int marks = 0;
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                ++marks;
        }
    }
    EXPECT_EQ(marks, 0);
}

TEST(PageControlTest, HidingTabsKeepsIndexesStable)
{
    PageControl pgc;
    QWidget* pages[kPageCount];
    for (int i = 0; i < kPageCount; ++i)
        pages[i] = pgc.page(i);

    pgc.setTabShown(kPageTriangle, false);
    pgc.setTabShown(kPageT1, false);
    pgc.setTabShown(kPageEdit, true);
    for (int i = 0; i < kPageCount; ++i) {
        EXPECT_EQ(pgc.page(i), pages[i]) << i;
        EXPECT_EQ(pgc.indexOf(pages[i]), i) << i;
    }
    EXPECT_FALSE(pgc.tabShown(kPageTriangle));
    EXPECT_FALSE(pgc.tabShown(kPageT1));
    EXPECT_TRUE(pgc.tabShown(kPageEdit));
    EXPECT_EQ(pgc.tabText(kPageBezier), "Bezier");

    pgc.setTabShown(kPageTriangle, true);
    EXPECT_TRUE(pgc.tabShown(kPageTriangle));
    EXPECT_EQ(pgc.indexOf(pages[kPageTriangle]), kPageTriangle);
}

// One row per named control: where it lives, what it is and how it starts.
struct ControlSpec {
    const char* name;
    int page;
    const char* kind;
    QString text;
    bool enabled = true;
    std::optional<bool> checked = {};
    int maxLength = -1; // checked for edit boxes when not -1
    bool hidden = false;
    bool readOnly = false;
};

const QString kNone;

std::vector<ControlSpec> controlSpecs()
{
    const auto box = [](const char* name, int page, const char* text, int maxLength = -1) {
        return ControlSpec{name, page, "QLineEdit", QLatin1String(text), true, {}, maxLength};
    };
    const auto lbl = [](const char* name, int page, QString text, const char* kind = "QLabel") {
        return ControlSpec{name, page, kind, text};
    };
    const auto btn = [](const char* name, int page, const char* text, bool enabled = true) {
        return ControlSpec{name, page, "QPushButton", QLatin1String(text), enabled};
    };
    const auto check = [](const char* name, int page, const char* kind, const char* text,
                          bool checked, bool enabled = true) {
        return ControlSpec{name, page, kind, QLatin1String(text), enabled, checked};
    };
    return {
        // T1
        btn("btnpencol", kPageT1, "Pen Col"),
        lbl("Label1", kPageT1, kNone, "kel::ColourSwatch"),
        btn("btnbrushcol", kPageT1, "Brush Col"),
        lbl("Label5", kPageT1, kNone, "kel::ColourSwatch"),
        btn("btnboundrycol", kPageT1, "Boundry Col"),
        lbl("lbboundrycol", kPageT1, kNone, "kel::ColourSwatch"),
        check("cbtransObj", kPageT1, "QCheckBox", "Trans. Objects", true, false),
        lbl("lbpenw", kPageT1, QStringLiteral("Pen W.")),
        box("Edit1", kPageT1, "1", 1),
        lbl("lbbrushpat", kPageT1, QStringLiteral("BrushPat/Trans")),
        box("Edit2", kPageT1, "0", 1),
        lbl("shpbrush", kPageT1, kNone, "kel::BrushPreview"),
        lbl("grpwheel", kPageT1, kNone, "QFrame"),
        lbl("lbR", kPageT1, QStringLiteral("R")),
        box("edtrad", kPageT1, "50", 3),
        lbl("lbang1", kPageT1, QStringLiteral("Ang1")),
        box("edtang1", kPageT1, "30", 3),
        lbl("lbang2", kPageT1, QStringLiteral("Ang2")),
        box("edtang2", kPageT1, "100", 3),
        check("rbRsel", kPageT1, "QRadioButton", "", true),
        check("rbang1", kPageT1, "QRadioButton", "", false),
        check("rbang2", kPageT1, "QRadioButton", "", false),
        lbl("lbwheel", kPageT1, QStringLiteral("For Mouse wheel control")),
        // T2
        lbl("lbtextinfo", kPageT2, QStringLiteral("Text info")),
        lbl("grpfont", kPageT2, QStringLiteral(" Font select"), "QGroupBox"),
        btn("btnfont", kPageT2, "Font"),
        lbl("Label3", kPageT2, QStringLiteral("Times New Roman")),
        lbl("lbsize", kPageT2, QStringLiteral("Size")),
        box("edtfntsize", kPageT2, "14", 3),
        check("cbitalics", kPageT2, "QCheckBox", "Italics", false),
        check("cbbold", kPageT2, "QCheckBox", "Bold", false),
        lbl("lbfontangle", kPageT2, QStringLiteral("Font Angle")),
        box("edtrotangle", kPageT2, "0", 3),
        btn("btnchars", kPageT2, "Chars"),
        lbl("lbdegree", kPageT2, QString(QChar(0xB0)), "kel::ClickLabel"),
        lbl("lbchar21", kPageT2, QString(QChar(0x15)), "kel::ClickLabel"),
        lbl("lbtext", kPageT2, QStringLiteral("Text"), "kel::ClickLabel"),
        box("Edit3", kPageT2, "Triangle ABC -1"),
        // Edit
        lbl("Label9", kPageEdit, QStringLiteral("Row No")),
        lbl("lbnote", kPageEdit, QStringLiteral("Notepad can also be used for edit objects data")),
        lbl("lbselcolumn", kPageEdit, QStringLiteral("Sel Column")),
        lbl("cbcolumns", kPageEdit, QStringLiteral("Col 1"), "QComboBox"),
        lbl("lbdata", kPageEdit, QStringLiteral("Data")),
        box("Edit5", kPageEdit, ""),
        btn("btnupdate", kPageEdit, "Update"),
        // Move
        ControlSpec{"edtmove", kPageMove, "QLineEdit", kNone, true, {}, -1, false, true},
        lbl("lbmovekeys", kPageMove, QStringLiteral("Use arrows, PgUp,PgDn,\nHome, End Keys")),
        btn("btndone", kPageMove, "Done", false),
        // Triangle
        lbl("RGP1", kPageTriangle, QStringLiteral("Triangle type"), "kel::RadioGroup"),
        check("rbSSS", kPageTriangle, "QRadioButton", "SSS", true),
        check("rbASA", kPageTriangle, "QRadioButton", "ASA", false),
        check("rbSASL", kPageTriangle, "QRadioButton", "SAS(L)", false),
        check("rbSASR", kPageTriangle, "QRadioButton", "SAS(R)", false),
        lbl("Label24", kPageTriangle, QStringLiteral("S   S   S")),
        box("edtTrng1", kPageTriangle, "60", 3),
        box("edtTrng2", kPageTriangle, "80", 3),
        box("edtTrng3", kPageTriangle, "100", 3),
        check("RBT1", kPageTriangle, "QRadioButton", "", false),
        check("RBT2", kPageTriangle, "QRadioButton", "", true),
        check("RBT3", kPageTriangle, "QRadioButton", "", false),
        lbl("Label11", kPageTriangle, QStringLiteral("Mousewheel sel")),
        btn("btndir", kPageTriangle, "Dir-"),
        lbl("lbstatus", kPageTriangle, QStringLiteral("Status")),
        // Bezier
        ControlSpec{"edtPoint0", kPageBezier, "QLineEdit", kNone, true, {}, -1, false, true},
        ControlSpec{"edtpoint1", kPageBezier, "QLineEdit", kNone, true, {}, -1, false, true},
        ControlSpec{"edtpoint2", kPageBezier, "QLineEdit", kNone, true, {}, -1, false, true},
        ControlSpec{"edtpoint3", kPageBezier, "QLineEdit", kNone, true, {}, -1, false, true},
        lbl("Label32", kPageBezier, kNone),
        // T7
        lbl("Label26", kPageT7, kNone),
        lbl("Label27", kPageT7, kNone),
        lbl("Label28", kPageT7, kNone),
        box("edtvar1", kPageT7, "100", 4),
        box("edtvar2", kPageT7, "100", 4),
        box("edtvar3", kPageT7, "100", 4),
        btn("lbDone", kPageT7, "Done", false),
        lbl("Label29", kPageT7, QStringLiteral("Error/OK")),
        ControlSpec{"btnmodcircle",
                    kPageT7,
                    "QPushButton",
                    QStringLiteral("Mod Circle"),
                    true,
                    {},
                    -1,
                    true},
    };
}

TEST(PageControlTest, EveryNamedControlExistsWithItsDesignValue)
{
    PageControl pgc;
    for (const ControlSpec& spec : controlSpecs()) {
        SCOPED_TRACE(spec.name);
        auto* w = pgc.control<QWidget>(QLatin1String(spec.name));
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->inherits(spec.kind)) << w->metaObject()->className();
        EXPECT_TRUE(pgc.page(spec.page)->isAncestorOf(w));
        EXPECT_EQ(textOf(w), spec.text);
        EXPECT_EQ(w->isEnabled(), spec.enabled);
        EXPECT_EQ(w->isHidden(), spec.hidden);
        if (spec.checked) {
            auto* button = qobject_cast<QAbstractButton*>(w);
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(button->isCheckable());
            EXPECT_EQ(button->isChecked(), *spec.checked);
        }
        if (auto* ed = qobject_cast<QLineEdit*>(w)) {
            if (spec.maxLength != -1) {
                EXPECT_EQ(ed->maxLength(), spec.maxLength);
            }
            EXPECT_EQ(ed->isReadOnly(), spec.readOnly);
        }
    }
}

// The controls of a page: its widgets and those of its group frames, without
// the inner parts of composite widgets (a combo box's popup list and the like).
QList<QWidget*> controlsOf(QWidget* page)
{
    QList<QWidget*> controls;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        bool own = true;
        for (QObject* up = w->parent(); up && up != page; up = up->parent()) {
            if (!qobject_cast<QGroupBox*>(up) && qstrcmp(up->metaObject()->className(), "QFrame"))
                own = false;
        }
        if (own)
            controls.append(w);
    }
    return controls;
}

TEST(PageControlTest, ControlNamesAreUniqueAndEveryWidgetIsNamed)
{
    PageControl pgc;
    QSet<QString> seen;
    for (int i = 0; i < kPageCount; ++i) {
        for (QWidget* w : controlsOf(pgc.page(i))) {
            EXPECT_FALSE(w->objectName().isEmpty())
                << w->metaObject()->className() << " page " << i;
            EXPECT_FALSE(seen.contains(w->objectName())) << w->objectName().toStdString();
            seen.insert(w->objectName());
        }
    }
    for (const ControlSpec& spec : controlSpecs())
        EXPECT_TRUE(seen.contains(QLatin1String(spec.name))) << spec.name;
}

TEST(PageControlTest, TypedAccessorChecksTheKind)
{
    PageControl pgc;
    EXPECT_NE(pgc.control<QLineEdit>(QStringLiteral("Edit1")), nullptr);
    EXPECT_EQ(pgc.control<QPushButton>(QStringLiteral("Edit1")), nullptr);
    EXPECT_EQ(pgc.control<QLineEdit>(QStringLiteral("noSuchControl")), nullptr);
    EXPECT_NE(pgc.control<ColourSwatch>(QStringLiteral("Label5")), nullptr);
}

TEST(PageControlTest, PageT1ControlsSitAtTheirPositions)
{
    PageControl pgc;
    QWidget* t1 = pgc.page(kPageT1);
    const auto rectOf = [&](const char* name) {
        QWidget* w = pgc.control<QWidget>(QLatin1String(name));
        return QRect(w->mapTo(t1, QPoint(0, 0)), w->size());
    };
    EXPECT_EQ(rectOf("btnpencol").topLeft(), QPoint(1, 4));
    EXPECT_EQ(rectOf("Label1"), QRect(52, 4, 16, 16));
    EXPECT_EQ(rectOf("btnbrushcol").topLeft(), QPoint(85, 2));
    EXPECT_EQ(rectOf("Label5"), QRect(146, 2, 19, 19));
    EXPECT_EQ(rectOf("btnboundrycol").topLeft(), QPoint(2, 27));
    EXPECT_EQ(rectOf("lbboundrycol"), QRect(70, 27, 18, 16));
    EXPECT_EQ(rectOf("cbtransObj").topLeft(), QPoint(96, 27));
    EXPECT_EQ(rectOf("Edit1").topLeft(), QPoint(42, 58));
    EXPECT_EQ(rectOf("Edit2").topLeft(), QPoint(150, 57));
    EXPECT_EQ(rectOf("shpbrush"), QRect(179, 57, 29, 21));
    EXPECT_EQ(rectOf("grpwheel"), QRect(2, 84, 182, 61));
    EXPECT_EQ(pgc.control<QLineEdit>(QStringLiteral("Edit3"))->width(), 200);
}

TEST(PageControlTest, EveryControlFitsThePanel)
{
    // The panel below the object table is 254 wide and 180 high, tabs included.
    PageControl pgc;
    for (int i = 0; i < kPageCount; ++i) {
        QWidget* page = pgc.page(i);
        for (QWidget* w : controlsOf(page)) {
            const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
            EXPECT_GE(r.left(), 0) << w->objectName().toStdString();
            EXPECT_GE(r.top(), 0) << w->objectName().toStdString();
            EXPECT_LE(r.right(), 253) << w->objectName().toStdString();
            EXPECT_LE(r.bottom(), 154) << w->objectName().toStdString();
        }
    }
}

TEST(PageControlTest, SwatchesStartWithTheDesignColours)
{
    PageControl pgc;
    EXPECT_EQ(pgc.control<ColourSwatch>(QStringLiteral("Label1"))->colour(), qRgb(0, 0, 0));
    EXPECT_EQ(pgc.control<ColourSwatch>(QStringLiteral("Label5"))->colour(), qRgb(128, 128, 128));
    EXPECT_EQ(pgc.control<ColourSwatch>(QStringLiteral("lbboundrycol"))->colour(), qRgb(0, 0, 0));
    EXPECT_EQ(pgc.control<ColourSwatch>(QStringLiteral("Label5"))->modelColour(), 0x808080u);
    for (const char* name : {"Label1", "Label5", "lbboundrycol"})
        EXPECT_EQ(pgc.control<QWidget>(QLatin1String(name))->cursor().shape(), Qt::CrossCursor);
}

TEST(PageControlTest, SwatchConvertsDrawingColours)
{
    ColourSwatch swatch(qRgb(0, 0, 0));
    swatch.setModelColour(0x0000FF); // red in the drawing's layout
    EXPECT_EQ(swatch.colour(), qRgb(255, 0, 0));
    EXPECT_EQ(swatch.palette().color(QPalette::Window), QColor(255, 0, 0));
    swatch.setColour(qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(swatch.modelColour(), 0x563412u);
}

TEST(PageControlTest, ClickLabelReportsLeftClicks)
{
    PageControl pgc;
    auto* degree = pgc.control<ClickLabel>(QStringLiteral("lbdegree"));
    ASSERT_NE(degree, nullptr);
    int clicks = 0;
    QObject::connect(degree, &ClickLabel::clicked, [&] { ++clicks; });
    const QPointF at(3, 3);
    QMouseEvent left(QEvent::MouseButtonPress, at, degree->mapToGlobal(at), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(degree, &left);
    QMouseEvent right(QEvent::MouseButtonPress, at, degree->mapToGlobal(at), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(degree, &right);
    EXPECT_EQ(clicks, 1);
}

TEST(PageControlTest, CharacterLabelsUseArialNarrow)
{
    PageControl pgc;
    for (const char* name : {"lbdegree", "lbchar21"})
        EXPECT_EQ(pgc.control<QLabel>(QLatin1String(name))->font().family(), "Arial Narrow");
}

TEST(PageControlTest, RadioButtonSetsAreIndependent)
{
    PageControl pgc;
    auto* rbt1 = pgc.control<QRadioButton>(QStringLiteral("RBT1"));
    rbt1->setChecked(true);
    EXPECT_FALSE(pgc.control<QRadioButton>(QStringLiteral("RBT2"))->isChecked());
    EXPECT_TRUE(pgc.control<QRadioButton>(QStringLiteral("rbSSS"))->isChecked());

    pgc.control<QRadioButton>(QStringLiteral("rbang2"))->setChecked(true);
    EXPECT_FALSE(pgc.control<QRadioButton>(QStringLiteral("rbRsel"))->isChecked());
    EXPECT_TRUE(rbt1->isChecked());
}

TEST(PageControlTest, TriangleTypeGroupSelectsByIndex)
{
    PageControl pgc;
    auto* group = pgc.control<RadioGroup>(QStringLiteral("RGP1"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->count(), 4);
    EXPECT_EQ(group->itemIndex(), 0);
    int reported = -1;
    QObject::connect(group, &RadioGroup::itemIndexChanged, [&](int i) { reported = i; });
    group->setItemIndex(3);
    EXPECT_EQ(group->itemIndex(), 3);
    EXPECT_EQ(reported, 3);
    EXPECT_TRUE(pgc.control<QRadioButton>(QStringLiteral("rbSASR"))->isChecked());
    EXPECT_FALSE(pgc.control<QRadioButton>(QStringLiteral("rbSSS"))->isChecked());
    group->setItemIndex(-1);
    EXPECT_EQ(group->itemIndex(), -1);
}

TEST(PageControlTest, BrushPreviewFillsOnlyForHatchPatterns)
{
    BrushPreview preview;
    preview.resize(29, 21);
    preview.setColour(qRgb(255, 0, 0));
    const auto redPixels = [&] {
        const QImage image = preview.grab().toImage();
        int red = 0;
        for (int y = 3; y < 18; ++y) {
            for (int x = 3; x < 26; ++x) {
                if ((image.pixel(x, y) & 0xFFFFFFu) == 0xFF0000u)
                    ++red;
            }
        }
        return red;
    };
    preview.setPattern(0);
    EXPECT_EQ(redPixels(), 0);
    preview.setPattern(1);
    EXPECT_EQ(redPixels(), 0);
    preview.setPattern(6);
    EXPECT_GT(redPixels(), 20);
}

TEST(PageControlTest, CellEditorTakesLongCells)
{
    PageControl pgc;
    auto* data = pgc.control<QLineEdit>(QStringLiteral("Edit5"));
    const QString cell(100000, QLatin1Char('A'));
    data->setText(cell);
    EXPECT_EQ(data->text().size(), cell.size());
    auto* columns = pgc.control<QComboBox>(QStringLiteral("cbcolumns"));
    ASSERT_EQ(columns->count(), 10);
    EXPECT_EQ(columns->itemText(9), "Col 10");
}

} // namespace
} // namespace kel
