#include "app/PageControl.h"
#include "model/Controls.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QSet>

namespace kel {
namespace {

TEST(PageControlTest, SevenPagesStartOnT1WithEditAndMoveTabsHiddenAndKeepTheirIndexes)
{
    PageControl pgc;
    ASSERT_EQ(pgc.count(), kPageCount);
    EXPECT_EQ(pgc.currentIndex(), kPageT1);
    const char* captions[] = {"T1", "T2", "Edit", "Move", "Triangle", "Bezier", "T7"};
    QWidget* pages[kPageCount];
    for (int i = 0; i < kPageCount; ++i) {
        EXPECT_EQ(pgc.tabText(i), QLatin1String(captions[i])) << i;
        EXPECT_EQ(pgc.page(i), pgc.widget(i)) << i;
        pages[i] = pgc.page(i);
        const bool shown = i != kPageEdit && i != kPageMove;
        EXPECT_EQ(pgc.tabShown(i), shown) << i;
        EXPECT_EQ(pgc.isTabVisible(i), shown) << i;
    }
    EXPECT_EQ(pgc.page(kPageCount), nullptr);

    // Hiding and showing tabs keeps every page at its index.
    pgc.setTabShown(kPageTriangle, false);
    pgc.setTabShown(kPageT1, false);
    pgc.setTabShown(kPageEdit, true);
    for (int i = 0; i < kPageCount; ++i) {
        EXPECT_EQ(pgc.page(i), pages[i]) << i;
        EXPECT_EQ(pgc.indexOf(pages[i]), i) << i;
        EXPECT_EQ(pgc.tabShown(i), i != kPageTriangle && i != kPageT1 && i != kPageMove) << i;
    }
}

TEST(PageControlTest, HiddenPagesStayReachableByIndex)
{
    PageControl pgc;
    pgc.resize(254, 180);
    pgc.show();
    pgc.showPage(kPageMove);
    EXPECT_EQ(pgc.currentWidget(), pgc.page(kPageMove));
    EXPECT_TRUE(pgc.control<QLineEdit>(Control::edtmove)->isVisible());
    EXPECT_FALSE(pgc.tabShown(kPageMove));

    // With a hidden page current no tab is selected, so the top rows of the
    // tab bar (above the unselected tabs) stay the background.
    pgc.showPage(kPageEdit);
    EXPECT_EQ(pgc.currentWidget(), pgc.page(kPageEdit));
    const QImage image = pgc.grab().toImage();
    const QRgb background = image.pixel(image.width() - 1, 0);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), background) << x << "," << y;
    }
}

// The controls of a page: its widgets and those of its group frames, without
// the inner widgets of composite ones (a combo box's popup list and the like).
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

// Every control has its own name from the vocabulary (the frames and groups
// only hold controls) and fits the 254 x 180 panel, tabs included.
TEST(PageControlTest, ControlsAreNamedFromTheVocabularyAndFitThePanel)
{
    PageControl pgc;
    QSet<QString> seen;
    int controls = 0;
    for (int i = 0; i < kPageCount; ++i) {
        QWidget* page = pgc.page(i);
        for (QWidget* w : controlsOf(page)) {
            const std::string name = w->objectName().toStdString();
            const bool frame =
                qobject_cast<QGroupBox*>(w) || !qstrcmp(w->metaObject()->className(), "QFrame");
            EXPECT_NE(controlFromName(w->objectName()).has_value(), frame) << name;
            EXPECT_FALSE(name.empty() || seen.contains(w->objectName())) << name;
            seen.insert(w->objectName());
            controls += frame ? 0 : 1;
            const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
            EXPECT_TRUE(QRect(0, 0, 254, 155).contains(r)) << name;
        }
    }
    // Every control but the drawing surface is on a page.
    EXPECT_EQ(controls, kControlCount - 1);
}

TEST(PageControlTest, ClickLabelReportsLeftClicks)
{
    PageControl pgc;
    auto* degree = pgc.control<ClickLabel>(Control::lbdegree);
    ASSERT_NE(degree, nullptr);
    int clicks = 0;
    QObject::connect(degree, &ClickLabel::clicked, [&] { ++clicks; });
    const QPointF at(3, 3);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QMouseEvent press(QEvent::MouseButtonPress, at, degree->mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(degree, &press);
    }
    EXPECT_EQ(clicks, 1);
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
            for (int x = 3; x < 26; ++x)
                red += (image.pixel(x, y) & 0xFFFFFFu) == 0xFF0000u;
        }
        return red;
    };
    preview.setPattern(1);
    EXPECT_EQ(redPixels(), 0);
    preview.setPattern(6);
    EXPECT_GT(redPixels(), 20);
}

TEST(PageControlTest, CellEditorTakesLongCells)
{
    PageControl pgc;
    auto* data = pgc.control<QLineEdit>(Control::Edit5);
    const QString cell(100000, QLatin1Char('A'));
    data->setText(cell);
    EXPECT_EQ(data->text().size(), cell.size());
}

} // namespace
} // namespace kel
