#pragma once

#include "desktop/SurfaceView.h"
#include "raster/ShownSurface.h"
#include "support/FakePlatform.h"
#include "support/WindowProbe.h"
#include "window/Button.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include <memory>

namespace garabel::bench {

inline constexpr int kWidth = 3840, kHeight = 2160;

// Counts the paint events a widget receives, to check that each move repaints.
class PaintCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// The real window, shown, on a desktop sized so that the laid-out canvas is 4K
// inside: the canvas is the screen less 1245 twips across and 910 down.
class Window4k
{
public:
    Window4k()
    {
        const auto screenTwips = [](int inner, int rest) { return (inner + 2 * Surface::kBorder) * kTwipsPerPixel + rest; };
        platform.screenInfo.twips = QSize(screenTwips(kWidth, 1245), screenTwips(kHeight, 910));
        form = std::make_unique<MainWindow>(platform);
        form->showOnScreen();
        for (int i = 0; i < 100 && !(form->windowHandle() && form->windowHandle()->isExposed()); ++i)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        probe().canvasView()->installEventFilter(&paints);
    }

    WindowProbe probe() const { return WindowProbe(*form); }
    bool isFourK() const { return probe().canvas().innerPixelSize() == QSize(kWidth, kHeight); }

    // A pointer event on the canvas at inner pixel (x, y), as the system sends it.
    void send(QEvent::Type type, int x, int y, Qt::MouseButtons buttons)
    {
        QWidget *view = probe().canvasView();
        const QPointF local = SurfaceView::innerOrigin() + QPoint(x, y);
        const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, view->mapToGlobal(local), changed, buttons, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }

    // A left click on the button, at its middle, through the window system to
    // the window: whatever the window finds at that point takes it.
    void click(Button &button)
    {
        QWidget *face = button.widget();
        const QPoint at = face->mapTo(form.get(), face->rect().center());
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    }

    // Delivers the repaint that the move asked for.
    void repaint() { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }

    std::size_t canvasBytes() const
    {
        const QSize size = probe().canvas().innerPixelSize();
        return std::size_t(size.width()) * std::size_t(size.height()) * sizeof(QRgb);
    }

    test::FakePlatform platform;
    std::unique_ptr<MainWindow> form;
    PaintCounter paints;
};

// A filled square of `side` pixels drawn through the window, the rectangle
// tool filled solid in a colour of its own; `n` moves it round the canvas.
inline void drawSquare(Window4k &w, int n, int side = 300)
{
    const int x = (n * 331) % (kWidth - side), y = (n * 197) % (kHeight - side);
    w.platform.colorAnswers.push_back(rgb(n * 37, n * 91, n * 53));
    w.form->onPaletteButton(PaletteButton::ColourDialog);
    w.form->onPaletteButton(PaletteButton::Rectangle);
    w.form->onFillPatternButton(FillSolid);
    w.form->onPaletteButton(PaletteButton::MoveFreely);
    w.send(QEvent::MouseMove, x, y, Qt::NoButton);
    w.send(QEvent::MouseButtonPress, x, y, Qt::LeftButton);
    w.send(QEvent::MouseMove, x + side - 1, y + side - 1, Qt::LeftButton);
    w.send(QEvent::MouseButtonRelease, x + side - 1, y + side - 1, Qt::NoButton);
}

} // namespace garabel::bench
