#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "support/PictureSamples.h"
#include "window/Button.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
const QString kQuestion = QStringLiteral("Quieres salir del programa");
const QRectF kBox(3000, 1500, 600, 450);

std::pair<QString, MessageButtons> quitQuestion(GarabelWindow &w)
{
    w.platform.messages.clear();
    w.click(PaletteButton::Quit);
    return w.platform.messages.empty() ? std::pair(QString(), MessageButtons::Ok) : w.platform.messages.front();
}

std::pair<QString, MessageButtons> unsaved(const char *line)
{
    return {kQuestion + u'\n' + QString::fromUtf8(line), MessageButtons::YesNoDefaultNo};
}
} // namespace

// The rule: any change to a sheet after its last save or open marks it, an
// undo too; a sheet left blank has nothing to lose. The question names the
// sheets by their buttons' numbers.
TEST(QuitQuestion, NamesTheSheetsChangedSinceSavedOrOpenedAndThenDefaultsToNo)
{
    QTemporaryDir dir;
    BlankWindow w;
    const auto sheet = [&w](int i) { w.click(*w.probe().sheetButtons()[i]); };
    EXPECT_EQ(quitQuestion(w), std::pair(kQuestion, MessageButtons::YesNo)) << "nothing drawn";

    commitBox(w, kBox, kRed);
    EXPECT_EQ(quitQuestion(w), unsaved("Hay una hoja con dibujos sin guardar: 1."));
    for (const int i : {2, 5, 9}) {
        sheet(i);
        commitBox(w, kBox, kRed);
    }
    EXPECT_EQ(quitQuestion(w), unsaved("Hay 4 hojas con dibujos sin guardar: 1, 3, 6 y 10."));

    w.platform.saveAnswers = {dir.filePath("hoja10.bmp")};
    w.click(PaletteButton::Save);
    sheet(5);
    w.platform.saveAnswers = {dir.filePath("hoja6.bmp")};
    w.click(PaletteButton::Save);
    EXPECT_EQ(quitQuestion(w), unsaved("Hay 2 hojas con dibujos sin guardar: 1 y 3."));
    sheet(2);
    w.platform.openAnswers = {dir.filePath("hoja6.bmp")};
    w.click(PaletteButton::Open);
    EXPECT_EQ(quitQuestion(w), unsaved("Hay una hoja con dibujos sin guardar: 1.")) << "sheet 6 saved, 3 opened";
    w.click(PaletteButton::Undo);
    EXPECT_EQ(quitQuestion(w), unsaved("Hay 2 hojas con dibujos sin guardar: 1 y 3.")) << "the undo changed sheet 3";

    w.click(PaletteButton::Clear);
    sheet(0);
    w.click(PaletteButton::Clear);
    EXPECT_EQ(quitQuestion(w), std::pair(kQuestion, MessageButtons::YesNo)) << "sheets 1 and 3 are blank";
    EXPECT_EQ(w.platform.quitCalls, 0);
}

} // namespace garabel::test
