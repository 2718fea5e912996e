#include "desktop/QtPrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace garabel {

namespace {
// Qt's dialog shows the range of pages to print (greyed, without the option to
// choose one) each time it opens: a drawing is one page.
class OnePagePrintDialog : public QPrintDialog
{
public:
    OnePagePrintDialog(QPrinter &printer, QWidget *parent) : QPrintDialog(&printer, parent)
    {
        setOptions(QAbstractPrintDialog::PrintShowPageSize);
    }

    void setVisible(bool visible) override
    {
        QPrintDialog::setVisible(visible);
        if (auto *pageRange = findChild<QWidget *>(QStringLiteral("gbPrintRange")))
            pageRange->hide();
    }
};
} // namespace

bool askPrintSettings(QPrinter &printer, QWidget *parent)
{
    OnePagePrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace garabel
