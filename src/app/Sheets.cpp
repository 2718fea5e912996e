#include "app/Sheets.h"

#include "app/Button.h"
#include "platform/Surface.h"

namespace garabel {

Sheets::Sheets(ButtonArray &buttons) : m_buttons(buttons) {}

Sheets::~Sheets() = default;

void Sheets::add(std::unique_ptr<Surface> image)
{
    m_images.push_back(std::move(image));
}

void Sheets::switchTo(int index)
{
    m_buttons[m_current]->setBackColor(kWhite);
    m_buttons[index]->setBackColor(kBlue);
    m_current = index;
}

} // namespace garabel
