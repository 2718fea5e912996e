#include "desktop/Platform.h"
#include "desktop/SurfaceView.h"
#include "drawing/GridMath.h"
#include "raster/ShownSurface.h"
#include "window/Button.h"
#include "window/ButtonPictures.h"
#include "window/ComboBox.h"
#include "window/ImageBox.h"
#include "window/Label.h"
#include "window/MainWindow.h"

#include <QCursor>
#include <QPixmap>

#include <cmath>

namespace garabel {

void MainWindow::start()
{
    layOut();

    m_state.grid.step = 300;
    m_state.grid.selectedButton = 5;
    m_state.tool = PaletteButton::Line;
    m_state.pen.dotRadius = 50;
    m_state.pen.width = 1;
    m_state.polygon.mode = 0;

    for (int i = 0; i <= 17; ++i)
        m_sideCountList->addItem(QString::number(i + 3));
    m_sideCountList->setText(m_sideCountList->item(2));

    // Halved in single precision, as the layout computes the canvas size.
    m_state.grid.centreX = snapToGrid(float(m_canvas->width()) / 2.0f, m_state.grid.step);
    m_state.grid.centreY = snapToGrid(float(m_canvas->height()) / 2.0f, m_state.grid.step);

    for (int v = 12; v <= 48; v += 2)
        m_fontSizeList->addItem(QString::number(v));
    for (const QString &name : m_platform.screen().fontNames)
        m_fontNameList->addItem(name);
    m_fontSizeList->setText(QStringLiteral("18"));
    m_fontNameList->setText(QStringLiteral("Arial"));

    const double size = leadingNumber(m_fontSizeList->text());
    m_state.pen.fontSize = size;
    m_state.pen.fontName = QStringLiteral("arial");
    m_textPreview->setFontSize(18);
    m_textPreview->setFontName(QStringLiteral("Arial"));

    m_fontStyleButtons[0]->setBackColor(kWhite);
    m_fontStyleButtons[1]->setBackColor(kWhite);
    markOptionsInUse();
    showCurrentTool();

    const QPoint hotSpot = canvasCursorHotSpot();
    m_canvasView->setCursor(QCursor(QPixmap::fromImage(m_cursorPicture->picture()), hotSpot.x(), hotSpot.y()));
}

} // namespace garabel
