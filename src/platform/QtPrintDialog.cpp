#include "platform/QtPrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace garabel {

bool askPrintSettings(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace garabel
