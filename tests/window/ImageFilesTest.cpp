#include "drawing/SnapshotStore.h"
#include "files/PictureFile.h"
#include "raster/Surface.h"
#include "support/Figures.h"
#include "support/GarabelWindow.h"
#include "support/GridDots.h"
#include "support/PictureSamples.h"
#include "window/Button.h"
#include "window/StartFolder.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace garabel::test {

namespace {

// Everything a refused open must leave as it was.
struct Drawing {
    QImage canvas;
    std::vector<QImage> sheets, undoSlots;
    std::vector<int> undoPos;
    bool pending;
    bool operator==(const Drawing &) const = default;
};

Drawing drawingOf(GarabelWindow &w)
{
    const UndoRing &ring = w.probe().undoRing();
    Drawing d{w.canvas(), {}, {}, {}, ring.snapshotPending()};
    for (int s = 0; s < kSheetCount; ++s) {
        d.sheets.push_back(w.sheet(s));
        d.undoPos.push_back(ring.position(s));
        for (int slot = 0; slot < UndoRing::kSlots; ++slot)
            d.undoSlots.push_back(ring.store().hasPicture(s, slot) ? ring.store().picture(s, slot) : QImage());
    }
    return d;
}

QString describe(const FileDialogRequest &r)
{
    QStringList filters;
    for (const FileFilter &f : r.filters)
        filters << f.description + " = " + f.pattern;
    return QStringLiteral("%1 | %2 | %3 | %4 | %5")
        .arg(r.title, filters.join("; "))
        .arg(r.filterIndex)
        .arg(r.flags, 0, 16)
        .arg(r.initialDir == StartFolder().path() ? "start folder" : r.initialDir);
}

QImage topLeft(const QImage &image, QSize size = samplePicture().size())
{
    return image.copy(QRect(QPoint(0, 0), size)).convertToFormat(QImage::Format_RGB32);
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

TEST(OpenImage, PutsThePictureOnTheCanvasAndTheSheetWhereItStaysAcrossASheetSwitch)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("foto.bmp"), encoded(samplePicture(), "bmp"));
    GarabelWindow w;
    commitBox(w, QRectF(3000, 1500, 600, 450), rgb(255, 0, 0));
    w.platform.openAnswers.push_back(dir.filePath("foto.bmp"));
    w->onPaletteButton(PaletteButton::Open);

    ASSERT_EQ(w.platform.openRequests.size(), 1u);
    EXPECT_EQ(describe(w.platform.openRequests[0]).toStdString(),
              "Selecciona una imagen | Imágenes (*.bmp *.jpg *.jpeg *.jpe *.gif *.png) = *.bmp;*.jpg;*.jpeg;*.jpe;*.gif;*.png; "
              "Todos los ficheros (*.*) = *.* | 1 | 1804 | start folder");
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_EQ(topLeft(w.canvas()), samplePicture());
    EXPECT_EQ(pixelAtTwips(w.canvas(), 3300, 1700), kWhitePixel) << "the picture replaces what was shown";
    EXPECT_EQ(w.sheet(0), w.canvasStored());
    w.click(*w.probe().sheetButtons()[3]);
    w.click(*w.probe().sheetButtons()[0]);
    EXPECT_EQ(topLeft(w.canvas()), samplePicture());
}

TEST(OpenImage, TellsAPictureByTheEndOfItsNameInAnyCaseWithJpegAndJpeLikeJpg)
{
    QTemporaryDir dir;
    const QImage picture = samplePicture();
    const QStringList jpegs = {"foto.JpG", "foto.jpeg", "FOTO.JPE"};
    for (const QString &name : jpegs)
        writeBytes(dir.filePath(name), encoded(picture, "jpeg"));
    writeBytes(dir.filePath("anim.gif"), gifFile(picture));
    writeBytes(dir.filePath("foto.jpegs"), encoded(picture, "jpeg"));
    writeBytes(dir.filePath("notas.txt"), encoded(picture, "bmp"));
    GarabelWindow w;

    for (const QString &name : jpegs) {
        w.platform.openAnswers = {dir.filePath("anim.gif"), dir.filePath(name)};
        w->onPaletteButton(PaletteButton::Open);
        EXPECT_EQ(topLeft(w.sheet()), picture) << "the GIF";
        w->onPaletteButton(PaletteButton::Open);
        EXPECT_LT(std::abs(qGreen(w.sheet().pixel(30, 5)) - 255) + qRed(w.sheet().pixel(30, 5)), 48)
            << "the JPEG's green quarter, from " << name.toStdString();
    }
    EXPECT_TRUE(w.platform.messages.empty());

    const Drawing before = drawingOf(w);
    w.platform.openAnswers = {dir.filePath("foto.jpegs"), dir.filePath("notas.txt")};
    w->onPaletteButton(PaletteButton::Open);
    w->onPaletteButton(PaletteButton::Open);
    ASSERT_EQ(w.platform.messages.size(), 2u);
    for (const auto &[text, buttons] : w.platform.messages) {
        EXPECT_EQ(text.toStdString(), "El fichero seleccionado no es un gráfico soportado");
        EXPECT_EQ(buttons, MessageButtons::Ok);
    }
    EXPECT_TRUE(drawingOf(w) == before) << "the drawing changed";
}

TEST(OpenImage, ARefusedOrCancelledOpenLeavesCanvasSheetsAndUndoRingsAsTheyWere)
{
    QTemporaryDir dir;
    const std::vector<RefusedSample> samples = writeRefusedSamples(QDir(dir.path()));
    GarabelWindow w;
    commitBox(w, QRectF(3000, 1500, 600, 450), rgb(255, 0, 0));
    commitBox(w, QRectF(900, 600, 300, 300), rgb(0, 255, 0));
    w.click(*w.probe().gridButtons()[2]);  // dots on the canvas only
    const Drawing before = drawingOf(w);

    w->onPaletteButton(PaletteButton::Open);
    EXPECT_TRUE(w.platform.messages.empty()) << "a cancel says nothing";
    for (const RefusedSample &sample : samples) {
        w.platform.openAnswers.push_back(dir.filePath(sample.fileName));
        w->onPaletteButton(PaletteButton::Open);
        const QString expected = "No se ha podido abrir el fichero «" + native(dir.filePath(sample.fileName)) + "»: ";
        ASSERT_FALSE(w.platform.messages.empty()) << sample.fileName.toStdString();
        EXPECT_TRUE(w.platform.messages.back().first.startsWith(expected + sample.reason))
            << w.platform.messages.back().first.toStdString();
        EXPECT_TRUE(drawingOf(w) == before) << sample.fileName.toStdString() << " changed the drawing";
    }
    EXPECT_EQ(w.platform.messages.size(), samples.size());
}

TEST(SaveImage, WritesTheSheetAtTheCanvasSizeAsAPngUnderANameEndingInPngOtherwiseAsABmp)
{
    QTemporaryDir dir;
    GarabelWindow w;
    commitBox(w, QRectF(3000, 1500, 600, 450), rgb(255, 0, 0));
    w.click(*w.probe().gridButtons()[2]);  // dots on the canvas only

    w->onPaletteButton(PaletteButton::Save);  // cancelled
    ASSERT_EQ(w.platform.saveRequests.size(), 1u);
    EXPECT_EQ(describe(w.platform.saveRequests[0]).toStdString(),
              "Guardar como   | Archivo gráfico (*.bmp) = *.bmp; Imagen PNG (*.png) = *.png | 1 | 806 | start folder");
    EXPECT_EQ(w.platform.saveRequests[0].defaultSuffix, "bmp");
    EXPECT_EQ(w.canvas(), sheetWithDots(w, 150, kBlackPixel)) << "the canvas shows the sheet, the dots stay";

    w.platform.saveAnswers = {dir.filePath("dibujo.bmp"), dir.filePath("TERCERO.PnG")};
    w->onPaletteButton(PaletteButton::Save);
    w->onPaletteButton(PaletteButton::Save);
    EXPECT_TRUE(w.platform.messages.empty());
    const auto firstBytes = [&](const QString &name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.read(4) : QByteArray();
    };
    EXPECT_EQ(firstBytes("dibujo.bmp").left(2), "BM");
    EXPECT_EQ(firstBytes("TERCERO.PnG"), "\x89PNG");

    // Loaded on blank sheets, the files give the drawing back pixel for pixel.
    w.platform.openAnswers = {dir.filePath("dibujo.bmp"), dir.filePath("TERCERO.PnG")};
    for (const int sheet : {4, 5}) {
        w.click(*w.probe().sheetButtons()[sheet]);
        w->onPaletteButton(PaletteButton::Open);
        EXPECT_EQ(w.sheet(sheet).size(), w.probe().canvas().innerPixelSize());
        EXPECT_EQ(w.sheet(sheet), w.sheet(0)) << "sheet " << sheet;
    }
}

TEST(OpenImage, CanBeUndoneTheDrawingItReplacedComesBack)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("foto.png"), encoded(samplePicture(), "png"));
    GarabelWindow w;
    commitBox(w, QRectF(3000, 1500, 600, 450), rgb(255, 0, 0));
    const QImage drawing = w.sheet();
    w.platform.openAnswers.push_back(dir.filePath("foto.png"));
    w->onPaletteButton(PaletteButton::Open);
    ASSERT_EQ(topLeft(w.sheet()), samplePicture());

    w.click(PaletteButton::Undo);  // undo
    EXPECT_EQ(w.sheet(), drawing);
    EXPECT_EQ(w.canvas(), drawing);
}

// Open, save and PDF dialogs share one start folder; no dialog starts in the
// program's folder (the tests' folder here, which is writable).
TEST(ImageFolders, TheDialogsStartWhereAnyOfThemLastChoseBeforeThatInPicturesElseHome)
{
    QTemporaryDir home, photos, drawings, documents;
    const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
    const bool hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    GarabelWindow w;
    const auto startsOfNext = [&w](PaletteButton button) {
        w->onPaletteButton(button);
        const auto &requests = button == PaletteButton::Open ? w.platform.openRequests : w.platform.saveRequests;
        return requests.empty() ? QString() : requests.back().initialDir;
    };

    EXPECT_EQ(startsOfNext(PaletteButton::Open), home.path()) << "no Pictures folder";
    QDir(home.path()).mkdir("Pictures");
    EXPECT_EQ(startsOfNext(PaletteButton::Save), home.filePath("Pictures"));
    w.platform.openAnswers = {photos.filePath("notas.txt")};  // refused, but chosen there
    EXPECT_EQ(startsOfNext(PaletteButton::Open), home.filePath("Pictures"));
    EXPECT_EQ(startsOfNext(PaletteButton::Save), photos.path());
    w.platform.saveAnswers = {drawings.filePath("dibujo.bmp")};
    startsOfNext(PaletteButton::Save);
    w.platform.hasPrinter = false;
    w.platform.messageAnswers = {MessageAnswer::Yes};
    w.platform.saveAnswers = {documents.filePath("dibujo.pdf")};
    EXPECT_EQ(startsOfNext(PaletteButton::Print), drawings.path()) << "the PDF dialog";
    EXPECT_EQ(startsOfNext(PaletteButton::Open), documents.path());
    documents.remove();
    EXPECT_EQ(startsOfNext(PaletteButton::Open), home.filePath("Pictures")) << "the last folder is gone";
    for (const auto *requests : {&w.platform.openRequests, &w.platform.saveRequests}) {
        for (const FileDialogRequest &request : *requests)
            EXPECT_NE(request.initialDir, QCoreApplication::applicationDirPath());
    }
    qputenv("HOME", savedHome);
    hadConfig ? qputenv("XDG_CONFIG_HOME", savedConfig) : qunsetenv("XDG_CONFIG_HOME");
}

TEST(SaveImage, IntoAMissingFolderTellsWhyAndWritesNothing)
{
    QTemporaryDir dir;
    GarabelWindow w;
    w.platform.saveAnswers.push_back(dir.filePath("falta/dibujo.bmp"));
    w->onPaletteButton(PaletteButton::Save);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].first.toStdString(),
              ("No se ha podido guardar el dibujo en «" + native(dir.filePath("falta/dibujo.bmp"))
               + "»: No existe la carpeta").toStdString());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(SaveImage, AFailedWriteLeavesTheSheetAmongTheUnsaved)
{
    QTemporaryDir dir;
    GarabelWindow w;
    commitBox(w, QRectF(3000, 1500, 600, 450), rgb(255, 0, 0));
    w.platform.saveAnswers.push_back(dir.filePath("falta/dibujo.bmp"));
    w.click(PaletteButton::Save);
    w.click(PaletteButton::Quit);
    ASSERT_EQ(w.platform.messages.size(), 2u);
    EXPECT_TRUE(w.platform.messages[0].first.endsWith(": No existe la carpeta"));
    EXPECT_TRUE(w.platform.messages[1].first.endsWith("Hay una hoja con dibujos sin guardar: 1."));
}

} // namespace garabel::test
