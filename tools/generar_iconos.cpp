// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: draws the program's icon in each size the desktop asks for, from the same emblem the
// main window and the printed slip show, so that the icon always matches them.
#include "printing/Emblema.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    // No display is needed to draw into an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "uso: generar_iconos CARPETA NOMBRE [TAMAÑO...]\n");
        return 2;
    }
    const QString carpeta = QString::fromLocal8Bit(argv[1]);
    const QString nombre = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int lado = QByteArray(argv[i]).toInt();
        const QString destino = QStringLiteral("%1/%2x%2/apps").arg(carpeta).arg(lado);
        if (lado <= 0 || !QDir().mkpath(destino)
            || !ImagenEmblema(lado).save(QStringLiteral("%1/%2.png").arg(destino, nombre), "PNG")) {
            std::fprintf(stderr, "No se pudo escribir el ícono de %d píxeles en %s\n", lado, qPrintable(destino));
            return 1;
        }
    }
    return 0;
}
