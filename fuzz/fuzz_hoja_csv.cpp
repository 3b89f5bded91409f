// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV reader two ways. Any bytes (not starting with a NUL) are handed over as a .csv file: it is
// refused with a reason or read, every field holding only what the file holds at that place (quotes
// aside: they only group) and two readings agreeing. Input starting with a NUL draws a sheet instead,
// written as spreadsheets save CSV (either separator, quoted fields with separators, quotes and line
// breaks, CR LF or LF, with or without a byte-order mark) and read back: exactly the written fields.
#include "ApoyoFuzz.h"
#include "ArchivoTemporal.h"
#include "LecturaFuente.h"
#include "TablaGenerada.h"
#include "import/FuenteCsv.h"
#include "liquidation/ArchivoDeclaracion.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

LecturaFuente Leer(const ArchivoTemporal& archivo)
{
    FuenteCsv fuente;
    return LecturaFuente::Leer(fuente, archivo.Ruta());
}

ArchivoTemporal Lista(const QByteArray& bytes)
{
    return ArchivoTemporal(QStringLiteral("lista.csv"), bytes);
}

QString Campo(const CeldaImportacion& c, QChar separador, bool citar)
{
    if (c.tipo == CeldaImportacion::Tipo::Vacia)
        return QString();
    const QString t = c.tipo == CeldaImportacion::Tipo::Numero ? QString::number(c.numero, 'g', 17) : c.texto;
    if (!citar && !t.contains(separador) && !t.contains(QLatin1Char('"')) && !t.contains(QLatin1Char('\n')))
        return t;
    return QLatin1Char('"') + QString(t).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

void IdaYVuelta(Entrada& e)
{
    const TablaGenerada tabla(e, false);
    const quint64 opciones = e.Entero(1);
    const QChar separador = opciones & 1 ? QLatin1Char(',') : QLatin1Char(';');
    const QString fin = opciones & 2 ? QStringLiteral("\r\n") : QStringLiteral("\n");
    const bool centavos = opciones & 4;
    QStringList titulos = tabla.Titulos();
    if (centavos)
        titulos[3] += QStringLiteral(" (CENTAVOS)");
    QString texto = titulos.join(separador) + fin;
    for (const TablaGenerada::Fila& f : tabla.Filas()) {
        QStringList campos;
        for (const CeldaImportacion& c : f.celdas)
            campos << Campo(c, separador, e.Entero(1) % 4 == 0);
        texto += campos.join(separador) + fin;
    }
    const QByteArray bytes = (opciones & 8 ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + texto.toUtf8();
    const LecturaFuente leida = Leer(Lista(bytes));
    leida.ExigirFilas(tabla.Esperadas([](const CeldaImportacion& c) {
        return c.tipo == CeldaImportacion::Tipo::Numero ? CeldaImportacion::DeTexto(QString::number(c.numero, 'g', 17))
                                                         : c;
    }));
    leida.ExigirCoherente(2, true);
    Exigir(leida.unidad
               == (centavos ? FuenteFilas::UnidadHaberes::Centesimos : FuenteFilas::UnidadHaberes::Pesos),
           QStringLiteral("unidad de los haberes"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    if (tamano > 0 && datos[0] == 0) {
        Entrada e(datos + 1, tamano - 1);
        IdaYVuelta(e);
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(datos), qsizetype(tamano));
    const ArchivoTemporal archivo = Lista(bytes);
    const LecturaFuente leida = Leer(archivo);
    leida.ExigirCoherente(2, true);
    // Quotes only group: without them, a field is a piece of the file (lines joined by LF).
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    auto sinComillas = [](QString t) {
        return t.remove(QLatin1Char('"')).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    };
    const QString comoUtf8 = sinComillas(utf8.decode(bytes));
    const QString como1252 = sinComillas(DecodificarWindows1252(bytes));
    for (const FilaImportacion& fila : leida.filas)
        for (const CeldaImportacion& c : fila.celdas) {
            const QString t = sinComillas(c.texto);
            Exigir(c.tipo != CeldaImportacion::Tipo::Numero && (comoUtf8.contains(t) || como1252.contains(t)),
                   [&] {
                       return QStringLiteral("fila %1: el campo [%2] no está en el archivo")
                           .arg(fila.numero)
                           .arg(c.texto);
                   });
        }
    const LecturaFuente otra = Leer(archivo);
    Exigir(otra == leida, [&] {
        return QStringLiteral("dos lecturas distintas:\n%1\n--\n%2").arg(leida.Describir(), otra.Describir());
    });
    return 0;
}
