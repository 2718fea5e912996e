#include "support/ToolAlone.h"

#include <gtest/gtest.h>

namespace garabel::test {

using Texts = std::vector<PlacedText>;

// The typed text follows the pointer. A click with no text pending moves the
// prompt beside the anchor and prints nothing; once typing has marked the text
// pending, the next click prints it at the pointer as one step and empties the input.
TEST(TextTool, AClickPromptsAndTheNextPrintsThePendingText)
{
    ToolAlone t(PaletteButton::Text);
    t.controls.typed = QStringLiteral("Hola");
    t.click(3000, 1500);
    EXPECT_EQ(t.target.previewedTexts, (Texts{{{3000, 1500}, QStringLiteral("Hola")}}));
    EXPECT_EQ(t.controls.prompt, QPointF(3005, 1505));
    EXPECT_EQ(t.target.printedTexts, Texts{});

    t.textEdited();
    t.log.clear();
    t.click(4500, 3000);
    EXPECT_EQ(t.log, (Calls{"previewText", "push", "print", "drop"}));
    EXPECT_EQ(t.target.printedTexts, (Texts{{{4500, 3000}, QStringLiteral("Hola")}}));
    EXPECT_EQ(t.controls.typed, QString());
    EXPECT_FALSE(t.textPending());
}

// Asked to place what is pending, the tool prints it where the prompt shows it,
// as one step; with nothing pending it does nothing.
TEST(TextTool, PlacingPendingTextPrintsItAtThePromptAsOneStep)
{
    ToolAlone t(PaletteButton::Text);
    t.controls.typed = QStringLiteral("Hola");
    t.controls.prompt = QPointF(3005, 1505);
    t.placePending();
    EXPECT_EQ(t.log, Calls{});

    t.textEdited();
    t.placePending();
    EXPECT_EQ(t.log, (Calls{"push", "print", "drop"}));
    EXPECT_EQ(t.target.printedTexts, (Texts{{{3000, 1500}, QStringLiteral("Hola")}}));
    EXPECT_FALSE(t.textPending());
}

} // namespace garabel::test
