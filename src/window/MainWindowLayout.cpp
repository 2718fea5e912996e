#include "desktop/Platform.h"
#include "raster/ShownSurface.h"
#include "window/Button.h"
#include "window/ColourStripSwatch.h"
#include "window/ComboBox.h"
#include "window/ControlPlaces.h"
#include "window/Label.h"
#include "window/MainWindow.h"

namespace garabel {

namespace {
// Places elements 1.. of an array each directly right of the one before, on `top`.
void chain(ButtonArray &array, float firstLeft, float top)
{
    array[0]->setTop(top);
    array[0]->setLeft(firstLeft);
    for (size_t i = 1; i < array.size(); ++i) {
        array[i]->setTop(top);
        array[i]->setLeft(float(array[i - 1]->left()) + float(array[i - 1]->width()));
    }
}

// Right of the strip, level with it. A screen too narrow for that (800 pixels)
// has it in the gap between the last sheet button and the option groups,
// level with the buttons' middle: there it covers nothing at any size.
void placeColourSwatch(Control &swatch, const Surface &strip, const Control &lastSheet, float groups, float screenWidth)
{
    using namespace places;
    const auto f = [](double v) { return float(v); };
    swatch.setWidth(kColourSwatchWidth);
    swatch.setHeight(strip.height());
    const float besideStrip = f(strip.left()) + f(strip.width()) + kColourSwatchRightOfStrip;
    if (besideStrip + kColourSwatchWidth + kCanvasRightMargin <= screenWidth) {
        swatch.setLeft(besideStrip);
        swatch.setTop(strip.top());
        return;
    }
    const float afterSheets = f(lastSheet.left()) + f(lastSheet.width());
    swatch.setLeft(afterSheets + (groups - afterSheets - kColourSwatchWidth) / 2);
    swatch.setTop(f(lastSheet.top()) + (f(lastSheet.height()) - f(strip.height())) / 2);
}
} // namespace

// Lays the window out for the screen: the strip along the top, the canvas right
// of the palette, the sheet buttons and every option group on one row below it.
// Single-precision arithmetic, in the order the values depend on each other.
void MainWindow::layOut()
{
    using namespace places;
    for (int i = 1; i <= 9; ++i) {
        m_sheetButtons.push_back(m_sheetButtons[0]->cloneHidden());
        m_sheetButtons[i]->onClick([this, i] { onSheetButton(i); });
        auto sheet = std::make_unique<Surface>();
        const Surface &first = m_sheets.image(0);
        sheet->setBackColor(first.backColor());
        sheet->setLeft(first.left());
        sheet->setTop(first.top());
        sheet->setWidth(first.width());
        sheet->setHeight(first.height());
        m_sheets.add(std::move(sheet));
        m_sheetButtons[i]->setCaption(QString::number(i + 1));
    }
    m_sheetButtons[0]->setBackColor(kBlue);

    // The area a maximised window gets: the desktop's panels stay visible.
    const QSize screen = m_platform.screen().available().size();
    const auto f = [](double v) { return float(v); };
    m_colourStrip->setTop(f(m_paletteButtons[PaletteButton::Open]->top()));
    m_canvas->setTop(f(m_colourStrip->top()) + f(m_colourStrip->height()) + kCanvasBelowStrip);
    const Button &save = *m_paletteButtons[PaletteButton::Save];
    m_canvas->setLeft(f(save.left()) + f(save.width()) + kCanvasRightOfPalette);
    m_canvas->setWidth(float(screen.width()) - f(m_canvas->left()) - kCanvasRightMargin);
    m_canvas->setHeight(float(screen.height()) - f(m_canvas->top()) - f(m_sheetButtons[0]->height()) - kBottomMargin);
    m_sheetButtons[0]->setTop(f(m_canvas->top()) + f(m_canvas->height()) + kSheetButtonsBelowCanvas);
    m_sheetButtons[0]->setLeft(f(m_canvas->left()));

    for (int i = 0; i < m_sheets.count(); ++i) {
        Surface &sheet = m_sheets.image(i);
        sheet.setTop(m_canvas->top());
        sheet.setLeft(m_canvas->left());
        sheet.setWidth(m_canvas->width());
        sheet.setHeight(m_canvas->height());
    }
    for (int i = 1; i <= 9; ++i) {
        m_sheetButtons[i]->setTop(m_sheetButtons[0]->top());
        m_sheetButtons[i]->setLeft(f(m_sheetButtons[i - 1]->left()) + f(m_sheetButtons[i - 1]->width()));
        m_sheetButtons[i]->setVisible(true);
    }
    for (int i = 0; i <= 9; ++i)
        m_sheetButtons[i]->setToolTip(tr("Hoja %1").arg(i + 1));

    const float row = f(m_sheetButtons[0]->top());
    const float groups = f(m_sheetButtons[9]->left()) + kOptionGroupsRightOfSheetButtons;
    chain(m_polygonModeButtons, groups, row);
    m_sideCountLabel->setTop(f(m_polygonModeButtons[0]->top()));
    const Button &lastPolygonMode = *m_polygonModeButtons[2];
    m_sideCountLabel->setLeft(f(lastPolygonMode.left()) + f(lastPolygonMode.width()) + kSideCountLabelGap);
    m_sideCountList->setTop(f(m_polygonModeButtons[0]->top()));
    m_sideCountList->setLeft(f(m_sideCountLabel->left()) + f(m_sideCountLabel->width()) + kSideCountListGap);
    chain(m_circleKindButtons, groups, row);
    chain(m_penWidthButtons, groups, row);
    chain(m_fillPatternButtons, f(m_circleKindButtons[5]->left()) + kFillPatternsRightOfCircleKinds, row);
    m_fontSizeList->setTop(row);
    m_fontSizeList->setLeft(groups);
    m_fontNameList->setTop(row);
    m_fontNameList->setLeft(f(m_fontSizeList->left()) + f(m_fontSizeList->width()) + kFontNameListGap);
    m_fontStyleButtons[0]->setTop(row);
    m_fontStyleButtons[1]->setTop(row);
    m_fontStyleButtons[0]->setLeft(f(m_fontNameList->left()) + f(m_fontNameList->width()) + kBoldButtonGap);
    const Button &bold = *m_fontStyleButtons[0];
    m_fontStyleButtons[1]->setLeft(f(bold.left()) + f(bold.width()) + kItalicButtonGap);
    chain(m_eraserSizeButtons, groups, row);
    placeColourSwatch(*m_colourSwatch, *m_colourStrip, *m_sheetButtons[9], groups, float(screen.width()));
}

void MainWindow::showOnScreen()
{
    const QRect area = m_platform.screen().available();
    constexpr int k = kTwipsPerPixel;
    setGeometry(area.x() / k, area.y() / k, area.width() / k, area.height() / k);
    show();
    activateWindow();
}

} // namespace garabel
