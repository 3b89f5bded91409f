// SPDX-License-Identifier: GPL-3.0-or-later
// Helper of the restore test: opens CARPETA/talvo.fys as start-up does, restores it from COPIA and
// kills itself (SIGKILL, as a crash or a power cut would stop the program) right after step N.
// Usage: ayudante_restauracion CARPETA COPIA N. Exit 0 when the restore ended before step N.
#include "records/Conexion.h"
#include "shell/Principal.h"
#include "shell/Restauracion.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argumentos = QCoreApplication::arguments();
    if (argumentos.size() != 4)
        return 2;
    const int corte = argumentos.at(3).toInt();
    Conexion bd;
    QString error;
    if (!AbrirBaseOperativa(argumentos.at(1), bd, &error)) {
        QTextStream(stderr) << error << '\n';
        return 3;
    }
    Restauracion restauracion(bd);
    restauracion.setAlAvanzar([corte](int paso) {
        if (paso == corte)
            std::raise(SIGKILL);
    });
    if (restauracion.Restaurar(argumentos.at(2)) != Restauracion::Resultado::Restaurada) {
        QTextStream(stderr) << restauracion.DescripcionError() << '\n';
        return 4;
    }
    return 0;
}
