#pragma once

#include <QObject>

#include <vector>

namespace garabel {

class PictureButton;

// Buttons that make one Tab stop together, so that Tab goes from group to
// group: the arrow keys move the keyboard among the shown buttons as the
// window places them (Left and Right in reading order, Up and Down to the
// nearest button of the row above or below, or along a single row; Home and
// End to the ends), and Tab comes back to the button it left. Until one is
// visited, the stop is the first chosen button (the current tool, the sheet
// shown, the option marked), else the first. Only the stop takes Tab; when it
// is hidden, another shown button of the group does.
class KeyboardGroup : public QObject
{
public:
    KeyboardGroup(std::vector<PictureButton *> buttons, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void settle();
    void forget(const PictureButton *button);
    std::vector<PictureButton *> shownInReadingOrder() const;
    PictureButton *neighbour(const PictureButton &from, int key) const;

    std::vector<PictureButton *> m_buttons;
    PictureButton *m_remembered = nullptr;  // where the keyboard was last in the group
};

} // namespace garabel
