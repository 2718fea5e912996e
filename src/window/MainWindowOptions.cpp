#include "desktop/SurfaceView.h"
#include "drawing/GridMath.h"
#include "drawing/Mirrors.h"
#include "raster/ShownSurface.h"
#include "raster/SurfaceLayer.h"
#include "window/AccessibleControls.h"
#include "window/Button.h"
#include "window/ComboBox.h"
#include "window/Label.h"
#include "window/MainWindow.h"

namespace garabel {

// Reflections: 0 switches all three off; 1, 2 and 3 toggle the left-right,
// top-bottom and through-centre mirrors. The green face is the record of a
// reflection being on; the first button is green exactly while none is. The
// canvas shows the axis of each mirror that is on.
void MainWindow::onMirrorButton(int index)
{
    if (index == 0) {
        m_state.mirrors.leftRight = m_state.mirrors.topBottom = m_state.mirrors.throughCentre = false;
        for (int i = 1; i <= 3; ++i)
            m_mirrorButtons[i]->setBackColor(kWhite);
    } else {
        bool *const flags[] = {&m_state.mirrors.leftRight, &m_state.mirrors.topBottom,
                               &m_state.mirrors.throughCentre};
        const bool on = m_mirrorButtons[index]->backColor() != kGreen;
        m_mirrorButtons[index]->setBackColor(on ? kGreen : kWhite);
        *flags[index - 1] = on;
    }
    markNoMirror();
    m_canvasView->updateGuides();
}

void MainWindow::markNoMirror()
{
    const MirrorSwitches &m = m_state.mirrors;
    m_mirrorButtons[0]->setBackColor(m.leftRight || m.topBottom || m.throughCentre ? kWhite : kGreen);
}

// Only the view draws them: they never reach a sheet, a saved file or a print.
// They come from the mirrors the copies are drawn under, whose centre a grid step moves.
ViewGuides MainWindow::mirrorAxes() const
{
    ViewGuides axes;
    for (const Mirror &m : mirrorsOf(m_state)) {
        const QPoint centre = SurfaceLayer::toPixel(m.centre.x(), m.centre.y(), Units::Twips);
        if (m.twiceAxisX() && m.twiceAxisY())
            axes.cross = centre;
        else if (m.twiceAxisX())
            axes.verticalX = centre.x();
        else if (m.twiceAxisY())
            axes.horizontalY = centre.y();
    }
    return axes;
}

void MainWindow::onPolygonModeButton(int index)
{
    m_state.polygon.mode = std::int16_t(index);
    markOnly(m_polygonModeButtons, index);
    for (auto &button : m_polygonModeButtons)
        setInEffect(*button->button(), false);
}

void MainWindow::onCircleKindButton(int index)
{
    m_state.circle.kind = std::uint8_t(index);
    markOnly(m_circleKindButtons, index);
}

void MainWindow::onPenWidthButton(int index)
{
    markOnly(m_penWidthButtons, index);
    m_state.pen.width = index + 1;
    tellPenWidth();
}

void MainWindow::onFillPatternButton(int index)
{
    m_state.pen.fillPattern = index;
    markOnly(m_fillPatternButtons, index);
}

// Bold ("N", 0) and italic ("K", 1), each on its own: a white face switches the
// style on and turns blue, any other face switches it off and turns white.
void MainWindow::onFontStyleButton(int index)
{
    const bool on = m_fontStyleButtons[index]->backColor() == kWhite;
    m_fontStyleButtons[index]->setBackColor(on ? kBlue : kWhite);
    if (index == 0) {
        m_state.pen.bold = on;
        m_textPreview->setFontBold(on);
    } else {
        m_state.pen.italic = on;
        m_textPreview->setFontItalic(on);
    }
}

namespace {
// The eraser buttons' sizes, twips: 20, 45, 70 ... for buttons 0, 1, 2 ...
constexpr int kSmallestEraser = 20, kEraserSizeStep = 25;

// The button of an eraser size; -1 for a size no button gives (0 at start-up).
int eraserButtonOf(int size, int buttons)
{
    const int index = (size - kSmallestEraser) / kEraserSizeStep;
    const bool onButton = size >= kSmallestEraser && (size - kSmallestEraser) % kEraserSizeStep == 0;
    return onButton && index < buttons ? index : -1;
}
} // namespace

void MainWindow::onEraserSizeButton(int index)
{
    m_state.pen.eraserSize = std::int16_t(index * kEraserSizeStep + kSmallestEraser);
    markOnly(m_eraserSizeButtons, index);
}

// A pen width past the last button (the width step counts on from 14) marks none.
void MainWindow::markOptionsInUse()
{
    markOnly(m_gridButtons, m_state.grid.selectedButton);
    markOnly(m_penWidthButtons, m_state.pen.width - 1);
    markOnly(m_fillPatternButtons, m_state.pen.fillPattern);
    markOnly(m_circleKindButtons, m_state.circle.kind);
    markOnly(m_polygonModeButtons, m_state.polygon.mode);
    markOnly(m_eraserSizeButtons, eraserButtonOf(m_state.pen.eraserSize, int(m_eraserSizeButtons.size())));
    markNoMirror();
    markSnapping();
}

// List entries outside the open range 7..73 are ignored without a word; the label
// follows every font setting, as it shows the text being typed.
void MainWindow::onFontSizeChosen()
{
    const double size = leadingNumber(m_fontSizeList->text());
    if (size > 7 && size < 73)
        applyFontSize(size);
}

// A whole size from 1 to 500 typed into the box applies as a list entry does;
// anything else puts the box back to the size in use.
void MainWindow::onFontSizeTyped()
{
    constexpr int kSmallest = 1, kLargest = 500;
    bool whole = false;
    const int size = m_fontSizeList->text().trimmed().toInt(&whole);
    if (whole && size >= kSmallest && size <= kLargest)
        applyFontSize(size);
    else
        m_fontSizeList->setText(QString::number(m_state.pen.fontSize));
}

void MainWindow::applyFontSize(double points)
{
    m_state.pen.fontSize = points;
    m_textPreview->setFontSize(points);
}

void MainWindow::onFontNameChosen()
{
    const QString name = m_fontNameList->text();
    m_state.pen.fontName = name;
    m_textPreview->setFontName(name);
}

} // namespace garabel
