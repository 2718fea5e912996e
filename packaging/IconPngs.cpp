// Draws the program's SVG icon at the sizes of the desktop's icon theme, so the
// PNG icons never drift from the SVG one:
//   garabel_icon_pngs <icon.svg> <theme folder> <name> <side>...
// writes <theme folder>/<side>x<side>/apps/<name>.png for every side.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::fputs("uso: garabel_icon_pngs <icono.svg> <carpeta> <nombre> <lado>...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "garabel_icon_pngs: no se puede leer %s\n", argv[1]);
        return 1;
    }
    const QDir theme(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int side = QByteArray(argv[i]).toInt();
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
        }
        const QString path = theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (side <= 0 || !theme.mkpath(folder) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "garabel_icon_pngs: no se puede escribir el icono de %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
