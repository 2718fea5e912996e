#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

namespace garabel {

// The help page that helpPicture holds and the palette's help button puts on the
// canvas: the window's two left button columns (palette, grid and reflection
// buttons) drawn as the window draws them, each with a one-line caption beside
// it. The palette and reflection captions are also those buttons' tooltips, so
// they are kept here once.
class HelpPicture
{
    Q_DECLARE_TR_FUNCTIONS(HelpPicture)
public:
    static constexpr int kWidth = 713;
    static constexpr int kHeight = 536;

    enum class Group { Palette, Grid, Reflection };

    // The caption of element `index` of the palette (paletteButtons) or of the
    // reflection buttons (mirrorButtons). Empty for an index outside the group and
    // for the grid buttons, which share two lines beside the whole block.
    static QString caption(Group group, int index);

    // The page: white, opaque (Format_RGB32), kWidth x kHeight logical pixels,
    // with `ratio` device pixels to each of them.
    static QImage render(double ratio = 1);

    // The page as a screen reader reads it: each button in the page's order,
    // as `name` names it, and the grid block's two lines after its buttons.
    static QStringList text(const std::function<QString(Group, int)> &name);

    // Where the button lies on the page, in pixels; null outside the group.
    static QRect buttonRect(Group group, int index);
};

} // namespace garabel
