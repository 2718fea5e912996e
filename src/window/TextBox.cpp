#include "window/TextBox.h"

#include <QLineEdit>

namespace garabel {

TextBox::TextBox(QWidget *parent) : Control(new QLineEdit(parent))  // owned by its parent widget
{
    m_edit = static_cast<QLineEdit *>(widget());
}

QString TextBox::text() const
{
    return m_edit->text();
}

void TextBox::setText(const QString &text)
{
    m_edit->setText(text);
}

void TextBox::setFocus()
{
    m_edit->setFocus(Qt::OtherFocusReason);
}

void TextBox::onChange(std::function<void()> handler)
{
    QObject::connect(m_edit, &QLineEdit::textChanged, m_edit, [handler = std::move(handler)](const QString &) { handler(); });
}

void TextBox::onEnter(std::function<void()> handler)
{
    QObject::connect(m_edit, &QLineEdit::returnPressed, m_edit, [handler = std::move(handler)] { handler(); });
}

} // namespace garabel
