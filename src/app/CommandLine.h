#pragma once

namespace garabel {

// The program is used through its window alone. On the command line it
// answers --help and --version and then ends without opening a window (so it
// works on a terminal with no display); every other argument is ignored, so
// nothing typed after the program's name changes what it does.
//
// Writes the answer on standard output and returns true when the command line
// asked for --help or --version (the first of the two wins); false otherwise.
bool answerCommandLine(int argc, const char *const *argv, const char *version);

} // namespace garabel
