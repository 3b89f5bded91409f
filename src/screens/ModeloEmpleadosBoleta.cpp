// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModeloEmpleadosBoleta.h"

#include "liquidation/Liquidacion.h"
#include "records/Empleado.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"

namespace {
const char* const Titulos[] = {"CUIL",      "Apellido y Nombre", "Fecha Ingreso", "Haberes",         "Afiliado",
                               "Media Jornada", "Licencia",      "Fecha Baja",    "Aporte Calculado"};
enum Columna { ColCuil, ColNombre, ColIngreso, ColHaberes, ColAfiliado, ColMedia, ColLicencia, ColBaja, ColAporte };

QString SiNo(bool valor)
{
    return valor ? QStringLiteral("Sí") : QStringLiteral("No");
}
} // namespace

ModeloEmpleadosBoleta::ModeloEmpleadosBoleta(bool conAporte, QObject* parent)
    : QAbstractTableModel(parent)
    , m_conAporte(conAporte)
{
}

void ModeloEmpleadosBoleta::setLiquidacion(const QSharedPointer<Liquidacion>& liq)
{
    m_liq = liq;
    Recargar();
}

void ModeloEmpleadosBoleta::Recargar()
{
    beginResetModel();
    m_filas = m_liq ? m_liq->ListaEmpleadosLiquidacion().Count() : 0;
    endResetModel();
}

QSharedPointer<Empleado> ModeloEmpleadosBoleta::EmpleadoDeFila(int fila) const
{
    if (!m_liq || fila < 0 || fila >= m_filas)
        return {};
    return m_liq->ListaEmpleadosLiquidacion().Item(fila + 1);
}

int ModeloEmpleadosBoleta::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : m_filas;
}

int ModeloEmpleadosBoleta::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : (m_conAporte ? ColAporte + 1 : ColAporte);
}

QString ModeloEmpleadosBoleta::Texto(const Empleado& e, int columna) const
{
    switch (columna) {
    case ColCuil:
        return e.CUIL();
    case ColNombre:
        return e.Nombre();
    case ColIngreso:
        return FormatoFecha(e.FechaIngreso());
    case ColHaberes:
        return FormatoImporte(e.Haberes());
    case ColAfiliado:
        return SiNo(e.Afiliado());
    case ColMedia:
        return SiNo(e.MediaJornada());
    case ColLicencia:
        return Empleado::TextoCortoLicencia(e.Licencia());
    case ColBaja:
        return e.DeBaja() ? FormatoFecha(e.FechaBaja()) : QString();
    case ColAporte:
        return m_liq ? FormatoImporte(e.TotalAPagarL(*m_liq)) : QString();
    default:
        return QString();
    }
}

QVariant ModeloEmpleadosBoleta::data(const QModelIndex& indice, int rol) const
{
    const auto e = EmpleadoDeFila(indice.row());
    if (!e)
        return {};
    if (rol == Qt::DisplayRole)
        return Texto(*e, indice.column());
    if (rol == Qt::TextAlignmentRole && (indice.column() == ColHaberes || indice.column() == ColAporte))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ModeloEmpleadosBoleta::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole || seccion < 0 || seccion >= columnCount())
        return {};
    return QString::fromUtf8(Titulos[seccion]);
}
