#include "app/Button.h"
#include "app/ButtonPictures.h"
#include "app/ComboBox.h"
#include "app/Form1.h"
#include "app/GridMath.h"
#include "app/ImageBox.h"
#include "app/Label.h"
#include "platform/Platform.h"
#include "platform/Surface.h"
#include "platform/SurfaceView.h"

#include <QCursor>
#include <QPixmap>

#include <cmath>

namespace garabel {

void Form1::Form_Load()
{
    ArrangeControls();

    state.GridStep = 300;
    state.GridIndex = 5;
    state.Tool = ToolLine;
    state.BrushRadius = 50;
    state.Sheet = 0;
    state.PenWidth = 1;
    state.PolyMode = 0;
    state.Pi = std::atan(1.0) * 4;

    for (int i = 0; i <= 17; ++i)
        Combo1->addItem(QString::number(i + 3));
    Combo1->setText(Combo1->item(2));

    // Halved in single precision, as the layout computes the canvas size.
    state.CenterX = snapToGrid(float(Picture1->width()) / 2.0f, state.GridStep);
    state.CenterY = snapToGrid(float(Picture1->height()) / 2.0f, state.GridStep);

    LoadUndoSlots();

    for (int v = 12; v <= 48; v += 2)
        Combo2->addItem(QString::number(v));
    for (const QString &name : m_platform.screen().fontNames)
        Combo3->addItem(name);
    Combo2->setText(QStringLiteral("18"));
    Combo3->setText(QStringLiteral("Arial"));

    const double size = leadingNumber(Combo2->text());
    Picture1->setFontSize(size);
    Picture1->setFontName(QStringLiteral("arial"));
    for (auto &sheet : Picture2) {
        sheet->setFontSize(size);
        sheet->setFontName(QStringLiteral("arial"));
    }
    Label2->setFontSize(18);
    Label2->setFontName(QStringLiteral("Arial"));

    Command9[0]->setBackColor(kWhite);
    Command9[1]->setBackColor(kWhite);

    const QPoint hotSpot = canvasCursorHotSpot();
    m_canvasView->setCursor(QCursor(QPixmap::fromImage(Image11->picture()), hotSpot.x(), hotSpot.y()));
}

} // namespace garabel
