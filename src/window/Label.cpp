#include "window/Label.h"

#include <QLabel>

namespace garabel {

Label::Label(QWidget *parent, QPoint origin, bool autoSize)
    : Control(new QLabel(parent), origin), m_autoSize(autoSize)  // owned by its parent widget
{
    m_label = static_cast<QLabel *>(widget());
    m_label->setAttribute(Qt::WA_TranslucentBackground);
    m_label->setAutoFillBackground(false);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QString Label::caption() const
{
    return m_label->text();
}

void Label::setCaption(const QString &caption)
{
    m_label->setText(caption);
    fit();
}

void Label::setForeColor(Rgb colour)
{
    m_foreColor = colour;
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    m_label->setPalette(palette);
}

QFont Label::font() const
{
    return m_label->font();
}

void Label::setFont(const QFont &font)
{
    m_label->setFont(font);
    fit();
}

void Label::setFontName(const QString &name)
{
    QFont f = font();
    f.setFamily(name);
    setFont(f);
}

void Label::setFontSize(double points)
{
    QFont f = font();
    // The same scale the drawing surfaces use.
    f.setPixelSize(qMax(1, qRound(pointsToPixels(points))));
    setFont(f);
}

void Label::setFontBold(bool on)
{
    QFont f = font();
    f.setBold(on);
    setFont(f);
}

void Label::setFontItalic(bool on)
{
    QFont f = font();
    f.setItalic(on);
    setFont(f);
}

void Label::fit()
{
    if (!m_autoSize)
        return;
    const QSize hint = m_label->sizeHint().expandedTo(QSize(3, 13));
    setWidth(hint.width() * double(kTwipsPerPixel));
    setHeight(hint.height() * double(kTwipsPerPixel));
}

} // namespace garabel
