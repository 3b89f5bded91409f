// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CampoImporteBoleta.h"

#include <QSharedPointer>
#include <QWidget>

class Dialogos;
class Empleado;
class Liquidacion;
class ModeloEmpleadosBoleta;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QTabWidget;
class QTableView;
class frmPadre;

/// What the two slip screens share: the period frame with the declaration number, the tab
/// "Boleta de Deposito" with the amounts due and deposited, the tab "Detalle Empleados" with the
/// grid, and the lower bar. The ordinary and the extraordinary screen say where they differ.
/// The screen edits its slip field by field; every amount it shows is read back from the slip.
class frmBoleta : public QWidget
{
    Q_OBJECT
public:
    /// Captions and choices that tell the two screens apart.
    struct Textos
    {
        QString titulo, encabezado;
        QString aporte2, aporteFCM, cuota, acta, columnaActa;
        QString envio, tipEnvio;
        bool conBorrar = true;
        bool conAporteCalculado = true;
        CampoImporteBoleta::Filtro filtro = CampoImporteBoleta::Filtro::Traducido;
    };

    ~frmBoleta() override;

    /// Fixed size of the window, title bar included: 10470 × 7230 twips.
    static QSize Tamano() { return QSize(698, 482); }

    /// The slip being edited.
    QSharedPointer<Liquidacion> MiLiq() const { return m_liq; }
    /// 1 new slip (also one based on a stored slip), 2 consultation (read-only).
    int Modo() const { return m_modo; }
    /// The employee selected in the grid; null when none.
    QSharedPointer<Empleado> EmpleadoSeleccionado() const { return m_seleccionado; }
    /// The window in the main window's work area that holds the screen.
    QMdiSubWindow* Ventana() const;

    /// The declaration number list: "Original" and one "Complementaria N" per other stored slip of
    /// the period; a new slip is proposed the last number, a consulted one shows its own.
    void CargarRectificativas();
    /// Every field, label and count from the slip, then the grid. Where deposits follow, an amount
    /// due that changed since last shown is first taken as its deposit.
    void MostrarLiquidacion();
    void CargarGrilla();
    /// The total line and the buttons that depend on it.
    void MostrarTotales();
    /// Opens the employee edit screen on the selected employee (the slip's own object).
    void ModificarEmpleado();

protected:
    enum Campo { Dos, FCM, Cuota, Recargo, Otros, Req, Credito, Coef, CantidadCampos };

    frmBoleta(frmPadre& principal, const Textos& textos);

    /// Sets the slip and the mode and loads the screen; then places it in the work area and shows it.
    void Iniciar(const QSharedPointer<Liquidacion>& liq, int modo);

    Dialogos& Servicio() const;
    frmPadre& Principal() const { return m_principal; }

    // Where the screens differ.
    /// Runs before anything is shown (the extraordinary screen empties a new slip's employees).
    virtual void AntesDeCargar() {}
    /// The 2 % and FCM deposits always equal their amounts due (else they are only capped).
    virtual bool DepositosFijos() const = 0;
    /// Deposits follow their amounts due whenever these change.
    virtual bool DepositosSiguen() const = 0;
    /// The other-concepts amount is locked (and zeroed) while its description is empty.
    virtual bool OtrosSegunDescripcion() const = 0;
    /// Whether the period may be saved (the ordinary screen's three-month rule).
    virtual bool PeriodoAdmitido() { return true; }
    /// Before printing: checks and notices; false stops the printing.
    virtual bool AntesDeImprimir() { return true; }
    /// Between the save and the printout: the ordinary screen writes the declaration file.
    virtual void EntregarDeclaracion() {}
    /// Visibility of the send button, given whether something is deposited.
    virtual bool EnvioVisible(bool hayTotal) const = 0;
    /// The send button's command.
    virtual void EnviarDatos() = 0;
    /// After a successful save (the ordinary screen renames the save button).
    virtual void DespuesDeGrabar() {}

    /// The save command: true when the slip was stored; every outcome is told to the user.
    bool Grabar();
    /// The print command: save when needed, then the declaration and the copies.
    void Imprimir();
    /// The pages printing would produce, on the screen; saves, declares and prints nothing.
    void VistaPrevia();

    QPushButton* BotonGrabar() const { return m_cmdGrabar; }
    QLineEdit* Texto(const QString& nombre) const;

private:
    struct Adeudados;
    void Construir(const Textos& textos);
    QWidget* ConstruirPeriodo();
    QWidget* ConstruirDeposito();
    QWidget* ConstruirEmpleados();
    QWidget* ConstruirBarra();
    CampoImporteBoleta* NuevoCampo(Campo campo, const QString& nombre, int decimales = 2);
    QLineEdit* NuevoTexto(const QString& nombre, int largo);
    QLabel* NuevaCifra(const QString& nombre);

    void Activar();
    void AplicarBloqueos();
    void Seguir(int concepto, double adeudado);
    bool ValidarCampo(Campo campo);
    void ValidarAportes();
    void CambiarTexto(QLineEdit* texto);
    void CambiarCoeficiente(const QString& texto);
    void ElegirDeclaracion(int indice);
    void AlCambiarPeriodo();
    void MoverMes(int paso);
    void MoverAnio(int paso);
    void SeleccionarFila(int fila);
    void AlSeleccionar();
    void Agregar();
    void Borrar();
    bool RecargarEmpleados();
    void CopiarAdeudado(int concepto);
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    frmPadre& m_principal;
    const Textos m_textosBase;
    QSharedPointer<Liquidacion> m_liq;
    int m_modo = 1;
    QSharedPointer<Empleado> m_seleccionado;
    bool m_cambios = false;      // edited since the last successful save
    QString m_mostrados[4];      // amounts due as last shown, to tell when they change

    QLabel* m_lblMes = nullptr;
    QLabel* m_lblAnio = nullptr;
    QGroupBox* m_fraPeriodo = nullptr;
    QComboBox* m_cboRectif = nullptr;
    QTabWidget* m_tabs = nullptr;
    CampoImporteBoleta* m_campos[CantidadCampos] = {};
    QLabel* m_adeudados[4] = {}; // lblAporteCalculado05 0..2 and lblRecargo
    QLabel* m_cifras[8] = {};    // counts and remunerations, on both tabs
    QLabel* m_lblTotal = nullptr;
    QLineEdit* m_txtOtrosConceptos = nullptr;
    QLineEdit* m_txtNroReq = nullptr;
    QLineEdit* m_txtOCCreditos = nullptr;
    QList<QLineEdit*> m_textos;
    QComboBox* m_cboForma = nullptr;
    QWidget* m_fraCheque = nullptr;
    QComboBox* m_cboCopias = nullptr;
    QTableView* m_grilla = nullptr;
    ModeloEmpleadosBoleta* m_modelo = nullptr;
    QPushButton* m_cmdAgregar = nullptr;
    QPushButton* m_cmdModificar = nullptr;
    QPushButton* m_cmdBorrar = nullptr;
    QPushButton* m_cmdGrabar = nullptr;
    QPushButton* m_cmdImprimir = nullptr;
    QPushButton* m_cmdVistaPrevia = nullptr;
    QPushButton* m_cmdCancelar = nullptr;
    QPushButton* m_cmdSucur = nullptr;
    QPushButton* m_cmdMandaSuc = nullptr;
};
