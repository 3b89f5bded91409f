// SPDX-License-Identifier: GPL-3.0-or-later
// The company screen's commands that change storage: save, delete, and the employee list.
#include "frmEmpresas.h"

#include "frmListaEmpleados.h"
#include "records/Conexion.h"
#include "records/CuitEmpresas.h"
#include "records/Global.h"
#include "shell/CursorOcupado.h"
#include "shell/Dialogos.h"
#include "shell/frmPadre.h"

#include <QLineEdit>
#include <QListWidget>

#include <memory>

namespace {
const QString CuitDuplicado = QStringLiteral("C.U.I.T. duplicado");

/// Why storage refused a save, in the user's words where the cause is known.
QString MotivoDelRechazo(const Conexion& bd)
{
    const QString codigo = bd.UltimoCodigoError();
    if (codigo == QLatin1String("2067") || codigo == QLatin1String("1555"))
        return CuitDuplicado;
    return bd.UltimoError();
}
} // namespace

bool frmEmpresas::SucursalesValidas()
{
    const QString texto = m_txtSucursales->text().trimmed();
    bool numero = texto.isEmpty(); // empty means no branches
    if (!numero) {
        bool soloDigitos = true;
        for (const QChar c : texto)
            soloDigitos = soloDigitos && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        texto.toInt(&numero);
        numero = numero && soloDigitos;
    }
    if (numero)
        return true;
    m_principal.Servicio().Mensaje(
        QStringLiteral("Sucursales debe ser un número entero de sucursales, sin signos ni decimales."),
        QStringLiteral("ERROR DE DATOS"), Icono::Critico);
    m_moviendoFoco = true;
    m_txtSucursales->setFocus();
    m_moviendoFoco = false;
    return false;
}

void frmEmpresas::NoSeGrabo(const QString& motivo)
{
    m_principal.Servicio().Mensaje(QStringLiteral("No se pudo grabar la empresa.\n") + motivo,
                                   QStringLiteral("GRABACION"), Icono::Critico);
}

void frmEmpresas::Grabar()
{
    if (!m_empresa || m_estado == Consultando)
        return;
    Dialogos& dialogos = m_principal.Servicio();
    if (!SucursalesValidas())
        return;
    LeerDatosForm();
    if (!m_empresa->Validar()) {
        dialogos.Mensaje(QStringLiteral("Debe completar los campos remarcados antes de grabar."),
                         QStringLiteral("DATOS FALTANTES"), Icono::Informacion);
        return;
    }
    auto alCuit = [this]() {
        m_moviendoFoco = true;
        m_txtCUIT->setFocus();
        m_moviendoFoco = false;
    };
    if (!CuitValido(m_empresa->CUIT())) {
        dialogos.Mensaje(QStringLiteral("C.U.I.T. incorrecto"), QStringLiteral("ERROR DE DATOS"), Icono::Critico);
        alCuit();
        return;
    }
    if (!BaseDatos) {
        NoSeGrabo(QStringLiteral("La base de datos no está abierta."));
        return;
    }
    // The check on leaving the field does not run when the field is never left (a shortcut key),
    // and storage would refuse the second company anyway: say so before trying.
    const qint64 iguales =
        EmpresasConCuit(*BaseDatos, m_empresa->CUIT(), m_estado == Agregando ? 0 : m_empresa->IdEmpresa());
    if (iguales > 0) {
        NoSeGrabo(CuitDuplicado);
        alCuit();
        return;
    }
    bool grabada = false;
    {
        CursorOcupado ocupado;
        grabada = m_empresa->Grabar(*BaseDatos);
    }
    if (!grabada) {
        NoSeGrabo(MotivoDelRechazo(*BaseDatos));
        return; // the edit goes on with the data as typed
    }

    // The list is read again after a modification too: its keys are the CUITs, which may have changed.
    const qint64 id = m_empresa->IdEmpresa();
    m_estado = Consultando;
    LeerEmpresas();
    LlenarListaEmpresas();
    int fila = m_lstEmpresas->count() - 1; // a new company comes last
    for (int p = 1; p <= m_empresas.Count(); ++p) {
        if (m_empresas.Item(p)->IdEmpresa() == id)
            fila = p - 1;
    }
    if (fila >= 0)
        ElegirEntrada(fila);
    Bloquear(true);
    SalirEdicion();
    ActualizarPrincipal(id);
}

void frmEmpresas::ActualizarPrincipal(qint64 idElegida)
{
    m_principal.CargarEmpresas();
    m_principal.MostrarEmpresas();
    const ListaEmpresas& lista = m_principal.ListaDeEmpresas();
    for (int p = 1; p <= lista.Count(); ++p) {
        if (lista.Item(p)->IdEmpresa() == idElegida) {
            m_principal.ElegirEmpresa(p - 1);
            return;
        }
    }
}

void frmEmpresas::Borrar()
{
    if (!m_empresa || m_estado != Consultando)
        return;
    Dialogos& dialogos = m_principal.Servicio();
    const QString pregunta = QStringLiteral("Ud. va a borrar del listado a la empresa ") + m_empresa->Nombre()
        + QStringLiteral(".\nEsta acción borrará además todas sus liquidaciones y listado de empleados.\n"
                         "¿Está seguro que desea hacer esto?");
    if (!dialogos.Preguntar(pregunta, QStringLiteral("BORRAR EMPRESA"), Icono::Pregunta))
        return;
    CursorOcupado ocupado;
    // Its employees and slips go with it, by the relations of the schema.
    if (!BaseDatos || !m_empresas.BorrarEmpresa(*BaseDatos, *m_empresa)) {
        dialogos.Mensaje(QStringLiteral("No se pudo borrar la empresa.\n")
                             + (BaseDatos ? BaseDatos->UltimoError() : QString()),
                         QStringLiteral("BORRAR EMPRESA"), Icono::Critico);
        return;
    }
    // The main window drops its current company if it was this one.
    m_principal.CargarEmpresas();
    m_principal.MostrarEmpresas();
    m_empresa.reset();
    LeerEmpresas();
    LlenarListaEmpresas();
    if (m_empresas.Count() == 0)
        Limpiar();
}

void frmEmpresas::Empleados()
{
    if (!m_empresa || m_empresa->Nueva())
        return;
    std::unique_ptr<frmListaEmpleados> lista;
    {
        CursorOcupado ocupado; // while it loads; the user works in it with the normal pointer
        lista = std::make_unique<frmListaEmpleados>(m_empresa, m_principal.Servicio(), this);
    }
    lista->exec();
}
