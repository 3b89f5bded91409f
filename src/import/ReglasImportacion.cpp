// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReglasImportacion.h"

#include "records/Empleado.h"
#include "records/Global.h"

#include <QLocale>

#include <cmath>

namespace {

constexpr int LargoMaximoNombre = 40; // AYN is 40 characters, as the text record's name field
constexpr double Tolerancia = 1e-6; // a sheet's whole number may come back as 149999.99999999997

enum Columna { CUIL, Nombre, Ingreso, Haberes, Categoria, Afiliado, Baja, Licencia, Media };

/// How a cell is quoted in a message.
QString Mostrar(const CeldaImportacion& c)
{
    switch (c.tipo) {
    case CeldaImportacion::Tipo::Texto:
        return QStringLiteral("«%1»").arg(c.texto);
    case CeldaImportacion::Tipo::Numero:
        return QString::number(c.numero, 'g', 15);
    default:
        return QString();
    }
}

QString Campo(int columna)
{
    return TituloColumna(columna) + QStringLiteral(": ");
}

bool EsEntero(double v)
{
    return std::isfinite(v) && std::fabs(v - std::round(v)) < Tolerancia;
}

bool SoloDigitos(const QString& t)
{
    if (t.isEmpty())
        return false;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

/// A whole number between 0 and maximo: blank gives 0.
bool Entero(const CeldaImportacion& c, int maximo, int& valor)
{
    if (c.EnBlanco()) {
        valor = 0;
        return true;
    }
    if (c.tipo == CeldaImportacion::Tipo::Numero) {
        if (!EsEntero(c.numero) || c.numero < 0 || c.numero > maximo)
            return false;
        valor = int(std::lround(c.numero));
        return true;
    }
    const QString t = c.texto.trimmed();
    if (c.tipo != CeldaImportacion::Tipo::Texto || !SoloDigitos(t) || t.size() > 9)
        return false;
    valor = t.toInt();
    return valor <= maximo;
}

bool Fecha(const CeldaImportacion& c, bool base1904, QDate& fecha)
{
    if (c.tipo == CeldaImportacion::Tipo::Numero)
        fecha = FechaDeSerie(c.numero, base1904);
    else
        fecha = FechaDeTexto(c.texto);
    return fecha.isValid();
}

bool SinBaja(const CeldaImportacion& c)
{
    if (c.EnBlanco())
        return true;
    if (c.tipo == CeldaImportacion::Tipo::Numero)
        return c.numero == 0;
    return c.texto.trimmed() == QStringLiteral("00/00/0000");
}

bool Remuneracion(const CeldaImportacion& c, FuenteFilas::UnidadHaberes unidad, double& pesos)
{
    if (c.tipo == CeldaImportacion::Tipo::Numero) {
        if (!std::isfinite(c.numero) || c.numero < 0)
            return false;
        if (unidad == FuenteFilas::UnidadHaberes::Pesos) {
            pesos = c.numero;
            return true;
        }
        // Hundredths are whole: 1234.56 typed into a hundredths column is a mistake, not 12.3456 pesos.
        if (!EsEntero(c.numero))
            return false;
        pesos = std::round(c.numero) / 100.0;
        return true;
    }
    const QString t = c.texto.trimmed();
    if (unidad == FuenteFilas::UnidadHaberes::Pesos)
        return ImporteDePesos(t, pesos);
    if (!SoloDigitos(t) || t.size() > 15)
        return false;
    pesos = double(t.toLongLong()) / 100.0;
    return true;
}

QString TextoDeCelda(const CeldaImportacion& c)
{
    if (c.tipo == CeldaImportacion::Tipo::Numero)
        return QString::number(c.numero, 'g', 15);
    return c.tipo == CeldaImportacion::Tipo::Texto ? c.texto.trimmed() : QString();
}

} // namespace

QString TituloColumna(int columna)
{
    static const char* const titulos[FilaImportacion::Columnas]
        = {"CUIL",     "APELLIDO Y NOMBRE", "FECHA DE INGRESO", "HABERES C/APORTE", "CATEGORIA",
           "AFILIADO", "FECHA DE BAJA",     "LICENCIA",         "MEDIA JORNADA"};
    return columna >= 0 && columna < FilaImportacion::Columnas ? QString::fromLatin1(titulos[columna]) : QString();
}

QString CuilDeCelda(const CeldaImportacion& celda)
{
    QString digitos;
    if (celda.tipo == CeldaImportacion::Tipo::Numero) {
        // A CUIL typed as a number loses its leading zeros; the mask puts them back.
        if (!EsEntero(celda.numero) || celda.numero <= 0 || celda.numero >= 1e11)
            return QString();
        digitos = QStringLiteral("%1").arg(qint64(std::llround(celda.numero)), 11, 10, QLatin1Char('0'));
    } else if (celda.tipo == CeldaImportacion::Tipo::Texto) {
        for (QChar c : celda.texto) {
            if (c == QLatin1Char('-') || c.isSpace())
                continue;
            digitos += c;
        }
        if (digitos.size() != 11 || !SoloDigitos(digitos))
            return QString();
    } else {
        return QString();
    }
    return digitos.left(2) + QLatin1Char('-') + digitos.mid(2, 8) + QLatin1Char('-') + digitos.right(1);
}

QDate FechaDeSerie(double serie, bool base1904)
{
    if (!std::isfinite(serie) || serie < 1 || serie >= 2958466)
        return QDate();
    const QDate base = base1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    return base.addDays(qint64(std::floor(serie)));
}

bool ImporteDePesos(const QString& texto, double& pesos)
{
    QString t;
    for (QChar c : texto)
        if (!c.isSpace() && c != QLatin1Char('$'))
            t += c;
    if (t.isEmpty())
        return false;
    const int puntos = t.count(QLatin1Char('.'));
    const int comas = t.count(QLatin1Char(','));
    QChar decimal;
    if (puntos && comas)
        decimal
            = t.lastIndexOf(QLatin1Char('.')) > t.lastIndexOf(QLatin1Char(',')) ? QLatin1Char('.') : QLatin1Char(',');
    else if (puntos == 1)
        decimal = QLatin1Char('.');
    else if (comas == 1)
        decimal = QLatin1Char(',');
    const QChar miles = decimal == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    QString entera = t, fraccion;
    if (!decimal.isNull()) {
        const int i = t.lastIndexOf(decimal);
        entera = t.left(i);
        fraccion = t.mid(i + 1);
        if (!SoloDigitos(fraccion))
            return false;
    }
    if (entera.contains(miles)) {
        // Thousands come in groups of three: "1.234.567", never "12.34".
        const QStringList grupos = entera.split(miles);
        for (int i = 0; i < grupos.size(); ++i)
            if (!SoloDigitos(grupos[i]) || (i > 0 && grupos[i].size() != 3) || (i == 0 && grupos[i].size() > 3))
                return false;
        entera.remove(miles);
    }
    if (!SoloDigitos(entera) || entera.size() > 15)
        return false;
    bool ok = false;
    const double valor
        = (entera + QLatin1Char('.') + (fraccion.isEmpty() ? QStringLiteral("0") : fraccion)).toDouble(&ok);
    if (!ok || !std::isfinite(valor))
        return false;
    pesos = valor;
    return true;
}

ConversionFila ConvertirFila(const FilaImportacion& fila, FuenteFilas::UnidadHaberes unidad, bool base1904, Empleado& e,
                             QString& motivo)
{
    if (!fila.problema.isEmpty()) {
        motivo = fila.problema;
        return ConversionFila::Error;
    }
    // A cell the source could not read stops the import whatever column it is in.
    for (int i = 0; i < FilaImportacion::Columnas; ++i) {
        const CeldaImportacion& c = fila.celdas[size_t(i)];
        if (c.tipo == CeldaImportacion::Tipo::Ilegible) {
            motivo = Campo(i) + c.texto;
            return ConversionFila::Error;
        }
    }
    auto celda = [&](int i) -> const CeldaImportacion& { return fila.celdas[size_t(i)]; };

    e.setNombre(TextoDeCelda(celda(Nombre)));
    const QString cuil = CuilDeCelda(celda(CUIL));
    if (cuil.isEmpty() || !CuitValido(cuil))
        return ConversionFila::CuilIncorrecto;
    e.setCUIL(cuil);
    if (e.Nombre().size() > LargoMaximoNombre) {
        motivo = Campo(Nombre)
            + QStringLiteral("«%1» tiene %2 caracteres; el máximo es %3.")
                  .arg(e.Nombre())
                  .arg(e.Nombre().size())
                  .arg(LargoMaximoNombre);
        return ConversionFila::Error;
    }

    QDate fecha;
    if (celda(Ingreso).EnBlanco()) {
        motivo = Campo(Ingreso) + QStringLiteral("falta la fecha (DD/MM/AAAA).");
        return ConversionFila::Error;
    }
    if (!Fecha(celda(Ingreso), base1904, fecha)) {
        motivo = Campo(Ingreso) + Mostrar(celda(Ingreso)) + QStringLiteral(" no es una fecha válida (DD/MM/AAAA).");
        return ConversionFila::Error;
    }
    e.setFechaIngreso(fecha);

    double pesos = 0;
    if (celda(Haberes).EnBlanco()) {
        motivo = Campo(Haberes) + QStringLiteral("falta el importe.");
        return ConversionFila::Error;
    }
    if (!Remuneracion(celda(Haberes), unidad, pesos)) {
        motivo = Campo(Haberes) + Mostrar(celda(Haberes))
            + (unidad == FuenteFilas::UnidadHaberes::Centesimos
                   ? QStringLiteral(" no es un importe en centavos (solo dígitos: 000150000 es 1500,00).")
                   : QStringLiteral(" no es un importe en pesos (por ejemplo 1500,00)."));
        return ConversionFila::Error;
    }
    e.setHaberes(pesos);

    int numero = 0;
    if (!Entero(celda(Categoria), 999, numero)) {
        motivo = Campo(Categoria) + Mostrar(celda(Categoria)) + QStringLiteral(" no es un código de categoría.");
        return ConversionFila::Error;
    }
    e.setCategoria(numero);
    if (!Entero(celda(Afiliado), 9, numero)) {
        motivo = Campo(Afiliado) + Mostrar(celda(Afiliado)) + QStringLiteral(" no es 0 (no) ni 1 (sí).");
        return ConversionFila::Error;
    }
    e.setAfiliado(numero != 0);

    if (SinBaja(celda(Baja))) {
        e.setFechaBaja(FechaSinBaja());
    } else if (Fecha(celda(Baja), base1904, fecha)) {
        e.setFechaBaja(fecha);
    } else {
        motivo = Campo(Baja) + Mostrar(celda(Baja))
            + QStringLiteral(" no es una fecha válida (DD/MM/AAAA, o 00/00/0000 si no hay baja).");
        return ConversionFila::Error;
    }

    if (!Entero(celda(Licencia), Empleado::CantidadLicencias - 1, numero)) {
        motivo = Campo(Licencia) + Mostrar(celda(Licencia))
            + QStringLiteral(" no es un código de licencia (0 a %1).").arg(Empleado::CantidadLicencias - 1);
        return ConversionFila::Error;
    }
    e.setLicencia(numero);
    if (!Entero(celda(Media), 9, numero)) {
        motivo = Campo(Media) + Mostrar(celda(Media)) + QStringLiteral(" no es 0 (no) ni 1 (sí).");
        return ConversionFila::Error;
    }
    e.setMediaJornada(numero != 0);
    return ConversionFila::Correcta;
}
