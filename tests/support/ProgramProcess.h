#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace garabel::test {

// The real program, built beside the tests, as a separate process: on the
// offscreen platform, with no display to fall back on, and with TMPDIR pointed
// at a fresh folder of its own so that what it leaves there can be seen. Its
// XDG_RUNTIME_DIR is another fresh folder, as in a desktop session; without
// one Qt would make a runtime folder in TMPDIR.
class ProgramProcess
{
public:
    ProgramProcess();
    ~ProgramProcess();

    // Runs the program with `arguments` to its end and returns what it wrote on
    // standard output; exitedCleanly() tells how it ended. Without a platform
    // named in the environment, so that opening a window would fail.
    QString runWithoutDisplay(const QStringList &arguments);

    // Starts the program and waits until it has made its temporary folder, which
    // happens once it is ready to handle signals. False when it never got there.
    bool start(const QStringList &arguments = {});
    // Sends `signalNumber` and waits for the program to end.
    void signalAndWait(int signalNumber);

    // Whether it ended by itself, with exit code 0.
    bool exitedCleanly() const;
    // What is left in the program's TMPDIR.
    QStringList leftInTemp() const;
    // What it has written on standard error so far.
    QString errorOutput();

private:
    QTemporaryDir m_temp;
    QTemporaryDir m_runtime;
    QProcess m_process;
};

} // namespace garabel::test
