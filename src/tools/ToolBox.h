#pragma once

#include "drawing/PaletteButton.h"
#include "tools/Tool.h"

#include <array>
#include <memory>

namespace garabel {

// The palette's tools, one each, sharing one environment: the one place that
// knows which palette button chooses which tool.
class ToolBox
{
public:
    explicit ToolBox(ToolEnvironment env);
    ~ToolBox();
    ToolBox(const ToolBox &) = delete;
    ToolBox &operator=(const ToolBox &) = delete;

    // The tool the button chooses; null for a button that runs a command.
    Tool *toolOn(PaletteButton button) const;

private:
    ToolEnvironment m_env;
    std::array<std::unique_ptr<Tool>, kPaletteButtonCount> m_tools;
};

} // namespace garabel
