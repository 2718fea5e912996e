#include "window/MainWindow.h"

#include "desktop/Platform.h"
#include "desktop/SurfaceView.h"
#include "drawing/CanvasAndSheet.h"
#include "drawing/UnsavedSheets.h"
#include "raster/ShownSurface.h"
#include "tools/ToolBox.h"
#include "window/AccessibleControls.h"
#include "window/Button.h"
#include "window/ButtonPictures.h"
#include "window/CanvasAccessible.h"
#include "window/ColourStrip.h"
#include "window/ColourStripSwatch.h"
#include "window/ColourStripView.h"
#include "window/ComboBox.h"
#include "window/ControlPlaces.h"
#include "window/HelpPicture.h"
#include "window/ImageBox.h"
#include "window/KeyboardPointer.h"
#include "window/Label.h"
#include "window/TextBox.h"
#include "window/WindowToolControls.h"

#include <QComboBox>
#include <QFont>

namespace garabel {

namespace {
constexpr Rgb kOrange = rgb(255, 128, 0);

QFont pointFont(const QString &family, double points, bool bold = false, bool italic = false)
{
    QFont font(family);
    font.setPixelSize(qRound(pointsToPixels(points)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void place(Control &control, const places::Place &at)
{
    control.setGeometry(at.left, at.top, at.width, at.height);
}

void place(Surface &surface, const places::Place &at)
{
    surface.setLeft(at.left);
    surface.setTop(at.top);
    surface.setWidth(at.width);
    surface.setHeight(at.height);
}

ButtonArray makeRow(QWidget *parent, int count, places::RowStart start, QImage (*picture)(int))
{
    using namespace places;
    ButtonArray buttons;
    for (int i = 0; i < count; ++i) {
        auto button = std::make_unique<Button>(parent);
        button->setGeometry(start.left + kOptionButtonPitch * i, start.top, kOptionButtonSideTwips,
                            kOptionButtonSideTwips);
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
      m_undoRing(m_sheets)
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
    resize(places::kWindowWidth / kTwipsPerPixel, places::kWindowHeight / kTwipsPerPixel);

    // Creation order is stacking order: the picture holders and the text box lie
    // under the canvas.
    createImages();
    createSurfaces();
    createPalette();
    createOptionButtons();
    createListsAndLabels();
    createTools();
    wireEvents();
    createKeyboardAccess();
    installShortcutsAndTips();
    start();
    m_unsavedSheets = std::make_unique<UnsavedSheets>(m_sheets);
    acceptPictureDrops();
    prepareForKeyboardAndReader();
}

// The canvas view and its keyboard pointer go after the members a cancelled
// drag would reach: a drag still held is forgotten first.
MainWindow::~MainWindow()
{
    m_keyboardPointer->forgetPress();
}

void MainWindow::createImages()
{
    m_cursorPicture = std::make_unique<ImageBox>(this);
    place(*m_cursorPicture, places::kCursorPicture);
    m_cursorPicture->setPicture(canvasCursorImage());
    m_helpPicture = std::make_unique<ImageBox>(this);
    place(*m_helpPicture, places::kHelpPicture);
    // At the screen's own resolution: the canvas shows it sharp until drawn on.
    m_helpPicture->setPicture(HelpPicture::render(m_platform.screen().devicePixelRatio));
}

void MainWindow::createSurfaces()
{
    // The text box only takes the typing for the text tool (the typed text shows
    // next to the anchor); created before the canvas, it lies under it and never
    // hides the drawing.
    m_textInput = std::make_unique<TextBox>(this);
    place(*m_textInput, places::kTextInput);

    m_canvas->setBackColor(kWhite);
    m_canvasView = new SurfaceView(*m_canvas, this);  // owned by the window
    place(*m_canvas, places::kCanvas);

    auto sheet = std::make_unique<Surface>();
    sheet->setBackColor(kWhite);
    // A sheet image is shown by the canvas, so it has no overlay: all its drawing is stored.
    place(*sheet, places::kFirstSheet);
    m_sheets.add(std::move(sheet));
    m_canvas->showSheetOver(startupPicture(), m_sheets.current());

    m_colourStrip = std::make_unique<ShownSurface>();
    m_colourStrip->setBackColor(kWhite);
    m_stripView = new ColourStripView(*m_colourStrip, this);  // owned by the window
    // Sized to the strip plus its one-pixel frame.
    const QImage strip = colourStripPicture();
    m_colourStrip->setLeft(places::kColourStripLeft);
    m_colourStrip->setTop(places::kColourStripTop);
    m_colourStrip->setWidth((strip.width() + 2 * Surface::kBorder) * kTwipsPerPixel);
    m_colourStrip->setHeight((strip.height() + 2 * Surface::kBorder) * kTwipsPerPixel);
    m_colourStrip->setPicture(strip);
    // Placed by the layout, beside the strip where the screen leaves room.
    m_colourSwatch = std::make_unique<ColourStripSwatch>(this);
    connect(m_stripView, &ColourStripView::drawingColourShown, this,
            [this](Rgb colour) { m_colourSwatch->setColour(colour); });
}

void MainWindow::createPalette()
{
    using namespace places;
    m_paletteButtons.resize(kPaletteButtonCount);
    m_gridButtons.resize(8);
    m_mirrorButtons.resize(4);
    // Row by row, the left button first.
    const auto placeRow = [this](ButtonArray &array, int left, int right, double top) {
        const std::pair<int, double> columns[] = {{left, kPaletteLeftColumn}, {right, kPaletteRightColumn}};
        for (const auto &[index, x] : columns) {
            array[index] = std::make_unique<Button>(this);
            array[index]->setGeometry(x, top, kPaletteButtonSide, kPaletteButtonSide);
        }
    };
    for (const PaletteRow &row : kPaletteRows)
        placeRow(m_paletteButtons, int(row.left), int(row.right), row.top);
    for (int i = 0; i < int(std::size(kGridRowTops)); ++i)
        placeRow(m_gridButtons, 2 * i, 2 * i + 1, kGridRowTops[i]);
    for (int i = 0; i < int(std::size(kMirrorRowTops)); ++i)
        placeRow(m_mirrorButtons, 2 * i, 2 * i + 1, kMirrorRowTops[i]);
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
    using namespace places;
    m_sheetButtons = makeRow(this, 1, kSheetButtonsStart, nullptr);
    m_sheetButtons[0]->setCaption(QStringLiteral("1"));
    m_sheetButtons[0]->setVisible(true);
    m_polygonModeButtons = makeRow(this, 3, kPolygonModeStart, polygonModeIcon);
    m_circleKindButtons = makeRow(this, 6, kCircleKindStart, circleModeIcon);
    m_eraserSizeButtons = makeRow(this, 6, kEraserSizeStart, eraserIcon);
    m_penWidthButtons = makeRow(this, 14, kPenWidthStart, penWidthIcon);
    for (auto &button : m_penWidthButtons)
        button->setFont(pointFont(QStringLiteral("Arial"), 8.25, true));
    m_fillPatternButtons = makeRow(this, 8, kFillPatternStart, fillPatternIcon);
    m_fontStyleButtons = makeRow(this, 2, kFontStyleStart, nullptr);
    m_fontStyleButtons[0]->setCaption(QStringLiteral("N"));
    m_fontStyleButtons[0]->setFont(pointFont(QStringLiteral("Times New Roman"), 12, true));
    m_fontStyleButtons[1]->setCaption(QStringLiteral("K"));
    m_fontStyleButtons[1]->setFont(pointFont(QStringLiteral("Times New Roman"), 12, false, true));
}

void MainWindow::createListsAndLabels()
{
    m_sideCountLabel = std::make_unique<Label>(this);
    place(*m_sideCountLabel, places::kSideCountLabel);
    m_sideCountLabel->setCaption(tr("Nº Lados"));
    m_sideCountLabel->setVisible(false);

    m_textPreview = std::make_unique<Label>(m_canvasView, SurfaceView::innerOrigin(), true);
    place(*m_textPreview, places::kTextPreview);
    m_textPreview->setVisible(false);

    m_sideCountList = std::make_unique<ComboBox>(this);
    place(*m_sideCountList, places::kSideCountList);
    m_sideCountList->setText(tr("Nº lados"));
    m_sideCountList->completeNothing();
    m_sideCountList->setVisible(false);
    m_fontSizeList = std::make_unique<ComboBox>(this);
    place(*m_fontSizeList, places::kFontSizeList);
    m_fontSizeList->setText(QStringLiteral("fontSizeList"));
    m_fontSizeList->completeNothing();
    m_fontSizeList->setVisible(false);
    m_fontNameList = std::make_unique<ComboBox>(this, true);
    place(*m_fontNameList, places::kFontNameList);
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
    // Once Enter has placed the text, the keys go back to the canvas, where the
    // crosshair marks the next spot.
    m_textInput->onEnter([this] {
        if (placePendingText())
            m_canvasView->setFocus(Qt::OtherFocusReason);
    });
    m_fontSizeList->onClick([this] { onFontSizeChosen(); });
    m_fontSizeList->onTypedTextConfirmed([this] { onFontSizeTyped(); });
    m_fontNameList->onClick([this] { onFontNameChosen(); });
}

void MainWindow::onSheetButton(int index)
{
    cancelDragInProgress();
    placePendingText();
    // The sheet already shown keeps its mark: a screen reader would hear it
    // taken and given back.
    if (index == m_sheets.currentIndex())
        tellChosen(*m_sheetButtons[index]->widget());
    else
        m_sheetButtons[m_sheets.currentIndex()]->setBackColor(kWhite);
    m_sheetButtons[index]->setBackColor(kBlue);
    m_sheets.switchTo(index);
    showCurrentSheet();
}

} // namespace garabel
