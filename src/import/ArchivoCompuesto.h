// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

/// The compound file container of Excel 97-2003 workbooks (sectors, allocation table, directory):
/// just enough to take out one stream by name. FreeXL reads the cell values but hides the records
/// the import must also see (formulas, merged cells, the active sheet); they are in this stream.
class ArchivoCompuesto
{
public:
    /// Takes the container's bytes (the caller read the file, whose size it has limited).
    explicit ArchivoCompuesto(QByteArray datos);

    bool Valido() const { return m_valido; }
    /// The stream whose name matches one of nombres (case aside); false when there is none or its
    /// sectors do not chain properly.
    bool Flujo(const QStringList& nombres, QByteArray& flujo) const;

private:
    quint32 Entero32(qint64 posicion) const;
    quint16 Entero16(qint64 posicion) const;
    /// Follows a chain of the allocation table fat from inicio, appending each sector's bytes.
    bool Cadena(const QList<quint32>& fat, quint32 inicio, const QByteArray& origen, int tamanoSector,
                qint64 desplazamiento, QByteArray& salida) const;

    QByteArray m_datos;
    bool m_valido = false;
    int m_sector = 512;
    int m_miniSector = 64;
    quint32 m_corteMini = 4096;
    QList<quint32> m_fat;
    QList<quint32> m_miniFat;
    QByteArray m_directorio;
    QByteArray m_miniFlujo;
};
