#pragma once

#include "window/Control.h"

#include <QString>

#include <functional>

class QLineEdit;

namespace garabel {

// A single-line text box. Its change event fires on every change of the text,
// typed or assigned.
class TextBox : public Control
{
public:
    explicit TextBox(QWidget *parent);

    QString text() const;
    void setText(const QString &text);
    void setFocus();
    void onChange(std::function<void()> handler);
    // Enter or Return in the box.
    void onEnter(std::function<void()> handler);
    QLineEdit *edit() const { return m_edit; }

private:
    QLineEdit *m_edit;
};

} // namespace garabel
