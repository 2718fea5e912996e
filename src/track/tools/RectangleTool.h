#pragma once

#include "track/tools/FigureTool.h"

namespace garabel {

// The box with the anchor and the pointer as opposite corners, with its mirror copies.
class RectangleTool : public FigureTool
{
public:
    using FigureTool::FigureTool;
    void showOptions() override;

protected:
    void preview() override;
    void commit() override;
};

} // namespace garabel
