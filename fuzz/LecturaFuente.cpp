// SPDX-License-Identifier: GPL-3.0-or-later
#include "LecturaFuente.h"

#include "ApoyoFuzz.h"
#include "import/ReglasImportacion.h"
#include "records/Empleado.h"
#include "records/Global.h"

#include <cmath>

namespace {

void ExigirConversion(const FilaImportacion& fila, FuenteFilas::UnidadHaberes unidad, bool base1904)
{
    Empleado e;
    QString motivo;
    const ConversionFila c = ConvertirFila(fila, unidad, base1904, e, motivo);
    const auto donde = [&] { return QStringLiteral("fila %1: ").arg(fila.numero); };
    if (c == ConversionFila::Error) {
        Exigir(!motivo.isEmpty(), [&] { return donde() + QStringLiteral("la conversión falla sin motivo"); });
        return;
    }
    if (c == ConversionFila::CuilIncorrecto)
        return;
    Exigir(fila.problema.isEmpty(),
           [&] { return donde() + QStringLiteral("se convirtió una fila con problema: ") + fila.problema; });
    Exigir(CuitValido(e.CUIL()) && e.CUIL().size() == 13,
           [&] { return donde() + QStringLiteral("CUIL aceptado: ") + e.CUIL(); });
    Exigir(e.Nombre().size() <= 40 && e.Nombre() == e.Nombre().trimmed(),
           [&] { return donde() + QStringLiteral("nombre aceptado: [%1]").arg(e.Nombre()); });
    Exigir(e.FechaIngreso().isValid() && e.FechaBaja().isValid(),
           [&] { return donde() + QStringLiteral("fecha inválida aceptada"); });
    Exigir(std::isfinite(e.Haberes()) && e.Haberes() >= 0 && Centavos(e.Haberes()) >= 0,
           [&] { return donde() + QStringLiteral("haberes aceptados: %1").arg(e.Haberes(), 0, 'g', 17); });
    Exigir(e.Categoria() >= 0 && e.Categoria() <= 999,
           [&] { return donde() + QStringLiteral("categoría %1").arg(e.Categoria()); });
    Exigir(e.Licencia() >= 0 && e.Licencia() < Empleado::CantidadLicencias,
           [&] { return donde() + QStringLiteral("licencia %1").arg(e.Licencia()); });
}

} // namespace

bool LecturaFuente::MismaCelda(const CeldaImportacion& a, const CeldaImportacion& b)
{
    if (a.tipo != b.tipo || a.texto != b.texto)
        return false;
    return a.numero == b.numero || (std::isnan(a.numero) && std::isnan(b.numero));
}

QString LecturaFuente::DescribirCelda(const CeldaImportacion& c)
{
    switch (c.tipo) {
    case CeldaImportacion::Tipo::Vacia:
        return QStringLiteral("·");
    case CeldaImportacion::Tipo::Texto:
        return QStringLiteral("T[%1]").arg(c.texto);
    case CeldaImportacion::Tipo::Numero:
        return QStringLiteral("N[%1]").arg(c.numero, 0, 'g', 17);
    case CeldaImportacion::Tipo::Ilegible:
        return QStringLiteral("I[%1]").arg(c.texto);
    }
    return QString();
}

LecturaFuente LecturaFuente::Leer(FuenteFilas& fuente, const QString& archivo, int maximoFilas)
{
    LecturaFuente l;
    l.abierta = fuente.Abrir(archivo, l.motivoApertura);
    if (!l.abierta)
        return l;
    l.unidad = fuente.Haberes();
    l.base1904 = fuente.Fechas1904();
    while (l.filas.size() < maximoFilas) {
        FilaImportacion fila;
        QString motivo;
        const FuenteFilas::Resultado r = fuente.Siguiente(fila, motivo);
        if (r == FuenteFilas::Resultado::Fin)
            break;
        if (r == FuenteFilas::Resultado::Error) {
            l.error = true;
            l.motivoError = motivo;
            return l;
        }
        l.filas << fila;
    }
    l.terminada = fuente.Terminar(l.motivoTerminar);
    return l;
}

void LecturaFuente::ExigirCoherente(int primeraFila, bool crecientes, bool hoja) const
{
    if (!abierta) {
        Exigir(!motivoApertura.isEmpty(), QStringLiteral("se rechazó el archivo sin motivo"));
        return;
    }
    Exigir(!error || !motivoError.isEmpty(), QStringLiteral("error de lectura sin motivo"));
    Exigir(error || terminada || !motivoTerminar.isEmpty(), QStringLiteral("se rechazó al terminar sin motivo"));
    int anterior = primeraFila - 1;
    for (const FilaImportacion& fila : filas) {
        Exigir(fila.numero >= primeraFila && (!crecientes || fila.numero > anterior),
               [&] { return QStringLiteral("fila %1 después de la %2").arg(fila.numero).arg(anterior); });
        anterior = fila.numero;
        Exigir(!hoja || !fila.celdas[0].EnBlanco(),
               [&] { return QStringLiteral("fila %1 con la primera columna en blanco").arg(fila.numero); });
        for (const CeldaImportacion& c : fila.celdas)
            Exigir(c.tipo != CeldaImportacion::Tipo::Ilegible || !c.texto.isEmpty(),
                   [&] { return QStringLiteral("fila %1: celda ilegible sin motivo").arg(fila.numero); });
        ExigirConversion(fila, unidad, base1904);
    }
}

void LecturaFuente::ExigirFilas(const QList<FilaImportacion>& esperadas) const
{
    LecturaFuente esperada;
    esperada.abierta = esperada.terminada = true;
    esperada.filas = esperadas;
    Exigir(abierta && !error && filas.size() == esperadas.size(), [&] {
        return QStringLiteral("se esperaban %1 filas:\n%2\n-- y se leyó:\n%3")
            .arg(esperadas.size())
            .arg(esperada.Describir(), Describir());
    });
    for (int i = 0; i < filas.size(); ++i) {
        const FilaImportacion& a = filas.at(i);
        const FilaImportacion& b = esperadas.at(i);
        bool igual = a.numero == b.numero && a.problema == b.problema;
        for (size_t c = 0; igual && c < a.celdas.size(); ++c)
            igual = MismaCelda(a.celdas[c], b.celdas[c]);
        Exigir(igual, [&] {
            return QStringLiteral("se esperaba:\n%1\n-- y se leyó:\n%2").arg(esperada.Describir(), Describir());
        });
    }
}

bool LecturaFuente::operator==(const LecturaFuente& otra) const
{
    if (abierta != otra.abierta || motivoApertura != otra.motivoApertura || error != otra.error
        || motivoError != otra.motivoError || terminada != otra.terminada || motivoTerminar != otra.motivoTerminar
        || filas.size() != otra.filas.size() || unidad != otra.unidad || base1904 != otra.base1904)
        return false;
    for (int i = 0; i < filas.size(); ++i) {
        const FilaImportacion& a = filas.at(i);
        const FilaImportacion& b = otra.filas.at(i);
        if (a.numero != b.numero || a.problema != b.problema)
            return false;
        for (size_t c = 0; c < a.celdas.size(); ++c)
            if (!MismaCelda(a.celdas[c], b.celdas[c]))
                return false;
    }
    return true;
}

QString LecturaFuente::Describir() const
{
    if (!abierta)
        return QStringLiteral("rechazado: ") + motivoApertura;
    QStringList lineas;
    for (const FilaImportacion& fila : filas) {
        QStringList celdas;
        for (const CeldaImportacion& c : fila.celdas)
            celdas << DescribirCelda(c);
        lineas << QStringLiteral("%1: %2 %3").arg(fila.numero).arg(celdas.join(QLatin1Char(' ')), fila.problema);
    }
    if (error)
        lineas << QStringLiteral("error: ") + motivoError;
    if (!terminada)
        lineas << QStringLiteral("no terminada: ") + motivoTerminar;
    return lineas.join(QLatin1Char('\n'));
}
