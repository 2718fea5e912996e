#pragma once

#include "window/Control.h"

#include <QString>

#include <functional>

class QComboBox;

namespace garabel {

// An editable drop-down list. Its click event fires when the user chooses an entry.
class ComboBox : public Control
{
public:
    explicit ComboBox(QWidget *parent, bool sorted = false);

    QString text() const;
    void setText(const QString &text);
    void addItem(const QString &item);
    int count() const;
    QString item(int index) const;
    void choose(int index);  // as the user choosing an entry: sets the text and fires the click
    void onClick(std::function<void()> handler);
    // Text typed into the box and confirmed: Enter, Tab or the focus going
    // elsewhere after the user typed. A choice from the list is not typing.
    void onTypedTextConfirmed(std::function<void()> handler);
    // What is typed stays as typed: no entry completes it ("2" is not made
    // "20"), for lists whose entries are numbers.
    void completeNothing();
    QComboBox *combo() const { return m_combo; }

private:
    QComboBox *m_combo;
    bool m_sorted;
};

} // namespace garabel
