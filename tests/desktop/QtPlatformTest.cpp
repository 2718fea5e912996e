#include "desktop/ModalScript.h"
#include "desktop/QtPlatform.h"
#include "desktop/Translations.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstdlib>

namespace garabel::test {

namespace {

ColorDialogRequest colorRequest(Rgb initial)
{
    ColorDialogRequest request;
    request.initial = initial;
    request.customColors[0] = kBlue;
    return request;
}

} // namespace

TEST(QtPlatformColorDialog, OpensOnTheInitialColourWithBlueAsFirstCustomColourAndReturnsThePick)
{
    QColorDialog::setCustomColor(0, Qt::red);  // left over from an earlier dialog
    QtPlatform platform;
    ModalScript script;
    script.then<QColorDialog>([](QColorDialog *dialog) {
        EXPECT_EQ(dialog->currentColor(), QColor(18, 52, 86));
        EXPECT_EQ(QColorDialog::customColor(0), QColor(0, 0, 255));
        EXPECT_TRUE(dialog->testOption(QColorDialog::DontUseNativeDialog));
        EXPECT_FALSE(dialog->testOption(QColorDialog::ShowAlphaChannel));
        dialog->setCurrentColor(QColor(200, 100, 50));
        dialog->accept();
    });
    script.start();

    const std::optional<Rgb> chosen = platform.colorDialog(colorRequest(rgb(18, 52, 86)));

    EXPECT_TRUE(script.finished());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, rgb(200, 100, 50));
}

TEST(QtPlatformColorDialog, CancelGivesNothingEvenAfterAColourWasPicked)
{
    QtPlatform platform;
    ModalScript script;
    script.then<QColorDialog>([](QColorDialog *dialog) {
        dialog->setCurrentColor(QColor(200, 100, 50));
        dialog->reject();
    });
    script.start();

    const std::optional<Rgb> chosen = platform.colorDialog(colorRequest(kWhite));

    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(chosen.has_value());
}

TEST(QtPlatformMessageBox, YesNoBoxIsTitledGarabelWithSpanishButtonsAndAnswersYes)
{
    ASSERT_TRUE(installSpanishTranslations(*qApp));
    QtPlatform platform;
    ModalScript script;
    script.then<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Garabel"));
        EXPECT_EQ(box->text(), QStringLiteral("Quieres salir del programa"));
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        ASSERT_NE(box->button(QMessageBox::Yes), nullptr);
        ASSERT_NE(box->button(QMessageBox::No), nullptr);
        EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("&Sí"));
        EXPECT_EQ(box->button(QMessageBox::No)->text(), QStringLiteral("&No"));
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
        box->button(QMessageBox::Yes)->click();
    });
    script.start();

    const MessageAnswer answer = platform.messageBox(QStringLiteral("Quieres salir del programa"), MessageButtons::YesNo);

    EXPECT_TRUE(script.finished());
    EXPECT_EQ(answer, MessageAnswer::Yes);
}

TEST(QtPlatformMessageBox, YesNoBoxAnswersNo)
{
    QtPlatform platform;
    ModalScript script;
    script.then<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::No)->click(); });
    script.start();

    EXPECT_EQ(platform.messageBox(QStringLiteral("¿Seguro?"), MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_TRUE(script.finished());
}

TEST(QtPlatformMessageBox, EnterOnABoxWhoseDefaultIsNoAnswersNo)
{
    QtPlatform platform;
    ModalScript script;
    script.then<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        QTest::keyClick(box, Qt::Key_Return);
    });
    script.start();

    EXPECT_EQ(platform.messageBox(QStringLiteral("¿Seguro?"), MessageButtons::YesNoDefaultNo), MessageAnswer::No);
    EXPECT_TRUE(script.finished());
}

TEST(QtPlatformMessageBox, EscapeOnAYesNoBoxAnswersNo)
{
    QtPlatform platform;
    ModalScript script;
    script.then<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    script.start();

    EXPECT_EQ(platform.messageBox(QStringLiteral("¿Seguro?"), MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_TRUE(script.finished());
}

TEST(QtPlatformMessageBox, OkBoxHasOnlyASpanishOkButtonAndShowsTheTextAsWritten)
{
    ASSERT_TRUE(installSpanishTranslations(*qApp));
    QtPlatform platform;
    const QString text = QStringLiteral("El fichero seleccionado no es un gráfico soportado <b>");
    ModalScript script;
    script.then<QMessageBox>([&text](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Garabel"));
        EXPECT_EQ(box->text(), text);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
        EXPECT_EQ(box->button(QMessageBox::Ok)->text().remove(u'&'), QStringLiteral("Aceptar"));
        box->button(QMessageBox::Ok)->click();
    });
    script.start();

    EXPECT_EQ(platform.messageBox(text, MessageButtons::Ok), MessageAnswer::Ok);
    EXPECT_TRUE(script.finished());
}

TEST(QtPlatformPrinting, WithoutAPrinterThereIsNoJobAndTheReasonIsSpanish)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has a printer";
    QtPlatform platform;
    ModalScript noDialog;  // a dialog would be left open, and the script would fail
    noDialog.start();

    const PrintDialogAnswer answer = platform.printDialog(true);
    EXPECT_EQ(answer.job, nullptr);
    EXPECT_EQ(answer.noPrinter, QStringLiteral("No hay ninguna impresora disponible"));
    EXPECT_TRUE(noDialog.finished());
}

TEST(QtPlatformScreen, ScreenIsThePrimaryScreenInTwipsWithItsFonts)
{
    QtPlatform platform;
    const ScreenInfo info = platform.screen();
    const QScreen *primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);

    EXPECT_EQ(info.twips, QSize(primary->geometry().width() * 15, primary->geometry().height() * 15));
    const QRect available = primary->availableGeometry();
    EXPECT_EQ(info.available(), QRect(available.x() * 15, available.y() * 15, available.width() * 15,
                                      available.height() * 15));
    EXPECT_EQ(info.devicePixelRatio, primary->devicePixelRatio());
    EXPECT_EQ(info.twipsPerPixelX, 15);
    EXPECT_EQ(info.twipsPerPixelY, 15);
    EXPECT_FALSE(info.fontNames.isEmpty());
    EXPECT_EQ(info.fontNames, QtPlatform::fontFamilies(QFontDatabase::families()));
}

TEST(QtPlatformScreen, FontFamiliesAreNamedAsUsersKnowThemEachOnceSorted)
{
    EXPECT_EQ(QtPlatform::fontFamilies({"Nimbus Sans", "C059 [UKWN]", "DejaVu Sans", "C059 [URW]", "Arial",
                                        "Noto Sans [GOOG]", "Nimbus Sans", "Fira [Code]x"}),
              QStringList({"Arial", "C059", "DejaVu Sans", "Fira [Code]x", "Nimbus Sans", "Noto Sans"}));
}

TEST(QtPlatformTranslations, QtTextsBecomeSpanishAndTheProgramIsNamedGarabel)
{
    ASSERT_TRUE(installSpanishTranslations(*qApp));

    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Garabel"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sí"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
}

TEST(QtPlatformTranslations, InstallingTwiceKeepsOneSetOfTranslators)
{
    installSpanishTranslations(*qApp);
    const auto before = qApp->findChildren<QTranslator *>(QString(), Qt::FindDirectChildrenOnly).size();

    EXPECT_TRUE(installSpanishTranslations(*qApp));

    EXPECT_EQ(qApp->findChildren<QTranslator *>(QString(), Qt::FindDirectChildrenOnly).size(), before);
}

namespace {

// A window that refuses to close, as one that asks "are you sure?" would.
class StubbornWindow : public QWidget
{
protected:
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

// Runs the event loop with a handler that quits; exits 42 when the loop ended
// with code 0 and the handler ran to its end, 43 otherwise.
[[noreturn]] void quitFromAHandler()
{
    StubbornWindow window;
    window.show();
    QtPlatform platform;
    bool handlerFinished = false;
    QTimer::singleShot(0, [&] {
        platform.quit();
        handlerFinished = true;
    });
    QTimer::singleShot(3000, [] { QCoreApplication::exit(3); });
    const int code = QCoreApplication::exec();
    std::exit(code == 0 && handlerFinished ? 42 : 43);
}

} // namespace

TEST(QtPlatformQuitDeathTest, QuitLeavesTheEventLoopWithoutAskingTheWindows)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(quitFromAHandler(), ::testing::ExitedWithCode(42), "");
}

TEST(QtPlatformQuitDeathTest, QuitWithNoEventLoopRunningEndsTheProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QtPlatform platform;
            platform.quit();
            std::exit(43);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace garabel::test
