#pragma once

#include "tools/FigureTool.h"

namespace garabel {

// The straight segment from the anchor to the pointer, with its mirror copies.
class LineTool : public FigureTool
{
public:
    explicit LineTool(ToolEnvironment &env);

protected:
    QString words() const override;
    Shapes shapes() const override;
};

} // namespace garabel
