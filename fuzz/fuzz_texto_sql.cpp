// SPDX-License-Identifier: GPL-3.0-or-later
// The SQL text helpers: any text, amount and date written into a statement by TextoSQL, ImporteSQL and
// FechaSQL is read back from SQLite unchanged (text exactly, amounts to the same cents, dates the same
// day), and no value can change the statement around it.
#include "ApoyoFuzz.h"
#include "records/Conexion.h"
#include "records/Consulta.h"
#include "records/Global.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cmath>

namespace {
Conexion* bd = nullptr;

QVariant Leer(const QString& valorSQL)
{
    Consulta c = bd->AbrirConsulta(QStringLiteral("select ") + valorSQL + QStringLiteral(" as v, 1 as fin"));
    Exigir(c.Valida(), QStringLiteral("sentencia rechazada: select %1 (%2)").arg(valorSQL, bd->UltimoError()));
    Exigir(!c.Fin() && c.Campo(1).toInt() == 1, QStringLiteral("el valor cambió la sentencia: %1").arg(valorSQL));
    return c.Campo(0);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("vacia.fys"));
    QFile vacia(archivo);
    vacia.open(QIODevice::WriteOnly);
    vacia.close();
    bd = new Conexion;
    if (!bd->Abrir(archivo))
        qFatal("No se pudo abrir la base de prueba: %s", qPrintable(bd->UltimoError()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    Entrada entrada(datos, tamano);
    const double importe = entrada.Doble();
    const int anio = int(entrada.Entero(2) % 10000);
    const int mes = int(entrada.Entero(1) % 14);
    const int dia = int(entrada.Entero(1) % 33);
    const QString texto = QString::fromUtf8(entrada.Resto());

    const QVariant leido = Leer(TextoSQL(texto));
    Exigir(leido.toString() == texto, QStringLiteral("texto cambiado: [%1] -> [%2]").arg(texto, leido.toString()));

    if (std::isfinite(importe)) {
        const QVariant monto = Leer(ImporteSQL(importe));
        Exigir(Centavos(monto.toDouble()) == Centavos(importe),
               QStringLiteral("importe %1 escrito %2 leído %3").arg(importe, 0, 'g', 17).arg(ImporteSQL(importe))
                   .arg(monto.toDouble(), 0, 'g', 17));
    }

    const QDate fecha(anio, mes, dia);
    const QVariant dato = Leer(FechaSQL(fecha));
    if (fecha.isValid())
        Exigir(FechaDeTexto(dato.toString()) == fecha,
               QStringLiteral("fecha %1 leída %2").arg(fecha.toString(Qt::ISODate), dato.toString()));
    else
        Exigir(dato.isNull(), QStringLiteral("una fecha inválida no se escribió como null: %1").arg(dato.toString()));
    return 0;
}
