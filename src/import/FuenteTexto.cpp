// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuenteTexto.h"

namespace {
// First position (1-based) and length of each field of the record.
constexpr int Campos[FilaImportacion::Columnas][2]
    = {{1, 11}, {12, 40}, {52, 10}, {62, 9}, {71, 1}, {72, 1}, {73, 10}, {83, 1}, {84, 1}};
} // namespace

bool FuenteTexto::Abrir(const QString& archivo, QString& motivo)
{
    m_registros = m_cortas = 0;
    return m_lector.Abrir(archivo, motivo);
}

FuenteFilas::Resultado FuenteTexto::Siguiente(FilaImportacion& fila, QString& motivo)
{
    QString linea;
    for (;;) {
        if (!m_lector.Siguiente(linea, motivo))
            return motivo.isEmpty() ? Resultado::Fin : Resultado::Error;
        // Positions count characters: an accent typed as letter plus combining mark counts once,
        // and a character outside the basic plane counts once too.
        const QList<uint> caracteres = linea.normalized(QString::NormalizationForm_C).toUcs4();
        if (caracteres.size() < LargoRegistro) {
            ++m_cortas;
            continue;
        }
        const int tab = caracteres.indexOf(uint('\t'));
        if (tab >= 0 && tab < LargoRegistro) {
            motivo = QStringLiteral("Línea %1, posición %2: hay una tabulación; los campos del registro van en "
                                    "posiciones fijas, completados con espacios o ceros.")
                         .arg(m_lector.NumeroLinea())
                         .arg(tab + 1);
            return Resultado::Error;
        }
        ++m_registros;
        fila = FilaImportacion();
        fila.numero = m_lector.NumeroLinea();
        for (int i = 0; i < FilaImportacion::Columnas; ++i) {
            const auto* inicio = reinterpret_cast<const char32_t*>(caracteres.constData()) + Campos[i][0] - 1;
            fila.celdas[size_t(i)] = CeldaImportacion::DeTexto(QString::fromUcs4(inicio, Campos[i][1]));
        }
        return Resultado::Fila;
    }
}

bool FuenteTexto::Terminar(QString& motivo)
{
    if (m_registros > 0)
        return true;
    motivo = QStringLiteral("El archivo no tiene ningún registro de %1 caracteres (%2 líneas más cortas). "
                            "Verifique el formato de importación.")
                 .arg(LargoRegistro)
                 .arg(m_cortas);
    return false;
}
