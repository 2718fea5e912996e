#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <cstring>

namespace garabel {

namespace {

QString helpText()
{
    return QCoreApplication::translate(
        "CommandLine",
        "Uso: garabel [--help | --version]\n"
        "\n"
        "Garabel es un programa de dibujo de figuras geométricas sobre una rejilla.\n"
        "Se maneja desde su ventana: la orden «garabel» sin argumentos la abre.\n"
        "\n"
        "  --help     muestra esta ayuda y termina\n"
        "  --version  muestra la versión y termina\n"
        "\n"
        "Cualquier otro argumento se ignora.\n");
}

void print(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
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

} // namespace garabel
