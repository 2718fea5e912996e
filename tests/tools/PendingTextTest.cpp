#include "raster/ShownSurface.h"
#include "support/GarabelWindow.h"
#include "support/Pixels.h"
#include "support/SurfaceProbe.h"
#include "window/Button.h"
#include "window/Label.h"
#include "window/TextBox.h"

#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace garabel::test {

namespace {
int notWhite(const QImage &image, const QRect &rect)
{
    return rect.width() * rect.height() - countColour(image, kWhitePixel, rect);
}

// Whether "Hola" stands with its top-left corner at pixel (200, 200) and nothing
// else is drawn above or to the left of it.
bool holaAtTheSpot(const QImage &image)
{
    return notWhite(image, QRect(200, 200, 120, 40)) > 0 && notWhite(image, QRect(0, 0, image.width(), 200)) == 0
        && notWhite(image, QRect(0, 0, 200, image.height())) == 0;
}

// The text tool's first click marks the spot (3000, 3000), pixel (200, 200);
// "Hola" is typed and the pointer goes on elsewhere.
void typeHolaAtTheSpot(GarabelWindow &w)
{
    w.chooseTool(PaletteButton::Text);
    w.drag({{3000, 3000}});
    QTest::keyClicks(w.probe().textInput().edit(), QStringLiteral("Hola"));
    w.move(6000, 4500);
}

// The font the window draws text in, with the given style.
QFont drawingFont(GarabelWindow &w, bool bold, bool italic)
{
    QFont font = w.state().pen.font();
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// The pixels "Hola" covers when Qt draws it in `font` with its top-left corner at `corner`.
QRegion holaInkAt(const QFont &font, QPoint corner, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kWhitePixel);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(corner + QPoint(0, QFontMetrics(font).ascent()), QStringLiteral("Hola"));
    painter.end();
    return inkRegion(image, kWhite);
}

void expectPlacedAndEmptied(GarabelWindow &w, const char *what)
{
    EXPECT_EQ(w.probe().textInput().text(), QString()) << what;
    EXPECT_EQ(w.probe().textPreview().caption(), QString()) << what;
    EXPECT_FALSE(w.probe().textPending()) << what;
}
} // namespace

TEST(PendingText, EnterPlacesItAtItsAnchorOnCanvasAndSheetAsOneUndoStep)
{
    BlankWindow w;
    typeHolaAtTheSpot(w);
    ASSERT_EQ(w.probe().textPreview().caption(), QStringLiteral("Hola"));
    ASSERT_TRUE(isAllWhite(w.sheet()));

    QTest::keyClick(w.probe().textInput().edit(), Qt::Key_Return);
    EXPECT_TRUE(holaAtTheSpot(w.sheet())) << "at the anchor, not at the pointer";
    EXPECT_EQ(w.canvasStored(), w.sheet());
    expectPlacedAndEmptied(w, "Enter");
    EXPECT_EQ(w.probe().undoRing().position(0), 1);
    const QImage placed = w.sheet();

    QTest::keyClick(w.probe().textInput().edit(), Qt::Key_Return);
    EXPECT_EQ(w.sheet(), placed) << "Enter with nothing typed places nothing";
    EXPECT_EQ(w.probe().undoRing().position(0), 1) << "and takes no undo step";

    w->onPaletteButton(PaletteButton::Undo);
    EXPECT_TRUE(isAllWhite(w.sheet()));
    EXPECT_TRUE(isAllWhite(w.canvasStored()));
}

TEST(PendingText, ItsTopLeftCornerLandsOnThePixelItIsPlacedAt)
{
    BlankWindow w;
    const QFont font = drawingFont(w, false, false);
    typeHolaAtTheSpot(w);
    QTest::keyClick(w.probe().textInput().edit(), Qt::Key_Return);
    EXPECT_EQ(inkRegion(w.sheet(), kWhite), holaInkAt(font, {200, 200}, w.sheet().size())) << "at the anchor";

    w->onPaletteButton(PaletteButton::Undo);
    typeHolaAtTheSpot(w);
    w.drag({{4500, 1500}});
    EXPECT_EQ(inkRegion(w.sheet(), kWhite), holaInkAt(font, {300, 100}, w.sheet().size())) << "at the second release";
}

TEST(PendingText, CanvasAndSheetDrawItBoldAndItalicAsEachSwitchSays)
{
    for (const bool bold : {true, false}) {
        BlankWindow w;
        w.chooseTool(PaletteButton::Text);
        w.click(*w.probe().fontStyleButtons()[bold ? 0 : 1]);
        typeHolaAtTheSpot(w);
        QTest::keyClick(w.probe().textInput().edit(), Qt::Key_Return);
        const QRegion expected = holaInkAt(drawingFont(w, bold, !bold), {200, 200}, w.sheet().size());
        EXPECT_EQ(inkRegion(w.canvasStored(), kWhite), expected) << (bold ? "bold" : "italic") << " on the canvas";
        EXPECT_EQ(inkRegion(w.sheet(), kWhite), expected) << (bold ? "bold" : "italic") << " on the sheet";
    }
}

// Each way of leaving the text where it is places it first, on the sheet it
// was typed on.
TEST(PendingText, LeavingTheToolOrTheSheetOpeningOrClearingPlacesItFirst)
{
    const struct {
        const char *what;
        std::function<void(GarabelWindow &)> action;
    } cases[] = {
        {"another tool", [](GarabelWindow &w) { w.click(PaletteButton::Line); }},
        {"the text tool again", [](GarabelWindow &w) { w.click(PaletteButton::Text); }},
        {"another sheet", [](GarabelWindow &w) { w->onSheetButton(1); }},
        {"opening, cancelled", [](GarabelWindow &w) { w->onPaletteButton(PaletteButton::Open); }},
        // Clearing comes after the placing: one undo brings the drawing back with the text.
        {"clearing", [](GarabelWindow &w) {
             w->onPaletteButton(PaletteButton::Clear);
             ASSERT_TRUE(isAllWhite(w.sheet(0)));
             w->onPaletteButton(PaletteButton::Undo);
         }},
    };
    for (const auto &c : cases) {
        BlankWindow w;
        typeHolaAtTheSpot(w);
        c.action(w);
        EXPECT_TRUE(holaAtTheSpot(w.sheet(0))) << c.what;
        expectPlacedAndEmptied(w, c.what);
    }
}

// Undo places the text first, so the undo takes back the text and not the
// line drawn before it.
TEST(PendingText, UndoPlacesItFirstAndTakesItBack)
{
    BlankWindow w;
    w.drag({{1500, 6000}, {4500, 6000}});
    const QImage line = w.sheet();
    typeHolaAtTheSpot(w);
    w->onPaletteButton(PaletteButton::Undo);
    EXPECT_EQ(w.sheet(), line);
    EXPECT_EQ(w.canvasStored(), line);
    expectPlacedAndEmptied(w, "undo");
}

} // namespace garabel::test
