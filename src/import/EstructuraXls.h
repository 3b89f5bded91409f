// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>

/// What the records of an Excel 97-2003 workbook say beyond the cell values FreeXL gives: the
/// sheets in tab order, the tab that was active when the file was saved, and, for one sheet, the
/// cells that hold formulas and the merged ranges. Rows and columns are 0-based.
class EstructuraXls
{
public:
    /// Reads the globals of the workbook stream ("Workbook" or "Book"); false when it is not BIFF.
    bool Leer(const QByteArray& flujo);

    QStringList Hojas() const { return m_hojas; }
    int HojaActiva() const { return m_activa; }
    /// Scans the records of sheet hoja (index in Hojas()).
    bool LeerHoja(int hoja);

    bool EsFormula(int fila, int columna) const { return m_formulas.contains(Clave(fila, columna)); }
    /// The merged range that covers the cell, or a null rectangle (x = column, y = row).
    QRect Combinada(int fila, int columna) const;

private:
    static quint64 Clave(int fila, int columna) { return (quint64(quint32(fila)) << 16) | quint16(columna); }

    QByteArray m_flujo;
    QStringList m_hojas;
    QList<quint32> m_posiciones;
    int m_activa = 0;
    bool m_biff8 = true;
    QSet<quint64> m_formulas;
    QList<QRect> m_combinadas;
};
