#include "desktop/QtPlatform.h"
#include "desktop/QtPrintJob.h"
#include "support/Pixels.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace garabel::test {

namespace {

std::unique_ptr<QPrinter> pdfPrinter(const QString &fileName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    return printer;
}

QImage canvasPicture()
{
    QImage picture(713, 536, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 100; x < 600; ++x)
        picture.setPixel(x, 268, kRedPixel);
    return picture;
}

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(QtPlatformPrintJob, TwipsBecomeDevicePixelsAtTheDeviceResolution)
{
    struct Case {
        QRectF twips;
        double dpiX;
        double dpiY;
        QRectF device;
    };
    const Case cases[] = {
        // One inch is 1440 twips, whatever the resolution.
        {QRectF(0, 0, 1440, 2880), 600, 600, QRectF(0, 0, 600, 1200)},
        // A canvas of 713 x 536 screen pixels (15 twips each) at 96 dpi is its own size.
        {QRectF(0, 0, 713 * 15, 536 * 15), 96, 96, QRectF(0, 0, 713, 536)},
        // At 1200 dpi each screen pixel covers 12.5 printer dots.
        {QRectF(150, 300, 713 * 15, 536 * 15), 1200, 1200, QRectF(125, 250, 8912.5, 6700)},
        // Different horizontal and vertical resolutions scale each axis on its own.
        {QRectF(1440, 1440, 720, 720), 300, 600, QRectF(300, 600, 150, 300)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dpiX << " x " << c.dpiY << " dpi, twips " << c.twips.x() << ", "
                                          << c.twips.y() << ", " << c.twips.width() << ", " << c.twips.height());
        const QRectF device = QtPrintJob::twipsToDevice(c.twips, c.dpiX, c.dpiY);
        EXPECT_DOUBLE_EQ(device.x(), c.device.x());
        EXPECT_DOUBLE_EQ(device.y(), c.device.y());
        EXPECT_DOUBLE_EQ(device.width(), c.device.width());
        EXPECT_DOUBLE_EQ(device.height(), c.device.height());
    }
}

TEST(QtPlatformPrintJob, PictureIsStretchedOverTheTwipsRectangleAtTheDeviceResolution)
{
    // A 300-dpi page: one inch (1440 twips) is 300 dots.
    QImage page(1000, 1000, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(300 / 0.0254));
    page.setDotsPerMeterY(qRound(300 / 0.0254));
    page.fill(Qt::white);
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(kRedPixel);
    picture.setPixel(3, 1, kBluePixel);  // bottom-right pixel: the picture is not flipped

    QPainter painter(&page);
    QtPrintJob::paintStretched(painter, picture, QRectF(1440, 720, 1440, 720));
    painter.end();

    // Expected: x 300..599, y 150..299; each picture pixel is 75 dots wide and tall.
    EXPECT_EQ(page.pixel(299, 200), kWhitePixel);
    EXPECT_EQ(page.pixel(300, 150), kRedPixel);
    EXPECT_EQ(page.pixel(300, 149), kWhitePixel);
    EXPECT_EQ(page.pixel(524, 224), kRedPixel);
    EXPECT_EQ(page.pixel(525, 225), kBluePixel);
    EXPECT_EQ(page.pixel(599, 299), kBluePixel);
    EXPECT_EQ(page.pixel(600, 299), kWhitePixel);
    EXPECT_EQ(page.pixel(599, 300), kWhitePixel);
}

TEST(QtPlatformPrintJob, PaintsThePictureAndEndsTheDocumentIntoAPdf)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fileName = folder.filePath(QStringLiteral("hoja.pdf"));
    QtPrintJob job(pdfPrinter(fileName));

    EXPECT_TRUE(job.paintPicture(canvasPicture(), QRectF(0, 0, 713 * 15, 536 * 15)).ok());
    EXPECT_TRUE(job.endDocument().ok());

    const QByteArray pdf = readAll(fileName);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    // The page holds the picture itself, at its own pixel size.
    EXPECT_TRUE(pdf.contains("/Subtype /Image"));
    EXPECT_TRUE(pdf.contains("/Width 713"));
    EXPECT_TRUE(pdf.contains("/Height 536"));
    // Lossless: a JPEG would blur the lines and shift the colours.
    EXPECT_FALSE(pdf.contains("/DCTDecode"));
}

TEST(QtPlatformPrintJob, APdfJobTurnsItsA4PageAndWritesItToTheFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fileName = folder.filePath(QStringLiteral("apaisada.pdf"));
    QtPlatform platform;
    const std::unique_ptr<PrintJob> job = platform.startPdfJob(fileName);
    ASSERT_NE(job, nullptr);

    // A4 less 10 mm on each side, in twips: 190 x 277 mm, then turned (Qt keeps
    // the page in whole points, hence the tolerance).
    const double narrow = 190 / 25.4 * 1440, wide = 277 / 25.4 * 1440;
    EXPECT_NEAR(job->printableTwips().width(), narrow, 20);
    EXPECT_NEAR(job->printableTwips().height(), wide, 20);
    job->setLandscape(true);
    EXPECT_NEAR(job->printableTwips().width(), wide, 20);
    EXPECT_NEAR(job->printableTwips().height(), narrow, 20);
    EXPECT_TRUE(job->paintPicture(canvasPicture(), QRectF(QPointF(), job->printableTwips())).ok());
    EXPECT_TRUE(job->endDocument().ok());

    const QByteArray pdf = readAll(fileName);
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 842.000000 595.000000]")) << "an A4 page in points, landscape";
    EXPECT_TRUE(pdf.contains("/Width 713"));
}

TEST(QtPlatformPrintJob, EndingADocumentWithNothingPaintedSendsNothing)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fileName = folder.filePath(QStringLiteral("vacia.pdf"));
    QtPrintJob job(pdfPrinter(fileName));

    EXPECT_TRUE(job.endDocument().ok());
    EXPECT_FALSE(QFile::exists(fileName));
}

TEST(QtPlatformPrintJob, APrinterThatCannotStartFailsWithASpanishReason)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QtPrintJob job(pdfPrinter(folder.filePath(QStringLiteral("falta/hoja.pdf"))));

    const Result<void> painted = job.paintPicture(canvasPicture(), QRectF(0, 0, 1440, 1440));
    EXPECT_FALSE(painted.ok());
    EXPECT_TRUE(painted.reason().startsWith(QStringLiteral("No se puede empezar a imprimir")));
}

TEST(QtPlatformPrintJob, APdfJobRefusesAFifoWithoutOpeningItAndSaysWhyAFileCannotBeMade)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fifo = folder.filePath(QStringLiteral("tubo.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QtPlatform platform;
    const QString missing = folder.filePath(QStringLiteral("falta/hoja.pdf"));
    const std::pair<QString, QString> cases[] = {
        {fifo, QStringLiteral("No es un fichero normal, sino un dispositivo, una tubería o un socket")},
        {missing, QStringLiteral("No existe la carpeta")}};
    for (const auto &[fileName, reason] : cases) {
        const std::unique_ptr<PrintJob> job = platform.startPdfJob(fileName);
        const Result<void> painted = job->paintPicture(canvasPicture(), QRectF(0, 0, 1440, 1440));
        EXPECT_FALSE(painted.ok());
        EXPECT_EQ(painted.reason(), QStringLiteral("No se ha podido guardar el documento PDF «%1»: %2").arg(fileName, reason));
    }
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("falta"))));
}

TEST(QtPlatformPrintJob, ANullPictureIsRefused)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QtPrintJob job(pdfPrinter(folder.filePath(QStringLiteral("hoja.pdf"))));

    const Result<void> painted = job.paintPicture(QImage(), QRectF(0, 0, 1440, 1440));
    EXPECT_FALSE(painted.ok());
    EXPECT_FALSE(painted.reason().isEmpty());
}

} // namespace garabel::test
