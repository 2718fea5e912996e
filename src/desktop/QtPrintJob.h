#pragma once

#include "desktop/Platform.h"

#include <QCoreApplication>

#include <memory>

class QPainter;
class QPrinter;

namespace garabel {

// One print document on a Qt printer: the default printer in the program, a PDF
// file in tests. The document starts with the first picture painted and is sent
// by endDocument; a job dropped before endDocument is aborted, so nothing half
// painted reaches the printer.
class QtPrintJob : public PrintJob
{
    Q_DECLARE_TR_FUNCTIONS(QtPrintJob)
public:
    // The printer must not be null; its settings (output, page, resolution) are the caller's.
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer);
    ~QtPrintJob() override;

    // The page rectangle is measured from the top-left corner of the printable area.
    Result<void> paintPicture(const QImage &picture, const QRectF &twips) override;
    Result<void> endDocument() override;
    void setLandscape(bool landscape) override;
    QSizeF printableTwips() const override;

    // A rectangle in twips in device pixels of a device with the given resolution.
    static QRectF twipsToDevice(const QRectF &twips, double dotsPerInchX, double dotsPerInchY);
    // Paints the picture stretched over the twips rectangle, measured with the
    // resolution of the painter's device (the printer's dots, or an image's).
    static void paintStretched(QPainter &painter, const QImage &picture, const QRectF &twips);

private:
    Result<void> beginDocument();

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;  // declared after the printer: ends before it goes
};

} // namespace garabel
