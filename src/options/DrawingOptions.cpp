#include "app/Button.h"
#include "app/ComboBox.h"
#include "app/Form1.h"
#include "app/GridMath.h"
#include "app/Label.h"
#include "platform/Surface.h"

namespace garabel {

namespace {
// Drawing settings hold for the canvas and every sheet alike, so that a sheet
// switch finds them already in place.
template <typename Apply>
void onEverySurface(Form1 &form, Apply apply)
{
    apply(*form.Picture1);
    for (auto &sheet : form.Picture2)
        apply(*sheet);
}
} // namespace

// Reflections: 0 switches all three off; 1, 2 and 3 toggle FlipX, FlipY and
// FlipXY. The green face is the record of a reflection being on.
void Form1::Command3_Click(int index)
{
    if (index == 0) {
        state.FlipX = state.FlipY = state.FlipXY = false;
        Command3[0]->setBackColor(kGreen);
        for (int i = 1; i <= 3; ++i)
            Command3[i]->setBackColor(kWhite);
        return;
    }
    bool *const flags[] = {&state.FlipX, &state.FlipY, &state.FlipXY};
    const bool on = Command3[index]->backColor() != kGreen;
    Command3[index]->setBackColor(on ? kGreen : kWhite);
    *flags[index - 1] = on;
}

void Form1::Command5_Click(int index)
{
    state.PolyMode = std::int16_t(index);
}

void Form1::Command6_Click(int index)
{
    state.CircleMode = std::uint8_t(index);
}

void Form1::Command7_Click(int index)
{
    for (auto &button : Command7) {
        if (button->backColor() == kGreen)
            button->setBackColor(kWhite);
    }
    Command7[index]->setBackColor(kGreen);
    state.PenWidth = std::int16_t(index + 1);
    onEverySurface(*this, [width = state.PenWidth](Surface &s) { s.setDrawWidth(width); });
}

void Form1::Command8_Click(int index)
{
    state.FillIndex = std::uint8_t(index);
    onEverySurface(*this, [style = int(state.FillIndex)](Surface &s) { s.setFillStyle(style); });
}

// Bold ("N", 0) and italic ("K", 1), each on its own: a white face switches the
// style on and turns blue, any other face switches it off and turns white.
void Form1::Command9_Click(int index)
{
    const bool on = Command9[index]->backColor() == kWhite;
    Command9[index]->setBackColor(on ? kBlue : kWhite);
    if (index == 0) {
        onEverySurface(*this, [on](Surface &s) { s.setFontBold(on); });
        Label2->setFontBold(on);
    } else {
        onEverySurface(*this, [on](Surface &s) { s.setFontItalic(on); });
        Label2->setFontItalic(on);
    }
}

void Form1::Command10_Click(int index)
{
    state.EraserSize = std::int16_t(index * 25 + 20);
}

// Sizes outside the open range 7..73 are ignored without a word; the label
// follows every font setting, as it shows the text being typed.
void Form1::Combo2_Click()
{
    const double size = leadingNumber(Combo2->text());
    if (!(size > 7 && size < 73))
        return;
    onEverySurface(*this, [size](Surface &s) { s.setFontSize(size); });
    Label2->setFontSize(size);
}

void Form1::Combo3_Click()
{
    const QString name = Combo3->text();
    onEverySurface(*this, [&name](Surface &s) { s.setFontName(name); });
    Label2->setFontName(name);
}

} // namespace garabel
