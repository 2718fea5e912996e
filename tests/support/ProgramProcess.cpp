#include "support/ProgramProcess.h"

#include <QDeadlineTimer>
#include <QDir>

#include <csignal>

namespace garabel::test {

namespace {
constexpr int kPatienceMs = 30000;
} // namespace

ProgramProcess::ProgramProcess()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), m_temp.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_process.setProcessEnvironment(environment);
    m_process.setProgram(QStringLiteral(GARABEL_PROGRAM));
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
}

ProgramProcess::~ProgramProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(kPatienceMs);
    }
}

QString ProgramProcess::runWithoutDisplay(const QStringList &arguments)
{
    QProcessEnvironment environment = m_process.processEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    m_process.setProcessEnvironment(environment);
    m_process.setArguments(arguments);
    m_process.start();
    m_process.waitForFinished(kPatienceMs);
    return QString::fromLocal8Bit(m_process.readAllStandardOutput());
}

bool ProgramProcess::start(const QStringList &arguments)
{
    m_process.setArguments(arguments);
    m_process.start();
    if (!m_process.waitForStarted(kPatienceMs))
        return false;
    const QDeadlineTimer deadline(kPatienceMs);
    while (leftInTemp().isEmpty()) {
        if (deadline.hasExpired() || m_process.state() != QProcess::Running || m_process.waitForFinished(20))
            return false;
    }
    return true;
}

void ProgramProcess::signalAndWait(int signalNumber)
{
    ::kill(static_cast<pid_t>(m_process.processId()), signalNumber);
    m_process.waitForFinished(kPatienceMs);
}

bool ProgramProcess::exitedCleanly() const
{
    return m_process.state() == QProcess::NotRunning && m_process.exitStatus() == QProcess::NormalExit
        && m_process.exitCode() == 0;
}

QString ProgramProcess::errorOutput()
{
    return QString::fromLocal8Bit(m_process.readAllStandardError());
}

QStringList ProgramProcess::leftInTemp() const
{
    return QDir(m_temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace garabel::test
