#include "app/Button.h"
#include "app/ComboBox.h"
#include "app/MainWindow.h"
#include "app/GridMath.h"
#include "app/Label.h"
#include "platform/ShownSurface.h"

namespace garabel {

namespace {
// Drawing settings hold for the canvas and every sheet alike, so that a sheet
// switch finds them already in place.
template <typename Apply>
void onEverySurface(MainWindow &form, Apply apply)
{
    apply(*form.canvas);
    for (auto &sheet : form.sheetImages)
        apply(*sheet);
}
} // namespace

// Reflections: 0 switches all three off; 1, 2 and 3 toggle the left-right,
// top-bottom and through-centre mirrors. The green face is the record of a reflection being on.
void MainWindow::onMirrorButton(int index)
{
    if (index == 0) {
        state.mirrors.leftRight = state.mirrors.topBottom = state.mirrors.throughCentre = false;
        mirrorButtons[0]->setBackColor(kGreen);
        for (int i = 1; i <= 3; ++i)
            mirrorButtons[i]->setBackColor(kWhite);
        return;
    }
    bool *const flags[] = {&state.mirrors.leftRight, &state.mirrors.topBottom, &state.mirrors.throughCentre};
    const bool on = mirrorButtons[index]->backColor() != kGreen;
    mirrorButtons[index]->setBackColor(on ? kGreen : kWhite);
    *flags[index - 1] = on;
}

void MainWindow::onPolygonModeButton(int index)
{
    state.polygon.mode = std::int16_t(index);
}

void MainWindow::onCircleKindButton(int index)
{
    state.circle.kind = std::uint8_t(index);
}

void MainWindow::onPenWidthButton(int index)
{
    for (auto &button : penWidthButtons) {
        if (button->backColor() == kGreen)
            button->setBackColor(kWhite);
    }
    penWidthButtons[index]->setBackColor(kGreen);
    state.pen.width = std::int16_t(index + 1);
    onEverySurface(*this, [width = state.pen.width](Surface &s) { s.setDrawWidth(width); });
}

void MainWindow::onFillPatternButton(int index)
{
    state.pen.fillPattern = std::uint8_t(index);
    onEverySurface(*this, [style = int(state.pen.fillPattern)](Surface &s) { s.setFillStyle(style); });
}

// Bold ("N", 0) and italic ("K", 1), each on its own: a white face switches the
// style on and turns blue, any other face switches it off and turns white.
void MainWindow::onFontStyleButton(int index)
{
    const bool on = fontStyleButtons[index]->backColor() == kWhite;
    fontStyleButtons[index]->setBackColor(on ? kBlue : kWhite);
    if (index == 0) {
        onEverySurface(*this, [on](Surface &s) { s.setFontBold(on); });
        textPreview->setFontBold(on);
    } else {
        onEverySurface(*this, [on](Surface &s) { s.setFontItalic(on); });
        textPreview->setFontItalic(on);
    }
}

void MainWindow::onEraserSizeButton(int index)
{
    state.pen.eraserSize = std::int16_t(index * 25 + 20);
}

// Sizes outside the open range 7..73 are ignored without a word; the label
// follows every font setting, as it shows the text being typed.
void MainWindow::onFontSizeChosen()
{
    const double size = leadingNumber(fontSizeList->text());
    if (!(size > 7 && size < 73))
        return;
    onEverySurface(*this, [size](Surface &s) { s.setFontSize(size); });
    textPreview->setFontSize(size);
}

void MainWindow::onFontNameChosen()
{
    const QString name = fontNameList->text();
    onEverySurface(*this, [&name](Surface &s) { s.setFontName(name); });
    textPreview->setFontName(name);
}

} // namespace garabel
