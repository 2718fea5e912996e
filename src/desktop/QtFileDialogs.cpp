#include "desktop/QtFileDialogs.h"

#include "desktop/QtFileDialogsListing.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolButton>
#include <QTreeView>

namespace garabel {

namespace {

// The translation context of the texts of this file.
class QtFileDialogs
{
    Q_DECLARE_TR_FUNCTIONS(QtFileDialogs)
};

QStringList patternsOf(const FileFilter &filter)
{
    QStringList patterns = filter.pattern.split(u';', Qt::SkipEmptyParts);
    for (QString &pattern : patterns)
        pattern = pattern.trimmed();
    return patterns;
}

// The text the filter list shows for a filter: the description, ending in its
// patterns separated by blanks, added when it does not name them already.
QString shownFilter(const FileFilter &filter)
{
    const QString patterns = patternsOf(filter).join(u' ');
    if (filter.description.isEmpty())
        return patterns;
    for (const QString &given : {QStringLiteral("(%1)").arg(filter.pattern), QStringLiteral("(%1)").arg(patterns)}) {
        if (filter.description.endsWith(given))
            return QStringLiteral("%1(%2)").arg(filter.description.chopped(given.size()), patterns);
    }
    return QStringLiteral("%1 (%2)").arg(filter.description, patterns);
}

// Qt takes a filter's patterns from the last parenthesised part of its text,
// and with HideNameFilterDetails shows only what comes before that part. So
// the patterns Qt uses follow the shown text: "*.*" becomes "*" there, which
// also lists names without a dot, while the user still reads "(*.*)".
QString qtNameFilter(const FileFilter &filter)
{
    QStringList patterns = patternsOf(filter);
    for (QString &pattern : patterns) {
        if (pattern == QStringLiteral("*.*"))
            pattern = QStringLiteral("*");
    }
    return QStringLiteral("%1 (%2)").arg(shownFilter(filter), patterns.join(u' '));
}

// The suffix a filter's first pattern names ("*.png" -> "png"); empty for "*" or "*.*".
QString suffixOf(const FileFilter &filter)
{
    const QStringList patterns = patternsOf(filter);
    const QString first = patterns.value(0);
    if (!first.startsWith(QStringLiteral("*.")) || first.mid(2).contains(u'*') || first.mid(2).contains(u'?'))
        return {};
    return first.mid(2);
}

class FileDialog : public QFileDialog
{
public:
    FileDialog(QWidget *parent, const FileDialogRequest &request, bool save)
        : QFileDialog(parent, request.title, request.initialDir),
          m_request(request),
          m_askBeforeReplacing(save && (request.flags & OfnOverwritePrompt))
    {
        setOption(DontUseNativeDialog);
        setOption(HideNameFilterDetails);
        setIconProvider(nameOnlyIconProvider());
        setSidebarUrls(placesOfTheUser());
        widenTypeColumn();
        setAcceptMode(save ? AcceptSave : AcceptOpen);
        setFileMode(request.flags & OfnFileMustExist ? ExistingFile : AnyFile);
        // The question is ours, asked about the name with its suffix.
        setOption(DontConfirmOverwrite, true);
        for (const FileFilter &filter : request.filters) {
            m_nameFilters << qtNameFilter(filter);
            m_shownFilters << shownFilter(filter);
        }
        setNameFilters(m_nameFilters);
        // The index counts from 1; one out of range selects the first filter.
        if (request.filterIndex >= 1 && request.filterIndex <= m_nameFilters.size())
            selectNameFilter(m_nameFilters.at(request.filterIndex - 1));
        keepFilesSafe();
        if (save)
            offerNewFolder();
    }

    // The name to give back: with its suffix, and agreed to be replaced.
    QString chosen() const { return m_chosen; }

protected:
    void accept() override
    {
        const QStringList files = selectedFiles();
        // Qt opens a chosen folder, and checks an existing file to open.
        if (files.isEmpty() || QFileInfo(files.constFirst()).isDir() || acceptMode() == AcceptOpen)
            return QFileDialog::accept();
        const QString name = withSuffix(files.constFirst());
        const QFileInfo chosen(name);
        if ((m_request.flags & OfnPathMustExist) && !chosen.exists() && !chosen.absoluteDir().exists()) {
            QMessageBox::warning(this, windowTitle(),
                                 QtFileDialogs::tr("%1\nLa carpeta no existe.\nCompruebe que la ruta es correcta.")
                                     .arg(QDir::toNativeSeparators(chosen.absolutePath())));
            return;
        }
        if (m_askBeforeReplacing && chosen.exists() && !agreesToReplace(chosen.fileName()))
            return;
        m_chosen = name;
        QFileDialog::accept();
    }

private:
    // The type column of the detailed list reads "imagen JPEG" or "Carpeta"
    // whole, not cut to a few letters.
    void widenTypeColumn()
    {
        auto *details = findChild<QTreeView *>(QStringLiteral("treeView"));
        if (!details)
            return;
        constexpr int kTypeColumn = 2;
        const int wide = details->fontMetrics().averageCharWidth() * 30;
        details->header()->resizeSection(kTypeColumn, qMax(details->header()->sectionSize(kTypeColumn), wide));
    }

    // Nothing in the dialog moves, renames or deletes a file or folder: its
    // list is read-only (no renaming, no dropping, no deleting, by key or menu),
    // and nothing can be dragged out of it either, to a file manager that
    // would move it.
    void keepFilesSafe()
    {
        setOption(ReadOnly);
        for (QAbstractItemView *view : findChildren<QAbstractItemView *>()) {
            view->setDragDropMode(QAbstractItemView::NoDragDrop);
            view->setDragEnabled(false);
            view->setAcceptDrops(false);
        }
    }

    // Qt's new folder is named "Nueva carpeta" and then renamed in place, which
    // a read-only list cannot do: the button and the menu ask for the name first.
    void offerNewFolder()
    {
        m_newFolderButton = findChild<QToolButton *>(QStringLiteral("newFolderButton"));
        auto *menuAction = findChild<QAction *>(QStringLiteral("qt_new_folder_action"));
        auto *model = findChild<QFileSystemModel *>();
        if (!m_newFolderButton || !menuAction || !model)
            return;
        m_newFolderButton->disconnect(this);
        menuAction->disconnect(this);
        connect(m_newFolderButton, &QToolButton::clicked, this, &FileDialog::makeFolder);
        connect(menuAction, &QAction::triggered, this, &FileDialog::makeFolder);
        // Qt disables the button in every folder of a read-only list; it is
        // enabled again after Qt is done with each folder entered.
        connect(model, &QFileSystemModel::rootPathChanged, this, &FileDialog::enableNewFolder, Qt::QueuedConnection);
        enableNewFolder();
    }

    void enableNewFolder()
    {
        m_newFolderButton->setEnabled(QFileInfo(directory().absolutePath()).isWritable());
    }

    void makeFolder()
    {
        QInputDialog question(this);
        question.setWindowTitle(QtFileDialogs::tr("Nueva carpeta"));
        question.setLabelText(QtFileDialogs::tr("Nombre de la nueva carpeta:"));
        question.setTextValue(QtFileDialogs::tr("Nueva carpeta"));
        // Wide enough for its title and a long name.
        if (auto *field = question.findChild<QLineEdit *>())
            field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 40);
        if (question.exec() != QDialog::Accepted)
            return;
        const QString name = question.textValue().trimmed();
        if (name.isEmpty())
            return;
        QDir folder = directory();
        if (name.contains(u'/') || name == u"." || name == u".." || !folder.mkdir(name)) {
            QMessageBox::warning(this, windowTitle(),
                                 QtFileDialogs::tr("No se ha podido crear la carpeta «%1».").arg(name));
            return;
        }
        setDirectory(folder.filePath(name));
    }

    QString withSuffix(const QString &path) const
    {
        if (m_request.defaultSuffix.isEmpty())
            return path;
        QStringList known{m_request.defaultSuffix};
        for (const FileFilter &filter : m_request.filters)
            known << suffixOf(filter);
        for (const QString &suffix : known) {
            if (!suffix.isEmpty() && path.endsWith(u'.' + suffix, Qt::CaseInsensitive))
                return path;
        }
        // With the details hidden, Qt names the selected filter by the text it shows.
        const qsizetype selected = m_shownFilters.indexOf(selectedNameFilter().simplified());
        const QString suffix = selected >= 0 ? suffixOf(m_request.filters.at(selected)) : QString();
        return path + u'.' + (suffix.isEmpty() ? m_request.defaultSuffix : suffix);
    }

    bool agreesToReplace(const QString &fileName)
    {
        QMessageBox question(QMessageBox::Warning, windowTitle(),
                             QtFileDialogs::tr("«%1» ya existe.\n¿Quieres reemplazarlo?").arg(fileName),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setDefaultButton(QMessageBox::No);
        return question.exec() == QMessageBox::Yes;
    }

    FileDialogRequest m_request;
    bool m_askBeforeReplacing;
    QStringList m_nameFilters;
    QStringList m_shownFilters;
    QString m_chosen;
    QToolButton *m_newFolderButton = nullptr;  // the dialog's own
};

} // namespace

std::optional<QString> runFileDialog(QWidget *parent, const FileDialogRequest &request, bool save)
{
    FileDialog dialog(parent, request, save);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    if (!dialog.chosen().isEmpty())
        return dialog.chosen();
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.constFirst();
}

} // namespace garabel
