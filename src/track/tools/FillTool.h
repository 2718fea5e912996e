#pragma once

#include "track/tools/FigureTool.h"

namespace garabel {

// The flood fill under the pointer, never mirrored. Choosing it keeps the
// option groups of the tool before it.
class FillTool : public FigureTool
{
public:
    using FigureTool::FigureTool;
    void showOptions() override;

protected:
    void commit() override;
};

} // namespace garabel
