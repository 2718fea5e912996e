#include "desktop/CommandLine.h"
#include "files/PictureFile.h"
#include "support/PictureSamples.h"
#include "support/ProgramProcess.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace garabel::test {

namespace {

// Tells when a file is opened, through the kernel's inotify.
class OpenWatch
{
public:
    explicit OpenWatch(const QString &path) : m_fd(inotify_init1(IN_NONBLOCK))
    {
        inotify_add_watch(m_fd, QFile::encodeName(path).constData(), IN_OPEN);
    }
    ~OpenWatch() { ::close(m_fd); }
    OpenWatch(const OpenWatch &) = delete;
    OpenWatch &operator=(const OpenWatch &) = delete;

    bool openedWithin(int ms) const
    {
        pollfd watched{m_fd, POLLIN, 0};
        return ::poll(&watched, 1, ms) == 1;
    }

private:
    int m_fd;
};

QStringList linesOfProgram(const QString &errors)
{
    QStringList ours;
    for (const QString &line : errors.split(u'\n')) {
        if (line.startsWith(QStringLiteral("garabel:")))
            ours << line;
    }
    return ours;
}

} // namespace

// Run with no display at all: had the program tried to open its window, it
// would have failed to start instead of answering.
TEST(CommandLine, HelpAndVersionAnswerOnTheTerminalWithoutAWindow)
{
    ProgramProcess help;
    EXPECT_TRUE(help.runWithoutDisplay({QStringLiteral("foto.png"), QStringLiteral("--help")})
                    .startsWith(QStringLiteral("Uso: garabel")));
    EXPECT_TRUE(help.exitedCleanly());

    ProgramProcess version;
    EXPECT_EQ(version.runWithoutDisplay({QStringLiteral("--version")}),
              QStringLiteral("garabel %1\n").arg(QStringLiteral(GARABEL_VERSION)));
    EXPECT_TRUE(version.exitedCleanly());
}

// The program opens the first file named once its window is up, and only that
// one; options and the rest are ignored, and said so in one line. Taken by
// Qt, "-platform" would have the program try a display that is not there.
TEST(CommandLine, OpensThePictureNamedAndIgnoresTheRestSayingSoOnce)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("foto.png"), encoded(samplePicture(), "png"));
    writeBytes(dir.filePath("otra.png"), encoded(samplePicture(), "png"));
    const OpenWatch picture(dir.filePath("foto.png")), ignored(dir.filePath("otra.png"));
    ProgramProcess program;

    ASSERT_TRUE(program.start({QStringLiteral("-platform"), dir.filePath("foto.png"), QStringLiteral("-reverse"),
                               dir.filePath("otra.png")}));
    EXPECT_TRUE(picture.openedWithin(30000));
    EXPECT_FALSE(ignored.openedWithin(200));
    program.signalAndWait(SIGTERM);
    EXPECT_TRUE(program.exitedCleanly());
    EXPECT_EQ(linesOfProgram(program.errorOutput()),
              QStringList("garabel: se ignoran estos argumentos: -platform -reverse " + dir.filePath("otra.png")));
}

// Qt would read the name's bytes as UTF-8 and make U+FFFD of the Latin-1 "é":
// another name, a file that does not exist.
TEST(CommandLine, APictureNamedInBytesThatAreNotUtf8Opens)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path()) + "/caf\xE9.png";
    const QByteArray png = encoded(samplePicture(), "png");
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, png.constData(), std::size_t(png.size())), png.size());
    ::close(fd);

    const char *const argv[] = {"garabel", path.constData()};
    const QString picture = pictureArgument(2, argv);
    const Result<PictureRead> read = readPicture(picture);
    ASSERT_EQ(read.reason(), QString());
    EXPECT_EQ(read.value().picture.convertToFormat(QImage::Format_RGB32), samplePicture());
}

} // namespace garabel::test
