#include "desktop/BesideWindow.h"

#include <QProgressBar>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <new>

namespace garabel::test {

namespace {

// A window that counts what reaches it.
class CountingView : public QWidget
{
public:
    int paints = 0;
    int inputs = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
    void mousePressEvent(QMouseEvent *) override { ++inputs; }
    void keyPressEvent(QKeyEvent *) override { ++inputs; }
};

bool barShown(QWidget &view)
{
    const auto *bar = view.findChild<QProgressBar *>(QStringLiteral("fileBusyBar"));
    return bar && bar->isVisible();
}

} // namespace

// While a slow file job runs, the window paints, its input is dropped (a
// click, a key), and the busy bar shows only once the job has taken a while.
TEST(BesideWindow, TheWindowPaintsAndTakesNoInputWhileTheJobRunsOnAThreadOfItsOwn)
{
    CountingView view;
    view.resize(400, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    std::atomic<bool> released = false;
    QThread *jobThread = nullptr;
    int paintsBefore = 0, paintsDuring = 0, inputsDuring = -1;
    bool barEarly = true, barLate = false;

    QTimer::singleShot(50, &view, [&] {
        barEarly = barShown(view);
        paintsBefore = view.paints;
        view.repaint();
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::keyClick(&view, Qt::Key_A);
    });
    QTimer::singleShot(kBusyBarDelayMs + 200, &view, [&] {
        barLate = barShown(view);
        paintsDuring = view.paints - paintsBefore;
        inputsDuring = view.inputs;
        released = true;
    });
    const bool done = runBesideWindow(view, QStringLiteral("Abriendo «casa.png»"), [&] {
        jobThread = QThread::currentThread();
        for (int waited = 0; !released && waited < 5000; waited += 5)
            QThread::msleep(5);
    });

    EXPECT_TRUE(done);
    EXPECT_NE(jobThread, QThread::currentThread());
    EXPECT_FALSE(barEarly) << "a quick job shows no bar";
    EXPECT_TRUE(barLate);
    EXPECT_GE(paintsDuring, 1);
    EXPECT_EQ(inputsDuring, 0);
    EXPECT_FALSE(barShown(view)) << "the bar goes with the job";
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(view.inputs, 1) << "the window takes its input again";
}

TEST(BesideWindow, AJobThatRunsOutOfMemoryIsToldWhereItWasAskedFor)
{
    QWidget view;
    EXPECT_THROW(runBesideWindow(view, QString(), [] { throw std::bad_alloc(); }), std::bad_alloc);
}

} // namespace garabel::test
