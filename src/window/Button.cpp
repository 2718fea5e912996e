#include "window/Button.h"

#include "window/PictureButton.h"

namespace garabel {

namespace {
PictureButton *makeButton(QWidget *parent)
{
    return new PictureButton(parent);  // owned by its parent widget
}
} // namespace

Button::Button(QWidget *parent) : Control(makeButton(parent))
{
    m_button = static_cast<PictureButton *>(widget());
}

QString Button::caption() const
{
    return m_button->text();
}

void Button::setCaption(const QString &caption)
{
    m_button->setText(caption);
}

Rgb Button::backColor() const
{
    return m_button->backColor();
}

void Button::setBackColor(Rgb colour)
{
    m_button->setBackColor(colour);
}

QImage Button::picture() const
{
    return m_button->picture();
}

void Button::setPicture(const QImage &picture)
{
    m_button->setPicture(picture);
}

QFont Button::font() const
{
    return m_button->font();
}

void Button::setFont(const QFont &font)
{
    m_button->setFont(font);
}

void Button::setToolTip(const QString &text)
{
    m_button->setToolTip(text);
    m_button->setAccessibleName(text);
}

void Button::setSunken(bool on)
{
    m_button->setSunken(on);
}

void markOnly(ButtonArray &buttons, int chosen)
{
    for (int i = 0; i < int(buttons.size()); ++i) {
        if (i == chosen)
            buttons[i]->setBackColor(kGreen);
        else if (buttons[i]->backColor() == kGreen)
            buttons[i]->setBackColor(kWhite);
    }
}

void Button::onClick(std::function<void()> handler)
{
    QObject::connect(m_button, &QAbstractButton::clicked, m_button, [handler = std::move(handler)] { handler(); });
}

std::unique_ptr<Button> Button::cloneHidden() const
{
    auto copy = std::make_unique<Button>(m_button->parentWidget());
    copy->setVisible(false);
    copy->copyGeometryFrom(*this);
    copy->setCaption(caption());
    copy->setBackColor(backColor());
    copy->setPicture(picture());
    copy->setFont(font());
    return copy;
}

} // namespace garabel
