// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the main window (first start writes the template; a later one opens the file) and
// the postal-code lookup of the company screen. Targets: each start < 0.5 s, lookup < 1 ms.
#include "records/Conexion.h"
#include "records/Consulta.h"
#include "records/Global.h"
#include "shell/DialogosQt.h"
#include "shell/Principal.h"
#include "shell/frmPadre.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
double Arrancar(const QString& carpeta)
{
    QElapsedTimer reloj;
    reloj.start();
    Conexion bd;
    QString error;
    if (!AbrirBaseOperativa(carpeta, bd, &error)) {
        QTextStream(stderr) << error << "\n";
        return -1;
    }
    BaseDatos = &bd;
    double segundos = 0;
    {
        DialogosQt dialogos;
        frmPadre principal(dialogos);
        principal.show();
        QApplication::processEvents();
        segundos = reloj.nsecsElapsed() / 1e9;
    }
    BaseDatos = nullptr;
    return segundos;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream salida(stdout);
    QTemporaryDir carpeta;

    const double primero = Arrancar(carpeta.path());
    double despues = 0;
    const int veces = 5;
    for (int i = 0; i < veces; ++i)
        despues += Arrancar(carpeta.path());
    despues /= veces;
    salida << QStringLiteral("Primer arranque (escribe la plantilla): %1 s (meta < 0.5 s)\n").arg(primero, 0, 'f', 3);
    salida << QStringLiteral("Arranque posterior (promedio de %1): %2 s (meta < 0.5 s)\n").arg(veces).arg(despues, 0, 'f', 3);

    Conexion bd;
    QString error;
    AbrirBaseOperativa(carpeta.path(), bd, &error);
    const QStringList codigos{"1602", "2000", "5000", "8300", "9410", "3636", "1000", "4400"};
    const int consultas = 2000;
    int filas = 0;
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; i < consultas; ++i) {
        Consulta c = bd.AbrirConsulta(QStringLiteral("select localidad, idprovincia from localidades where codigo = ")
                                      + TextoSQL(codigos.at(i % codigos.size())));
        for (; !c.Fin(); c.Siguiente())
            ++filas;
    }
    const double porConsulta = reloj.nsecsElapsed() / 1e6 / consultas;
    salida << QStringLiteral("Búsqueda por código postal: %1 ms por consulta, %2 localidades leídas (meta < 1 ms)\n")
                  .arg(porConsulta, 0, 'f', 3)
                  .arg(filas / consultas);
    const bool ok = primero >= 0 && primero < 0.5 && despues < 0.5 && porConsulta < 1.0;
    salida << (ok ? "OK\n" : "FUERA DE META\n");
    return ok ? 0 : 1;
}
