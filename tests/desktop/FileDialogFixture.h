#pragma once

#include "desktop/ModalScript.h"
#include "desktop/QtPlatform.h"
#include "desktop/Translations.h"

#include <QComboBox>
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

// The requests the program makes, and the means to work Qt's file dialog as a user would.

inline FileDialogRequest openRequest(const QString &folder)
{
    return {QStringLiteral("Selecciona una imagen"),
            {{QStringLiteral("Imágenes (*.bmp *.jpg *.jpeg *.jpe *.gif *.png)"), QStringLiteral("*.bmp;*.jpg;*.jpeg;*.jpe;*.gif;*.png")},
             {QStringLiteral("Todos los ficheros (*.*)"), QStringLiteral("*.*")}},
            1, folder, OfnFileMustExist | OfnPathMustExist | OfnHideReadOnly, QString()};
}

inline FileDialogRequest saveRequest(const QString &folder)
{
    return {QStringLiteral("Guardar como  "),
            {{QStringLiteral("Archivo gráfico (*.bmp)"), QStringLiteral("*.bmp")},
             {QStringLiteral("Imagen PNG (*.png)"), QStringLiteral("*.png")}},
            1, folder, OfnPathMustExist | OfnHideReadOnly | OfnOverwritePrompt, QStringLiteral("bmp")};
}

inline QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

// Types a name into the dialog's name field, as a user would.
inline void typeName(QFileDialog *dialog, const QString &name)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
}

// The dialog's button of the given role, without its mnemonic marker.
inline QString buttonText(QFileDialog *dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    QPushButton *button = box ? box->button(which) : nullptr;
    return button ? button->text().remove(u'&') : QString();
}

// The filters as the dialog's list shows them, and the one shown selected.
inline QStringList shownFilters(QFileDialog *dialog)
{
    QStringList shown;
    if (auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))) {
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        shown << QStringLiteral("selected: ") + combo->currentText();
    }
    return shown;
}

// QFileDialog hides accept() from its users; pressing Open or Save calls it.
inline void acceptDialog(QDialog *dialog)
{
    dialog->accept();
}

inline void clickButton(QMessageBox *box, QMessageBox::StandardButton which)
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

} // namespace garabel::test
