// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

/// Runs the test class Prueba on one 800 × 600 offscreen screen, whatever the environment says: the
/// smallest screen every window must fit.
template <class Prueba>
int EjecutarEnPantallaChica(int argc, char** argv)
{
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("pantalla.json"));
    QFile configuracion(archivo);
    if (!configuracion.open(QIODevice::WriteOnly)
        || configuracion.write(R"({"screens": [{"name": "chica", "x": 0, "y": 0, "width": 800, "height": 600,
                                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
            <= 0)
        return 1;
    configuracion.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + archivo.toLocal8Bit());
    QApplication app(argc, argv);
    Prueba prueba;
    return QTest::qExec(&prueba, argc, argv);
}
