#include "raster/HatchPattern.h"
#include "raster/ShownSurface.h"
#include "support/GarabelWindow.h"
#include "support/Pixels.h"

#include <gtest/gtest.h>

#include <random>

namespace garabel::test {

namespace {

// BlankWindow's canvas centre is (6900, 5100) twips: pixel x mirrors to 920 - x
// and pixel y to 680 - y. Figures are kept where both sides lie on the canvas.
constexpr int kTwiceCentreX = 920, kTwiceCentreY = 680;

enum class Switch { LeftRight, TopBottom, ThroughCentre, All };

struct Trial {
    PaletteButton tool = PaletteButton::Line;
    int circleMode = 0;
    int penWidth = 1;
    int fillStyle = FillTransparent;
    Switch mirror = Switch::LeftRight;
    std::vector<QPointF> path;  // press at the first point, moves through all
};

std::string describe(const Trial &t)
{
    return "tool " + std::to_string(int(t.tool)) + " mode " + std::to_string(t.circleMode) + " width "
        + std::to_string(t.penWidth) + " fill " + std::to_string(t.fillStyle) + " switch "
        + std::to_string(int(t.mirror)) + " from " + std::to_string(t.path.front().x()) + ","
        + std::to_string(t.path.front().y()) + " to " + std::to_string(t.path.back().x()) + ","
        + std::to_string(t.path.back().y());
}

// Fine grid steps put corners, centres and radii off whole pixels; the
// default step keeps them on. The points lie in `area` (twips).
Trial randomTrial(std::mt19937 &random, QRect area = QRect(QPoint(600, 600), QPoint(13200, 9600)))
{
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const PaletteButton tools[] = {PaletteButton::Line, PaletteButton::Rectangle, PaletteButton::Circle, PaletteButton::Dots, PaletteButton::Freehand};
    Trial t;
    t.tool = tools[pick(0, 4)];
    t.circleMode = pick(0, 5);
    t.penWidth = pick(0, 3) ? pick(1, 4) : pick(5, 14);
    t.fillStyle = pick(0, 1) ? FillTransparent : FillSolid;
    t.mirror = Switch(pick(0, 3));
    const int step = std::array{1, 7, 15, 300}[std::size_t(pick(0, 3))];
    for (int i = 0, points = t.tool == PaletteButton::Freehand || t.tool == PaletteButton::Dots ? 4 : 2; i < points; ++i)
        t.path.emplace_back(pick(area.left(), area.right()) / step * step,
                            pick(area.top(), area.bottom()) / step * step);
    return t;
}

void drawTrial(BlankWindow &w, const Trial &t)
{
    w->onPaletteButton(PaletteButton::Clear);
    w.chooseTool(t.tool);
    w->onCircleKindButton(t.circleMode);
    w.moveFreely(true);
    const bool all = t.mirror == Switch::All;
    w.setMirrors(all || t.mirror == Switch::LeftRight, all || t.mirror == Switch::TopBottom,
                 all || t.mirror == Switch::ThroughCentre);
    w->onPenWidthButton(t.penWidth - 1);
    w->onFillPatternButton(t.fillStyle);
    w.move(t.path.front().x(), t.path.front().y());
    w.press(t.path.front().x(), t.path.front().y());
    for (const QPointF &p : t.path)
        w.move(p.x(), p.y(), Qt::LeftButton);
}

// Which pixels of an image have one colour.
struct Mask {
    int width = 0, height = 0;
    std::vector<char> on;
    bool at(int x, int y) const { return on[std::size_t(y * width + x)]; }
    bool operator==(const Mask &) const = default;
};

Mask maskOf(const QImage &image, QRgb colour)
{
    Mask mask{image.width(), image.height(), {}};
    mask.on.reserve(std::size_t(mask.width * mask.height));
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            mask.on.push_back((line[x] | 0xFF000000u) == colour);
    }
    return mask;
}

// The first pixel whose partner across the axes (a negative twice-axis leaves
// that direction alone) differs.
std::optional<QPoint> asymmetry(const Mask &mask, int twiceX, int twiceY)
{
    for (int y = 0; y < mask.height; ++y) {
        const int partnerY = twiceY < 0 ? y : twiceY - y;
        for (int x = 0; partnerY >= 0 && partnerY < mask.height && x < mask.width; ++x) {
            const int partnerX = twiceX < 0 ? x : twiceX - x;
            if (partnerX >= 0 && partnerX < mask.width && mask.at(x, y) != mask.at(partnerX, partnerY))
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

std::vector<QPoint> axesOf(Switch mirror)
{
    switch (mirror) {
    case Switch::LeftRight: return {{kTwiceCentreX, -1}};
    case Switch::TopBottom: return {{-1, kTwiceCentreY}};
    case Switch::ThroughCentre: return {{kTwiceCentreX, kTwiceCentreY}};
    case Switch::All: return {{kTwiceCentreX, -1}, {-1, kTwiceCentreY}};
    }
    return {};
}

void expectSymmetric(const QImage &image, const Trial &t, QRgb colour, int index)
{
    const Mask mask = maskOf(image, colour);
    for (const QPoint axes : axesOf(t.mirror)) {
        const auto odd = asymmetry(mask, axes.x(), axes.y());
        EXPECT_FALSE(odd) << describe(t) << " at pixel " << (odd ? odd->x() : 0) << "," << (odd ? odd->y() : 0);
        if (odd)
            savePicture(image, QStringLiteral("mirror-%1").arg(index));
    }
}

// The red pixels outside the crosshair's square around the pointer.
Mask redOutsideCrosshair(const QImage &image, QPointF pointer)
{
    Mask red = maskOf(image, kRedPixel);
    const QRect crosshair = QRect(pixelOfTwips(pointer.x(), pointer.y()) - QPoint(30, 30), QSize(61, 61)) & image.rect();
    for (int y = crosshair.top(); y <= crosshair.bottom(); ++y) {
        for (int x = crosshair.left(); x <= crosshair.right(); ++x)
            red.on[std::size_t(y * red.width + x)] = 0;
    }
    return red;
}
} // namespace

// Random figures of every mirrored kind, pen width, fill and switch, drawn in red
// and filled in red: the sheet is its own reflection, and what the canvas showed
// before the release is what the release stores.
TEST(MirrorSymmetry, EveryMirroredFigureLeavesAnImageThatIsItsOwnReflection)
{
    BlankWindow w;
    std::mt19937 random(20261207);
    for (int i = 0; i < 120; ++i) {
        const Trial t = randomTrial(random);
        drawTrial(w, t);
        const bool figure = t.tool == PaletteButton::Line || t.tool == PaletteButton::Rectangle || t.tool == PaletteButton::Circle;
        const Mask preview = redOutsideCrosshair(w.canvas(), t.path.back());
        w.release(t.path.back().x(), t.path.back().y());
        const QImage sheet = w.sheet();
        expectSymmetric(sheet, t, kRedPixel, i);
        if (figure) {
            EXPECT_TRUE(redOutsideCrosshair(sheet, t.path.back()) == preview) << describe(t);
        }
        if (HasFailure())
            break;
    }
}

// A hatched interior is the mirror image's coverage, but its lines keep their
// own direction: every hatch pixel lies on the pattern as the sheet aligns it.
// The figures stay in the upper left quarter, so no copy's fill covers another's outline.
// A figure takes one colour for its pen and its fill, so each is drawn twice: as
// a red outline, which must be symmetric, and hatched in blue, whose pixels off
// that outline are the hatch.
TEST(MirrorSymmetry, AHatchKeepsItsDirectionInTheCopies)
{
    BlankWindow w;
    std::mt19937 random(7);
    for (int i = 0; i < 24; ++i) {
        Trial t = randomTrial(random, QRect(QPoint(600, 600), QPoint(4200, 2400)));
        t.path.back() = t.path.front() + QPointF(900 + 150 * (i % 7), 900 + 150 * (i % 5));
        t.tool = i % 2 ? PaletteButton::Rectangle : PaletteButton::Circle;
        t.circleMode = 1;
        t.fillStyle = FillUpwardDiagonal + i % 2;
        Trial outlined = t;
        outlined.fillStyle = FillTransparent;
        w.pickRed();
        drawTrial(w, outlined);
        w.release(t.path.back().x(), t.path.back().y());
        const QImage outline = w.sheet();
        expectSymmetric(outline, t, kRedPixel, 1000 + i);
        w.platform.colorAnswers.push_back(kBlue);
        w->onPaletteButton(PaletteButton::ColourDialog);
        drawTrial(w, t);
        w.release(t.path.back().x(), t.path.back().y());
        const QImage sheet = w.sheet();
        int hatched = 0;
        for (int y = 0; y < sheet.height(); ++y) {
            for (int x = 0; x < sheet.width(); ++x) {
                if ((sheet.pixel(x, y) | 0xFF000000u) != kBluePixel || (outline.pixel(x, y) | 0xFF000000u) == kRedPixel)
                    continue;
                ++hatched;
                ASSERT_TRUE(hatchRow(t.fillStyle, y) >> (x % 8) & 1) << describe(t) << " at " << x << "," << y;
            }
        }
        EXPECT_GT(hatched, 0) << describe(t);
    }
}

} // namespace garabel::test
