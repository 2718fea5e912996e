#pragma once

#include "tools/ToolControls.h"
#include "window/ButtonArray.h"

namespace garabel {

class ComboBox;
class Label;
class TextBox;

// The window's controls that the tools show, read or move.
struct ToolControlWidgets {
    ButtonArray &polygonModeButtons, &circleKindButtons, &penWidthButtons, &fillPatternButtons, &fontStyleButtons,
        &eraserSizeButtons;
    Label &sideCountLabel, &textPreview;
    ComboBox &sideCountList, &fontSizeList, &fontNameList;
    TextBox &textInput;
};

// The tools' view of the window's controls.
class WindowToolControls : public ToolControls
{
public:
    explicit WindowToolControls(const ToolControlWidgets &widgets) : m_w(widgets) {}

    void showOnly(const std::vector<OptionGroup> &groups) override;
    QString sideCountText() const override;
    QString typedText() const override;
    void promptForText(double left, double top) override;
    QPointF promptCorner() const override;
    void clearTypedText() override;

private:
    // In the order the palette has always hidden them.
    void hideAll();
    void show(OptionGroup group);

    ToolControlWidgets m_w;
};

} // namespace garabel
