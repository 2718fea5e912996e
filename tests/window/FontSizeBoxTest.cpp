#include "raster/ShownSurface.h"
#include "support/GarabelWindow.h"
#include "window/ComboBox.h"
#include "window/Label.h"
#include "window/TextBox.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace garabel::test {

namespace {
// The text tool chosen and its spot marked at (3000, 3000); the size box holds
// the start-up 18.
struct TextWindow : BlankWindow {
    TextWindow()
    {
        chooseTool(PaletteButton::Text);
        drag({{3000, 3000}});
    }
    QLineEdit *sizeBox() const { return probe().fontSizeList().combo()->lineEdit(); }
    // Types over the box's text, as a user who selects it all first.
    void typeSize(const QString &text)
    {
        sizeBox()->setFocus();
        sizeBox()->selectAll();
        QTest::keyClicks(sizeBox(), text);
    }
    double sizeInUse() const { return state().pen.fontSize; }
    int labelPixels() const { return probe().textPreview().font().pixelSize(); }
};

const struct {
    const char *how;
    std::function<void(TextWindow &)> confirm;
} kConfirmations[] = {
    {"Enter", [](TextWindow &w) { QTest::keyClick(w.sizeBox(), Qt::Key_Return); }},
    {"Tab", [](TextWindow &w) { QTest::keyClick(w.sizeBox(), Qt::Key_Tab); }},
    // A text click on the canvas takes the focus to the text input.
    {"leaving the box", [](TextWindow &w) { w.drag({{3000, 3000}}); }},
};
} // namespace

TEST(FontSizeBox, AWholeSizeFromOneTo500TypedAndConfirmedIsApplied)
{
    for (const auto &c : kConfirmations) {
        for (const int size : {60, 1, 500, 7}) {
            TextWindow w;
            w.typeSize(QString::number(size));
            c.confirm(w);
            EXPECT_EQ(w.sizeInUse(), size) << c.how;
            EXPECT_EQ(w.labelPixels(), qRound(pointsToPixels(size))) << c.how;
            EXPECT_EQ(w.probe().fontSizeList().text(), QString::number(size)) << c.how;
        }
    }
    // The next text comes out at the size: a 60-point "Hola" reaches 60 pixels below its top.
    TextWindow w;
    w.typeSize(QStringLiteral("60"));
    QTest::keyClick(w.sizeBox(), Qt::Key_Return);
    QTest::keyClicks(w.probe().textInput().edit(), QStringLiteral("Hola"));
    QTest::keyClick(w.probe().textInput().edit(), Qt::Key_Return);
    EXPECT_LT(countColour(w.sheet(), kWhitePixel, QRect(200, 260, 200, 10)), 2000) << "ink 60 pixels down";
}

TEST(FontSizeBox, AnythingElseTypedPutsTheBoxBackToTheSizeInUse)
{
    for (const auto &c : kConfirmations) {
        for (const char *typed : {"0", "501", "12.5", "-3", "grande", "", "24 pt"}) {
            TextWindow w;
            w.typeSize(QStringLiteral("30"));
            QTest::keyClick(w.sizeBox(), Qt::Key_Return);
            ASSERT_EQ(w.sizeInUse(), 30);
            w.typeSize(QString::fromLatin1(typed));
            c.confirm(w);
            EXPECT_EQ(w.sizeInUse(), 30) << c.how << " " << typed;
            EXPECT_EQ(w.labelPixels(), qRound(pointsToPixels(30))) << c.how << " " << typed;
            EXPECT_EQ(w.probe().fontSizeList().text(), QStringLiteral("30")) << c.how << " " << typed;
        }
    }
}

} // namespace garabel::test
