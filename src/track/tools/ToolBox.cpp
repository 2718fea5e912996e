#include "track/tools/ToolBox.h"

#include "track/tools/CircleTool.h"
#include "track/tools/DotsTool.h"
#include "track/tools/EraserTool.h"
#include "track/tools/FillTool.h"
#include "track/tools/FreehandTool.h"
#include "track/tools/LineTool.h"
#include "track/tools/PolygonTool.h"
#include "track/tools/RectangleTool.h"
#include "track/tools/TextTool.h"

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
