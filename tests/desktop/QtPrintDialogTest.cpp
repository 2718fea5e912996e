#include "desktop/ModalScript.h"
#include "desktop/QtPrintDialog.h"
#include "desktop/Translations.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
QString buttonText(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    QPushButton *button = box ? box->button(which) : nullptr;
    return button ? button->text().remove(u'&') : QString();
}
} // namespace

// Qt's print dialog turns the page in its printer properties.
TEST(QtPrintDialog, SpeaksSpanishOffersThePageAsTurnedAndGivesThePrinterAsTheUserLeftIt)
{
    ASSERT_TRUE(installSpanishTranslations(*qApp));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    ModalScript script;
    script
        .then<QPrintDialog>([](QPrintDialog *dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Imprimir"));
            EXPECT_EQ(buttonText(dialog, QDialogButtonBox::Ok), QStringLiteral("Imprimir"));
            EXPECT_EQ(buttonText(dialog, QDialogButtonBox::Cancel), QStringLiteral("Cancelar"));
            EXPECT_FALSE(dialog->findChild<QWidget *>(QStringLiteral("gbPrintRange"))->isVisibleTo(dialog))
                << "one page: no range of pages";
            EXPECT_EQ(dialog->findChild<QRadioButton *>(QStringLiteral("noDuplex"))->text(), QStringLiteral("No"));
            dialog->findChild<QPushButton *>(QStringLiteral("properties"))->click();
        })
        .then<QDialog>([](QDialog *properties) {
            auto *landscape = properties->findChild<QRadioButton *>(QStringLiteral("landscape"));
            auto *portrait = properties->findChild<QRadioButton *>(QStringLiteral("portrait"));
            ASSERT_TRUE(landscape && portrait);
            EXPECT_TRUE(landscape->isChecked());
            portrait->click();
            properties->accept();
        })
        .then<QPrintDialog>([](QPrintDialog *dialog) {
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
    script.start();

    EXPECT_TRUE(askPrintSettings(printer, nullptr));
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(QtPrintDialog, CancelGivesNothing)
{
    QPrinter printer(QPrinter::HighResolution);
    ModalScript script;
    script.then<QPrintDialog>([](QPrintDialog *dialog) {
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    });
    script.start();

    EXPECT_FALSE(askPrintSettings(printer, nullptr));
    EXPECT_TRUE(script.finished());
}

} // namespace garabel::test
