#include "app/Button.h"
#include "app/ComboBox.h"
#include "app/MainWindow.h"
#include "app/Label.h"
#include "platform/Platform.h"
#include "platform/ShownSurface.h"

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
} // namespace

// Lays the window out for the screen: the strip along the top, the canvas right
// of the palette, the sheet buttons and every option group on one row below it.
// Single-precision arithmetic, in the order the values depend on each other.
void MainWindow::layOut()
{
    for (int i = 1; i <= 9; ++i) {
        sheetButtons.push_back(sheetButtons[0]->cloneHidden());
        sheetButtons[i]->onClick([this, i] { onSheetButton(i); });
        auto sheet = std::make_unique<Surface>();
        sheet->setBackColor(sheetImages[0]->backColor());
        sheet->setLeft(sheetImages[0]->left());
        sheet->setTop(sheetImages[0]->top());
        sheet->setWidth(sheetImages[0]->width());
        sheet->setHeight(sheetImages[0]->height());
        sheetImages.push_back(std::move(sheet));
        sheetButtons[i]->setCaption(QString::number(i + 1));
    }
    sheetButtons[0]->setBackColor(kBlue);

    // The area a maximised window gets: the desktop's panels stay visible.
    const QSize screen = m_platform.screen().available().size();
    const auto f = [](double v) { return float(v); };
    colourStrip->setTop(f(paletteButtons[PaletteButton::Open]->top()));
    canvas->setTop(f(colourStrip->top()) + f(colourStrip->height()) + 20.0f);
    canvas->setLeft(f(paletteButtons[PaletteButton::Save]->left()) + f(paletteButtons[PaletteButton::Save]->width()) + 75.0f);
    canvas->setWidth(float(screen.width()) - f(canvas->left()) - 75.0f);
    canvas->setHeight(float(screen.height()) - f(canvas->top()) - f(sheetButtons[0]->height()) - 80.0f);
    sheetButtons[0]->setTop(f(canvas->top()) + f(canvas->height()) + 20.0f);
    sheetButtons[0]->setLeft(f(canvas->left()));

    for (auto &sheet : sheetImages) {
        sheet->setTop(canvas->top());
        sheet->setLeft(canvas->left());
        sheet->setWidth(canvas->width());
        sheet->setHeight(canvas->height());
    }
    for (int i = 1; i <= 9; ++i) {
        sheetButtons[i]->setTop(sheetButtons[0]->top());
        sheetButtons[i]->setLeft(f(sheetButtons[i - 1]->left()) + f(sheetButtons[i - 1]->width()));
        sheetButtons[i]->setVisible(true);
    }
    for (int i = 0; i <= 9; ++i)
        sheetButtons[i]->setToolTip(tr("Hoja %1").arg(i + 1));

    const float row = f(sheetButtons[0]->top());
    const float groups = f(sheetButtons[9]->left()) + 1000.0f;
    chain(polygonModeButtons, groups, row);
    sideCountLabel->setTop(f(polygonModeButtons[0]->top()));
    sideCountLabel->setLeft(f(polygonModeButtons[2]->left()) + f(polygonModeButtons[2]->width()) + 100.0f);
    sideCountList->setTop(f(polygonModeButtons[0]->top()));
    sideCountList->setLeft(f(sideCountLabel->left()) + f(sideCountLabel->width()) + 50.0f);
    chain(circleKindButtons, groups, row);
    chain(penWidthButtons, groups, row);
    chain(fillPatternButtons, f(circleKindButtons[5]->left()) + 400.0f, row);
    fontSizeList->setTop(row);
    fontSizeList->setLeft(groups);
    fontNameList->setTop(row);
    fontNameList->setLeft(f(fontSizeList->left()) + f(fontSizeList->width()) + 150.0f);
    fontStyleButtons[0]->setTop(row);
    fontStyleButtons[1]->setTop(row);
    fontStyleButtons[0]->setLeft(f(fontNameList->left()) + f(fontNameList->width()) + 100.0f);
    fontStyleButtons[1]->setLeft(f(fontStyleButtons[0]->left()) + f(fontStyleButtons[0]->width()) + 25.0f);
    chain(eraserSizeButtons, groups, row);
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
