#include "app/MainWindow.h"

#include "app/Button.h"
#include "app/ButtonPictures.h"
#include "app/ComboBox.h"
#include "app/DrawingTarget.h"
#include "app/HelpPicture.h"
#include "app/ImageBox.h"
#include "app/Label.h"
#include "app/SnapshotStore.h"
#include "app/TextBox.h"
#include "app/WindowToolControls.h"
#include "options/ColourStrip.h"
#include "platform/Platform.h"
#include "platform/ShownSurface.h"
#include "platform/SurfaceView.h"
#include "track/tools/ToolBox.h"

#include <QFont>

namespace garabel {

namespace {
constexpr Rgb kOrange = rgb(255, 128, 0);
constexpr double kPaletteButton = 495;
constexpr double kOptionButton = 375;

QFont pointFont(const QString &family, double points, bool bold = false, bool italic = false)
{
    QFont font(family);
    font.setPixelSize(qRound(pointsToPixels(points)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

ButtonArray makeRow(QWidget *parent, int count, double top, double firstLeft, double width,
                    QImage (*picture)(int))
{
    ButtonArray buttons;
    for (int i = 0; i < count; ++i) {
        auto button = std::make_unique<Button>(parent);
        button->setGeometry(firstLeft + 360 * i, top, width, width);
        button->setBackColor(kWhite);
        if (picture)
            button->setPicture(picture(i));
        button->setVisible(false);
        buttons.push_back(std::move(button));
    }
    return buttons;
}
} // namespace

MainWindow::MainWindow(Platform &platform, QWidget *parent)
    : QWidget(parent), m_platform(platform), m_undo(std::make_unique<SnapshotStore>())
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Garabel"));
    setWindowIcon(QIcon(QPixmap::fromImage(garabel::windowIcon())));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(kOrange));
    setPalette(pal);
    setAutoFillBackground(true);
    // The controls were laid out for a small 8-point sans-serif face; Qt's usual
    // default is wider and would not fit the labels and lists.
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(11);
    setFont(small);
    resize(8295 / kTwipsPerPixel, 8325 / kTwipsPerPixel);

    // Creation order is stacking order: the picture holders and the text box lie
    // under the canvas.
    createImages();
    createSurfaces();
    createPalette();
    createOptionButtons();
    createListsAndLabels();
    createTools();
    wireEvents();
    installShortcutsAndTips();
}

MainWindow::~MainWindow() = default;

void MainWindow::createImages()
{
    cursorPicture = std::make_unique<ImageBox>(this);
    cursorPicture->setGeometry(7560, 6120, 240, 240);
    cursorPicture->setPicture(canvasCursorImage());
    helpPicture = std::make_unique<ImageBox>(this);
    helpPicture->setGeometry(7200, 5400, 975, 840);
    // At the screen's own resolution: the canvas shows it sharp until drawn on.
    helpPicture->setPicture(HelpPicture::render(m_platform.screen().devicePixelRatio));
}

void MainWindow::createSurfaces()
{
    // The text box only takes the typing for the text tool (the typed text shows
    // next to the anchor); created before the canvas, it lies under it and never
    // hides the drawing.
    textInput = std::make_unique<TextBox>(this);
    textInput->setGeometry(1800, 2880, 6015, 1215);

    canvas = std::make_unique<ShownSurface>();
    canvas->setBackColor(kWhite);
    m_canvasView = new SurfaceView(*canvas, this);  // owned by the window
    canvas->setLeft(1560);
    canvas->setTop(120);
    canvas->setWidth(6855);
    canvas->setHeight(4695);
    canvas->setPicture(startupPicture());

    // A sheet image is never shown, so it has no overlay: all its drawing is stored.
    auto sheet = std::make_unique<Surface>();
    sheet->setBackColor(kWhite);
    sheet->setLeft(1320);
    sheet->setTop(3960);
    sheet->setWidth(855);
    sheet->setHeight(735);
    sheetImages.push_back(std::move(sheet));

    colourStrip = std::make_unique<ShownSurface>();
    colourStrip->setBackColor(kWhite);
    m_stripView = new SurfaceView(*colourStrip, this);  // owned by the window
    // Sized to the strip plus its one-pixel frame.
    const QImage strip = colourStripPicture();
    colourStrip->setLeft(1200);
    colourStrip->setTop(5040);
    colourStrip->setWidth((strip.width() + 2 * Surface::kBorder) * kTwipsPerPixel);
    colourStrip->setHeight((strip.height() + 2 * Surface::kBorder) * kTwipsPerPixel);
    colourStrip->setPicture(strip);
}

void MainWindow::createPalette()
{
    struct Row {
        double top;
        ButtonArray *array;
        int left, right;
    };
    paletteButtons.resize(kPaletteButtonCount);
    gridButtons.resize(8);
    mirrorButtons.resize(4);
    const Row rows[] = {
        {120, &paletteButtons, 0, 1},   {600, &paletteButtons, 2, 4},   {1080, &paletteButtons, 3, 7},
        {1560, &paletteButtons, 8, 12}, {2040, &paletteButtons, 10, 11}, {2520, &paletteButtons, 13, 16},
        {3000, &paletteButtons, 14, 18}, {3480, &paletteButtons, 19, 17}, {3960, &paletteButtons, 9, 15},
        {4560, &paletteButtons, 5, 6},  {5040, &gridButtons, 0, 1},   {5520, &gridButtons, 2, 3},
        {6000, &gridButtons, 4, 5},  {6480, &gridButtons, 6, 7},   {7080, &mirrorButtons, 0, 1},
        {7560, &mirrorButtons, 2, 3},
    };
    for (const Row &row : rows) {
        const std::pair<int, double> places[] = {{row.left, 120.0}, {row.right, 600.0}};
        for (const auto &[index, left] : places) {
            auto button = std::make_unique<Button>(this);
            button->setGeometry(left, row.top, kPaletteButton, kPaletteButton);
            (*row.array)[index] = std::move(button);
        }
    }
    const double ratio = m_platform.screen().devicePixelRatio;
    for (int i = 0; i < 20; ++i)
        paletteButtons[i]->setPicture(paletteIcon(i, ratio));
    for (int i = 0; i < 8; ++i)
        gridButtons[i]->setPicture(gridIcon(i));
    for (int i = 0; i < 4; ++i)
        mirrorButtons[i]->setPicture(reflectionIcon(i, ratio));
}

void MainWindow::createOptionButtons()
{
    sheetButtons = makeRow(this, 1, 6360, 1200, kOptionButton, nullptr);
    sheetButtons[0]->setCaption(QStringLiteral("1"));
    sheetButtons[0]->setVisible(true);
    polygonModeButtons = makeRow(this, 3, 6360, 1680, kOptionButton, polygonModeIcon);
    circleKindButtons = makeRow(this, 6, 6360, 3840, kOptionButton, circleModeIcon);
    eraserSizeButtons = makeRow(this, 6, 6360, 6120, kOptionButton, eraserIcon);
    penWidthButtons = makeRow(this, 14, 6840, 1680, kOptionButton, penWidthIcon);
    for (auto &button : penWidthButtons)
        button->setFont(pointFont(QStringLiteral("Arial"), 8.25, true));
    fillPatternButtons = makeRow(this, 8, 7320, 1680, kOptionButton, fillPatternIcon);
    fontStyleButtons = makeRow(this, 2, 7800, 6840, kOptionButton, nullptr);
    fontStyleButtons[0]->setCaption(QStringLiteral("N"));
    fontStyleButtons[0]->setFont(pointFont(QStringLiteral("Times New Roman"), 12, true));
    fontStyleButtons[1]->setCaption(QStringLiteral("K"));
    fontStyleButtons[1]->setFont(pointFont(QStringLiteral("Times New Roman"), 12, false, true));
}

void MainWindow::createListsAndLabels()
{
    sideCountLabel = std::make_unique<Label>(this);
    sideCountLabel->setGeometry(2880, 6120, 735, 255);
    sideCountLabel->setCaption(tr("Nº Lados"));
    sideCountLabel->setVisible(false);

    textPreview = std::make_unique<Label>(m_canvasView, SurfaceView::innerOrigin(), true);
    textPreview->setGeometry(2280, 2040, 45, 195);
    textPreview->setVisible(false);

    sideCountList = std::make_unique<ComboBox>(this);
    sideCountList->setGeometry(3000, 6360, 615, 315);
    sideCountList->setText(tr("Nº lados"));
    sideCountList->setVisible(false);
    fontSizeList = std::make_unique<ComboBox>(this);
    fontSizeList->setGeometry(4080, 7800, 735, 315);
    fontSizeList->setText(QStringLiteral("fontSizeList"));
    fontSizeList->setVisible(false);
    fontNameList = std::make_unique<ComboBox>(this, true);
    fontNameList->setGeometry(4800, 7800, 1935, 315);
    fontNameList->setText(QStringLiteral("fontNameList"));
    fontNameList->setVisible(false);
}

void MainWindow::wireEvents()
{
    const std::pair<ButtonArray *, void (MainWindow::*)(int)> arrays[] = {
        {&gridButtons, &MainWindow::onGridButton},
        {&mirrorButtons, &MainWindow::onMirrorButton}, {&sheetButtons, &MainWindow::onSheetButton},
        {&polygonModeButtons, &MainWindow::onPolygonModeButton}, {&circleKindButtons, &MainWindow::onCircleKindButton},
        {&penWidthButtons, &MainWindow::onPenWidthButton}, {&fillPatternButtons, &MainWindow::onFillPatternButton},
        {&fontStyleButtons, &MainWindow::onFontStyleButton}, {&eraserSizeButtons, &MainWindow::onEraserSizeButton},
    };
    for (int i = 0; i < kPaletteButtonCount; ++i)
        paletteButtons[i]->onClick([this, i] { onPaletteButton(PaletteButton(i)); });
    for (const auto &[array, handler] : arrays) {
        for (int i = 0; i < int(array->size()); ++i)
            (*array)[i]->onClick([this, handler = handler, i] { (this->*handler)(i); });
    }
    connect(m_canvasView, &SurfaceView::mousePressed, this, &MainWindow::onCanvasPressed);
    connect(m_canvasView, &SurfaceView::mouseMoved, this, &MainWindow::onCanvasMoved);
    connect(m_canvasView, &SurfaceView::mouseReleased, this, &MainWindow::onCanvasReleased);
    connect(m_canvasView, &SurfaceView::pointerLeft, this, &MainWindow::onCanvasLeft);
    connect(m_stripView, &SurfaceView::mousePressed, this, &MainWindow::onColourStripPressed);
    textInput->onChange([this] { onTextEdited(); });
    fontSizeList->onClick([this] { onFontSizeChosen(); });
    fontNameList->onClick([this] { onFontNameChosen(); });
}

} // namespace garabel
