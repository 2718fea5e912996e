#pragma once

#include <QList>
#include <QUrl>

class QAbstractFileIconProvider;

namespace garabel {

// What the file dialogs list, and how.

// Gives each listed file an icon and a type by its name alone, and never opens
// it: reading a file to guess its type can block for good (/proc/kmsg as root,
// a FIFO, a stalled network share). One for the whole run, never deleted: a
// dialog's model uses it from a thread of its own, which may outlive the
// dialog a moment.
QAbstractFileIconProvider *nameOnlyIconProvider();

// The side panel's places: the home folder, then the user's pictures, desktop
// and documents folders where they exist.
QList<QUrl> placesOfTheUser();

} // namespace garabel
