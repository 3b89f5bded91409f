// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSharedPointer>

class Empleado;
class ListaEmpleados;

/// The employee grid of the employee list screen: one row per employee of a list, in list order,
/// with CUIL, name, entry date, category, remuneration, member, half-time, leave and termination.
/// Texts are made from the objects in memory when a row is painted: filling the grid reads nothing
/// from the database, so a company of thousands of employees opens at once.
class ModeloEmpleados : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Columna { ColCuil, ColNombre, ColIngreso, ColCategoria, ColHaberes, ColAfiliado, ColMedia, ColLicencia,
                   ColBaja, CantidadColumnas };

    using QAbstractTableModel::QAbstractTableModel;

    /// Shows the employees of lista as they are now (the list is not kept: refill after it changes).
    void Llenar(const ListaEmpleados& lista);
    /// The employee of a row (0-based); null out of range.
    QSharedPointer<Empleado> EmpleadoDeFila(int fila) const;

    /// The text of a cell, as the grid shows it.
    static QString Texto(const Empleado& e, int columna);
    /// The header texts; their trailing spaces set the columns' widths.
    static QString Encabezado(int columna);

    int rowCount(const QModelIndex& padre = QModelIndex()) const override;
    int columnCount(const QModelIndex& padre = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;

private:
    QList<QSharedPointer<Empleado>> m_empleados;
};
