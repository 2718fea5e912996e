#include "window/ComboBox.h"

#include <QComboBox>
#include <QLineEdit>

#include <memory>

namespace garabel {

namespace {
QComboBox *makeCombo(QWidget *parent)
{
    auto *combo = new QComboBox(parent);  // owned by its parent widget
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    return combo;
}
} // namespace

ComboBox::ComboBox(QWidget *parent, bool sorted) : Control(makeCombo(parent)), m_sorted(sorted)
{
    m_combo = static_cast<QComboBox *>(widget());
}

QString ComboBox::text() const
{
    return m_combo->currentText();
}

void ComboBox::setText(const QString &text)
{
    // The entry the list highlights when it opens is the one the box shows.
    m_combo->setCurrentIndex(m_combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    m_combo->setEditText(text);
}

void ComboBox::addItem(const QString &item)
{
    const QString kept = text();
    int at = m_combo->count();
    if (m_sorted) {
        at = 0;
        while (at < m_combo->count() && QString::localeAwareCompare(m_combo->itemText(at), item) <= 0)
            ++at;
    }
    m_combo->insertItem(at, item);
    setText(kept);
}

int ComboBox::count() const
{
    return m_combo->count();
}

QString ComboBox::item(int index) const
{
    return m_combo->itemText(index);
}

void ComboBox::choose(int index)
{
    m_combo->setCurrentIndex(index);
    emit m_combo->activated(index);
}

void ComboBox::onClick(std::function<void()> handler)
{
    QObject::connect(m_combo, &QComboBox::activated, m_combo, [handler = std::move(handler)](int) { handler(); });
}

void ComboBox::onTypedTextConfirmed(std::function<void()> handler)
{
    QLineEdit *edit = m_combo->lineEdit();
    auto typed = std::make_shared<bool>(false);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [typed](const QString &) { *typed = true; });
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [typed, handler = std::move(handler)] {
        if (*typed) {
            *typed = false;
            handler();
        }
    });
}

void ComboBox::completeNothing()
{
    m_combo->setCompleter(nullptr);
}

} // namespace garabel
