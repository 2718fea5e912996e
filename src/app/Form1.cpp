#include "app/Form1.h"

#include "app/Button.h"
#include "app/ButtonPictures.h"
#include "app/ComboBox.h"
#include "app/HelpPicture.h"
#include "app/ImageBox.h"
#include "app/Label.h"
#include "app/SnapshotStore.h"
#include "app/TextBox.h"
#include "options/ColourStrip.h"
#include "platform/Platform.h"
#include "platform/Surface.h"
#include "platform/SurfaceView.h"

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

Form1::Form1(Platform &platform, QWidget *parent)
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
    wireEvents();
    installShortcutsAndTips();
}

Form1::~Form1() = default;

void Form1::createImages()
{
    Image11 = std::make_unique<ImageBox>(this);
    Image11->setGeometry(7560, 6120, 240, 240);
    Image11->setPicture(canvasCursorImage());
    Image12 = std::make_unique<ImageBox>(this);
    Image12->setGeometry(7200, 5400, 975, 840);
    // At the screen's own resolution: the canvas shows it sharp until drawn on.
    Image12->setPicture(HelpPicture::render(m_platform.screen().devicePixelRatio));
}

void Form1::createSurfaces()
{
    // The text box only takes the typing for the text tool (the typed text shows
    // next to the anchor); created before the canvas, it lies under it and never
    // hides the drawing.
    Text1 = std::make_unique<TextBox>(this);
    Text1->setGeometry(1800, 2880, 6015, 1215);

    Picture1 = std::make_unique<Surface>();
    Picture1->setBackColor(kWhite);
    m_canvasView = new SurfaceView(*Picture1, this);  // owned by the window
    Picture1->setLeft(1560);
    Picture1->setTop(120);
    Picture1->setWidth(6855);
    Picture1->setHeight(4695);
    Picture1->setPicture(startupPicture());

    auto sheet = std::make_unique<Surface>();
    sheet->setBackColor(kWhite);
    // A sheet image is never shown: whatever is drawn on it must be stored.
    sheet->setAutoRedraw(true);
    sheet->setLeft(1320);
    sheet->setTop(3960);
    sheet->setWidth(855);
    sheet->setHeight(735);
    Picture2.push_back(std::move(sheet));

    Picture3 = std::make_unique<Surface>();
    Picture3->setBackColor(kWhite);
    m_stripView = new SurfaceView(*Picture3, this);  // owned by the window
    // Sized to the strip plus its one-pixel frame.
    const QImage strip = colourStrip();
    Picture3->setLeft(1200);
    Picture3->setTop(5040);
    Picture3->setWidth((strip.width() + 2 * Surface::kBorder) * kTwipsPerPixel);
    Picture3->setHeight((strip.height() + 2 * Surface::kBorder) * kTwipsPerPixel);
    Picture3->setPicture(strip);
}

void Form1::createPalette()
{
    struct Row {
        double top;
        ButtonArray *array;
        int left, right;
    };
    Command1.resize(20);
    Command2.resize(8);
    Command3.resize(4);
    const Row rows[] = {
        {120, &Command1, 0, 1},   {600, &Command1, 2, 4},   {1080, &Command1, 3, 7},
        {1560, &Command1, 8, 12}, {2040, &Command1, 10, 11}, {2520, &Command1, 13, 16},
        {3000, &Command1, 14, 18}, {3480, &Command1, 19, 17}, {3960, &Command1, 9, 15},
        {4560, &Command1, 5, 6},  {5040, &Command2, 0, 1},   {5520, &Command2, 2, 3},
        {6000, &Command2, 4, 5},  {6480, &Command2, 6, 7},   {7080, &Command3, 0, 1},
        {7560, &Command3, 2, 3},
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
        Command1[i]->setPicture(paletteIcon(i, ratio));
    for (int i = 0; i < 8; ++i)
        Command2[i]->setPicture(gridIcon(i));
    for (int i = 0; i < 4; ++i)
        Command3[i]->setPicture(reflectionIcon(i, ratio));
}

void Form1::createOptionButtons()
{
    Command4 = makeRow(this, 1, 6360, 1200, kOptionButton, nullptr);
    Command4[0]->setCaption(QStringLiteral("1"));
    Command4[0]->setVisible(true);
    Command5 = makeRow(this, 3, 6360, 1680, kOptionButton, polygonModeIcon);
    Command6 = makeRow(this, 6, 6360, 3840, kOptionButton, circleModeIcon);
    Command10 = makeRow(this, 6, 6360, 6120, kOptionButton, eraserIcon);
    Command7 = makeRow(this, 14, 6840, 1680, kOptionButton, penWidthIcon);
    for (auto &button : Command7)
        button->setFont(pointFont(QStringLiteral("Arial"), 8.25, true));
    Command8 = makeRow(this, 8, 7320, 1680, kOptionButton, fillPatternIcon);
    Command9 = makeRow(this, 2, 7800, 6840, kOptionButton, nullptr);
    Command9[0]->setCaption(QStringLiteral("N"));
    Command9[0]->setFont(pointFont(QStringLiteral("Times New Roman"), 12, true));
    Command9[1]->setCaption(QStringLiteral("K"));
    Command9[1]->setFont(pointFont(QStringLiteral("Times New Roman"), 12, false, true));
}

void Form1::createListsAndLabels()
{
    Label1 = std::make_unique<Label>(this);
    Label1->setGeometry(2880, 6120, 735, 255);
    Label1->setCaption(tr("Nº Lados"));
    Label1->setVisible(false);

    Label2 = std::make_unique<Label>(m_canvasView, SurfaceView::innerOrigin(), true);
    Label2->setGeometry(2280, 2040, 45, 195);
    Label2->setVisible(false);

    Combo1 = std::make_unique<ComboBox>(this);
    Combo1->setGeometry(3000, 6360, 615, 315);
    Combo1->setText(tr("Nº lados"));
    Combo1->setVisible(false);
    Combo2 = std::make_unique<ComboBox>(this);
    Combo2->setGeometry(4080, 7800, 735, 315);
    Combo2->setText(QStringLiteral("Combo2"));
    Combo2->setVisible(false);
    Combo3 = std::make_unique<ComboBox>(this, true);
    Combo3->setGeometry(4800, 7800, 1935, 315);
    Combo3->setText(QStringLiteral("Combo3"));
    Combo3->setVisible(false);
}

void Form1::wireEvents()
{
    const std::pair<ButtonArray *, void (Form1::*)(int)> arrays[] = {
        {&Command1, &Form1::Command1_Click}, {&Command2, &Form1::Command2_Click},
        {&Command3, &Form1::Command3_Click}, {&Command4, &Form1::Command4_Click},
        {&Command5, &Form1::Command5_Click}, {&Command6, &Form1::Command6_Click},
        {&Command7, &Form1::Command7_Click}, {&Command8, &Form1::Command8_Click},
        {&Command9, &Form1::Command9_Click}, {&Command10, &Form1::Command10_Click},
    };
    for (const auto &[array, handler] : arrays) {
        for (int i = 0; i < int(array->size()); ++i)
            (*array)[i]->onClick([this, handler = handler, i] { (this->*handler)(i); });
    }
    connect(m_canvasView, &SurfaceView::mousePressed, this, &Form1::Picture1_MouseDown);
    connect(m_canvasView, &SurfaceView::mouseMoved, this, &Form1::Picture1_MouseMove);
    connect(m_canvasView, &SurfaceView::mouseReleased, this, &Form1::Picture1_MouseUp);
    connect(m_canvasView, &SurfaceView::pointerLeft, this, &Form1::Picture1_MouseLeave);
    connect(m_stripView, &SurfaceView::mousePressed, this, &Form1::picture3_MouseDown);
    Text1->onChange([this] { Text1_Change(); });
    Combo2->onClick([this] { Combo2_Click(); });
    Combo3->onClick([this] { Combo3_Click(); });
}

} // namespace garabel
