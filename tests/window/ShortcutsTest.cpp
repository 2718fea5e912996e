#include "raster/Surface.h"
#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "window/Button.h"
#include "window/HelpPicture.h"

#include <gtest/gtest.h>

namespace garabel::test {

namespace {

class Shortcuts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        w.click(*w.probe().sheetButtons()[0]);
        ASSERT_TRUE(w.takeKeys());
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) { w.key(key, modifiers); }
    GarabelWindow w;
};
} // namespace

TEST_F(Shortcuts, EachKeyRunsItsPaletteButton)
{
    commitBox(w, QRectF(600, 600, 900, 600), kRed);
    key(Qt::Key_Z);
    EXPECT_EQ(countColour(w.canvas(), kRedPixel), 0) << "undone";

    key(Qt::Key_O);
    EXPECT_EQ(w.platform.openRequests.size(), 1u);
    key(Qt::Key_S);
    EXPECT_EQ(w.platform.saveRequests.size(), 1u);
    key(Qt::Key_P);
    EXPECT_EQ(w.platform.printedPages.size(), 1u);

    key(Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(w.canvas().copy(0, 0, HelpPicture::kWidth, HelpPicture::kHeight), HelpPicture::render());

    w.platform.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
    key(Qt::Key_Q);
    EXPECT_EQ(w.platform.quitCalls, 0);
    key(Qt::Key_Q);
    EXPECT_EQ(w.platform.quitCalls, 1);
    ASSERT_EQ(w.platform.messages.size(), 2u);
    EXPECT_EQ(w.platform.messages[1].first, QStringLiteral("Quieres salir del programa"));
}

} // namespace garabel::test
