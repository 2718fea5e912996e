#include "desktop/SurfaceView.h"
#include "support/GarabelWindow.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace garabel::test {
namespace {

constexpr Rgb kAxisGrey = rgb(128, 128, 128);

// The canvas's inner area as the view paints it on the screen.
QImage viewed(GarabelWindow &w)
{
    QCoreApplication::processEvents();
    SurfaceView *view = w.probe().canvasView();
    const QImage grabbed = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return grabbed.copy(QRect(SurfaceView::innerOrigin(), w.probe().canvas().innerPixelSize()));
}

QPoint centrePixel(const GarabelWindow &w)
{
    return QPoint(int(std::lround(w.state().grid.centreX / double(kTwipsPerPixel))),
                  int(std::lround(w.state().grid.centreY / double(kTwipsPerPixel))));
}

// A dashed line: grey along at least half of it and white between the dashes.
void expectDashedColumn(const QImage &shown, int x)
{
    const int grey = countRgb(shown, kAxisGrey, QRect(x, 0, 1, shown.height()));
    EXPECT_GT(grey, shown.height() / 2) << "column " << x;
    EXPECT_LT(grey, shown.height()) << "column " << x << " is not dashed";
}

void expectDashedRow(const QImage &shown, int y)
{
    const int grey = countRgb(shown, kAxisGrey, QRect(0, y, shown.width(), 1));
    EXPECT_GT(grey, shown.width() / 2) << "row " << y;
    EXPECT_LT(grey, shown.width()) << "row " << y << " is not dashed";
}

TEST(MirrorAxes, ShowOnTheCanvasWhileTheirMirrorIsOnButNeverInTheDrawing)
{
    BlankWindow w;
    const QPoint c = centrePixel(w);
    const QSize size = w.probe().canvas().innerPixelSize();
    EXPECT_EQ(countRgb(viewed(w), kAxisGrey), 0) << "no mirror, no axis";

    w.setMirrors(true, false, false);
    QImage shown = viewed(w);
    expectDashedColumn(shown, c.x());
    EXPECT_EQ(countRgb(shown, kAxisGrey), countRgb(shown, kAxisGrey, QRect(c.x(), 0, 1, size.height())))
        << "the vertical centre line only";

    w.setMirrors(false, true, false);
    shown = viewed(w);
    expectDashedRow(shown, c.y());
    EXPECT_EQ(countRgb(shown, kAxisGrey), countRgb(shown, kAxisGrey, QRect(0, c.y(), size.width(), 1)))
        << "the horizontal centre line only";

    w.setMirrors(false, false, true);
    shown = viewed(w);
    const QRect cross(c - QPoint(8, 8), QSize(17, 17));
    EXPECT_EQ(countRgb(shown, kAxisGrey), countRgb(shown, kAxisGrey, cross)) << "a small cross only";
    EXPECT_EQ(countRgb(shown, kAxisGrey, QRect(c.x() - 8, c.y(), 17, 1)), 17);
    EXPECT_EQ(countRgb(shown, kAxisGrey, QRect(c.x(), c.y() - 8, 1, 17)), 17);

    // A line drawn over the axes with all three mirrors on; the axes stay in the view.
    w.setMirrors(true, true, true);
    w.drag({{300, 300}, {1500, 900}});
    shown = viewed(w);
    expectDashedColumn(shown, c.x());
    expectDashedRow(shown, c.y());
    EXPECT_EQ(countRgb(w.canvasStored(), kAxisGrey), 0) << "the canvas's own image has no axis";
    EXPECT_EQ(countRgb(w.sheet(), kAxisGrey), 0) << "nor has the sheet";
    w.click(PaletteButton::Print);
    ASSERT_EQ(w.platform.printedPages.size(), 1u);
    EXPECT_EQ(countRgb(w.platform.printedPages.front().picture, kAxisGrey), 0) << "nor the print";

    w.setMirrors(false, false, false);
    EXPECT_EQ(viewed(w), w.canvasStored()) << "all mirrors off: the axes go";
}

TEST(MirrorAxes, FollowTheCanvasCentreToANewGrid)
{
    BlankWindow w;
    w.setMirrors(true, false, false);
    const QPoint before = centrePixel(w);
    w->onGridButton(0);
    const QPoint c = centrePixel(w);
    ASSERT_NE(c.x(), before.x()) << "the step of 50 twips moves the centre";
    const QImage shown = viewed(w);
    expectDashedColumn(shown, c.x());
    EXPECT_EQ(countRgb(shown, kAxisGrey), countRgb(shown, kAxisGrey, QRect(c.x(), 0, 1, shown.height())));
}

} // namespace
} // namespace garabel::test
