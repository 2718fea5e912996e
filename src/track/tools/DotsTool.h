#pragma once

#include "track/tools/StrokeTool.h"

namespace garabel {

// A dot at the pointer and at its reflections, on every move with a button held.
class DotsTool : public StrokeTool
{
public:
    using StrokeTool::StrokeTool;
    void showOptions() override;

protected:
    void stroke() override;
};

} // namespace garabel
