#pragma once

#include <vector>

class QPointF;
class QString;

namespace garabel {

// The option groups beside the canvas that a tool can show when it is chosen.
enum class OptionGroup {
    PenWidths,
    SolidOrNoFill,     // the first two fill patterns only
    FillPatterns,
    CircleKinds,
    PolygonShape,      // the construction modes and the side count
    Font,              // the text prompt, font lists and styles, the typed text emptied
    EraserSizes,
};

// What the tools see of the window's controls: the option groups, the polygon's
// side count, and the text tool's input and prompt.
class ToolControls
{
public:
    virtual ~ToolControls() = default;

    // Hides every option group, then shows these, in this order.
    virtual void showOnly(const std::vector<OptionGroup> &groups) = 0;

    // The side count as the list shows it, typed or chosen.
    virtual QString sideCountText() const = 0;

    // The text typed for the text tool.
    virtual QString typedText() const = 0;
    // Gives the text input the focus and shows the prompt "Escribe" with its
    // top-left corner at (left, top), canvas twips.
    virtual void promptForText(double left, double top) = 0;
    // The top-left corner of the prompt, which shows the typed text, canvas twips.
    virtual QPointF promptCorner() const = 0;
    // Empties the prompt and then the text input (which marks text pending again).
    virtual void clearTypedText() = 0;
};

} // namespace garabel
