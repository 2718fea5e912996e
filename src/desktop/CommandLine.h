#pragma once

#include <QString>

namespace garabel {

// The program is used through its window. On the command line it answers
// --help and --version and then ends without opening a window (so it works on
// a terminal with no display), or it takes the picture to open on sheet 1.
//
// Writes the answer on standard output and returns true when the command line
// asked for --help or --version (the first of the two wins); false otherwise.
bool answerCommandLine(int argc, const char *const *argv, const char *version);

// The picture to open: the first argument that is not an option (an option
// starts with "-"); empty when there is none. Every other argument is
// ignored, and named on one line of standard error. A name whose bytes are
// not UTF-8 comes back as decodedFileName() gives it, so that it opens.
QString pictureArgument(int argc, const char *const *argv);

} // namespace garabel
