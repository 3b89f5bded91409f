// SPDX-License-Identifier: GPL-3.0-or-later
// The life of a slip screen: loading, the declaration number, the period, showing the slip and
// its totals, saving and printing.
#include "frmBoleta.h"

#include "ImpresionBoleta.h"
#include "ModeloEmpleadosBoleta.h"
#include "frmVistaPrevia.h"
#include "liquidation/Liquidacion.h"
#include "liquidation/OperacionesLiquidacion.h"
#include "printing/CodigoPago.h"
#include "records/Conexion.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "shell/CursorOcupado.h"
#include "shell/Dialogos.h"
#include "shell/Principal.h"
#include "shell/frmPadre.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

frmBoleta::frmBoleta(frmPadre& principal, const Textos& textos)
    : QWidget(nullptr)
    , m_principal(principal)
    , m_textosBase(textos)
{
    m_modelo = new ModeloEmpleadosBoleta(textos.conAporteCalculado, this);
    Construir(textos);
}

frmBoleta::~frmBoleta() = default;

Dialogos& frmBoleta::Servicio() const
{
    return m_principal.Servicio();
}

QMdiSubWindow* frmBoleta::Ventana() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

QLineEdit* frmBoleta::Texto(const QString& nombre) const
{
    return findChild<QLineEdit*>(nombre);
}

void frmBoleta::Iniciar(const QSharedPointer<Liquidacion>& liq, int modo)
{
    m_liq = liq;
    m_modo = modo;
    connect(m_liq.data(), &Liquidacion::CambioPeriodo, this, &frmBoleta::AlCambiarPeriodo);
    AntesDeCargar();
    m_modelo->setLiquidacion(m_liq);
    m_tabs->setCurrentIndex(0);
    CargarRectificativas();
    MostrarLiquidacion();
    MostrarTotales();
    m_cambios = false;

    QMdiSubWindow* ventana = m_principal.Area()->addSubWindow(this);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    ventana->setFixedSize(Tamano());
    ventana->show();
    Activar();
    // Centred in the main window's client area whenever it becomes the active screen again.
    connect(m_principal.Area(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* activa) {
        if (activa && activa == Ventana())
            Activar();
    });
}

void frmBoleta::Activar()
{
    if (auto* ventana = Ventana())
        CentrarFormulario(ventana, &m_principal);
}

void frmBoleta::CargarRectificativas()
{
    if (!m_liq)
        return;
    if (m_modo != 2) {
        // Counted as a new declaration, so that a slip based on a stored one is not offered its
        // base's own number again.
        m_liq->SetNueva(true);
        m_liq->setIdLiquidacion(0);
    }
    int hermanas = BaseDatos ? m_liq->CantidadHermanas(*BaseDatos) : 0;
    if (hermanas < 0)
        hermanas = 0;
    if (m_modo == 2)
        hermanas = qMax(hermanas, m_liq->Ordinal()); // a consulted slip always finds its own number
    {
        const QSignalBlocker bloqueo(m_cboRectif);
        m_cboRectif->clear();
        m_cboRectif->addItem(QStringLiteral("Original"));
        for (int i = 1; i <= hermanas; ++i)
            m_cboRectif->addItem(QStringLiteral("Complementaria %1").arg(i));
        m_cboRectif->setCurrentIndex(m_modo == 2 ? m_liq->Ordinal() : hermanas);
    }
    ElegirDeclaracion(m_cboRectif->currentIndex());
}

void frmBoleta::ElegirDeclaracion(int indice)
{
    if (!m_liq || indice < 0)
        return;
    if (m_modo == 2) {
        // Consultation: the slip is the stored one and stays so.
        m_cmdGrabar->setText(QStringLiteral("Modifica&r"));
        return;
    }
    m_liq->setOrdinal(indice);
    if (indice == m_cboRectif->count() - 1) {
        m_liq->SetNueva(true);
        m_liq->setIdLiquidacion(0);
        m_cmdGrabar->setText(QStringLiteral("&Grabar"));
        return;
    }
    // An existing number: saving overwrites that stored declaration with what the screen shows.
    const qint64 id = BaseDatos ? IdDeclaracionGuardada(*BaseDatos, *m_liq, indice) : -1;
    m_liq->SetNueva(id <= 0);
    m_liq->setIdLiquidacion(id > 0 ? id : 0);
    m_cmdGrabar->setText(QStringLiteral("Modifica&r"));
}

void frmBoleta::MostrarLiquidacion()
{
    if (!m_liq)
        return;
    Liquidacion& liq = *m_liq;
    const double adeudados[4] = {liq.APagar2(), liq.APagarFCM(), liq.APagarCuota(), liq.APagarRecargo()};
    for (int i = 0; i < 4; ++i) {
        const QString texto = FormatoImporte(adeudados[i]);
        if (texto == m_mostrados[i])
            continue;
        m_mostrados[i] = texto;
        m_adeudados[i]->setText(texto);
        if (DepositosSiguen())
            Seguir(i, adeudados[i]);
    }

    m_cboCopias->setCurrentIndex(0);
    liq.setBoletasAImprimir(1);
    m_lblMes->setText(QStringLiteral("%1").arg(liq.Mes(), 2, 10, QLatin1Char('0')));
    m_lblAnio->setText(QStringLiteral("%1").arg(liq.Anio(), 4, 10, QLatin1Char('0')));
    const QString cifras[4] = {QString::number(liq.CantEmpleados()), QString::number(liq.CantAfiliados()),
                               FormatoImporte(liq.TotalEmpleados()), FormatoImporte(liq.TotalAfiliados())};
    for (int i = 0; i < 8; ++i)
        m_cifras[i]->setText(cifras[i % 4]);

    const double depositos[CantidadCampos] = {liq.Pagado2(),     liq.PagadoFCM(), liq.PagadoCuota(),
                                              liq.PagadoRecargo(), liq.PagadoOtros(), liq.PagadoReq(),
                                              liq.Credito(),     liq.Coeficiente()};
    for (int i = 0; i < CantidadCampos; ++i)
        m_campos[i]->setText(m_campos[i]->Formato(depositos[i]));
    m_txtOtrosConceptos->setText(liq.OtrosConceptos());
    m_txtOCCreditos->setText(liq.ConceptoCredito());
    m_txtNroReq->setText(liq.NroReq());
    Texto(QStringLiteral("txtNroCuota"))->setText(liq.Cuota());
    Texto(QStringLiteral("txtInspector"))->setText(liq.Inspector());
    Texto(QStringLiteral("txtBanco"))->setText(liq.Banco());
    Texto(QStringLiteral("txtCheque"))->setText(liq.NroCheque());
    m_cboForma->setCurrentIndex(qBound(0, liq.FormaPago(), m_cboForma->count() - 1));
    AplicarBloqueos();
    CargarGrilla();
}

void frmBoleta::MostrarTotales()
{
    if (!m_liq)
        return;
    const double total = m_liq->PagadoTotal();
    m_lblTotal->setText(QStringLiteral("TOTAL DEPOSITADO $") + FormatoImporte(total));
    const bool hayTotal = Centavos(total) > 0;
    m_cmdGrabar->setEnabled(hayTotal && m_modo == 1);
    m_cmdImprimir->setEnabled(hayTotal);
    m_cmdVistaPrevia->setEnabled(hayTotal);
    m_cmdMandaSuc->setEnabled(hayTotal);
    m_cmdMandaSuc->setVisible(EnvioVisible(hayTotal));
}

void frmBoleta::MoverMes(int paso)
{
    if (!m_liq || m_modo == 2)
        return;
    int mes = m_liq->Mes() + paso;
    if (mes > 12)
        mes = 1;
    else if (mes < 1)
        mes = 12;
    m_liq->setMes(mes); // the slip tells the change through CambioPeriodo
}

void frmBoleta::MoverAnio(int paso)
{
    if (!m_liq || m_modo == 2)
        return;
    const int anio = m_liq->Anio() + paso;
    if (anio >= 1000 && anio <= 9999)
        m_liq->setAnio(anio);
}

void frmBoleta::AlCambiarPeriodo()
{
    m_cambios = true;
    CargarRectificativas();
    MostrarLiquidacion();
    MostrarTotales();
}

bool frmBoleta::Grabar()
{
    if (!m_liq || !PeriodoAdmitido())
        return false;
    bool grabada = false;
    {
        CursorOcupado ocupado;
        grabada = BaseDatos && m_liq->Grabar(*BaseDatos);
    }
    if (!grabada) {
        const QString motivo =
            BaseDatos ? BaseDatos->UltimoError() : QStringLiteral("No hay ninguna base de datos abierta.");
        Servicio().Mensaje(QStringLiteral("No se pudo grabar la boleta.")
                               + (motivo.isEmpty() ? QString() : QStringLiteral("\r\n") + motivo),
                           QStringLiteral("ERROR"), Icono::Critico);
        return false;
    }
    m_cambios = false;
    Servicio().Mensaje(QStringLiteral("Boleta Grabada"), QStringLiteral("GRABACION"), Icono::Informacion);
    DespuesDeGrabar();
    return true;
}

void frmBoleta::Imprimir()
{
    if (!m_liq || !AntesDeImprimir())
        return;
    // A slip the bank could not read is refused before anything is stored or written.
    QString motivo;
    if (CodigoPago(*m_liq, &motivo).isEmpty()) {
        Servicio().Mensaje(motivo, QStringLiteral("ERROR"), Icono::Critico);
        return;
    }
    // What is printed and declared is what is stored: a new or changed slip is saved first, and
    // a slip that could not be saved is neither declared nor printed.
    if (m_modo != 2 && (m_liq->Nueva() || m_cambios) && !Grabar())
        return;
    EntregarDeclaracion();
    ImprimirLiquidacion(*m_liq, m_principal.Impresion(), Servicio());
}

void frmBoleta::VistaPrevia()
{
    if (m_liq)
        frmVistaPrevia::Mostrar(*m_liq, m_principal.Impresion(), Servicio(), this);
}
