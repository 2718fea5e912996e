#pragma once

class QPrinter;
class QWidget;

namespace garabel {

// Runs Qt's print dialog for `printer` over `parent`: the printer, the copies
// and the page as the printer holds them when it opens (its orientation
// included), one page to print, so no page range. True when the user chose to
// print, with the printer set up as chosen; false on Cancel.
bool askPrintSettings(QPrinter &printer, QWidget *parent);

} // namespace garabel
