#pragma once

#include "tools/FigureTool.h"

namespace garabel {

// The flood fill under the pointer, never mirrored. Choosing it keeps the
// option groups of the tool before it on show.
class FillTool : public FigureTool
{
public:
    explicit FillTool(ToolEnvironment &env);
    bool spansFromAnchor() const override { return false; }

protected:
    QString words() const override;
    // Nothing shows while the button is held.
    void preview() override {}
    void commit() override;
};

} // namespace garabel
