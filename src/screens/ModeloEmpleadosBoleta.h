// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QSharedPointer>

class Empleado;
class Liquidacion;

/// The employees of a slip as the slip screens' grid shows them, one row per employee in list
/// order. Rows are read from the slip when drawn, so a grid of thousands fills at once.
class ModeloEmpleadosBoleta : public QAbstractTableModel
{
    Q_OBJECT
public:
    /// conAporte: the ordinary screen's last column "Aporte Calculado" (TotalAPagarL for the slip).
    explicit ModeloEmpleadosBoleta(bool conAporte, QObject* parent = nullptr);

    void setLiquidacion(const QSharedPointer<Liquidacion>& liq);
    /// Rebuilds the rows from the slip's current employee list.
    void Recargar();
    /// The employee of a row (from 0); null out of range.
    QSharedPointer<Empleado> EmpleadoDeFila(int fila) const;

    int rowCount(const QModelIndex& padre = QModelIndex()) const override;
    int columnCount(const QModelIndex& padre = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;

    /// The text of a cell, as shown.
    QString Texto(const Empleado& e, int columna) const;

private:
    bool m_conAporte;
    QSharedPointer<Liquidacion> m_liq;
    int m_filas = 0;
};
