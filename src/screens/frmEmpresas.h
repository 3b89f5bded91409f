// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/Empresa.h"
#include "records/ListaEmpresas.h"

#include <QPointer>
#include <QSharedPointer>
#include <QWidget>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMdiSubWindow;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class frmConsRubro;
class frmPadre;

/// "Mantenimiento de Empresas": adds, modifies and deletes companies and opens a company's employee
/// list. One instance, in a window of the main window's work area; it keeps a company list of its
/// own, read when it opens, and tells the main window whenever the stored companies change.
class frmEmpresas : public QWidget
{
    Q_OBJECT
public:
    /// Edit states: browsing, modifying the shown company, adding a new one.
    enum { Consultando = 0, Modificando = 1, Agregando = 2 };

    /// Size of the screen's window, 10065 x 6960 twips: it fits the main window on an 800 x 600 screen.
    static QSize Tamano() { return QSize(671, 464); }

    /// Opens the screen in the main window's work area, or brings the open one to the front.
    static frmEmpresas* Abrir(frmPadre& principal);

    explicit frmEmpresas(frmPadre& principal, QWidget* parent = nullptr);
    ~frmEmpresas() override;

    int Estado() const { return m_estado; }
    /// The company the fields show; null when there is none.
    QSharedPointer<Empresa> EmpresaMostrada() const { return m_empresa; }
    /// The screen's own company list.
    const ListaEmpresas& Empresas() const { return m_empresas; }

    /// Copies every field into the shown company.
    void LeerDatosForm();
    /// Fills the business-category list ("descripción - código", fixed pitch).
    void CargarRubros();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearControles();
    QMdiSubWindow* Ventana() const;

    // Company list and the shown company.
    bool LeerEmpresas();
    void LlenarListaEmpresas();
    void ElegirEntrada(int fila);
    void EntradaElegida(int fila);
    void MostrarEmpresa();
    void Limpiar();
    void ActualizarEmpleados();

    // Edit states.
    void Bloquear(bool soloLectura);
    void EntrarEdicion();
    void SalirEdicion();
    void Agregar();
    void Modificar();
    void Cancelar();
    void Grabar();
    void Borrar();
    void Empleados();
    void Cerrar();
    bool SucursalesValidas();
    void NoSeGrabo(const QString& motivo);
    void ActualizarPrincipal(qint64 idElegida);

    // Field rules.
    void FocoCambiado(QWidget* anterior, QWidget* actual);
    void SalirDeCuit();
    void SalirDeDocumento(QLineEdit* campo);
    void CodPostEditado(const QString& texto);
    void BuscarLocalidades();
    void LocalidadElegida(int indice);
    void MostrarProvincia();
    void BuscarRubros();
    void SeleccionarRubro(const QString& codigo);

    frmPadre& m_principal;
    ListaEmpresas m_empresas;
    QSharedPointer<Empresa> m_empresa;
    int m_estado = Consultando;
    bool m_moviendoFoco = false; // focus moved by the screen itself: no field rule runs
    QPointer<frmConsRubro> m_busqueda;

    QLineEdit *m_txtNombre = nullptr, *m_txtCUIT = nullptr;
    QRadioButton *m_optJuridica = nullptr, *m_optFisica = nullptr;
    QLineEdit *m_txtCalle = nullptr, *m_txtNumero = nullptr, *m_txtPiso = nullptr;
    QLineEdit *m_txtCalleLegal = nullptr, *m_txtNumeroLegal = nullptr, *m_txtPisoLegal = nullptr;
    QLineEdit *m_txtCodPost = nullptr, *m_txtLocalidad = nullptr, *m_txtCodProv = nullptr;
    QComboBox* m_cboLocalidad = nullptr;
    QStackedWidget* m_pilaLocalidad = nullptr;
    QLabel* m_lblProvincia = nullptr;
    QLineEdit *m_txtTelefonos = nullptr, *m_txtEmail = nullptr;
    QDateEdit* m_dtpFechaInicio = nullptr;
    QComboBox* m_cboRubro = nullptr;
    QLabel* m_lnkRubros = nullptr;
    QLineEdit *m_txtSocio = nullptr, *m_txtDocuSocio = nullptr, *m_txtSocio2 = nullptr, *m_txtDocuSocio2 = nullptr;
    QLineEdit *m_txtSucursales = nullptr, *m_txtNombreComercial = nullptr;
    QListWidget* m_lstEmpresas = nullptr;
    QGroupBox* m_fraEmpresas = nullptr;
    QPushButton *m_cmdAgregar = nullptr, *m_cmdModificar = nullptr, *m_cmdBorrar = nullptr;
    QPushButton *m_cmdGrabar = nullptr, *m_cmdCancelar = nullptr, *m_cmdEmpleados = nullptr, *m_cmdCerrar = nullptr;
};
