#include "app/MainWindow.h"

#include "track/tools/Tool.h"

#include <utility>

namespace garabel {

// The tool commits what its preview has been showing, from the state the press
// and the last move left; the release's own position and button are not used.
void MainWindow::onCanvasReleased(int, int, double, double)
{
    if (std::exchange(m_pressLeftHelp, false))
        return;
    if (Tool *tool = currentTool())
        tool->release();
}

} // namespace garabel
