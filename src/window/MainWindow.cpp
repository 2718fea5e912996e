#include "window/MainWindow.h"

#include "desktop/Platform.h"
#include "desktop/SurfaceView.h"
#include "drawing/DrawingTarget.h"
#include "drawing/UnsavedSheets.h"
#include "raster/ShownSurface.h"
#include "tools/ToolBox.h"
#include "window/Button.h"
#include "window/ButtonPictures.h"
#include "window/ColourStrip.h"
#include "window/ComboBox.h"
#include "window/HelpPicture.h"
#include "window/ImageBox.h"
#include "window/Label.h"
#include "window/TextBox.h"
#include "window/WindowToolControls.h"

#include <QComboBox>
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
    : QWidget(parent),
      m_platform(platform),
      m_canvas(std::make_unique<ShownSurface>()),
      m_undoRing(m_sheets),
      m_sheetDisplay(*m_canvas, m_sheets)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Garabel"));
    setWindowIcon(garabel::windowIconAtEverySize());
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
    start();
    m_unsavedSheets = std::make_unique<UnsavedSheets>(m_sheets);
    acceptPictureDrops();
}

MainWindow::~MainWindow() = default;

void MainWindow::createImages()
{
    m_cursorPicture = std::make_unique<ImageBox>(this);
    m_cursorPicture->setGeometry(7560, 6120, 240, 240);
    m_cursorPicture->setPicture(canvasCursorImage());
    m_helpPicture = std::make_unique<ImageBox>(this);
    m_helpPicture->setGeometry(7200, 5400, 975, 840);
    // At the screen's own resolution: the canvas shows it sharp until drawn on.
    m_helpPicture->setPicture(HelpPicture::render(m_platform.screen().devicePixelRatio));
}

void MainWindow::createSurfaces()
{
    // The text box only takes the typing for the text tool (the typed text shows
    // next to the anchor); created before the canvas, it lies under it and never
    // hides the drawing.
    m_textInput = std::make_unique<TextBox>(this);
    m_textInput->setGeometry(1800, 2880, 6015, 1215);

    m_canvas->setBackColor(kWhite);
    m_canvasView = new SurfaceView(*m_canvas, this);  // owned by the window
    m_canvas->setLeft(1560);
    m_canvas->setTop(120);
    m_canvas->setWidth(6855);
    m_canvas->setHeight(4695);
    m_canvas->setPicture(startupPicture());

    auto sheet = std::make_unique<Surface>();
    sheet->setBackColor(kWhite);
    // A sheet image is never shown, so it has no overlay: all its drawing is stored.
    sheet->setLeft(1320);
    sheet->setTop(3960);
    sheet->setWidth(855);
    sheet->setHeight(735);
    m_sheets.add(std::move(sheet));

    m_colourStrip = std::make_unique<ShownSurface>();
    m_colourStrip->setBackColor(kWhite);
    m_stripView = new SurfaceView(*m_colourStrip, this);  // owned by the window
    // Sized to the strip plus its one-pixel frame.
    const QImage strip = colourStripPicture();
    m_colourStrip->setLeft(1200);
    m_colourStrip->setTop(5040);
    m_colourStrip->setWidth((strip.width() + 2 * Surface::kBorder) * kTwipsPerPixel);
    m_colourStrip->setHeight((strip.height() + 2 * Surface::kBorder) * kTwipsPerPixel);
    m_colourStrip->setPicture(strip);
}

void MainWindow::createPalette()
{
    struct Row {
        double top;
        ButtonArray *array;
        int left, right;
    };
    m_paletteButtons.resize(kPaletteButtonCount);
    m_gridButtons.resize(8);
    m_mirrorButtons.resize(4);
    const Row rows[] = {
        {120, &m_paletteButtons, 0, 1},   {600, &m_paletteButtons, 2, 4},   {1080, &m_paletteButtons, 3, 7},
        {1560, &m_paletteButtons, 8, 12}, {2040, &m_paletteButtons, 10, 11}, {2520, &m_paletteButtons, 13, 16},
        {3000, &m_paletteButtons, 14, 18}, {3480, &m_paletteButtons, 19, 17}, {3960, &m_paletteButtons, 9, 15},
        {4560, &m_paletteButtons, 5, 6},  {5040, &m_gridButtons, 0, 1},   {5520, &m_gridButtons, 2, 3},
        {6000, &m_gridButtons, 4, 5},  {6480, &m_gridButtons, 6, 7},   {7080, &m_mirrorButtons, 0, 1},
        {7560, &m_mirrorButtons, 2, 3},
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
        m_paletteButtons[i]->setPicture(paletteIcon(i, ratio));
    for (int i = 0; i < 8; ++i)
        m_gridButtons[i]->setPicture(gridIcon(i));
    for (int i = 0; i < 4; ++i)
        m_mirrorButtons[i]->setPicture(reflectionIcon(i, ratio));
}

void MainWindow::createOptionButtons()
{
    m_sheetButtons = makeRow(this, 1, 6360, 1200, kOptionButton, nullptr);
    m_sheetButtons[0]->setCaption(QStringLiteral("1"));
    m_sheetButtons[0]->setVisible(true);
    m_polygonModeButtons = makeRow(this, 3, 6360, 1680, kOptionButton, polygonModeIcon);
    m_circleKindButtons = makeRow(this, 6, 6360, 3840, kOptionButton, circleModeIcon);
    m_eraserSizeButtons = makeRow(this, 6, 6360, 6120, kOptionButton, eraserIcon);
    m_penWidthButtons = makeRow(this, 14, 6840, 1680, kOptionButton, penWidthIcon);
    for (auto &button : m_penWidthButtons)
        button->setFont(pointFont(QStringLiteral("Arial"), 8.25, true));
    m_fillPatternButtons = makeRow(this, 8, 7320, 1680, kOptionButton, fillPatternIcon);
    m_fontStyleButtons = makeRow(this, 2, 7800, 6840, kOptionButton, nullptr);
    m_fontStyleButtons[0]->setCaption(QStringLiteral("N"));
    m_fontStyleButtons[0]->setFont(pointFont(QStringLiteral("Times New Roman"), 12, true));
    m_fontStyleButtons[1]->setCaption(QStringLiteral("K"));
    m_fontStyleButtons[1]->setFont(pointFont(QStringLiteral("Times New Roman"), 12, false, true));
}

void MainWindow::createListsAndLabels()
{
    m_sideCountLabel = std::make_unique<Label>(this);
    m_sideCountLabel->setGeometry(2880, 6120, 735, 255);
    m_sideCountLabel->setCaption(tr("Nº Lados"));
    m_sideCountLabel->setVisible(false);

    m_textPreview = std::make_unique<Label>(m_canvasView, SurfaceView::innerOrigin(), true);
    m_textPreview->setGeometry(2280, 2040, 45, 195);
    m_textPreview->setVisible(false);

    m_sideCountList = std::make_unique<ComboBox>(this);
    m_sideCountList->setGeometry(3000, 6360, 615, 315);
    m_sideCountList->setText(tr("Nº lados"));
    m_sideCountList->setVisible(false);
    m_fontSizeList = std::make_unique<ComboBox>(this);
    m_fontSizeList->setGeometry(4080, 7800, 735, 315);
    m_fontSizeList->setText(QStringLiteral("fontSizeList"));
    // A typed size means itself: "4" must not be completed to "40".
    m_fontSizeList->combo()->setCompleter(nullptr);
    m_fontSizeList->setVisible(false);
    m_fontNameList = std::make_unique<ComboBox>(this, true);
    m_fontNameList->setGeometry(4800, 7800, 1935, 315);
    m_fontNameList->setText(QStringLiteral("fontNameList"));
    m_fontNameList->setVisible(false);
}

void MainWindow::wireEvents()
{
    const std::pair<ButtonArray *, void (MainWindow::*)(int)> arrays[] = {
        {&m_gridButtons, &MainWindow::onGridButton},
        {&m_mirrorButtons, &MainWindow::onMirrorButton}, {&m_sheetButtons, &MainWindow::onSheetButton},
        {&m_polygonModeButtons, &MainWindow::onPolygonModeButton}, {&m_circleKindButtons, &MainWindow::onCircleKindButton},
        {&m_penWidthButtons, &MainWindow::onPenWidthButton}, {&m_fillPatternButtons, &MainWindow::onFillPatternButton},
        {&m_fontStyleButtons, &MainWindow::onFontStyleButton}, {&m_eraserSizeButtons, &MainWindow::onEraserSizeButton},
    };
    for (int i = 0; i < kPaletteButtonCount; ++i)
        m_paletteButtons[i]->onClick([this, i] { onPaletteButton(PaletteButton(i)); });
    for (const auto &[array, handler] : arrays) {
        for (int i = 0; i < int(array->size()); ++i)
            (*array)[i]->onClick([this, handler = handler, i] { (this->*handler)(i); });
    }
    connect(m_canvasView, &SurfaceView::mousePressed, this, &MainWindow::onCanvasPressed);
    connect(m_canvasView, &SurfaceView::mouseMoved, this, &MainWindow::onCanvasMoved);
    connect(m_canvasView, &SurfaceView::mouseReleased, this, &MainWindow::onCanvasReleased);
    connect(m_canvasView, &SurfaceView::pointerLeft, this, &MainWindow::onCanvasLeft);
    m_canvasView->setGuides([this] { return mirrorAxes(); });
    connect(m_stripView, &SurfaceView::mousePressed, this, &MainWindow::onColourStripPressed);
    m_textInput->onChange([this] { onTextEdited(); });
    m_textInput->onEnter([this] { placePendingText(); });
    m_fontSizeList->onClick([this] { onFontSizeChosen(); });
    m_fontSizeList->onTypedTextConfirmed([this] { onFontSizeTyped(); });
    m_fontNameList->onClick([this] { onFontNameChosen(); });
}

void MainWindow::onSheetButton(int index)
{
    placePendingText();
    m_sheetButtons[m_sheets.currentIndex()]->setBackColor(kWhite);
    m_sheetButtons[index]->setBackColor(kBlue);
    m_sheets.switchTo(index);
    m_sheetDisplay.showWhole();
}

} // namespace garabel
