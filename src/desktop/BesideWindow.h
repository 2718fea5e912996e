#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace garabel {

// How long a job runs before its busy bar shows: a quick one shows nothing.
inline constexpr int kBusyBarDelayMs = 300;

// Runs `work` (reading or writing a file) on a thread of its own, and returns
// when it is done. Meanwhile the window of `view` goes on: it repaints, its
// timers run, a signal that ends the program is heard; after kBusyBarDelayMs a
// busy bar named `what` shows over `view`. The window's own input (pointer,
// keys, shortcuts, drops) is dropped until then, so nothing is drawn or
// started on the way; other windows (a question about quitting) take theirs.
// False when the program was told to end before the work was done: the work
// has still been waited for, and what it made is best left alone. An
// exception thrown by the work (no memory for the picture) is thrown here.
bool runBesideWindow(QWidget &view, const QString &what, const std::function<void()> &work);

} // namespace garabel
