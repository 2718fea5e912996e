#include "desktop/QtPrintJob.h"

#include "raster/Units.h"

#include <QPainter>
#include <QPrinter>

namespace garabel {

namespace {
// The name the user knows the printer by: the file when it prints to one.
QString printerLabel(const QPrinter &printer)
{
    return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}
} // namespace

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer)), m_painter(std::make_unique<QPainter>())
{
    Q_ASSERT(m_printer);
}

QtPrintJob::~QtPrintJob()
{
    if (m_painter->isActive()) {
        m_printer->abort();
        m_painter->end();
    }
}

QRectF QtPrintJob::twipsToDevice(const QRectF &twips, double dotsPerInchX, double dotsPerInchY)
{
    const double sx = dotsPerInchX / double(kTwipsPerInch);
    const double sy = dotsPerInchY / double(kTwipsPerInch);
    return QRectF(twips.x() * sx, twips.y() * sy, twips.width() * sx, twips.height() * sy);
}

void QtPrintJob::paintStretched(QPainter &painter, const QImage &picture, const QRectF &twips)
{
    // The painter works in device pixels at its device's resolution.
    const QPaintDevice *device = painter.device();
    const QRectF target = twipsToDevice(twips, device->logicalDpiX(), device->logicalDpiY());
    // Scaled without smoothing, so that a line drawing stays crisp and its colours exact.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture);
}

Result<void> QtPrintJob::paintPicture(const QImage &picture, const QRectF &twips)
{
    if (picture.isNull())
        return Failure{tr("No hay ninguna imagen que imprimir.")};
    if (Result<void> begun = beginDocument(); !begun.ok())
        return begun;
    paintStretched(*m_painter, picture, twips);
    if (m_printer->printerState() == QPrinter::Error)
        return Failure{tr("La impresora ha dado un error al recibir la imagen.")};
    return {};
}

void QtPrintJob::setLandscape(bool landscape)
{
    m_printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QSizeF QtPrintJob::printableTwips() const
{
    return m_printer->pageLayout().paintRect(QPageLayout::Inch).size() * double(kTwipsPerInch);
}

Result<void> QtPrintJob::endDocument()
{
    // Nothing painted means no document: nothing to send.
    if (!m_painter->isActive())
        return {};
    if (!m_painter->end() || m_printer->printerState() == QPrinter::Error)
        return Failure{tr("La impresora no ha aceptado el documento.")};
    return {};
}

Result<void> QtPrintJob::beginDocument()
{
    if (m_painter->isActive())
        return {};
    if (!m_painter->begin(m_printer.get()))
        return Failure{tr("No se puede empezar a imprimir en «%1».").arg(printerLabel(*m_printer))};
    // Qt sends pictures to a printer as JPEG unless asked not to; a drawing
    // would come out with blurred edges and shifted colours.
    m_painter->setRenderHint(QPainter::LosslessImageRendering);
    return {};
}

} // namespace garabel
