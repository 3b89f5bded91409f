// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

/// A forward-only result set: end-of-data flag, columns by name or zero-based position, next, close.
/// Reading a column after the end, or of a failed query, gives an empty value; never throws.
class Consulta
{
public:
    Consulta() = default;
    explicit Consulta(QSqlQuery consulta, bool valida);

    /// False when the statement failed (the connection's UltimoError says why).
    bool Valida() const { return m_valida; }
    /// End of data: true when there is no current row.
    bool Fin() const { return m_fin; }
    void Siguiente();
    void Cerrar();

    QVariant Campo(const QString& nombre) const;
    QVariant Campo(int posicion) const;

    /// Zero-based position of a column (letter case ignored); -1 when there is none. Reading many
    /// rows by position saves looking the name up in every row.
    int Columna(const QString& nombre) const { return m_registro.indexOf(nombre); }

    // Typed reads, by name or by position; a null text reads as empty, a null number as 0.
    QString Texto(const QString& nombre) const;
    qint64 Entero(const QString& nombre) const;
    double Doble(const QString& nombre) const;
    bool Booleano(const QString& nombre) const;
    QDate Fecha(const QString& nombre) const;
    QString Texto(int posicion) const;
    qint64 Entero(int posicion) const;
    double Doble(int posicion) const;
    bool Booleano(int posicion) const;
    QDate Fecha(int posicion) const;

private:
    QSqlQuery m_consulta;
    QSqlRecord m_registro; // column names, taken once
    bool m_valida = false;
    bool m_fin = true;
};
