// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes handed to the Excel 97-2003 reader as a .xls file: it refuses with a reason or reads rows
// 2, 3, 4... in order, each text no longer than the file itself, and two readings of one file agree
// (a read past a buffer or of memory never written would make them differ).
#include "ApoyoFuzz.h"
#include "ArchivoTemporal.h"
#include "LecturaFuente.h"
#include "import/FuenteXls.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    const ArchivoTemporal archivo(QStringLiteral("lista.xls"),
                                  QByteArray(reinterpret_cast<const char*>(datos), qsizetype(tamano)));
    FuenteXls primera;
    const LecturaFuente leida = LecturaFuente::Leer(primera, archivo.Ruta());
    leida.ExigirCoherente(2, true);
    int numero = 2;
    for (const FilaImportacion& fila : leida.filas) {
        Exigir(fila.numero == numero++, [&] { return QStringLiteral("se saltó a la fila %1").arg(fila.numero); });
        for (const CeldaImportacion& c : fila.celdas)
            Exigir(c.tipo != CeldaImportacion::Tipo::Texto || c.texto.size() <= qsizetype(tamano),
                   [&] { return QStringLiteral("fila %1: un texto más largo que el archivo").arg(fila.numero); });
    }
    FuenteXls segunda;
    const LecturaFuente otra = LecturaFuente::Leer(segunda, archivo.Ruta());
    Exigir(otra == leida, [&] {
        return QStringLiteral("dos lecturas distintas:\n%1\n--\n%2").arg(leida.Describir(), otra.Describir());
    });
    return 0;
}
