#include "support/GarabelWindow.h"
#include "window/ComboBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace garabel::test {

// "2" is not completed to "20", nor "1" to "10": a side count under 3 draws a
// triangle, whichever key confirms it. A count typed whole is drawn as typed.
TEST(SideCountList, ANumberTypedIsTakenAsTypedNeverCompleted)
{
    const struct {
        const char *typed;
        double sides;
    } cases[] = {{"2", 3}, {"1", 3}, {"12", 12}};
    for (const Qt::Key confirm : {Qt::Key_Return, Qt::Key_Tab}) {
        for (const auto &c : cases) {
            BlankWindow w;
            w.chooseTool(PaletteButton::Polygon);
            QLineEdit *box = w.probe().sideCountList().combo()->lineEdit();
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, QString::fromLatin1(c.typed));
            QTest::keyClick(box, confirm);
            EXPECT_EQ(w.probe().sideCountList().text(), QString::fromLatin1(c.typed)) << c.typed;
            w.drag({{3000, 3000}, {3000, 4500}});
            EXPECT_EQ(w.probe().polygonSideCount(), c.sides) << c.typed << " confirmed with " << confirm;
        }
    }
}

} // namespace garabel::test
