#include "window/HelpPicture.h"

#include "window/ButtonPictures.h"
#include "window/Control.h"
#include "window/PictureButton.h"
#include "window/ToolKeys.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace garabel {

namespace {
using Group = HelpPicture::Group;

// The window's palette, at its own scale: 495-twip buttons whose columns and
// rows lie 480 twips apart, so neighbours share their edge pixel.
constexpr int kButtonSide = 495 / kTwipsPerPixel;
constexpr int kPitch = 480 / kTwipsPerPixel;
constexpr int kFirstRowTwips = 120;
constexpr int kFirstRowY = 3;
constexpr int kMargin = 4;
constexpr int kCaptionGap = 6;
constexpr int kLargestCaption = 13;  // pixels; smaller when the captions do not fit
constexpr int kSmallestCaption = 7;

// One row of the two columns, as the window places it. The grid rows carry no
// captions of their own: their two lines stand beside the whole grid block.
struct Row {
    int topTwips;
    Group group;
    int left, right;
    const char *leftCaption, *rightCaption;
};

constexpr Row kRows[] = {
    {120, Group::Palette, 0, 1, QT_TRANSLATE_NOOP("HelpPicture", "Recuperar un dibujo"),
     QT_TRANSLATE_NOOP("HelpPicture", "Guarda el dibujo")},
    {600, Group::Palette, 2, 4, QT_TRANSLATE_NOOP("HelpPicture", "Dibuja una línea recta"),
     QT_TRANSLATE_NOOP("HelpPicture", "Dibuja una línea manteniendo")},
    {1080, Group::Palette, 3, 7, QT_TRANSLATE_NOOP("HelpPicture", "Línea formada por círculos"),
     QT_TRANSLATE_NOOP("HelpPicture", "Selección del grosor de la línea")},
    {1560, Group::Palette, 8, 12, QT_TRANSLATE_NOOP("HelpPicture", "Circunferencia, elipse, arco"),
     QT_TRANSLATE_NOOP("HelpPicture", "Dibuja un polígono")},
    {2040, Group::Palette, 10, 11, QT_TRANSLATE_NOOP("HelpPicture", "Dibujo de un rectángulo"),
     QT_TRANSLATE_NOOP("HelpPicture", "Relleno de color")},
    {2520, Group::Palette, 13, 16, QT_TRANSLATE_NOOP("HelpPicture", "Deshacer ( 7 niveles ); Ctrl+Y rehace"),
     QT_TRANSLATE_NOOP("HelpPicture", "Escribe texto")},
    {3000, Group::Palette, 14, 18, QT_TRANSLATE_NOOP("HelpPicture", "Borra el dibujo"),
     QT_TRANSLATE_NOOP("HelpPicture", "Goma de borrar")},
    {3480, Group::Palette, 19, 17, QT_TRANSLATE_NOOP("HelpPicture", "Ayuda"),
     QT_TRANSLATE_NOOP("HelpPicture", "Selección de color")},
    {3960, Group::Palette, 9, 15, QT_TRANSLATE_NOOP("HelpPicture", "Imprime el dibujo"),
     QT_TRANSLATE_NOOP("HelpPicture", "Salir del programa")},
    {4560, Group::Palette, 5, 6, QT_TRANSLATE_NOOP("HelpPicture", "El cursor se mueve por los puntos de rejilla"),
     QT_TRANSLATE_NOOP("HelpPicture", "El cursor se mueve libremente")},
    {5040, Group::Grid, 0, 1, nullptr, nullptr},
    {5520, Group::Grid, 2, 3, nullptr, nullptr},
    {6000, Group::Grid, 4, 5, nullptr, nullptr},
    {6480, Group::Grid, 6, 7, nullptr, nullptr},
    {7080, Group::Reflection, 0, 1, QT_TRANSLATE_NOOP("HelpPicture", "Anula las tres simetrías"),
     QT_TRANSLATE_NOOP("HelpPicture", "Dibuja simetría horizontal")},
    {7560, Group::Reflection, 2, 3, QT_TRANSLATE_NOOP("HelpPicture", "Simetría vertical"),
     QT_TRANSLATE_NOOP("HelpPicture", "Dibuja simetría horizontal+vertical")},
};

constexpr const char *kGridLines[] = {
    QT_TRANSLATE_NOOP("HelpPicture", "Diferentes tipos de rejilla"),
    QT_TRANSLATE_NOOP("HelpPicture", "El ratón se mueve por los puntos de la rejilla"),
};

QString translated(const char *text)
{
    return QCoreApplication::translate("HelpPicture", text);
}

int rowY(const Row &row)
{
    return kFirstRowY + (row.topTwips - kFirstRowTwips) / kTwipsPerPixel;
}

QFont captionFont(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}

QImage icon(Group group, int index, double ratio)
{
    switch (group) {
    case Group::Palette: return paletteIcon(index, ratio);
    case Group::Grid: return gridIcon(index);
    case Group::Reflection: return reflectionIcon(index, ratio);
    }
    return {};
}

// The caption font and the left edge of the left button column: the largest
// type with which the widest captions on both sides fit the page, the columns
// placed so that the room left over is shared evenly.
struct PageLayout {
    QFont font;
    int leftColumn;
};

PageLayout pageLayout()
{
    const int room = HelpPicture::kWidth - 2 * kMargin - 2 * kCaptionGap - (kPitch + kButtonSide);
    for (int pixels = kLargestCaption;; --pixels) {
        const QFont font = captionFont(pixels);
        const QFontMetrics metrics(font);
        int leftWidest = 0, rightWidest = 0;
        for (const char *line : kGridLines)
            leftWidest = rightWidest = std::max(leftWidest, metrics.horizontalAdvance(translated(line)));
        for (const Row &row : kRows) {
            if (row.leftCaption)
                leftWidest = std::max(leftWidest, metrics.horizontalAdvance(translated(row.leftCaption)));
            if (row.rightCaption)
                rightWidest = std::max(rightWidest, metrics.horizontalAdvance(translated(row.rightCaption)));
        }
        const int spare = room - leftWidest - rightWidest;
        if (spare >= 0 || pixels == kSmallestCaption)
            return {font, kMargin + leftWidest + kCaptionGap + std::max(spare, 0) / 2};
    }
}

QRect buttonAt(const PageLayout &layout, const Row &row, bool right)
{
    return QRect(layout.leftColumn + (right ? kPitch : 0), rowY(row), kButtonSide, kButtonSide);
}

// The bands beside the two columns, for a band of rows from `top` to `bottom` (pixels).
QRect leftBand(const PageLayout &layout, int top, int bottom)
{
    return QRect(QPoint(kMargin, top), QPoint(layout.leftColumn - kCaptionGap - 1, bottom));
}

QRect rightBand(const PageLayout &layout, int top, int bottom)
{
    const int left = layout.leftColumn + kPitch + kButtonSide + kCaptionGap;
    return QRect(QPoint(left, top), QPoint(HelpPicture::kWidth - kMargin - 1, bottom));
}

// A button's caption, with its tool's key letter marked to be underlined: the
// first one that starts a word, else the first one.
QString captionWithKey(const Row &row, bool right)
{
    QString text = translated(right ? row.rightCaption : row.leftCaption);
    text.replace(u'&', QStringLiteral("&&"));
    const char letter = row.group == Group::Palette ? toolKey(PaletteButton(right ? row.right : row.left)) : 0;
    qsizetype at = -1;
    for (qsizetype i = 0; letter && i < text.size(); ++i) {
        if (text[i].toUpper() != QChar(letter))
            continue;
        if (at < 0)
            at = i;
        if (i == 0 || !text[i - 1].isLetter()) {
            at = i;
            break;
        }
    }
    return at < 0 ? text : text.insert(at, u'&');
}

void drawCaptions(QPainter &painter, const PageLayout &layout)
{
    painter.setFont(layout.font);
    painter.setPen(Qt::black);
    int gridTop = HelpPicture::kHeight, gridBottom = 0;
    for (const Row &row : kRows) {
        const int top = rowY(row), bottom = top + kButtonSide - 1;
        if (row.group == Group::Grid) {
            gridTop = std::min(gridTop, top);
            gridBottom = std::max(gridBottom, bottom);
            continue;
        }
        painter.drawText(leftBand(layout, top, bottom), Qt::AlignRight | Qt::AlignVCenter | Qt::TextShowMnemonic,
                         captionWithKey(row, false));
        painter.drawText(rightBand(layout, top, bottom), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                         captionWithKey(row, true));
    }
    const QString lines = translated(kGridLines[0]) + u'\n' + translated(kGridLines[1]);
    painter.drawText(leftBand(layout, gridTop, gridBottom), Qt::AlignRight | Qt::AlignVCenter, lines);
    painter.drawText(rightBand(layout, gridTop, gridBottom), Qt::AlignLeft | Qt::AlignVCenter, lines);
}

const Row *rowOf(Group group, int index, bool *right)
{
    for (const Row &row : kRows) {
        if (row.group == group && (row.left == index || row.right == index)) {
            *right = row.right == index;
            return &row;
        }
    }
    return nullptr;
}
} // namespace

QString HelpPicture::caption(Group group, int index)
{
    if (group == Group::Grid)
        return {};
    bool right = false;
    const Row *row = rowOf(group, index, &right);
    return row ? translated(right ? row->rightCaption : row->leftCaption) : QString();
}

QStringList HelpPicture::text(const std::function<QString(Group, int)> &name)
{
    QStringList lines;
    Group before = Group::Palette;
    for (const Row &row : kRows) {
        if (before == Group::Grid && row.group != Group::Grid) {
            for (const char *line : kGridLines)
                lines << translated(line);
        }
        lines << name(row.group, row.left) << name(row.group, row.right);
        before = row.group;
    }
    return lines;
}

QRect HelpPicture::buttonRect(Group group, int index)
{
    bool right = false;
    const Row *row = rowOf(group, index, &right);
    return row ? buttonAt(pageLayout(), *row, right) : QRect();
}

QImage HelpPicture::render(double ratio)
{
    QImage page(QSize(kWidth, kHeight) * ratio, QImage::Format_RGB32);
    page.setDevicePixelRatio(ratio);
    page.fill(Qt::white);
    const PageLayout layout = pageLayout();
    QPainter painter(&page);

    // The buttons are painted by the window's own button, so the page shows
    // them exactly as the palette does.
    PictureButton face;
    face.resize(kButtonSide, kButtonSide);
    for (const Row &row : kRows) {
        for (const bool right : {false, true}) {
            face.setPicture(icon(row.group, right ? row.right : row.left, ratio));
            face.render(&painter, buttonAt(layout, row, right).topLeft());
        }
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawCaptions(painter, layout);
    return page;
}

} // namespace garabel
