#include "platform/ModalScript.h"
#include "platform/QtPlatform.h"
#include "platform/Translations.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {

FileDialogRequest openRequest(const QString &folder)
{
    return {QStringLiteral("Selecciona una imagen"),
            {{QStringLiteral("imágenes (*.bmp)"), QStringLiteral("*.bmp")},
             {QStringLiteral("Todos los ficheros (*.*)"), QStringLiteral("*.*")}},
            1, folder, OfnFileMustExist | OfnPathMustExist | OfnHideReadOnly};
}

FileDialogRequest saveRequest(const QString &folder)
{
    return {QStringLiteral("Guardar como  "),
            {{QStringLiteral("Archivo gráfico (*.bmp)"), QStringLiteral("*.bmp")}},
            1, folder, OfnPathMustExist | OfnHideReadOnly | OfnOverwritePrompt};
}

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

// Types a name into the dialog's name field, as a user would.
void typeName(QFileDialog *dialog, const QString &name)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
}

// The dialog's button of the given role, without its mnemonic marker.
QString buttonText(QFileDialog *dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    QPushButton *button = box ? box->button(which) : nullptr;
    return button ? button->text().remove(u'&') : QString();
}

// QFileDialog hides accept() from its users; pressing Open or Save calls it.
void acceptDialog(QDialog *dialog)
{
    dialog->accept();
}

void clickButton(QMessageBox *box, QMessageBox::StandardButton which)
{
    QAbstractButton *button = box->button(which);
    ASSERT_NE(button, nullptr);
    button->click();
}

class QtPlatformFileDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        installSpanishTranslations(*qApp);
        writeFile(QStringLiteral("dibujo.bmp"));
        writeFile(QStringLiteral("notas.txt"));
    }

    void writeFile(const QString &name)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    QString path(const QString &name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
    QtPlatform m_platform;
    ModalScript m_script;
};

} // namespace

TEST_F(QtPlatformFileDialog, OpenDialogShowsTheRequestAndReturnsTheChosenFile)
{
    m_script.then<QFileDialog>([this](QFileDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Selecciona una imagen"));
        EXPECT_EQ(dialog->nameFilters(),
                  QStringList({QStringLiteral("imágenes (*.bmp)"), QStringLiteral("Todos los ficheros (*)")}));
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("imágenes (*.bmp)"));
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

TEST_F(QtPlatformFileDialog, SecondFilterIndexSelectsTheSecondFilter)
{
    FileDialogRequest request = openRequest(m_folder.path());
    request.filterIndex = 2;
    m_script.then<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("Todos los ficheros (*)"));
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

TEST_F(QtPlatformFileDialog, SaveDialogShowsTheRequestAndReturnsTheNameAsTyped)
{
    m_script.then<QFileDialog>([this](QFileDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Guardar como  "));
        EXPECT_EQ(dialog->nameFilters(), QStringList({QStringLiteral("Archivo gráfico (*.bmp)")}));
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("Archivo gráfico (*.bmp)"));
        EXPECT_EQ(canonical(dialog->directory().absolutePath()), canonical(m_folder.path()));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
        EXPECT_EQ(buttonText(dialog, QDialogButtonBox::Save), QStringLiteral("Guardar"));
        typeName(dialog, QStringLiteral("nuevo"));
        acceptDialog(dialog);
    });
    m_script.start();

    const std::optional<QString> chosen = m_platform.saveFileDialog(saveRequest(m_folder.path()));

    EXPECT_TRUE(m_script.finished());
    ASSERT_TRUE(chosen.has_value());
    // No extension is added: the caller appends ".bmp" itself.
    EXPECT_EQ(QFileInfo(*chosen).fileName(), QStringLiteral("nuevo"));
    EXPECT_EQ(canonical(QFileInfo(*chosen).absolutePath()), canonical(m_folder.path()));
}

TEST_F(QtPlatformFileDialog, SaveDialogAsksBeforeReplacingAnExistingFile)
{
    m_script
        .then<QFileDialog>([](QFileDialog *dialog) {
            typeName(dialog, QStringLiteral("dibujo.bmp"));
            acceptDialog(dialog);
        })
        .then<QMessageBox>([](QMessageBox *question) {
            EXPECT_TRUE(question->text().contains(QStringLiteral("dibujo.bmp")));
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
    m_script.then<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        typeName(dialog, QStringLiteral("dibujo.bmp"));
        acceptDialog(dialog);
    });
    m_script.start();

    const std::optional<QString> chosen = m_platform.saveFileDialog(request);

    EXPECT_TRUE(m_script.finished());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(canonical(*chosen), canonical(path(QStringLiteral("dibujo.bmp"))));
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
    EXPECT_TRUE(chosen->endsWith(QStringLiteral("/falta/dibujo")));
}

TEST_F(QtPlatformFileDialog, PatternListsBecomeQtNameFilters)
{
    FileDialogRequest request = openRequest(m_folder.path());
    request.filters = {{QStringLiteral("Dibujos"), QStringLiteral("*.bmp;*.gif")},
                       {QStringLiteral("Fotos (*.jpg;*.jpeg)"), QStringLiteral("*.jpg;*.jpeg")},
                       {QString(), QStringLiteral("*.png")}};
    m_script.then<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_EQ(dialog->nameFilters(),
                  QStringList({QStringLiteral("Dibujos (*.bmp *.gif)"), QStringLiteral("Fotos (*.jpg *.jpeg)"),
                               QStringLiteral("*.png")}));
        dialog->reject();
    });
    m_script.start();

    m_platform.openFileDialog(request);

    EXPECT_TRUE(m_script.finished());
}

} // namespace garabel::test
