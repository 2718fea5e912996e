#include "desktop/SurfaceView.h"
#include "support/AccessibilityBus.h"
#include "support/CanvasKeys.h"
#include "support/GarabelWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusObjectPath>
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
    const auto value = [canvas] { return canvas->text(QAccessible::Value); };

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
        // Coming back to the canvas reads only where the crosshair is.
        const QPointF at = w.probe().pointer();
        EXPECT_EQ(canvas->text(QAccessible::Description),
                  QStringLiteral("columna %1, fila %2").arg(at.x() / 300).arg(int(at.y()) / 300));
    }

    w.chooseTool(PaletteButton::Text);
    keys.key(Qt::Key_Space);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Hola"));
    keys.key(Qt::Key_Return);
    EXPECT_EQ(value(), QStringLiteral("texto «Hola»"));
    // The keys are the canvas's again: the next arrow moves the crosshair.
    const QString before = value();
    keys.key(Qt::Key_Left);
    EXPECT_NE(value(), before);
    EXPECT_TRUE(value().startsWith(QStringLiteral("columna "))) << value().toStdString();

    // A stroke pressed and let go without a move draws nothing and says nothing.
    w.chooseTool(PaletteButton::Freehand);
    w.move(3000, 3000);
    const QString there = value();
    w.press(3000, 3000);
    w.release(3000, 3000);
    EXPECT_EQ(value(), there);
}

// F1 takes the keys to the canvas, whose description, read with its name as
// it takes the focus, is the help page button by button; Escape gives the
// drawing back, and the canvas says where the crosshair is again.
TEST(CanvasAccessible, ReadsTheHelpPageButtonByButtonUntilEscape)
{
    GarabelWindow w;
    ASSERT_TRUE(w.takeKeys());
    QAccessibleInterface *canvas = QAccessible::queryAccessibleInterface(w.probe().canvasView());
    w.key(Qt::Key_F1, Qt::NoModifier);
    EXPECT_TRUE(w.probe().canvasView()->hasFocus());
    const QStringList page = canvas->text(QAccessible::Description).split(QStringLiteral(". "));
    // The palette's 20 buttons, the grid's 8 and its two lines, the 4 mirrors, the way out.
    ASSERT_EQ(page.size(), 35) << page.join(u'|').toStdString();
    EXPECT_EQ(page[0], QStringLiteral("Ayuda: Recuperar un dibujo (Ctrl+O)"));
    EXPECT_TRUE(page[3].startsWith(QStringLiteral("Dibuja a mano alzada"))) << page[3].toStdString();
    EXPECT_TRUE(page[20].startsWith(QStringLiteral("Rejilla de "))) << page[20].toStdString();
    EXPECT_EQ(page[29], QStringLiteral("El ratón se mueve por los puntos de la rejilla"));
    EXPECT_EQ(page[30], QStringLiteral("Anula las tres simetrías"));
    EXPECT_EQ(page[34], QStringLiteral("Escape vuelve al dibujo."));

    // The crosshair shows where the keys act, the centre, and says so.
    w.key(Qt::Key_Escape, Qt::NoModifier);
    const QString centre = QStringLiteral("columna %1, fila %2")
                               .arg(w.state().grid.centreX / 300)
                               .arg(w.state().grid.centreY / 300);
    EXPECT_EQ(canvas->text(QAccessible::Description), centre);
    EXPECT_EQ(canvas->text(QAccessible::Value), centre);
}

// Reached by Tab, the canvas first says where the crosshair is, and the first
// arrow says the next point.
TEST(CanvasAccessible, TabToTheCanvasSaysWhereTheCrosshairIs)
{
    GarabelWindow w;
    ASSERT_TRUE(w.activate());
    for (int i = 0; i < 3; ++i)
        w.type(Qt::Key_Tab);
    QWidget *view = w.probe().canvasView();
    ASSERT_EQ(QApplication::focusWidget(), view);
    QAccessibleInterface *canvas = QAccessible::queryAccessibleInterface(view);
    const int column = w.state().grid.centreX / 300, row = w.state().grid.centreY / 300;
    EXPECT_EQ(canvas->text(QAccessible::Value), QStringLiteral("columna %1, fila %2").arg(column).arg(row));
    w.type(Qt::Key_Right);
    EXPECT_EQ(canvas->text(QAccessible::Value), QStringLiteral("columna %1, fila %2").arg(column + 1).arg(row));
}

#ifdef GARABEL_ATSPI
// With a screen reader listening, each change reaches the accessibility bus as
// a changed description that carries the words themselves: Qt 6.4's own event
// carries a reference to the canvas instead, which Orca cannot speak.
TEST(CanvasAccessible, ItsChangesReachTheAccessibilityBusWithTheirWords)
{
    AccessibilityBus bus;
    ASSERT_TRUE(bus.running()) << "dbus-daemon could not be started";
    BlankWindow w;
    CanvasKeys keys(w);
    ASSERT_TRUE(keys.focus());
    const int column = w.state().grid.centreX / 300, row = w.state().grid.centreY / 300;
    w.chooseTool(PaletteButton::Rectangle);
    keys.key(Qt::Key_Space);
    keys.key(Qt::Key_Right);
    keys.key(Qt::Key_Down);
    keys.key(Qt::Key_Space);

    // Undo and redo are told each time, a second undo as well as the first.
    keys.key(Qt::Key_Z, Qt::ControlModifier);
    keys.key(Qt::Key_Z, Qt::ControlModifier);
    keys.key(Qt::Key_Y, Qt::ControlModifier);
    keys.key(Qt::Key_Y, Qt::ControlModifier);
    keys.key(Qt::Key_Y, Qt::ControlModifier);

    const QString nothingLeft = QStringLiteral("nada que rehacer");
    const QStringList words = bus.descriptionsUntil(nothingLeft);
    ASSERT_GE(words.size(), 9) << words.join(u'|').toStdString();
    EXPECT_EQ(words.mid(words.size() - 9),
              QStringList({QStringLiteral("ancla en columna %1, fila %2").arg(column).arg(row),
                           QStringLiteral("columna %1, fila %2; 1 por 0").arg(column + 1).arg(row),
                           QStringLiteral("columna %1, fila %2; 1 por 1").arg(column + 1).arg(row + 1),
                           QStringLiteral("rectángulo de 1 por 1 puntos"), QStringLiteral("deshecho"),
                           QStringLiteral("deshecho"), QStringLiteral("rehecho"), QStringLiteral("rehecho"),
                           nothingLeft}));

    // Sent as the canvas object of the program's accessibility tree.
    const QDBusMessage last = bus.changes().constLast();
    QAccessibleInterface *canvas = QAccessible::queryAccessibleInterface(w.probe().canvasView());
    EXPECT_EQ(last.path(), QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(canvas)));
    EXPECT_EQ(last.signature(), QStringLiteral("siiv(so)"));
    QString service;
    QDBusObjectPath root;
    const QDBusArgument application = qvariant_cast<QDBusArgument>(last.arguments().value(4));
    application.beginStructure();
    application >> service >> root;
    application.endStructure();
    EXPECT_EQ(service, bus.programService());
    EXPECT_EQ(root.path(), QStringLiteral("/org/a11y/atspi/accessible/root"));
}
#endif

} // namespace garabel::test
