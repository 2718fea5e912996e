#pragma once

#include <memory>
#include <vector>

namespace garabel {

class Surface;

// The ten sheets: each keeps its drawing in a stored image that is never shown;
// the canvas shows the current one (ShownSurface::showSheet). Switching makes the new
// sheet current; the window shows which one on the sheet buttons.
class Sheets
{
public:
    Sheets();
    ~Sheets();

    void add(std::unique_ptr<Surface> image);
    int count() const { return int(m_images.size()); }
    Surface &image(int index) const { return *m_images[index]; }
    Surface &current() const { return *m_images[m_current]; }
    int currentIndex() const { return m_current; }

    void switchTo(int index);

private:
    std::vector<std::unique_ptr<Surface>> m_images;
    int m_current = 0;
};

} // namespace garabel
