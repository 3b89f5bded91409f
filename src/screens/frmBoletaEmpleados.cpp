// SPDX-License-Identifier: GPL-3.0-or-later
// The slip screens' employees tab: the grid of the slip's employees and the commands that add,
// change and delete them through the employee edit screen.
#include "frmBoleta.h"

#include "ModeloEmpleadosBoleta.h"
#include "frmEmpleados.h"
#include "liquidation/Liquidacion.h"
#include "liquidation/OperacionesLiquidacion.h"
#include "records/Conexion.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "shell/CursorOcupado.h"
#include "shell/Dialogos.h"

#include <QItemSelectionModel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

void frmBoleta::CargarGrilla()
{
    m_modelo->Recargar();
    SeleccionarFila(m_modelo->rowCount() > 0 ? 0 : -1);
}

void frmBoleta::SeleccionarFila(int fila)
{
    {
        const QSignalBlocker bloqueo(m_grilla->selectionModel());
        m_grilla->selectionModel()->clearSelection();
        if (fila >= 0 && fila < m_modelo->rowCount()) {
            const QModelIndex indice = m_modelo->index(fila, 0);
            m_grilla->selectionModel()->setCurrentIndex(
                indice, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            m_grilla->scrollTo(indice);
        } else {
            m_grilla->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
        }
    }
    AlSeleccionar();
}

void frmBoleta::AlSeleccionar()
{
    const auto empleado = m_modelo->EmpleadoDeFila(m_grilla->selectionModel()->currentIndex().row());
    m_seleccionado = empleado;
    if (!empleado) {
        m_cmdModificar->setEnabled(false);
        if (m_cmdBorrar)
            m_cmdBorrar->setEnabled(false);
        return;
    }
    empleado->setEmpresa(m_liq->Empresa());
    if (m_modo == 2)
        return;
    m_cmdModificar->setEnabled(true);
    // Only an employee no stored slip still needs may leave the company.
    if (m_cmdBorrar)
        m_cmdBorrar->setEnabled(BaseDatos && empleado->PuedeEliminarse(*BaseDatos));
}

bool frmBoleta::RecargarEmpleados()
{
    const auto empresa = m_liq->Empresa();
    if (!empresa || !BaseDatos)
        return false;
    bool leidos = false;
    {
        CursorOcupado ocupado;
        leidos = empresa->CargarListaEmpleados(*BaseDatos);
        if (leidos)
            empresa->PasarEmpleados(*m_liq);
    }
    if (!leidos)
        Servicio().Mensaje(QStringLiteral("No se pudo leer la lista de empleados de la empresa.\r\n")
                               + BaseDatos->UltimoError(),
                           QStringLiteral("ERROR"), Icono::Critico);
    return leidos;
}

void frmBoleta::Agregar()
{
    if (!m_liq || m_modo == 2)
        return;
    auto nuevo = QSharedPointer<Empleado>::create();
    nuevo->setEmpresa(m_liq->Empresa());
    QSharedPointer<Empleado> editado;
    {
        frmEmpleados edicion(Servicio(), this);
        edicion.setEmpleado(nuevo);
        edicion.exec();
        editado = edicion.EmpleadoEditado();
    }
    // Stored (it has an id and a name): the slip takes the company's whole list again.
    if (editado && editado->IdEmpleado() > 0 && !editado->Nombre().isEmpty() && RecargarEmpleados()) {
        m_cambios = true;
        MostrarLiquidacion();
        SeleccionarFila(m_modelo->rowCount() - 1);
    }
    ValidarAportes();
}

void frmBoleta::ModificarEmpleado()
{
    if (!m_liq || !m_seleccionado || m_modo == 2)
        return;
    const int fila = m_grilla->selectionModel()->currentIndex().row();
    {
        frmEmpleados edicion(Servicio(), this);
        edicion.setEmpleado(m_seleccionado);
        edicion.exec();
    }
    m_cambios = true;
    MostrarLiquidacion();
    SeleccionarFila(fila);
    ValidarAportes();
}

void frmBoleta::Borrar()
{
    if (!m_liq || !m_seleccionado || m_modo == 2 || m_modelo->rowCount() == 0 || !BaseDatos)
        return;
    const auto empleado = m_seleccionado;
    if (!QuitarEmpleado(*BaseDatos, *m_liq, empleado->IdEmpleado(), empleado->CUIL())) {
        Servicio().Mensaje(QStringLiteral("No se pudo borrar el empleado.\r\n") + BaseDatos->UltimoError(),
                           QStringLiteral("ERROR"), Icono::Critico);
        return;
    }
    m_cambios = true;
    MostrarLiquidacion();
    MostrarTotales();
    ValidarAportes();
}
