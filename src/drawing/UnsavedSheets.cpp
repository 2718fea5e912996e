#include "drawing/UnsavedSheets.h"

#include "drawing/Sheets.h"
#include "raster/Surface.h"

#include <QStringList>

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

std::vector<int> UnsavedSheets::unsavedNumbers() const
{
    std::vector<int> unsaved;
    for (int i = 0; i < m_sheets.count(); ++i) {
        if (m_marked[std::size_t(i)] && holdsDrawing(m_sheets.image(i)))
            unsaved.push_back(i + 1);
    }
    return unsaved;
}

QString UnsavedSheets::quitQuestion(const std::vector<int> &unsaved)
{
    const QString question = tr("Quieres salir del programa");
    if (unsaved.empty())
        return question;
    QStringList numbers;
    for (const int number : unsaved)
        numbers << QString::number(number);
    const QString last = numbers.takeLast();
    if (numbers.isEmpty())
        return question + u'\n' + tr("Hay una hoja con dibujos sin guardar: %1.").arg(last);
    const QString named = tr("%1 y %2").arg(numbers.join(QStringLiteral(", ")), last);
    return question + u'\n' + tr("Hay %1 hojas con dibujos sin guardar: %2.").arg(unsaved.size()).arg(named);
}

} // namespace garabel
