#include "desktop/SurfaceView.h"
#include "support/AccessibilityBus.h"
#include "support/GarabelWindow.h"
#include "window/Button.h"
#include "window/ComboBox.h"
#include "window/PictureButton.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {
bool interactive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::ListItem: return true;
    default: return false;
    }
}

struct Walk {
    int interactive = 0;
    QStringList unnamed;
    QStringList saidTwice;  // a description that only repeats the name
};

// Every interface under `node`, as a screen reader walks the tree.
void walk(QAccessibleInterface *node, Walk &found)
{
    if (interactive(node->role()) || node->state().focusable) {
        ++found.interactive;
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            found.unnamed << QStringLiteral("%1 (role %2)").arg(node->object() ? node->object()->metaObject()->className() : "child").arg(int(node->role()));
        if (node->text(QAccessible::Description) == node->text(QAccessible::Name))
            found.saidTwice << node->text(QAccessible::Name);
    }
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), found);
}

QAccessibleInterface *reader(const Button &button)
{
    return QAccessible::queryAccessibleInterface(button.widget());
}
} // namespace

TEST(AccessibleTree, EveryControlAndSwatchHasANameAndARole)
{
    GarabelWindow w;
    Walk found;
    walk(QAccessible::queryAccessibleInterface(&w.window()), found);
    EXPECT_TRUE(found.unnamed.isEmpty()) << found.unnamed.join(u'\n').toStdString();
    EXPECT_TRUE(found.saidTwice.isEmpty()) << found.saidTwice.join(u'\n').toStdString();
    const int buttons = int(w.window().findChildren<PictureButton *>().size());
    EXPECT_GE(found.interactive, buttons + 44 + 4) << "every button, swatch, list and the text box";

    QAccessibleInterface *sheet = reader(*w.probe().sheetButtons()[2]);
    EXPECT_EQ(sheet->text(QAccessible::Name), QStringLiteral("Hoja 3"));
    EXPECT_EQ(sheet->role(), QAccessible::RadioButton);
    EXPECT_EQ(reader(*w.probe().paletteButtons()[PaletteButton::Undo])->role(), QAccessible::Button);
    EXPECT_EQ(reader(*w.probe().mirrorButtons()[1])->role(), QAccessible::CheckBox);

    QAccessibleInterface *strip = QAccessible::queryAccessibleInterface(w.probe().colourStripView());
    ASSERT_EQ(strip->childCount(), 44);
    EXPECT_EQ(strip->child(2)->text(QAccessible::Name), QStringLiteral("rojo"));
    EXPECT_EQ(strip->child(2)->role(), QAccessible::ListItem);
    EXPECT_EQ(strip->child(26)->text(QAccessible::Name), QStringLiteral("verde oscuro"));
    EXPECT_EQ(strip->child(20)->text(QAccessible::Name), QStringLiteral("verde musgo"));
    EXPECT_EQ(strip->indexOfChild(strip->child(20)), 20);
    // Every swatch by a name a person would say, and nothing more on each arrow.
    for (int i = 0; i < strip->childCount(); ++i) {
        EXPECT_FALSE(strip->child(i)->text(QAccessible::Name).contains(QRegularExpression(QStringLiteral("\\d"))))
            << strip->child(i)->text(QAccessible::Name).toStdString();
        EXPECT_TRUE(strip->child(i)->text(QAccessible::Description).isEmpty());
    }
    EXPECT_TRUE(reader(*w.probe().paletteButtons()[PaletteButton::Freehand])
                    ->text(QAccessible::Name)
                    .startsWith(QStringLiteral("Dibuja a mano alzada")));
}

TEST(AccessibleTree, TheCheckedStateFollowsTheMark)
{
    GarabelWindow w;
    const WindowProbe look = w.probe();
    const auto checked = [](const Button &button) -> bool { return reader(button)->state().checked; };

    w.click(*look.gridButtons()[2]);
    EXPECT_TRUE(checked(*look.gridButtons()[2]));
    EXPECT_FALSE(checked(*look.gridButtons()[5]));
    EXPECT_TRUE(reader(*look.gridButtons()[5])->state().checkable);

    w.click(PaletteButton::Rectangle);
    EXPECT_TRUE(checked(*look.paletteButtons()[PaletteButton::Rectangle]));
    EXPECT_FALSE(checked(*look.paletteButtons()[PaletteButton::Line]));
    w.click(*look.sheetButtons()[2]);
    EXPECT_TRUE(checked(*look.sheetButtons()[2]));
    EXPECT_FALSE(checked(*look.sheetButtons()[0]));
    // The polygon built round its centre is in effect before any is pressed.
    const ButtonArray &polygon = look.polygonModeButtons();
    EXPECT_EQ(std::vector<bool>({checked(*polygon[0]), checked(*polygon[1]), checked(*polygon[2])}),
              std::vector<bool>({true, false, false}));
    w.click(*polygon[2]);
    EXPECT_EQ(std::vector<bool>({checked(*polygon[0]), checked(*polygon[1]), checked(*polygon[2])}),
              std::vector<bool>({false, false, true}));
    w.click(*look.mirrorButtons()[1]);
    EXPECT_TRUE(checked(*look.mirrorButtons()[1]));
    EXPECT_FALSE(checked(*look.mirrorButtons()[0]));
}

// The side-count list is read by its label and its number; Tab brings the keys
// with nothing selected, so Down is heard as the next number alone.
TEST(AccessibleTree, TheSideCountListIsReadByItsLabelAndItsNumber)
{
    GarabelWindow w;
    ASSERT_TRUE(w.takeKeys());
    w.click(PaletteButton::Polygon);
    QComboBox *list = w.probe().sideCountList().combo();
    const auto labels = QAccessible::queryAccessibleInterface(list)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), QStringLiteral("Número de lados"));

    list->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(list->lineEdit()->text(), QStringLiteral("5"));
    EXPECT_FALSE(list->lineEdit()->hasSelectedText());
    w.key(Qt::Key_Down, Qt::NoModifier);
    EXPECT_EQ(list->lineEdit()->text(), QStringLiteral("6"));
    EXPECT_FALSE(list->lineEdit()->hasSelectedText());
}

#ifdef GARABEL_ATSPI
// Space on the pen-width button says the width it gave, as the button's
// description, which a screen reader speaks while the button has the focus.
TEST(AccessibleTree, ThePenWidthButtonSaysTheNewWidth)
{
    AccessibilityBus bus;
    ASSERT_TRUE(bus.running()) << "dbus-daemon could not be started";
    GarabelWindow w;
    ASSERT_TRUE(w.takeKeys());
    const Button &button = *w.probe().paletteButtons()[PaletteButton::PenWidthStep];
    button.widget()->setFocus();
    w.key(Qt::Key_Space, Qt::NoModifier);
    w.key(Qt::Key_Space, Qt::NoModifier);

    const QStringList words = bus.descriptionsUntil(QStringLiteral("grosor 3"));
    ASSERT_GE(words.size(), 2);
    EXPECT_EQ(words.mid(words.size() - 2), QStringList({QStringLiteral("grosor 2"), QStringLiteral("grosor 3")}));
    EXPECT_EQ(bus.changes().constLast().path(),
              QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(reader(button))));
    EXPECT_EQ(reader(button)->text(QAccessible::Description), QStringLiteral("grosor 3"));
}

// N on the strip tells the marked swatch's components, as its description for
// that moment only: moving on or coming back reads its name alone. A pointer
// resting on the swatch shows them too.
TEST(AccessibleTree, NOnTheStripSaysTheMarkedSwatchsRedGreenAndBlue)
{
    AccessibilityBus bus;
    ASSERT_TRUE(bus.running()) << "dbus-daemon could not be started";
    GarabelWindow w;
    ASSERT_TRUE(w.takeKeys());
    QWidget *strip = w.probe().colourStripView();
    strip->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 20; ++i)
        w.key(Qt::Key_Right, Qt::NoModifier);
    w.key(Qt::Key_N, Qt::NoModifier);

    const QString numbers = QStringLiteral("rojo 51, verde 102, azul 51");
    EXPECT_EQ(bus.descriptionsUntil(numbers).constLast(), numbers);
    QAccessibleInterface *swatch = QAccessible::queryAccessibleInterface(strip)->child(20);
    EXPECT_EQ(bus.changes().constLast().path(),
              QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(swatch)));
    EXPECT_TRUE(swatch->text(QAccessible::Description).isEmpty());

    const QPoint middle = swatch->rect().center();
    QHelpEvent help(QEvent::ToolTip, strip->mapFromGlobal(middle), middle);
    QApplication::sendEvent(strip, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("verde musgo: ") + numbers);
}
#endif

} // namespace garabel::test
