#include "desktop/CommandLine.h"

#include "files/FileNames.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace garabel {

namespace {

QString helpText()
{
    return QCoreApplication::translate(
        "CommandLine",
        "Uso: garabel [IMAGEN]\n"
        "     garabel --help | --version\n"
        "\n"
        "Garabel es un programa de dibujo de figuras geométricas sobre una rejilla.\n"
        "Se maneja desde su ventana: la orden «garabel» la abre. Con una IMAGEN\n"
        "(BMP, JPEG, GIF o PNG) la abre en la hoja 1.\n"
        "\n"
        "  --help     muestra esta ayuda y termina\n"
        "  --version  muestra la versión y termina\n"
        "\n"
        "Cualquier otro argumento se ignora, con un aviso.\n");
}

void print(const QString &text, std::FILE *stream = stdout)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

bool answerCommandLine(int argc, const char *const *argv, const char *version)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            print(helpText());
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            print(QStringLiteral("garabel %1\n").arg(QString::fromUtf8(version)));
            return true;
        }
    }
    return false;
}

QString pictureArgument(int argc, const char *const *argv)
{
    QString picture;
    QStringList ignored;
    for (int i = 1; i < argc; ++i) {
        const QString argument = decodedFileName(argv[i]);
        if (picture.isEmpty() && !argument.isEmpty() && !argument.startsWith(u'-'))
            picture = argument;
        else
            ignored << argument;
    }
    if (!ignored.isEmpty())
        print(QCoreApplication::translate("CommandLine", "garabel: se ignoran estos argumentos: %1\n")
                  .arg(ignored.join(u' ')),
              stderr);
    return picture;
}

} // namespace garabel
