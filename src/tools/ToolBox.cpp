#include "tools/ToolBox.h"

#include "tools/CircleTool.h"
#include "tools/DotsTool.h"
#include "tools/EraserTool.h"
#include "tools/FillTool.h"
#include "tools/FreehandTool.h"
#include "tools/LineTool.h"
#include "tools/PolygonTool.h"
#include "tools/RectangleTool.h"
#include "tools/TextTool.h"

namespace garabel {

ToolBox::ToolBox(ToolEnvironment env) : m_env(std::move(env))
{
    m_tools[std::size_t(PaletteButton::Line)] = std::make_unique<LineTool>(m_env);
    m_tools[std::size_t(PaletteButton::Dots)] = std::make_unique<DotsTool>(m_env);
    m_tools[std::size_t(PaletteButton::Freehand)] = std::make_unique<FreehandTool>(m_env);
    m_tools[std::size_t(PaletteButton::Circle)] = std::make_unique<CircleTool>(m_env);
    m_tools[std::size_t(PaletteButton::Rectangle)] = std::make_unique<RectangleTool>(m_env);
    m_tools[std::size_t(PaletteButton::Fill)] = std::make_unique<FillTool>(m_env);
    m_tools[std::size_t(PaletteButton::Polygon)] = std::make_unique<PolygonTool>(m_env);
    m_tools[std::size_t(PaletteButton::Text)] = std::make_unique<TextTool>(m_env);
    m_tools[std::size_t(PaletteButton::Eraser)] = std::make_unique<EraserTool>(m_env);
}

ToolBox::~ToolBox() = default;

Tool *ToolBox::toolOn(PaletteButton button) const
{
    const auto index = std::size_t(button);
    return index < m_tools.size() ? m_tools[index].get() : nullptr;
}

} // namespace garabel
