#include "desktop/SurfaceView.h"
#include "support/CanvasKeys.h"
#include "support/GarabelWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace garabel::test {

// The offscreen platform hands no accessibility events on, so what a screen
// reader would be told is read here from the canvas's interface.
TEST(CanvasAccessible, ItsValueFollowsTheCrosshairAndTellsTheLastFigure)
{
    BlankWindow w;
    CanvasKeys keys(w);
    ASSERT_TRUE(keys.focus());
    QAccessibleInterface *canvas = QAccessible::queryAccessibleInterface(w.probe().canvasView());
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->text(QAccessible::Name), QStringLiteral("Lienzo"));
    EXPECT_EQ(canvas->role(), QAccessible::Canvas);
    const auto value = [canvas] {
        EXPECT_EQ(canvas->text(QAccessible::Description), canvas->text(QAccessible::Value));
        return canvas->text(QAccessible::Value);
    };

    // The centre of the start-up grid of 300 twips, then five steps with Shift and one.
    const int column = w.state().grid.centreX / 300, row = w.state().grid.centreY / 300;
    keys.key(Qt::Key_Right, Qt::ShiftModifier);
    keys.key(Qt::Key_Down);
    EXPECT_EQ(value(), QStringLiteral("columna %1, fila %2").arg(column + 5).arg(row + 1));

    const struct {
        PaletteButton tool;
        QString drawn;
    } figures[] = {
        {PaletteButton::Rectangle, QStringLiteral("rectángulo de 6 por 4 puntos")},
        {PaletteButton::Circle, QStringLiteral("circunferencia de radio 7 puntos")},
    };
    for (const auto &figure : figures) {
        w.chooseTool(figure.tool);
        keys.key(Qt::Key_Space);
        keys.key(Qt::Key_Right, Qt::ShiftModifier);
        keys.key(Qt::Key_Right);
        for (int i = 0; i < 4; ++i)
            keys.key(Qt::Key_Down);
        keys.key(Qt::Key_Space);
        EXPECT_EQ(value(), figure.drawn);
    }

    w.chooseTool(PaletteButton::Text);
    keys.key(Qt::Key_Space);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Hola"));
    keys.key(Qt::Key_Return);
    EXPECT_EQ(value(), QStringLiteral("texto «Hola»"));
}

} // namespace garabel::test
