#include "app/Button.h"
#include "app/ComboBox.h"
#include "app/Form1.h"
#include "app/Label.h"
#include "platform/Platform.h"
#include "platform/Surface.h"

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
void Form1::ArrangeControls()
{
    for (int i = 1; i <= 9; ++i) {
        Command4.push_back(Command4[0]->cloneHidden());
        Command4[i]->onClick([this, i] { Command4_Click(i); });
        auto sheet = std::make_unique<Surface>();
        sheet->setBackColor(Picture2[0]->backColor());
        sheet->setAutoRedraw(Picture2[0]->autoRedraw());
        sheet->setLeft(Picture2[0]->left());
        sheet->setTop(Picture2[0]->top());
        sheet->setWidth(Picture2[0]->width());
        sheet->setHeight(Picture2[0]->height());
        Picture2.push_back(std::move(sheet));
        Command4[i]->setCaption(QString::number(i + 1));
    }
    Command4[0]->setBackColor(kBlue);

    // The area a maximised window gets: the desktop's panels stay visible.
    const QSize screen = m_platform.screen().available().size();
    const auto f = [](double v) { return float(v); };
    Picture3->setTop(f(Command1[0]->top()));
    Picture1->setTop(f(Picture3->top()) + f(Picture3->height()) + 20.0f);
    Picture1->setLeft(f(Command1[1]->left()) + f(Command1[1]->width()) + 75.0f);
    Picture1->setWidth(float(screen.width()) - f(Picture1->left()) - 75.0f);
    Picture1->setHeight(float(screen.height()) - f(Picture1->top()) - f(Command4[0]->height()) - 80.0f);
    Command4[0]->setTop(f(Picture1->top()) + f(Picture1->height()) + 20.0f);
    Command4[0]->setLeft(f(Picture1->left()));

    for (auto &sheet : Picture2) {
        sheet->setTop(Picture1->top());
        sheet->setLeft(Picture1->left());
        sheet->setWidth(Picture1->width());
        sheet->setHeight(Picture1->height());
    }
    for (int i = 1; i <= 9; ++i) {
        Command4[i]->setTop(Command4[0]->top());
        Command4[i]->setLeft(f(Command4[i - 1]->left()) + f(Command4[i - 1]->width()));
        Command4[i]->setVisible(true);
    }
    for (int i = 0; i <= 9; ++i)
        Command4[i]->setToolTip(tr("Hoja %1").arg(i + 1));

    const float row = f(Command4[0]->top());
    const float groups = f(Command4[9]->left()) + 1000.0f;
    chain(Command5, groups, row);
    Label1->setTop(f(Command5[0]->top()));
    Label1->setLeft(f(Command5[2]->left()) + f(Command5[2]->width()) + 100.0f);
    Combo1->setTop(f(Command5[0]->top()));
    Combo1->setLeft(f(Label1->left()) + f(Label1->width()) + 50.0f);
    chain(Command6, groups, row);
    chain(Command7, groups, row);
    chain(Command8, f(Command6[5]->left()) + 400.0f, row);
    Combo2->setTop(row);
    Combo2->setLeft(groups);
    Combo3->setTop(row);
    Combo3->setLeft(f(Combo2->left()) + f(Combo2->width()) + 150.0f);
    Command9[0]->setTop(row);
    Command9[1]->setTop(row);
    Command9[0]->setLeft(f(Combo3->left()) + f(Combo3->width()) + 100.0f);
    Command9[1]->setLeft(f(Command9[0]->left()) + f(Command9[0]->width()) + 25.0f);
    chain(Command10, groups, row);
}

void Form1::showOnScreen()
{
    const QRect area = m_platform.screen().available();
    constexpr int k = kTwipsPerPixel;
    setGeometry(area.x() / k, area.y() / k, area.width() / k, area.height() / k);
    show();
    activateWindow();
}

} // namespace garabel
