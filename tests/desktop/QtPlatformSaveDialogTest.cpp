#include "desktop/FileDialogFixture.h"

namespace garabel::test {

namespace {

// Runs the save dialog with the given filter selected and a typed name; the name given back.
std::optional<QString> saveAs(QtPlatform &platform, FileDialogRequest request, int filterIndex, const QString &typed)
{
    request.filterIndex = filterIndex;
    ModalScript script;
    script.then<QFileDialog>([&typed](QFileDialog *dialog) {
        typeName(dialog, typed);
        acceptDialog(dialog);
    });
    script.start();
    std::optional<QString> chosen = platform.saveFileDialog(request);
    EXPECT_TRUE(script.finished()) << typed.toStdString();
    return chosen;
}

} // namespace

TEST_F(QtPlatformFileDialog, SaveDialogShowsTheRequestAndAddsTheSuffixOfTheSelectedFilter)
{
    m_script.then<QFileDialog>([this](QFileDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Guardar como  "));
        EXPECT_EQ(shownFilters(dialog), QStringList({"Archivo gráfico (*.bmp)", "Imagen PNG (*.png)",
                                                     "selected: Archivo gráfico (*.bmp)"}));
        EXPECT_EQ(canonical(dialog->directory().absolutePath()), canonical(m_folder.path()));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(buttonText(dialog, QDialogButtonBox::Save), QStringLiteral("Guardar"));
        typeName(dialog, QStringLiteral("nuevo"));
        acceptDialog(dialog);
    });
    m_script.start();

    const std::optional<QString> chosen = m_platform.saveFileDialog(saveRequest(m_folder.path()));

    EXPECT_TRUE(m_script.finished());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QFileInfo(*chosen).fileName(), QStringLiteral("nuevo.bmp"));
    EXPECT_EQ(canonical(QFileInfo(*chosen).absolutePath()), canonical(m_folder.path()));
}

TEST_F(QtPlatformFileDialog, SaveDialogKeepsANameEndingInAnOfferedSuffixInAnyCase)
{
    const FileDialogRequest request = saveRequest(m_folder.path());
    const struct { int filter; QString typed, written; } cases[] = {
        {2, "nuevo", "nuevo.png"},
        {1, "foto.jpg", "foto.jpg.bmp"},
        {2, "NUEVO.BMP", "NUEVO.BMP"},
        {1, "nuevo.PnG", "nuevo.PnG"},
    };
    for (const auto &c : cases) {
        const std::optional<QString> chosen = saveAs(m_platform, request, c.filter, c.typed);
        EXPECT_EQ(chosen.value_or("cancelled"), path(c.written)) << c.typed.toStdString();
    }
}

TEST_F(QtPlatformFileDialog, SaveDialogAsksOnceAboutTheFileWrittenWithNoAsTheDefault)
{
    m_script
        .then<QFileDialog>([](QFileDialog *dialog) {
            typeName(dialog, QStringLiteral("dibujo"));
            acceptDialog(dialog);
        })
        .then<QMessageBox>([](QMessageBox *question) {
            EXPECT_EQ(question->text(), QStringLiteral("«dibujo.bmp» ya existe.\n¿Quieres reemplazarlo?"));
            EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::No));
            clickButton(question, QMessageBox::No);
        })
        .then<QFileDialog>([](QFileDialog *dialog) {
            EXPECT_TRUE(dialog->isVisible());  // "No" keeps the dialog open
            acceptDialog(dialog);
        })
        .then<QMessageBox>([](QMessageBox *question) { clickButton(question, QMessageBox::Yes); });
    m_script.start();

    const std::optional<QString> chosen = m_platform.saveFileDialog(saveRequest(m_folder.path()));

    EXPECT_TRUE(m_script.finished());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(canonical(*chosen), canonical(path(QStringLiteral("dibujo.bmp"))));
}

TEST_F(QtPlatformFileDialog, SaveDialogWithoutOverwritePromptTakesAnExistingFileAtOnce)
{
    FileDialogRequest request = saveRequest(m_folder.path());
    request.flags &= ~unsigned(OfnOverwritePrompt);
    EXPECT_EQ(saveAs(m_platform, request, 1, QStringLiteral("dibujo")).value_or("cancelled"),
              path(QStringLiteral("dibujo.bmp")));
}

TEST_F(QtPlatformFileDialog, PathMustExistRefusesANameInAMissingFolder)
{
    m_script
        .then<QFileDialog>([](QFileDialog *dialog) {
            typeName(dialog, QStringLiteral("falta/dibujo"));
            acceptDialog(dialog);
        })
        .then<QMessageBox>([](QMessageBox *warning) {
            EXPECT_EQ(warning->windowTitle(), QStringLiteral("Guardar como  "));
            EXPECT_TRUE(warning->text().contains(QStringLiteral("La carpeta no existe")));
            warning->accept();
        })
        .then<QFileDialog>([](QFileDialog *dialog) {
            EXPECT_TRUE(dialog->isVisible());
            dialog->reject();
        });
    m_script.start();

    const std::optional<QString> chosen = m_platform.saveFileDialog(saveRequest(m_folder.path()));

    EXPECT_TRUE(m_script.finished());
    EXPECT_FALSE(chosen.has_value());
}

TEST_F(QtPlatformFileDialog, WithoutPathMustExistANameInAMissingFolderIsReturned)
{
    FileDialogRequest request = saveRequest(m_folder.path());
    request.flags &= ~unsigned(OfnPathMustExist);
    m_script.then<QFileDialog>([](QFileDialog *dialog) {
        typeName(dialog, QStringLiteral("falta/dibujo"));
        acceptDialog(dialog);
    });
    m_script.start();

    const std::optional<QString> chosen = m_platform.saveFileDialog(request);

    EXPECT_TRUE(m_script.finished());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(chosen->endsWith(QStringLiteral("/falta/dibujo.bmp")));
}

} // namespace garabel::test
