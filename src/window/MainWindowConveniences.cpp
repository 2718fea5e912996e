#include "window/MainWindow.h"

#include "desktop/Platform.h"
#include "drawing/GridMath.h"
#include "window/Button.h"
#include "window/CanvasAccessible.h"
#include "window/ComboBox.h"
#include "window/HelpPicture.h"
#include "window/ToolKeys.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

#include <algorithm>
#include <cstddef>

namespace garabel {

namespace {
using Group = HelpPicture::Group;

// Short names of the option buttons, element by element.
constexpr const char *kPolygonModes[] = {
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Polígono alrededor del centro"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Polígono dentro de una elipse"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Polígono sobre un lado"),
};
constexpr const char *kCircleModes[] = {
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Circunferencia"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Elipse"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Cuarto de arco superior"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Cuarto de arco inferior"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Media circunferencia, arriba o abajo"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Media circunferencia, a un lado"),
};
constexpr const char *kFillPatterns[] = {
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Relleno sólido"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Sin relleno"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Rayas horizontales"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Rayas verticales"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Diagonales hacia arriba"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Diagonales hacia abajo"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Cuadrícula"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Cuadrícula en diagonal"),
};
constexpr const char *kTextStyles[] = {
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Negrita"),
    QT_TRANSLATE_NOOP("garabel::MainWindow", "Cursiva"),
};

template <std::size_t N>
void tipNames(ButtonArray &buttons, const char *const (&names)[N])
{
    for (std::size_t i = 0; i < N && i < buttons.size(); ++i)
        buttons[i]->setToolTip(MainWindow::tr(names[i]));
}

template <typename Name>
void tipEach(ButtonArray &buttons, Name name)
{
    for (int i = 0; i < int(buttons.size()); ++i)
        buttons[i]->setToolTip(name(i));
}

void tip(ComboBox &list, const QString &text)
{
    list.combo()->setToolTip(text);
    list.combo()->setAccessibleName(text);
}

// Lets the window's shortcuts win over a text field that has the focus: the
// text box or a list's field would otherwise keep Ctrl+Z for its own undo.
class WindowKeysFirst : public QObject
{
public:
    WindowKeysFirst(QList<QKeySequence> keys, QObject *parent) : QObject(parent), m_keys(std::move(keys)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride
            && m_keys.contains(QKeySequence(static_cast<QKeyEvent *>(event)->keyCombination()))) {
            event->ignore();  // not claimed by the field, so the shortcut runs
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QList<QKeySequence> m_keys;
};

// The palette's keyboard shortcuts: the key and the button it presses.
const std::pair<QKeySequence, PaletteButton> kPaletteKeys[] = {
    {QKeySequence(Qt::CTRL | Qt::Key_Z), PaletteButton::Undo}, {QKeySequence(Qt::CTRL | Qt::Key_O), PaletteButton::Open},
    {QKeySequence(Qt::CTRL | Qt::Key_S), PaletteButton::Save}, {QKeySequence(Qt::CTRL | Qt::Key_P), PaletteButton::Print},
    {QKeySequence(Qt::Key_F1), PaletteButton::Help},           {QKeySequence(Qt::CTRL | Qt::Key_Q), PaletteButton::Quit},
};

// Redo has no button: the undo button's tip names its keys.
const QKeySequence kRedoKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
// Escape takes the help page away, as a second press of help does.
const QKeySequence kLeaveHelpKey(Qt::Key_Escape);

// Alt and the tool's letter take the tool.
QKeySequence toolSequence(char letter)
{
    return QKeySequence(Qt::ALT | Qt::Key(letter));
}

// A key named as it is printed on the keyboard ("Ctrl+Z"; Qt's Spanish texts
// would say "Control+Z").
QString keyName(const QKeySequence &key)
{
    return key.toString(QKeySequence::PortableText);
}

// The help caption of palette button `index`, naming its key when it has one.
// A remark in brackets ("Deshacer ( 7 niveles ); ...") gives way, with what
// follows it, to the key.
QString paletteTip(int index)
{
    const QString caption = HelpPicture::caption(Group::Palette, index);
    if (const char letter = toolKey(PaletteButton(index)))
        return QStringLiteral("%1 (%2)").arg(caption, keyName(toolSequence(letter)));
    for (const auto &[key, button] : kPaletteKeys) {
        if (int(button) != index)
            continue;
        const QString tip = QStringLiteral("%1 (%2)").arg(caption.section(QStringLiteral(" ("), 0, 0), keyName(key));
        if (button != PaletteButton::Undo)
            return tip;
        return MainWindow::tr("%1; %2 rehace").arg(tip, keyName(kRedoKeys[0]));
    }
    return caption;
}
} // namespace

// The tooltips double as the buttons' accessible names (Button::setToolTip sets
// both). The shortcuts run the palette's own handler, so a key does exactly
// what the button does, the quit question included.
void MainWindow::installShortcutsAndTips()
{
    tipEach(m_paletteButtons, paletteTip);
    tipEach(m_gridButtons, [](int i) { return tr("Rejilla de %1").arg(gridStepFor(i)); });
    tipEach(m_mirrorButtons, [](int i) { return HelpPicture::caption(Group::Reflection, i); });
    tipNames(m_polygonModeButtons, kPolygonModes);
    tipNames(m_circleKindButtons, kCircleModes);
    tipEach(m_penWidthButtons, [](int i) { return tr("Grosor %1").arg(i + 1); });
    tipNames(m_fillPatternButtons, kFillPatterns);
    tipNames(m_fontStyleButtons, kTextStyles);
    tipEach(m_eraserSizeButtons, [](int i) { return tr("Goma de tamaño %1").arg(i + 1); });
    tip(*m_sideCountList, tr("Número de lados"));
    tip(*m_fontSizeList, tr("Tamaño de la letra"));
    tip(*m_fontNameList, tr("Tipo de letra"));

    QList<QKeySequence> sequences;
    const auto addShortcut = [this, &sequences](const QKeySequence &key, auto handler) {
        auto *shortcut = new QShortcut(key, this);  // owned by the window
        connect(shortcut, &QShortcut::activated, this, handler);
        sequences << key;
    };
    for (const auto &[key, button] : kPaletteKeys)
        addShortcut(key, [this, button = button] { onPaletteButton(button); });
    for (const QKeySequence &key : kRedoKeys)
        addShortcut(key, [this] { onRedo(); });
    addShortcut(kLeaveHelpKey, [this] { onEscape(); });
    // The canvas, where the keys usually are, names the tool taken, without its
    // key; on the palette the keys follow the tool, whose button is then read.
    for (const ToolKey &key : kToolKeys) {
        addShortcut(toolSequence(key.letter), [this, tool = key.tool] {
            const bool onPalette = std::any_of(m_paletteButtons.begin(), m_paletteButtons.end(),
                [](const auto &b) { return b->widget()->hasFocus(); });
            onPaletteButton(tool);
            QWidget *button = m_paletteButtons[tool]->widget();
            if (onPalette)
                button->setFocus(Qt::ShortcutFocusReason);
            m_canvasAccessible->tell(button->accessibleName().section(QStringLiteral(" ("), 0, 0));
        });
    }
    auto *keysFirst = new WindowKeysFirst(sequences, this);  // owned by the window
    for (QLineEdit *field : findChildren<QLineEdit *>())
        field->installEventFilter(keysFirst);
}

// Any other way of closing the window asks the exit button's question; No
// keeps the window and everything in it. After a Yes from the exit button the
// program is already ending and is not asked again.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_quitConfirmed) {
        event->accept();
        return;
    }
    if (!confirmQuit()) {
        event->ignore();
        return;
    }
    event->accept();
    m_platform.quit();
}

} // namespace garabel
