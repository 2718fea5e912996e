#include "app/Form1.h"

namespace garabel {

// The circular figures come with their own generator; until then the circle
// tool shows only the crosshair while dragging.
void Form1::PreviewCircle()
{
}

} // namespace garabel
