#include "desktop/FileDialogFixture.h"

#include <QFileSystemModel>

namespace garabel::test {

TEST_F(QtPlatformFileDialog, OpenDialogShowsTheRequestAndReturnsTheChosenFile)
{
    m_script.then<QFileDialog>([this](QFileDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Selecciona una imagen"));
        EXPECT_EQ(shownFilters(dialog),
                  QStringList({"Imágenes (*.bmp *.jpg *.jpeg *.jpe *.gif *.png)", "Todos los ficheros (*.*)",
                               "selected: Imágenes (*.bmp *.jpg *.jpeg *.jpe *.gif *.png)"}));
        EXPECT_EQ(canonical(dialog->directory().absolutePath()), canonical(m_folder.path()));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(buttonText(dialog, QDialogButtonBox::Open), QStringLiteral("Abrir"));
        EXPECT_EQ(buttonText(dialog, QDialogButtonBox::Cancel), QStringLiteral("Cancelar"));
        typeName(dialog, QStringLiteral("dibujo.bmp"));
        acceptDialog(dialog);
    });
    m_script.start();

    const std::optional<QString> chosen = m_platform.openFileDialog(openRequest(m_folder.path()));

    EXPECT_TRUE(m_script.finished());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(canonical(*chosen), canonical(path(QStringLiteral("dibujo.bmp"))));
}

TEST_F(QtPlatformFileDialog, SecondFilterIndexSelectsEveryFileShownAsStarDotStar)
{
    FileDialogRequest request = openRequest(m_folder.path());
    request.filterIndex = 2;
    m_script.then<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_EQ(shownFilters(dialog).constLast(), "selected: Todos los ficheros (*.*)");
        // The list is filtered by "*": names without a dot are listed too.
        auto *model = dialog->findChild<QFileSystemModel *>();
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->nameFilters(), QStringList{"*"});
        dialog->reject();
    });
    m_script.start();

    m_platform.openFileDialog(request);

    EXPECT_TRUE(m_script.finished());
}

TEST_F(QtPlatformFileDialog, CancellingTheOpenDialogGivesNothing)
{
    m_script.then<QFileDialog>([](QFileDialog *dialog) {
        typeName(dialog, QStringLiteral("dibujo.bmp"));
        dialog->reject();
    });
    m_script.start();

    const std::optional<QString> chosen = m_platform.openFileDialog(openRequest(m_folder.path()));

    EXPECT_TRUE(m_script.finished());
    EXPECT_FALSE(chosen.has_value());
}

TEST_F(QtPlatformFileDialog, OpenDialogRefusesAFileThatDoesNotExist)
{
    m_script
        .then<QFileDialog>([](QFileDialog *dialog) {
            typeName(dialog, QStringLiteral("falta.bmp"));
            acceptDialog(dialog);  // refused: Qt says the file was not found
        })
        .then<QMessageBox>([](QMessageBox *warning) { warning->accept(); })
        .then<QFileDialog>([](QFileDialog *dialog) {
            EXPECT_TRUE(dialog->isVisible());
            dialog->reject();
        });
    m_script.start();

    const std::optional<QString> chosen = m_platform.openFileDialog(openRequest(m_folder.path()));

    EXPECT_TRUE(m_script.finished());
    EXPECT_FALSE(chosen.has_value());
}

TEST_F(QtPlatformFileDialog, PatternListsBecomeQtNameFilters)
{
    FileDialogRequest request = openRequest(m_folder.path());
    request.filters = {{QStringLiteral("Dibujos"), QStringLiteral("*.bmp;*.gif")},
                       {QStringLiteral("Fotos (*.jpg;*.jpeg)"), QStringLiteral("*.jpg;*.jpeg")},
                       {QString(), QStringLiteral("*.png")}};
    m_script.then<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_EQ(shownFilters(dialog), QStringList({"Dibujos (*.bmp *.gif)", "Fotos (*.jpg *.jpeg)", "*.png",
                                                     "selected: Dibujos (*.bmp *.gif)"}));
        dialog->reject();
    });
    m_script.start();

    m_platform.openFileDialog(request);

    EXPECT_TRUE(m_script.finished());
}

} // namespace garabel::test
