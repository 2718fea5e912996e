#pragma once

#include "tools/FigureTool.h"

namespace garabel {

// The typed text. It follows the pointer on the canvas overlay, button or not;
// a release with no text pending only moves the prompt next to the anchor, the
// next release prints the text there for good. Text typed and not placed so is
// placed where the prompt shows it when the window asks (Enter, leaving the tool).
class TextTool : public FigureTool
{
public:
    explicit TextTool(ToolEnvironment &env);
    void move(const PointerEvent &event) override;
    void placePending() override;
    bool typesText() const override { return true; }
    bool spansFromAnchor() const override { return false; }
    // Typing marks the text for the next release.
    void textEdited() override { m_pending = true; }
    // Whether text was typed since the last placement.
    bool pending() const { return m_pending; }

protected:
    void commit() override;
    QString words() const override;

private:
    // Prints the typed text with its top-left corner at `corner` and empties the input.
    void print(QPointF corner);

    bool m_pending = false;
    // The text that the last placement printed; empty after a release that
    // only moved the prompt.
    QString m_placed;
};

} // namespace garabel
