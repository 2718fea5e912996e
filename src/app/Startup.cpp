#include "app/Button.h"
#include "app/ButtonPictures.h"
#include "app/ComboBox.h"
#include "app/MainWindow.h"
#include "app/GridMath.h"
#include "app/ImageBox.h"
#include "app/Label.h"
#include "platform/Platform.h"
#include "platform/ShownSurface.h"
#include "platform/SurfaceView.h"

#include <QCursor>
#include <QPixmap>

#include <cmath>

namespace garabel {

void MainWindow::start()
{
    layOut();

    state.grid.step = 300;
    state.grid.selectedButton = 5;
    state.tool = PaletteButton::Line;
    state.pen.dotRadius = 50;
    state.sheet = 0;
    state.pen.width = 1;
    state.polygon.mode = 0;

    for (int i = 0; i <= 17; ++i)
        sideCountList->addItem(QString::number(i + 3));
    sideCountList->setText(sideCountList->item(2));

    // Halved in single precision, as the layout computes the canvas size.
    state.grid.centreX = snapToGrid(float(canvas->width()) / 2.0f, state.grid.step);
    state.grid.centreY = snapToGrid(float(canvas->height()) / 2.0f, state.grid.step);

    fillUndoRing();

    for (int v = 12; v <= 48; v += 2)
        fontSizeList->addItem(QString::number(v));
    for (const QString &name : m_platform.screen().fontNames)
        fontNameList->addItem(name);
    fontSizeList->setText(QStringLiteral("18"));
    fontNameList->setText(QStringLiteral("Arial"));

    const double size = leadingNumber(fontSizeList->text());
    canvas->setFontSize(size);
    canvas->setFontName(QStringLiteral("arial"));
    for (auto &sheet : sheetImages) {
        sheet->setFontSize(size);
        sheet->setFontName(QStringLiteral("arial"));
    }
    textPreview->setFontSize(18);
    textPreview->setFontName(QStringLiteral("Arial"));

    fontStyleButtons[0]->setBackColor(kWhite);
    fontStyleButtons[1]->setBackColor(kWhite);

    const QPoint hotSpot = canvasCursorHotSpot();
    m_canvasView->setCursor(QCursor(QPixmap::fromImage(cursorPicture->picture()), hotSpot.x(), hotSpot.y()));
}

} // namespace garabel
