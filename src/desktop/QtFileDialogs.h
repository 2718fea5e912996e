#pragma once

#include "desktop/Platform.h"

#include <optional>

class QWidget;

namespace garabel {

// Runs Qt's own file dialog (never the native one) for the request, over
// `parent`. The request's filters become the dialog's name filters, shown as
// written ("*.*" too, though it lists every file, with or without a dot; a
// pattern list "*.a;*.b" is shown "*.a *.b"). The flags: file must exist ->
// only existing files can be chosen; path must exist -> a name in a missing
// folder is refused with a message; overwrite prompt -> choosing an existing
// file asks first, "No" being the default; hide read-only has nothing to hide
// in Qt's dialog. A save request's default suffix is added as
// FileDialogRequest says, before the overwrite question, which is about the
// file that will be written. Neither dialog moves, renames or deletes a file
// or folder (by drag, key or menu); the save dialog makes a new folder, named
// first. The path is returned absolute, with '/' separators; nullopt when the
// user cancelled.
std::optional<QString> runFileDialog(QWidget *parent, const FileDialogRequest &request, bool save);

} // namespace garabel
