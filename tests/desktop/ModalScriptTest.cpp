#include "desktop/ModalScript.h"
#include "desktop/QtPlatform.h"

#include <QColorDialog>
#include <QMessageBox>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace garabel::test {

namespace {

// A message box while the script waits for a colour dialog.
void messageBoxThatNoStepExpects()
{
    ModalScript script(200);
    script.then<QColorDialog>([](QColorDialog *dialog) { dialog->accept(); });
    script.start();
    QtPlatform().messageBox(QStringLiteral("Nadie la espera"), MessageButtons::Ok);
}

// Two message boxes in a row while the script only handles the first one by
// leaving it open.
void messageBoxesThatTheStepsLeaveOpen()
{
    ModalScript script(200);
    script.then<QMessageBox>([](QMessageBox *) {});
    script.start();
    QtPlatform platform;
    platform.messageBox(QStringLiteral("Primera"), MessageButtons::Ok);
    platform.messageBox(QStringLiteral("Segunda"), MessageButtons::Ok);
}

} // namespace

TEST(QtPlatformModalScript, WatchdogClosesADialogThatNoStepExpectsAndFails)
{
    EXPECT_NONFATAL_FAILURE(messageBoxThatNoStepExpects(), "never found its QColorDialog");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(QtPlatformModalScript, WatchdogClosesDialogsLeftOpenAfterTheLastStepAndFails)
{
    EXPECT_NONFATAL_FAILURE(messageBoxesThatTheStepsLeaveOpen(), "still open");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace garabel::test
