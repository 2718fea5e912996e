#include "app/Button.h"
#include "app/Form1.h"
#include "platform/Surface.h"

namespace garabel {

// Makes sheet `index` current: its button turns blue, the previous one white,
// and the canvas shows exactly the sheet's stored drawing.
void Form1::Command4_Click(int index)
{
    Command4[state.PrevSheet]->setBackColor(kWhite);
    Command4[index]->setBackColor(kBlue);
    Picture1->setPicture(Picture2[index]->image());
    state.Sheet = std::uint8_t(index);
    state.PrevSheet = std::uint8_t(index);
}

} // namespace garabel
