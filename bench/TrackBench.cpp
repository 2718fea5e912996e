#include "Ratio.h"

#include "app/Form1.h"
#include "platform/Surface.h"
#include "platform/SurfaceView.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using garabel::Form1;
using garabel::Surface;

constexpr int kWidth = 3840, kHeight = 2160;

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
        const auto screenTwips = [](int inner, int rest) { return (inner + 2 * Surface::kBorder) * 15 + rest; };
        platform.screenInfo.twips = QSize(screenTwips(kWidth, 1245), screenTwips(kHeight, 910));
        form = std::make_unique<Form1>(platform);
        form->Form_Load();
        form->showOnScreen();
        for (int i = 0; i < 100 && !(form->windowHandle() && form->windowHandle()->isExposed()); ++i)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        form->canvasView()->installEventFilter(&paints);
        form->state.Red = 255;
        form->state.FlipX = form->state.FlipY = form->state.FlipXY = true;
    }

    bool isFourK() const { return form->Picture1->innerPixelSize() == QSize(kWidth, kHeight); }

    // A pointer event on the canvas at inner pixel (x, y), as the system sends it.
    void send(QEvent::Type type, int x, int y, Qt::MouseButtons buttons)
    {
        QWidget *view = form->canvasView();
        const QPointF local = garabel::SurfaceView::innerOrigin() + QPoint(x, y);
        const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, view->mapToGlobal(local), changed, buttons, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }

    // Delivers the repaint that the move asked for.
    void repaint() { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }

    std::size_t canvasBytes() const { return std::size_t(form->Picture1->renderedImage().sizeInBytes()); }

    garabel::test::FakePlatform platform;
    std::unique_ptr<Form1> form;
    PaintCounter paints;
};

// A pointer wandering over the middle third of the canvas, for the preview.
QPoint wanderingPoint(int step)
{
    return QPoint(kWidth / 3 + (step * 37) % (kWidth / 3), kHeight / 3 + (step * 23) % (kHeight / 3));
}

// A hand drawing rows across the middle third, one grid step (20 pixels) a move.
QPoint handPoint(int step)
{
    const int across = kWidth / 3 / 20;
    return QPoint(kWidth / 3 + step % across * 20, kHeight / 3 + step / across % (kHeight / 3 / 20) * 20);
}

void finish(benchmark::State &state, Window4k &w)
{
    if (w.paints.count < state.iterations())
        state.SkipWithError("the canvas did not repaint on every move");
    garabel::bench::compareWithMemcpy(state, w.canvasBytes());
}

// One move with the line tool's button held: refresh, crosshair, the line and
// its three mirror copies on the overlay, and the canvas repaint.
void move_preview_4k(benchmark::State &state)
{
    Window4k w;
    if (!w.isFourK()) {
        state.SkipWithError("the canvas is not 3840 x 2160");
        return;
    }
    w.form->state.Tool = garabel::ToolLine;
    w.send(QEvent::MouseButtonPress, kWidth / 8, kHeight / 8, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        const QPoint p = wanderingPoint(step++);
        w.send(QEvent::MouseMove, p.x(), p.y(), Qt::LeftButton);
        w.repaint();
    }
    finish(state, w);
}
BENCHMARK(move_preview_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

// One freehand move with the three mirrors: four segments into the canvas and
// four into the sheet, and the canvas repaint.
void freehand_move_4k(benchmark::State &state)
{
    Window4k w;
    if (!w.isFourK()) {
        state.SkipWithError("the canvas is not 3840 x 2160");
        return;
    }
    w.form->state.Tool = garabel::ToolFreehand;
    const QPoint start = handPoint(0);
    w.send(QEvent::MouseMove, start.x(), start.y(), Qt::NoButton);
    w.send(QEvent::MouseButtonPress, start.x(), start.y(), Qt::LeftButton);
    int step = 1;
    for (auto _ : state) {
        const QPoint p = handPoint(step++);
        w.send(QEvent::MouseMove, p.x(), p.y(), Qt::LeftButton);
        w.repaint();
    }
    finish(state, w);
}
BENCHMARK(freehand_move_4k)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace
