#include "window/WindowToolControls.h"

#include "window/Button.h"
#include "window/ComboBox.h"
#include "window/Label.h"
#include "window/MainWindow.h"
#include "window/TextBox.h"

#include <QPointF>

namespace garabel {

namespace {
void setVisible(ButtonArray &buttons, bool on, int count = -1)
{
    if (count < 0)
        count = int(buttons.size());
    for (int i = 0; i < count; ++i)
        buttons[i]->setVisible(on);
}
} // namespace

void WindowToolControls::showOnly(const std::vector<OptionGroup> &groups)
{
    hideAll();
    for (const OptionGroup group : groups)
        show(group);
}

void WindowToolControls::hideAll()
{
    for (int i = 0; i <= 2; ++i) {
        m_w.polygonModeButtons[i]->setVisible(false);
        m_w.circleKindButtons[i]->setVisible(false);
    }
    m_w.sideCountLabel.setVisible(false);
    m_w.sideCountList.setVisible(false);
    for (ButtonArray *group :
         {&m_w.circleKindButtons, &m_w.penWidthButtons, &m_w.fillPatternButtons, &m_w.eraserSizeButtons})
        setVisible(*group, false);
    m_w.fontSizeList.setVisible(false);
    m_w.fontNameList.setVisible(false);
    setVisible(m_w.fontStyleButtons, false);
    m_w.textPreview.setVisible(false);
}

void WindowToolControls::show(OptionGroup group)
{
    switch (group) {
    case OptionGroup::PenWidths: setVisible(m_w.penWidthButtons, true); break;
    case OptionGroup::SolidOrNoFill: setVisible(m_w.fillPatternButtons, true, 2); break;
    case OptionGroup::FillPatterns: setVisible(m_w.fillPatternButtons, true); break;
    case OptionGroup::CircleKinds: setVisible(m_w.circleKindButtons, true); break;
    case OptionGroup::PolygonShape:
        setVisible(m_w.polygonModeButtons, true);
        m_w.sideCountLabel.setVisible(true);
        m_w.sideCountList.setVisible(true);
        break;
    case OptionGroup::Font:
        // A newly chosen text tool starts with nothing typed.
        m_w.textInput.setText(QString());
        m_w.textPreview.setCaption(QString());
        m_w.textPreview.setVisible(true);
        m_w.fontSizeList.setVisible(true);
        m_w.fontNameList.setVisible(true);
        setVisible(m_w.fontStyleButtons, true);
        break;
    case OptionGroup::EraserSizes: setVisible(m_w.eraserSizeButtons, true); break;
    }
}

QString WindowToolControls::sideCountText() const
{
    return m_w.sideCountList.text();
}

QString WindowToolControls::typedText() const
{
    return m_w.textInput.text();
}

void WindowToolControls::promptForText(double left, double top)
{
    m_w.textInput.setFocus();
    m_w.textPreview.setTop(top);
    m_w.textPreview.setLeft(left);
    m_w.textPreview.setCaption(MainWindow::tr("Escribe"));
}

QPointF WindowToolControls::promptCorner() const
{
    return {m_w.textPreview.left(), m_w.textPreview.top()};
}

void WindowToolControls::clearTypedText()
{
    m_w.textPreview.setCaption(QString());
    m_w.textInput.setText(QString());
}

} // namespace garabel
