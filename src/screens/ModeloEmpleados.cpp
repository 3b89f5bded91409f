// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModeloEmpleados.h"

#include "records/Empleado.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"

void ModeloEmpleados::Llenar(const ListaEmpleados& lista)
{
    beginResetModel();
    m_empleados.clear();
    m_empleados.reserve(lista.Count());
    for (const auto& e : lista)
        m_empleados.append(e);
    endResetModel();
}

QSharedPointer<Empleado> ModeloEmpleados::EmpleadoDeFila(int fila) const
{
    return m_empleados.value(fila);
}

QString ModeloEmpleados::Texto(const Empleado& e, int columna)
{
    const auto siNo = [](bool v) { return v ? QStringLiteral("Sí") : QStringLiteral("No"); };
    switch (columna) {
    case ColCuil: return e.CUIL();
    case ColNombre: return e.Nombre();
    case ColIngreso: return FormatoFecha(e.FechaIngreso());
    case ColCategoria: return e.DescripcionCategoria();
    case ColHaberes: return FormatoImporte(e.Haberes());
    case ColAfiliado: return siNo(e.Afiliado());
    case ColMedia: return siNo(e.MediaJornada());
    case ColLicencia: return Empleado::TextoCortoLicencia(e.Licencia());
    case ColBaja: return e.DeBaja() ? FormatoFecha(e.FechaBaja()) : QString();
    default: return QString();
    }
}

QString ModeloEmpleados::Encabezado(int columna)
{
    static const char* const encabezados[CantidadColumnas] = {
        "CUIL           ", "Apellido y Nombre                        ", "Fecha Ingreso ",
        "Categoría                    ", "Haberes      ", "Afiliado ", "Media Jornada ", "Licencia            ",
        "Fecha Baja    "};
    return columna >= 0 && columna < CantidadColumnas ? QString::fromUtf8(encabezados[columna]) : QString();
}

int ModeloEmpleados::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : int(m_empleados.size());
}

int ModeloEmpleados::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : CantidadColumnas;
}

QVariant ModeloEmpleados::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid() || indice.row() >= m_empleados.size())
        return QVariant();
    if (rol == Qt::DisplayRole)
        return Texto(*m_empleados.at(indice.row()), indice.column());
    if (rol == Qt::TextAlignmentRole && indice.column() == ColHaberes)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QVariant ModeloEmpleados::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole)
        return QAbstractTableModel::headerData(seccion, orientacion, rol);
    return Encabezado(seccion).trimmed();
}
