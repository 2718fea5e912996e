#include "drawing/Sheets.h"

#include "raster/Surface.h"

namespace garabel {

Sheets::Sheets() = default;

Sheets::~Sheets() = default;

void Sheets::add(std::unique_ptr<Surface> image)
{
    m_images.push_back(std::move(image));
}

void Sheets::switchTo(int index)
{
    m_current = index;
}

} // namespace garabel
