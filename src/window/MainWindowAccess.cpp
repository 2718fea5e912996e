#include "desktop/SurfaceView.h"
#include "tools/ToolBox.h"
#include "window/AccessibleControls.h"
#include "window/Button.h"
#include "window/ColourStripView.h"
#include "window/ComboBox.h"
#include "window/HelpPicture.h"
#include "window/KeyboardGroup.h"
#include "window/Label.h"
#include "window/MainWindow.h"
#include "window/PictureButton.h"
#include "window/TextBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <tuple>

namespace garabel {

namespace {
void setChoice(ButtonArray &buttons, PictureButton::Choice choice)
{
    for (auto &button : buttons)
        button->button()->setChoice(choice);
}

// The buttons of the arrays make one Tab stop (the group is owned by the window).
void groupForKeyboard(QWidget &window, std::initializer_list<const ButtonArray *> arrays)
{
    std::vector<PictureButton *> buttons;
    for (const ButtonArray *array : arrays) {
        for (const auto &button : *array)
            buttons.push_back(button->button());
    }
    new KeyboardGroup(std::move(buttons), &window);
}
} // namespace

// A tool button, a grid step, a sheet and an option are each one of a group;
// a mirror and a text style are switched on and off on their own.
void MainWindow::prepareForKeyboardAndReader()
{
    using Choice = PictureButton::Choice;
    for (int i = 0; i < kPaletteButtonCount; ++i) {
        if (m_tools->toolOn(PaletteButton(i)))
            m_paletteButtons[i]->button()->setChoice(Choice::OneOfGroup);
    }
    for (const PaletteButton pair : {PaletteButton::SnapToGrid, PaletteButton::MoveFreely})
        m_paletteButtons[pair]->button()->setChoice(Choice::OneOfGroup);
    for (ButtonArray *group : {&m_gridButtons, &m_sheetButtons, &m_polygonModeButtons, &m_circleKindButtons,
                               &m_penWidthButtons, &m_fillPatternButtons, &m_eraserSizeButtons})
        setChoice(*group, Choice::OneOfGroup);
    setChoice(m_mirrorButtons, Choice::OnOff);
    setChoice(m_fontStyleButtons, Choice::OnOff);
    // The help page's caption for freehand is cut short; its key, if any, stays.
    QWidget *freehand = m_paletteButtons[int(PaletteButton::Freehand)]->widget();
    freehand->setAccessibleName(freehand->accessibleName().replace(
        HelpPicture::caption(HelpPicture::Group::Palette, int(PaletteButton::Freehand)), tr("Dibuja a mano alzada")));
    tellPenWidth();
    setInEffect(*m_polygonModeButtons[m_state.polygon.mode]->button(), true);

    m_stripView->setAccessibleName(tr("Colores"));
    m_stripView->setAccessibleDescription(
        tr("Las flechas van de un color a otro; Espacio o Intro toma el color marcado"));
    m_stripView->showDrawingColour(drawingColour(m_state));
    m_textInput->edit()->setAccessibleName(tr("Texto"));
    // The side count is read by its label, as "Número de lados, 5".
    m_sideCountLabel->label()->setAccessibleName(m_sideCountList->combo()->accessibleName());
    m_sideCountLabel->label()->setBuddy(m_sideCountList->combo());
    keepFieldUnselected(*m_sideCountList->combo());
    // A list's field and drop-down are read with the list's own name.
    for (ComboBox *list : {m_sideCountList.get(), m_fontSizeList.get(), m_fontNameList.get()}) {
        list->combo()->lineEdit()->setAccessibleName(list->combo()->accessibleName());
        list->combo()->view()->setAccessibleName(list->combo()->accessibleName());
    }
    orderTabStops();
}

// Tab goes through the controls as the window shows them: the palette column
// top to bottom, then the rest of the window top to bottom, each row left to
// right: the colour strip, the canvas, the sheets and the options of the tool.
// The palette, the grid and mirror buttons, the sheet buttons and each option
// group are one stop each, moved in with the arrows. Hidden controls are passed
// over. The text box lies under the canvas and only takes the typing for the
// text tool: no Tab stops there, and Tab from it goes to the first control. The
// keys start on the current tool.
void MainWindow::orderTabStops()
{
    QLineEdit *textField = m_textInput->edit();
    textField->setFocusPolicy(Qt::ClickFocus);
    std::vector<QWidget *> stops;
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child != textField && (child->focusPolicy() & Qt::TabFocus))
            stops.push_back(child);
    }
    const int rightOfPalette = m_canvasView->x();
    const auto place = [rightOfPalette](const QWidget *w) {
        return std::make_tuple(w->x() >= rightOfPalette, w->y(), w->x());
    };
    std::stable_sort(stops.begin(), stops.end(),
                     [&place](const QWidget *a, const QWidget *b) { return place(a) < place(b); });
    QWidget *previous = textField;
    for (QWidget *stop : stops) {
        setTabOrder(previous, stop);
        previous = stop;
    }
    groupForKeyboard(*this, {&m_paletteButtons});
    groupForKeyboard(*this, {&m_gridButtons, &m_mirrorButtons});
    for (const ButtonArray *group : {&m_sheetButtons, &m_polygonModeButtons, &m_circleKindButtons, &m_penWidthButtons,
                                     &m_fillPatternButtons, &m_eraserSizeButtons, &m_fontStyleButtons})
        groupForKeyboard(*this, {group});
    m_paletteButtons[m_state.tool]->button()->setFocus();
}

void MainWindow::tellPenWidth()
{
    describeState(*m_paletteButtons[int(PaletteButton::PenWidthStep)]->widget(),
                  tr("grosor %1").arg(m_state.pen.width));
}

// Each button by the name a screen reader gives it, which says what it does.
QString MainWindow::helpText() const
{
    const auto name = [this](HelpPicture::Group group, int index) {
        const ButtonArray &buttons = group == HelpPicture::Group::Palette ? m_paletteButtons
                                     : group == HelpPicture::Group::Grid  ? m_gridButtons
                                                                          : m_mirrorButtons;
        return buttons[index]->widget()->accessibleName();
    };
    return tr("Ayuda: %1. Escape vuelve al dibujo.").arg(HelpPicture::text(name).join(QStringLiteral(". ")));
}

} // namespace garabel
