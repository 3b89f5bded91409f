// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuenteCsv.h"

namespace {

/// Separators outside quotes in a line.
int Contar(const QString& linea, QChar separador)
{
    int n = 0;
    bool comillas = false;
    for (QChar c : linea) {
        if (c == QLatin1Char('"'))
            comillas = !comillas;
        else if (c == separador && !comillas)
            ++n;
    }
    return n;
}

/// True when the text ends inside an open quoted field.
bool ComillasAbiertas(const QString& texto)
{
    return texto.count(QLatin1Char('"')) % 2 != 0;
}

QStringList Partir(const QString& registro, QChar separador)
{
    QStringList campos;
    QString campo;
    bool comillas = false;
    for (int i = 0; i < registro.size(); ++i) {
        const QChar c = registro.at(i);
        if (comillas) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < registro.size() && registro.at(i + 1) == QLatin1Char('"')) {
                    campo += c;
                    ++i;
                } else {
                    comillas = false;
                }
            } else {
                campo += c;
            }
        } else if (c == QLatin1Char('"')) {
            comillas = true;
        } else if (c == separador) {
            campos << campo;
            campo.clear();
        } else {
            campo += c;
        }
    }
    campos << campo;
    return campos;
}

} // namespace

bool FuenteCsv::Abrir(const QString& archivo, QString& motivo)
{
    m_fila = 0;
    if (!m_lector.Abrir(archivo, motivo))
        return false;
    // The title row decides the separator; read it raw, before splitting.
    QString titulos;
    if (!m_lector.Siguiente(titulos, motivo)) {
        if (motivo.isEmpty())
            motivo = QStringLiteral("El archivo está vacío.");
        return false;
    }
    while (ComillasAbiertas(titulos)) {
        QString mas;
        if (titulos.size() > LargoMaximoRegistro || !m_lector.Siguiente(mas, motivo)) {
            if (motivo.isEmpty())
                motivo = QStringLiteral("Fila 1: hay comillas sin cerrar en los títulos.");
            return false;
        }
        titulos += QLatin1Char('\n') + mas;
    }
    m_fila = 1;
    const int puntoYComa = Contar(titulos, QLatin1Char(';'));
    const int comas = Contar(titulos, QLatin1Char(','));
    if (puntoYComa == 0 && comas == 0) {
        motivo = QStringLiteral("Fila 1: los títulos no están separados por «;» ni por «,»; "
                                "el archivo no es una lista CSV de empleados.");
        return false;
    }
    m_separador = puntoYComa >= comas ? QLatin1Char(';') : QLatin1Char(',');
    const QStringList campos = Partir(titulos, m_separador);
    m_centesimos = campos.size() > 3 && campos.at(3).contains(QStringLiteral("CENTAVOS"), Qt::CaseInsensitive);
    return true;
}

FuenteFilas::Resultado FuenteCsv::LeerRegistro(QStringList& campos, QString& motivo)
{
    QString registro;
    if (!m_lector.Siguiente(registro, motivo))
        return motivo.isEmpty() ? Resultado::Fin : Resultado::Error;
    ++m_fila;
    const int primeraLinea = m_lector.NumeroLinea();
    while (ComillasAbiertas(registro)) {
        QString mas;
        if (registro.size() > LargoMaximoRegistro) {
            motivo = QStringLiteral("Fila %1 (línea %2): hay comillas sin cerrar.").arg(m_fila).arg(primeraLinea);
            return Resultado::Error;
        }
        if (!m_lector.Siguiente(mas, motivo)) {
            if (motivo.isEmpty())
                motivo = QStringLiteral("Fila %1 (línea %2): hay comillas sin cerrar al final del archivo.")
                             .arg(m_fila)
                             .arg(primeraLinea);
            return Resultado::Error;
        }
        registro += QLatin1Char('\n') + mas;
    }
    campos = Partir(registro, m_separador);
    return Resultado::Fila;
}

FuenteFilas::Resultado FuenteCsv::Siguiente(FilaImportacion& fila, QString& motivo)
{
    QStringList campos;
    const Resultado r = LeerRegistro(campos, motivo);
    if (r != Resultado::Fila)
        return r;
    fila = FilaImportacion();
    fila.numero = m_fila;
    for (int i = 0; i < FilaImportacion::Columnas && i < campos.size(); ++i)
        if (!campos.at(i).isEmpty())
            fila.celdas[size_t(i)] = CeldaImportacion::DeTexto(campos.at(i));
    // Data ends at the first row whose column 1 is empty, as in a sheet.
    if (fila.celdas[0].EnBlanco())
        return Resultado::Fin;
    return Resultado::Fila;
}
