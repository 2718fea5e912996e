#include "window/HelpPicture.h"

#include "desktop/SurfaceView.h"
#include "support/GarabelWindow.h"
#include "support/PaintWatch.h"
#include "window/Button.h"
#include "window/ComboBox.h"
#include "window/ImageBox.h"
#include "window/PictureButton.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace garabel::test {

namespace {
using Group = HelpPicture::Group;

bool dark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The outermost dark column of the band of rows `top`..`bottom` between x
// columns `from` and `to` (inclusive), searching from `from` towards `to`;
// -1 when the band is empty there.
int firstDarkColumn(const QImage &page, int top, int bottom, int from, int to)
{
    const int step = from <= to ? 1 : -1;
    for (int x = from; x != to + step; x += step) {
        for (int y = top; y <= bottom; ++y) {
            if (dark(page.pixel(x, y)))
                return x;
        }
    }
    return -1;
}

struct Band {
    int top, bottom, leftEdge, rightEdge;
};

// The caption bands beside each palette and reflection row, from its left button.
std::vector<Band> captionBands()
{
    std::vector<Band> bands;
    for (int index : {0, 2, 3, 8, 10, 13, 14, 19, 9, 5}) {
        const QRect left = HelpPicture::buttonRect(Group::Palette, index);
        bands.push_back({left.top() + 2, left.bottom() - 2, left.left(), left.right() + 32});
    }
    for (int index : {0, 2}) {
        const QRect left = HelpPicture::buttonRect(Group::Reflection, index);
        bands.push_back({left.top() + 2, left.bottom() - 2, left.left(), left.right() + 32});
    }
    return bands;
}
} // namespace

TEST(HelpPicture, IsAWhitePageOfTheDocumentedSizeHeldByTheHelpPictureBox)
{
    GarabelWindow w(QSize(15360, 11520), false);
    const QImage page = HelpPicture::render();
    EXPECT_EQ(page.size(), QSize(713, 536));
    EXPECT_EQ(page.format(), QImage::Format_RGB32);
    for (const QPoint corner : {QPoint(0, 0), QPoint(712, 0), QPoint(0, 535), QPoint(712, 535)})
        EXPECT_EQ(page.pixel(corner), kWhitePixel);
    EXPECT_EQ(w.probe().helpPicture().picture(), page);
}

// The page shows the buttons plain: as the window draws them with the current
// tool's button not pressed in, no face marked and no keyboard ring.
TEST(HelpPicture, DrawsEveryButtonAsTheWindowDoes)
{
    GarabelWindow w;
    const Rgb plainFace = PictureButton().backColor();
    const QImage page = HelpPicture::render();
    const std::pair<Group, const ButtonArray *> groups[] = {
        {Group::Palette, &w.probe().paletteButtons()}, {Group::Grid, &w.probe().gridButtons()}, {Group::Reflection, &w.probe().mirrorButtons()}};
    for (const auto &[group, buttons] : groups) {
        for (int i = 0; i < int(buttons->size()); ++i) {
            const QRect place = HelpPicture::buttonRect(group, i);
            ASSERT_EQ(place.size(), QSize(33, 33)) << "button " << i;
            (*buttons)[i]->setSunken(false);
            (*buttons)[i]->setBackColor(plainFace);
            (*buttons)[i]->button()->clearFocus();
            const QImage shown = (*buttons)[i]->button()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            // The last row and column lie under the next button, as on the window.
            const QRect inside(0, 0, 32, 32);
            if (page.copy(place).copy(inside) != shown.copy(inside)) {
                savePicture(page.copy(place), QStringLiteral("help-button-actual"));
                savePicture(shown, QStringLiteral("help-button-expected"));
                ADD_FAILURE() << "group " << int(group) << " button " << i;
            }
        }
    }
}

TEST(HelpPicture, LeftCaptionsEndAtOneEdgeAndRightCaptionsStartAtAnother)
{
    const QImage page = HelpPicture::render();
    std::vector<int> leftEnds, rightStarts;
    for (const Band &band : captionBands()) {
        leftEnds.push_back(firstDarkColumn(page, band.top, band.bottom, band.leftEdge - 1, 0));
        rightStarts.push_back(firstDarkColumn(page, band.top, band.bottom, band.rightEdge + 1, 712));
    }
    ASSERT_EQ(std::count(leftEnds.begin(), leftEnds.end(), -1), 0) << "a caption on every left row";
    ASSERT_EQ(std::count(rightStarts.begin(), rightStarts.end(), -1), 0) << "a caption on every right row";
    const auto [leftMin, leftMax] = std::minmax_element(leftEnds.begin(), leftEnds.end());
    const auto [rightMin, rightMax] = std::minmax_element(rightStarts.begin(), rightStarts.end());
    EXPECT_LE(*leftMax - *leftMin, 2) << "right-aligned against the left column";
    EXPECT_LE(*rightMax - *rightMin, 2) << "left-aligned after the right column";

    // The grid block carries its two lines on both sides.
    const QRect firstGrid = HelpPicture::buttonRect(Group::Grid, 0);
    const QRect lastGrid = HelpPicture::buttonRect(Group::Grid, 7);
    EXPECT_NE(firstDarkColumn(page, firstGrid.top(), lastGrid.bottom(), firstGrid.left() - 1, 0), -1);
    EXPECT_NE(firstDarkColumn(page, firstGrid.top(), lastGrid.bottom(), lastGrid.right() + 1, 712), -1);
}

TEST(HelpPicture, CaptionsFitInsideThePage)
{
    const QImage page = HelpPicture::render();
    for (int y = 0; y < page.height(); ++y) {
        for (int x : {0, 1, 2, 710, 711, 712})
            ASSERT_FALSE(dark(page.pixel(x, y))) << x << ", " << y;
    }
}

TEST(Tooltips, PaletteAndReflectionButtonsCarryTheHelpCaptionsAndTheirKeys)
{
    GarabelWindow w(QSize(15360, 11520), false);
    const std::pair<Button *, const char *> spotChecks[] = {
        {w.probe().paletteButtons()[PaletteButton::Open].get(), "Recuperar un dibujo (Ctrl+O)"},
        {w.probe().paletteButtons()[PaletteButton::Undo].get(), "Deshacer (Ctrl+Z); rehacer: Ctrl+Y o Ctrl+Shift+Z"},
        {w.probe().paletteButtons()[PaletteButton::Help].get(), "Ayuda (F1)"},
        {w.probe().paletteButtons()[PaletteButton::Quit].get(), "Salir del programa (Ctrl+Q)"},
        {w.probe().paletteButtons()[PaletteButton::MoveFreely].get(), "El cursor se mueve libremente"},
        {w.probe().mirrorButtons()[3].get(), "Dibuja simetría horizontal+vertical"},
    };
    for (const auto &[button, text] : spotChecks) {
        EXPECT_EQ(button->button()->toolTip(), QString::fromUtf8(text));
        EXPECT_EQ(button->button()->accessibleName(), QString::fromUtf8(text));
    }
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(w.probe().paletteButtons()[i]->button()->toolTip().startsWith(
            HelpPicture::caption(Group::Palette, i).section(QStringLiteral(" ("), 0, 0)))
            << i;
}

TEST(Tooltips, EachGridButtonNamesTheStepItChooses)
{
    GarabelWindow w(QSize(15360, 11520), false);
    for (int i = 0; i < 8; ++i) {
        w->onGridButton(i);
        EXPECT_EQ(w.probe().gridButtons()[i]->button()->toolTip(), QStringLiteral("Rejilla de %1").arg(w.state().grid.step));
    }
}

TEST(Tooltips, EveryOptionButtonHasItsOwnSpanishName)
{
    GarabelWindow w(QSize(15360, 11520), false);
    for (const ButtonArray *group : {&w.probe().polygonModeButtons(), &w.probe().circleKindButtons(), &w.probe().penWidthButtons(), &w.probe().fillPatternButtons(), &w.probe().fontStyleButtons(), &w.probe().eraserSizeButtons()}) {
        QStringList names;
        for (const auto &button : *group) {
            const QString tip = button->button()->toolTip();
            EXPECT_FALSE(tip.isEmpty());
            EXPECT_EQ(button->button()->accessibleName(), tip);
            names << tip;
        }
        names.removeDuplicates();
        EXPECT_EQ(names.size(), int(group->size())) << names.join(u'|').toStdString();
    }
    EXPECT_EQ(w.probe().fontStyleButtons()[0]->button()->toolTip(), QStringLiteral("Negrita"));
    EXPECT_EQ(w.probe().penWidthButtons()[13]->button()->toolTip(), QStringLiteral("Grosor 14"));
    EXPECT_EQ(w.probe().fontSizeList().combo()->accessibleName(), QStringLiteral("Tamaño de la letra"));
}

// On a screen of two device pixels to the pixel the page is shown at full
// resolution, until something is drawn on it.
TEST(HelpPicture, OnADenseScreenTheCanvasShowsThePageSharpUntilDrawnOn)
{
    GarabelWindow w(QSize(15360, 11520), true, 2);
    w.click(PaletteButton::Help);
    QWidget *view = w.probe().canvasView();
    const auto shownPage = [view] {
        QImage shown(view->size() * 2, QImage::Format_RGB32);
        shown.setDevicePixelRatio(2);
        view->render(&shown);
        QImage page = shown.copy(QRect(SurfaceView::innerOrigin() * 2, QSize(HelpPicture::kWidth, HelpPicture::kHeight) * 2));
        page.setDevicePixelRatio(1);
        return page;
    };
    QImage sharp = HelpPicture::render(2);
    sharp.setDevicePixelRatio(1);
    EXPECT_EQ(shownPage(), sharp);

    // Drawn on: the canvas's own pixels again, repainted everywhere at once so
    // that no patch of the sharp page stays on the screen.
    QTest::qWait(50);  // the help page's own repaint
    QRegion painted;
    {
        const PaintWatch watch(*view);
        w.drag({{1500, 1500}, {3000, 1500}});
        QTest::qWait(50);
        painted = watch.painted;
    }
    const QRect page(SurfaceView::innerOrigin(), QSize(HelpPicture::kWidth, HelpPicture::kHeight));
    EXPECT_TRUE((QRegion(page) - painted).isEmpty());
    EXPECT_NE(shownPage(), sharp);
}

} // namespace garabel::test
