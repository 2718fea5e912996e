#pragma once

namespace garabel {

// Gives the window's own controls what a screen reader asks of them: the
// picture buttons their role and their checked state, the colour strip one
// child for each swatch, named by its colour. Installed once, before the
// first of those controls is asked for.
void installAccessibleControls();

} // namespace garabel
