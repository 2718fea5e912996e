#include "drawing/UnsavedSheets.h"

#include "drawing/Sheets.h"
#include "raster/Surface.h"

#include <algorithm>

namespace garabel {

namespace {
bool holdsDrawing(const Surface &sheet)
{
    const QImage image = sheet.image();
    if (image.isNull())
        return false;
    const QRgb background = toQRgb(sheet.backColor());
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (std::any_of(row, row + image.width(), [background](QRgb pixel) { return pixel != background; }))
            return true;
    }
    return false;
}
} // namespace

UnsavedSheets::UnsavedSheets(const Sheets &sheets) : m_sheets(sheets), m_marked(std::size_t(sheets.count()), false)
{
    for (int i = 0; i < sheets.count(); ++i)
        connect(&sheets.image(i), &Surface::changed, this, [this, i] { m_marked[std::size_t(i)] = true; });
}

void UnsavedSheets::markSaved(int sheet)
{
    m_marked[std::size_t(sheet)] = false;
}

int UnsavedSheets::count() const
{
    int unsaved = 0;
    for (int i = 0; i < m_sheets.count(); ++i)
        unsaved += m_marked[std::size_t(i)] && holdsDrawing(m_sheets.image(i)) ? 1 : 0;
    return unsaved;
}

QString UnsavedSheets::quitQuestion(int unsaved)
{
    const QString question = tr("Quieres salir del programa");
    if (unsaved == 0)
        return question;
    return question + u'\n'
        + (unsaved == 1 ? tr("Hay una hoja con dibujos sin guardar.")
                        : tr("Hay %1 hojas con dibujos sin guardar.").arg(unsaved));
}

} // namespace garabel
