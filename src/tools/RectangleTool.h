#pragma once

#include "tools/FigureTool.h"

namespace garabel {

// The box with the anchor and the pointer as opposite corners, with its mirror copies.
class RectangleTool : public FigureTool
{
public:
    explicit RectangleTool(ToolEnvironment &env);

protected:
    QString words() const override;
    Shapes shapes() const override;
};

} // namespace garabel
