// SPDX-License-Identifier: GPL-3.0-or-later
// Imports employee lists into the first company of a talvo.fys in a loop, the files given in turn, until
// it is killed. Prints "empieza N" before and "fin N" after each import of the N-th file (from 0), so
// that whoever kills it knows where it was.
#include "import/Importacion.h"
#include "records/Conexion.h"
#include "records/Empresa.h"
#include "records/Global.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    Conexion bd;
    if (!bd.Abrir(QString::fromLocal8Bit(argv[1])) || !CargarParametros(bd))
        return 3;
    auto empresa = QSharedPointer<Empresa>::create();
    if (!empresa->Leer(bd, bd.ValorEscalar(QStringLiteral("select min(id) from empresas")).toLongLong()))
        return 4;
    for (int vuelta = 0;; ++vuelta) {
        const int indice = vuelta % (argc - 2);
        const QString archivo = QString::fromLocal8Bit(argv[2 + indice]);
        std::printf("empieza %d\n", indice);
        std::fflush(stdout);
        if (!ImportarEmpleados(*empresa, bd, archivo)) {
            std::fprintf(stderr, "no se pudo importar %s: %s\n", qPrintable(archivo), qPrintable(bd.UltimoError()));
            return 5;
        }
        std::printf("fin %d\n", indice);
        std::fflush(stdout);
    }
}
