#include "app/Form1.h"

namespace garabel {

// The polygon comes with its own generator; until then the polygon tool shows
// only the crosshair while dragging.
void Form1::PreviewPolygon()
{
}

} // namespace garabel
