#include "desktop/SurfaceView.h"
#include "support/GarabelWindow.h"
#include "window/Button.h"
#include "window/PictureButton.h"

#include <QAccessible>

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
    EXPECT_EQ(strip->child(20)->text(QAccessible::Name), QStringLiteral("rojo 51, verde 102, azul 51"));
    EXPECT_EQ(strip->indexOfChild(strip->child(20)), 20);
}

TEST(AccessibleTree, TheCheckedStateFollowsTheMark)
{
    GarabelWindow w;
    const WindowProbe look = w.probe();
    const auto checked = [](const Button &button) { return reader(button)->state().checked; };

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
    w.click(*look.mirrorButtons()[1]);
    EXPECT_TRUE(checked(*look.mirrorButtons()[1]));
    EXPECT_FALSE(checked(*look.mirrorButtons()[0]));
}

} // namespace garabel::test
