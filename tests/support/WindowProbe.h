#pragma once

#include "raster/ShownSurface.h"
#include "tools/PolygonTool.h"
#include "tools/TextTool.h"
#include "tools/ToolBox.h"
#include "window/ColourStripSwatch.h"
#include "window/ColourStripView.h"
#include "window/MainWindow.h"

namespace garabel {

// What a test may look at inside the window, read-only: the surfaces and the
// drawing state as they are, and the controls' widgets, for clicking and typing
// on them as a user would. Nothing here changes the window.
class WindowProbe
{
public:
    explicit WindowProbe(const MainWindow &window) : m_window(window) {}

    const DrawingState &state() const { return m_window.m_state; }
    // The crosshair where the last move left it and where the button last went down, snapped.
    QPointF pointer() const { return m_window.m_pointer.at; }
    QPointF pressedAt() const { return m_window.m_pointer.pressedAt; }
    // Whether the text tool holds typed text to place at its next release.
    bool textPending() const { return tool<TextTool>(PaletteButton::Text).pending(); }
    // The side count the polygon tool's last preview placed its vertices for.
    double polygonSideCount() const { return tool<PolygonTool>(PaletteButton::Polygon).sideCount(); }
    int currentSheet() const { return m_window.m_sheets.currentIndex(); }
    const UndoRing &undoRing() const { return m_window.m_undoRing; }

    const ShownSurface &canvas() const { return *m_window.m_canvas; }
    const Surface &sheetImage(int index) const { return m_window.m_sheets.image(index); }
    const Surface &currentSheetImage() const { return m_window.m_sheets.current(); }
    const ShownSurface &colourStrip() const { return *m_window.m_colourStrip; }
    SurfaceView *canvasView() const { return m_window.m_canvasView; }
    ColourStripView *colourStripView() const { return m_window.m_stripView; }
    const ColourStripSwatch &colourSwatch() const { return *m_window.m_colourSwatch; }

    const PaletteButtons &paletteButtons() const { return m_window.m_paletteButtons; }
    const ButtonArray &gridButtons() const { return m_window.m_gridButtons; }
    const ButtonArray &mirrorButtons() const { return m_window.m_mirrorButtons; }
    const ButtonArray &sheetButtons() const { return m_window.m_sheetButtons; }
    const ButtonArray &polygonModeButtons() const { return m_window.m_polygonModeButtons; }
    const ButtonArray &circleKindButtons() const { return m_window.m_circleKindButtons; }
    const ButtonArray &penWidthButtons() const { return m_window.m_penWidthButtons; }
    const ButtonArray &fillPatternButtons() const { return m_window.m_fillPatternButtons; }
    const ButtonArray &fontStyleButtons() const { return m_window.m_fontStyleButtons; }
    const ButtonArray &eraserSizeButtons() const { return m_window.m_eraserSizeButtons; }

    Label &sideCountLabel() const { return *m_window.m_sideCountLabel; }
    Label &textPreview() const { return *m_window.m_textPreview; }
    ComboBox &sideCountList() const { return *m_window.m_sideCountList; }
    ComboBox &fontSizeList() const { return *m_window.m_fontSizeList; }
    ComboBox &fontNameList() const { return *m_window.m_fontNameList; }
    TextBox &textInput() const { return *m_window.m_textInput; }
    const ImageBox &cursorPicture() const { return *m_window.m_cursorPicture; }
    const ImageBox &helpPicture() const { return *m_window.m_helpPicture; }

private:
    template <typename Kind>
    const Kind &tool(PaletteButton button) const
    {
        return dynamic_cast<const Kind &>(*m_window.m_tools->toolOn(button));
    }

    const MainWindow &m_window;
};

} // namespace garabel
