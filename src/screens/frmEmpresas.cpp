// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmEmpresas.h"

#include "frmConsRubro.h"
#include "records/Conexion.h"
#include "records/Global.h"
#include "records/Rubros.h"
#include "shell/CursorOcupado.h"
#include "shell/Dialogos.h"
#include "shell/Principal.h"
#include "shell/frmPadre.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>

namespace {
const QString ErrorDeDatos = QStringLiteral("ERROR DE DATOS");
const QString SeparadorEntrada = QStringLiteral("   -   ");
} // namespace

frmEmpresas* frmEmpresas::Abrir(frmPadre& principal)
{
    QMdiArea* area = principal.Area();
    for (QMdiSubWindow* ventana : area->subWindowList()) {
        if (auto* abierta = qobject_cast<frmEmpresas*>(ventana->widget())) {
            ventana->show();
            area->setActiveSubWindow(ventana);
            ventana->raise();
            return abierta;
        }
    }
    CursorOcupado ocupado;
    auto* pantalla = new frmEmpresas(principal);
    QMdiSubWindow* ventana = area->addSubWindow(pantalla, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                              | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    ventana->setObjectName(QStringLiteral("ventanaEmpresas"));
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->setWindowIcon(principal.windowIcon());
    // Fixed: any resize gives this size back.
    ventana->setFixedSize(Tamano());
    connect(ventana, &QMdiSubWindow::aboutToActivate, pantalla,
            [ventana, &principal]() { CentrarFormulario(ventana, &principal); });
    ventana->show();
    area->setActiveSubWindow(ventana);
    CentrarFormulario(ventana, &principal);
    return pantalla;
}

frmEmpresas::frmEmpresas(frmPadre& principal, QWidget* parent)
    : QWidget(parent)
    , m_principal(principal)
{
    setObjectName(QStringLiteral("frmEmpresas"));
    setWindowTitle(QStringLiteral("Mantenimiento de Empresas"));
    CrearControles();

    connect(m_lstEmpresas, &QListWidget::currentRowChanged, this, &frmEmpresas::EntradaElegida);
    connect(m_cmdAgregar, &QPushButton::clicked, this, &frmEmpresas::Agregar);
    connect(m_cmdModificar, &QPushButton::clicked, this, &frmEmpresas::Modificar);
    connect(m_cmdBorrar, &QPushButton::clicked, this, &frmEmpresas::Borrar);
    connect(m_cmdGrabar, &QPushButton::clicked, this, &frmEmpresas::Grabar);
    connect(m_cmdCancelar, &QPushButton::clicked, this, &frmEmpresas::Cancelar);
    connect(m_cmdEmpleados, &QPushButton::clicked, this, &frmEmpresas::Empleados);
    connect(m_cmdCerrar, &QPushButton::clicked, this, &frmEmpresas::Cerrar);
    connect(m_txtCodPost, &QLineEdit::textEdited, this, &frmEmpresas::CodPostEditado);
    connect(m_cboLocalidad, qOverload<int>(&QComboBox::currentIndexChanged), this, &frmEmpresas::LocalidadElegida);
    connect(m_txtCodProv, &QLineEdit::textChanged, this, &frmEmpresas::MostrarProvincia);
    connect(m_txtLocalidad, &QLineEdit::textChanged, m_cboLocalidad, &QComboBox::setPlaceholderText);
    connect(m_lnkRubros, &QLabel::linkActivated, this, &frmEmpresas::BuscarRubros);
    connect(qApp, &QApplication::focusChanged, this, &frmEmpresas::FocoCambiado);
    m_txtCUIT->installEventFilter(this);
    m_txtCodPost->installEventFilter(this);

    m_estado = Consultando;
    Bloquear(true);
    SalirEdicion();
    CargarRubros();
    LeerEmpresas();
    LlenarListaEmpresas();
    // Open on the main window's current company: both lists come from LeerEmpresas, in one order.
    const int actual = m_principal.PosicionEmpresa();
    if (actual >= 0 && actual < m_lstEmpresas->count())
        ElegirEntrada(actual);
    ActualizarEmpleados();
}

frmEmpresas::~frmEmpresas()
{
    // Destroying the fields moves the focus: no field rule may run on a screen half destroyed.
    disconnect(qApp, nullptr, this, nullptr);
}

QMdiSubWindow* frmEmpresas::Ventana() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void frmEmpresas::CargarRubros()
{
    const QSignalBlocker bloqueo(m_cboRubro);
    m_cboRubro->clear();
    Rubros rubros;
    if (BaseDatos && !rubros.Leer(*BaseDatos))
        m_principal.Servicio().Mensaje(QStringLiteral("No se pudo leer la lista de rubros.\n")
                                           + BaseDatos->UltimoError(),
                                       ErrorDeDatos, Icono::Critico);
    for (int i = 0; i < rubros.Count(); ++i)
        m_cboRubro->addItem(rubros.Entrada(i), rubros.Codigo(i));
    m_cboRubro->setCurrentIndex(-1);
}

bool frmEmpresas::LeerEmpresas()
{
    if (!BaseDatos)
        return false;
    if (m_empresas.LeerEmpresas(*BaseDatos))
        return true;
    // An empty list alone would look like lost companies.
    m_principal.Servicio().Mensaje(QStringLiteral("No se pudo leer la lista de empresas.\n")
                                       + BaseDatos->UltimoError(),
                                   ErrorDeDatos, Icono::Critico);
    return false;
}

void frmEmpresas::LlenarListaEmpresas()
{
    {
        const QSignalBlocker bloqueo(m_lstEmpresas);
        m_lstEmpresas->clear();
        for (const auto& empresa : m_empresas)
            m_lstEmpresas->addItem(empresa->CUIT() + SeparadorEntrada + empresa->Nombre());
        m_lstEmpresas->setCurrentRow(-1);
    }
    if (m_lstEmpresas->count() > 0)
        ElegirEntrada(0);
    ActualizarEmpleados();
}

void frmEmpresas::ElegirEntrada(int fila)
{
    if (m_lstEmpresas->currentRow() == fila)
        EntradaElegida(fila); // shown again, as a click on the selected entry would not
    else
        m_lstEmpresas->setCurrentRow(fila);
}

void frmEmpresas::EntradaElegida(int fila)
{
    if (fila < 0)
        return;
    CursorOcupado ocupado;
    m_empresa = m_empresas.Item(fila + 1);
    if (m_empresa && BaseDatos)
        m_empresa->CargarListaEmpleados(*BaseDatos);
    MostrarEmpresa();
    ActualizarEmpleados();
}

void frmEmpresas::MostrarEmpresa()
{
    if (!m_empresa)
        return;
    const Empresa& e = *m_empresa;
    m_txtNombre->setText(e.Nombre());
    m_txtCUIT->setText(e.CUIT()); // an empty CUIT shows the empty mask
    (e.Fisica() ? m_optFisica : m_optJuridica)->setChecked(true);
    m_txtCalle->setText(e.Calle());
    m_txtNumero->setText(e.Numero());
    m_txtPiso->setText(e.Piso());
    m_txtCalleLegal->setText(e.CalleLegal());
    m_txtNumeroLegal->setText(e.NumeroLegal());
    m_txtPisoLegal->setText(e.PisoLegal());
    m_txtCodPost->setText(e.CodPost());
    m_txtLocalidad->setText(e.Localidad());
    m_txtCodProv->setText(e.CodProv());
    m_txtTelefonos->setText(e.Telefonos());
    m_txtEmail->setText(e.Email());
    m_dtpFechaInicio->setDate(e.FechaInicio().isValid() ? e.FechaInicio() : m_dtpFechaInicio->minimumDate());
    SeleccionarRubro(e.CodRubro());
    m_txtSocio->setText(e.Socio());
    m_txtDocuSocio->setText(e.DocuSocio());
    m_txtSocio2->setText(e.Socio2());
    m_txtDocuSocio2->setText(e.DocuSocio2());
    m_txtSucursales->setText(QString::number(e.Sucursales()));
    m_txtNombreComercial->setText(e.NombreComercial());
}

void frmEmpresas::Limpiar()
{
    m_empresa = QSharedPointer<Empresa>::create();
    MostrarEmpresa();
    m_empresa.reset();
    ActualizarEmpleados();
}

void frmEmpresas::SeleccionarRubro(const QString& codigo)
{
    m_cboRubro->setCurrentIndex(codigo.isEmpty() ? -1 : m_cboRubro->findData(codigo));
}

void frmEmpresas::LeerDatosForm()
{
    if (!m_empresa)
        return;
    Empresa& e = *m_empresa;
    e.setNombre(m_txtNombre->text());
    e.setCUIT(m_txtCUIT->displayText()); // with the dashes and any "_" left
    e.setFisica(m_optFisica->isChecked());
    e.setCalle(m_txtCalle->text());
    e.setNumero(m_txtNumero->text());
    e.setPiso(m_txtPiso->text());
    e.setCalleLegal(m_txtCalleLegal->text());
    e.setNumeroLegal(m_txtNumeroLegal->text());
    e.setPisoLegal(m_txtPisoLegal->text());
    e.setCodPost(m_txtCodPost->text());
    e.setLocalidad(m_txtLocalidad->text());
    e.setCodProv(m_txtCodProv->text());
    e.setTelefonos(m_txtTelefonos->text());
    e.setEmail(m_txtEmail->text());
    const QDate inicio = m_dtpFechaInicio->date();
    e.setFechaInicio(inicio == m_dtpFechaInicio->minimumDate() ? QDate() : inicio);
    if (m_cboRubro->currentIndex() >= 0)
        e.setCodRubro(m_cboRubro->currentData().toString());
    e.setSocio(m_txtSocio->text());
    e.setDocuSocio(m_txtDocuSocio->text());
    e.setSocio2(m_txtSocio2->text());
    e.setDocuSocio2(m_txtDocuSocio2->text());
    const QString sucursales = m_txtSucursales->text().trimmed();
    e.setSucursales(sucursales.isEmpty() ? 0 : sucursales.toInt());
    e.setNombreComercial(m_txtNombreComercial->text());
}

void frmEmpresas::ActualizarEmpleados()
{
    // A company not stored yet has no employee list to open.
    m_cmdEmpleados->setEnabled(m_empresa && !m_empresa->Nueva());
}

// --- Edit states ----------------------------------------------------------------------------------

void frmEmpresas::Bloquear(bool soloLectura)
{
    m_lnkRubros->setVisible(!soloLectura);
    for (QLineEdit* campo : {m_txtNombre, m_txtCUIT, m_txtCalle, m_txtNumero, m_txtPiso, m_txtCalleLegal,
                             m_txtNumeroLegal, m_txtPisoLegal, m_txtCodPost, m_txtTelefonos, m_txtEmail, m_txtSocio,
                             m_txtDocuSocio, m_txtSocio2, m_txtDocuSocio2, m_txtSucursales, m_txtNombreComercial})
        campo->setReadOnly(soloLectura);
    m_optJuridica->setEnabled(!soloLectura);
    m_optFisica->setEnabled(!soloLectura);
    m_dtpFechaInicio->setEnabled(!soloLectura);
    m_cboRubro->setEnabled(!soloLectura);
    // The list stays put during an edit, so that the selection cannot change under it.
    m_lstEmpresas->setEnabled(soloLectura);
    // The town and the province change only through the list of towns.
    m_txtLocalidad->setReadOnly(true);
    m_txtCodProv->setReadOnly(true);
    if (soloLectura) {
        const QSignalBlocker bloqueo(m_cboLocalidad);
        m_cboLocalidad->clear();
        m_pilaLocalidad->setCurrentWidget(m_txtLocalidad);
    } else {
        m_pilaLocalidad->setCurrentWidget(m_cboLocalidad);
    }
}

void frmEmpresas::EntrarEdicion()
{
    m_cmdAgregar->hide();
    m_cmdModificar->hide();
    m_cmdBorrar->hide();
    m_cmdGrabar->show();
    m_cmdCancelar->show();
    BuscarLocalidades();
    {
        const QSignalBlocker bloqueo(m_cboLocalidad);
        m_cboLocalidad->setCurrentIndex(m_cboLocalidad->findText(m_txtLocalidad->text(), Qt::MatchExactly));
    }
    m_moviendoFoco = true;
    m_txtCUIT->setFocus();
    m_moviendoFoco = false;
    ActualizarEmpleados();
}

void frmEmpresas::SalirEdicion()
{
    m_cmdGrabar->hide();
    m_cmdCancelar->hide();
    m_cmdAgregar->show();
    m_cmdModificar->show();
    m_cmdBorrar->show();
    // The category search works on the edit that is over.
    if (m_busqueda)
        m_busqueda->close();
    ActualizarEmpleados();
}

void frmEmpresas::Agregar()
{
    m_estado = Agregando;
    m_empresa = QSharedPointer<Empresa>::create();
    MostrarEmpresa();
    Bloquear(false);
    EntrarEdicion();
}

void frmEmpresas::Modificar()
{
    if (!m_empresa)
        return;
    m_estado = Modificando;
    Bloquear(false);
    EntrarEdicion();
}

void frmEmpresas::Cancelar()
{
    const int estado = m_estado;
    m_estado = Consultando;
    if (m_empresas.Count() == 0) {
        Limpiar(); // what was typed for a company never stored goes with it
    } else {
        if (estado == Agregando)
            m_empresa = m_empresas.Item(m_lstEmpresas->currentRow() + 1);
        else if (m_empresa && BaseDatos)
            m_empresa->Leer(*BaseDatos, m_empresa->IdEmpresa()); // a failed "Grabar" may have changed it
        MostrarEmpresa();
    }
    Bloquear(true);
    SalirEdicion();
}

void frmEmpresas::Cerrar()
{
    if (QMdiSubWindow* ventana = Ventana())
        ventana->close();
    else
        close();
}
