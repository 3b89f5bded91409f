// SPDX-License-Identifier: GPL-3.0-or-later
// One line of the fixed-width text import. What the reader does with it is worked out here on its own:
// a line that is not text (control characters, a lone CR, too long) is refused with a reason; a line of
// fewer than 84 characters is no record; otherwise the nine fields are exactly the characters at their
// positions. An employee converted from the record carries those fields and nothing else.
#include "ApoyoFuzz.h"
#include "ArchivoTemporal.h"
#include "LecturaFuente.h"
#include "import/FuenteTexto.h"
#include "import/LectorLineas.h"
#include "import/ReglasImportacion.h"
#include "liquidation/ArchivoDeclaracion.h"
#include "records/Empleado.h"
#include "records/Global.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

constexpr int Campos[FilaImportacion::Columnas][2]
    = {{1, 11}, {12, 40}, {52, 10}, {62, 9}, {71, 1}, {72, 1}, {73, 10}, {83, 1}, {84, 1}};

enum class Esperado { Rechazo, Fila, NadaLeido, Error };

/// What the reader must do with the file linea + "\n", worked out independently.
Esperado Prever(QByteArray linea, QList<uint>& caracteres)
{
    if (linea.startsWith("\xFF\xFE") || linea.startsWith("\xFE\xFF"))
        return Esperado::Rechazo; // UTF-16
    if (linea.startsWith("\xEF\xBB\xBF"))
        linea.remove(0, 3);
    if (linea.size() > LectorLineas::LargoMaximoLinea)
        return Esperado::Error;
    if (linea.endsWith('\r'))
        linea.chop(1);
    if (linea == "\x1A")
        return Esperado::NadaLeido; // the DOS end-of-file mark
    for (char c : linea)
        if ((uchar(c) < 0x20 && c != '\t') || uchar(c) == 0x7F)
            return Esperado::Error;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString texto = utf8.decode(linea);
    if (utf8.hasError())
        texto = DecodificarWindows1252(linea);
    caracteres = texto.normalized(QString::NormalizationForm_C).toUcs4();
    if (caracteres.size() < FuenteTexto::LargoRegistro)
        return Esperado::NadaLeido;
    const int tab = caracteres.indexOf(uint('\t'));
    return tab >= 0 && tab < FuenteTexto::LargoRegistro ? Esperado::Error : Esperado::Fila;
}

QString Campo(const QList<uint>& caracteres, int i)
{
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(caracteres.constData()) + Campos[i][0] - 1,
                             Campos[i][1]);
}

/// A one-character flag field: blank is 0.
int Bandera(const QString& campo)
{
    return campo.trimmed().isEmpty() ? 0 : campo.trimmed().toInt();
}

void ExigirEmpleado(const FilaImportacion& fila)
{
    Empleado e;
    QString motivo;
    if (ConvertirFila(fila, FuenteFilas::UnidadHaberes::Centesimos, false, e, motivo) != ConversionFila::Correcta)
        return;
    auto campo = [&](int i) { return fila.celdas[size_t(i)].texto; };
    QString cuil = campo(0);
    cuil.remove(QLatin1Char('-'));
    Exigir(QString(e.CUIL()).remove(QLatin1Char('-')) == cuil.simplified().remove(QLatin1Char(' ')),
           [&] { return QStringLiteral("CUIL %1 de [%2]").arg(e.CUIL(), campo(0)); });
    Exigir(e.Nombre() == campo(1).trimmed(),
           [&] { return QStringLiteral("nombre [%1] de [%2]").arg(e.Nombre(), campo(1)); });
    Exigir(e.FechaIngreso() == FechaDeTexto(campo(2)), [&] { return QStringLiteral("ingreso de [%1]").arg(campo(2)); });
    Exigir(Centavos(e.Haberes()) == campo(3).trimmed().toLongLong(),
           [&] { return QStringLiteral("haberes %1 de [%2]").arg(e.Haberes(), 0, 'f', 2).arg(campo(3)); });
    Exigir(e.Categoria() == Bandera(campo(4)), [&] { return QStringLiteral("categoría de [%1]").arg(campo(4)); });
    Exigir(e.Afiliado() == (Bandera(campo(5)) != 0), [&] { return QStringLiteral("afiliado de [%1]").arg(campo(5)); });
    Exigir(e.Licencia() == Bandera(campo(7)), [&] { return QStringLiteral("licencia de [%1]").arg(campo(7)); });
    Exigir(e.MediaJornada() == (Bandera(campo(8)) != 0),
           [&] { return QStringLiteral("media jornada de [%1]").arg(campo(8)); });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    QByteArray linea(reinterpret_cast<const char*>(datos), qsizetype(tamano));
    const qsizetype fin = linea.indexOf('\n');
    if (fin >= 0)
        linea.truncate(fin);
    QList<uint> caracteres;
    const Esperado esperado = Prever(linea, caracteres);

    const ArchivoTemporal archivo(QStringLiteral("lista.txt"), linea + '\n');
    FuenteTexto fuente;
    const LecturaFuente leida = LecturaFuente::Leer(fuente, archivo.Ruta());
    leida.ExigirCoherente(1, true, false);
    auto visto = [&](const char* que) {
        return QString::fromUtf8(que) + QStringLiteral(" (%1)").arg(leida.Describir());
    };
    switch (esperado) {
    case Esperado::Rechazo:
        Exigir(!leida.abierta, [&] { return visto("se abrió un archivo UTF-16"); });
        return 0;
    case Esperado::Error:
        Exigir(leida.abierta && leida.error && leida.filas.isEmpty(),
               [&] { return visto("no se rechazó la línea"); });
        return 0;
    case Esperado::NadaLeido:
        Exigir(leida.abierta && !leida.error && leida.filas.isEmpty() && !leida.terminada,
               [&] { return visto("una línea corta no es un registro"); });
        return 0;
    case Esperado::Fila:
        break;
    }
    Exigir(leida.abierta && !leida.error && leida.terminada && leida.filas.size() == 1,
           [&] { return visto("el registro no se leyó"); });
    const FilaImportacion& fila = leida.filas.first();
    Exigir(fila.numero == 1 && fila.problema.isEmpty(), [&] { return visto("número de línea"); });
    for (int i = 0; i < FilaImportacion::Columnas; ++i) {
        const CeldaImportacion& c = fila.celdas[size_t(i)];
        Exigir(c.tipo == CeldaImportacion::Tipo::Texto && c.texto == Campo(caracteres, i),
               [&] {
                   return QStringLiteral("campo %1: [%2] y no [%3]").arg(i + 1).arg(c.texto, Campo(caracteres, i));
               });
    }
    ExigirEmpleado(fila);
    return 0;
}
