// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPadre.h"

#include "AreaTrabajo.h"
#include "CursorOcupado.h"
#include "Dialogos.h"
#include "MenuPrincipal.h"
#include "Pantalla.h"
#include "Plataforma.h"
#include "RestauracionInteractiva.h"
#include "frmAbout.h"
#include "frmAyuda.h"
#include "frmBackUp.h"
#include "frmConfiguracionCorreo.h"
#include "frmSelImpr.h"
#include "records/Conexion.h"
#include "records/Global.h"
#include "liquidation/Liquidacion.h"
#include "screens/frmBoletaComun.h"
#include "screens/frmBoletaExtra.h"
#include "screens/frmEmpresas.h"
#include "screens/frmSelecLiquid.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {
const QString ClaveUltimaEmpresa = QStringLiteral("ULTIMAEMPRESA");
// Roomy where the screen allows; the smallest supported screen (800 × 600) gets the whole window.
const QSize TamanoPreferido(1024, 720);
} // namespace

frmPadre::frmPadre(Dialogos& dialogos, QWidget* parent)
    : QMainWindow(parent)
    , m_dialogos(dialogos)
    , m_carpetaAyuda(frmAyuda::CarpetaPorDefecto())
{
    CursorOcupado ocupado;
    setObjectName(QStringLiteral("frmPadre"));
    setWindowTitle(QStringLiteral("Aplicativo de Aportes del Sindicato de Comercio de Velmar"));
    setWindowIcon(QIcon(IconoPrograma()));
    m_area = new AreaTrabajo(this);
    m_area->setObjectName(QStringLiteral("areaMdi"));
    setCentralWidget(m_area);

    CrearMenuPrincipal(*this);
    m_cboEmpresas = CrearBarraPrincipal(*this);
    connect(m_cboEmpresas, qOverload<int>(&QComboBox::currentIndexChanged), this, &frmPadre::EmpresaSeleccionada);

    CargarEmpresas();
    MostrarEmpresas();
    RecordarUltimaEmpresa();
    const QSize tamano = TamanoQueCabe(this, TamanoPreferido);
    resize(tamano);
    if (tamano != TamanoPreferido)
        setWindowState(windowState() | Qt::WindowMaximized);
}

frmPadre::~frmPadre() = default;

void frmPadre::resizeEvent(QResizeEvent* evento)
{
    QMainWindow::resizeEvent(evento);
    AjustarBarraPrincipal(*this);
}

void frmPadre::changeEvent(QEvent* evento)
{
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::FontChange)
        AjustarBarraPrincipal(*this);
}

QString frmPadre::TextoNoDisponible()
{
    return QStringLiteral("Esta función todavía no está disponible en esta versión.");
}

void frmPadre::CargarEmpresas()
{
    m_listaDeEmpresas = ListaEmpresas();
    m_errorLectura.clear();
    if (BaseDatos && !m_listaDeEmpresas.LeerEmpresas(*BaseDatos)) {
        // An empty selector alone would look like lost data: say that the list could not be read.
        m_errorLectura = QStringLiteral("No se pudo leer la lista de empresas de la base de datos.\n")
            + BaseDatos->UltimoError();
        m_empresaActual.reset(); // whether it is still stored cannot be told
        ErrorDeLectura(m_errorLectura);
        return;
    }
    if (!m_empresaActual)
        return;
    // The object kept current must be one of the stored companies, never a company that is gone.
    const QSharedPointer<Empresa> guardada = m_listaDeEmpresas.Item(m_empresaActual->CUIT());
    if (!guardada || guardada->IdEmpresa() != m_empresaActual->IdEmpresa()) {
        m_empresaActual.reset();
        return;
    }
    m_empresaActual = guardada;
    CargarEmpleados();
}

void frmPadre::CargarEmpleados()
{
    if (!BaseDatos || m_empresaActual->CargarListaEmpleados(*BaseDatos))
        return;
    ErrorDeLectura(QStringLiteral("No se pudo leer la lista de empleados de %1.\n").arg(m_empresaActual->Nombre())
                   + BaseDatos->UltimoError());
}

void frmPadre::ErrorDeLectura(const QString& texto)
{
    m_dialogos.Mensaje(texto, QStringLiteral("ERROR DE DATOS"), Icono::Critico);
}

void frmPadre::MostrarEmpresas()
{
    const QSignalBlocker bloqueo(m_cboEmpresas);
    m_cboEmpresas->clear();
    for (const auto& empresa : m_listaDeEmpresas)
        m_cboEmpresas->addItem(empresa->Nombre());
    m_cboEmpresas->setCurrentIndex(-1);
}

void frmPadre::RecordarUltimaEmpresa()
{
    if (m_cboEmpresas->count() == 0)
        return;
    bool numero = false;
    int posicion = LeerParametro(ClaveUltimaEmpresa, QStringLiteral("0")).trimmed().toInt(&numero);
    if (!numero)
        posicion = 0;
    if (posicion >= 0 && posicion < m_cboEmpresas->count())
        m_cboEmpresas->setCurrentIndex(posicion);
}

void frmPadre::EmpresaSeleccionada(int posicion)
{
    if (posicion < 0)
        return;
    CursorOcupado ocupado;
    m_empresaActual = m_listaDeEmpresas.Item(posicion + 1);
    if (m_empresaActual)
        CargarEmpleados();
    GrabarParametro(ClaveUltimaEmpresa, QString::number(posicion));
}

int frmPadre::PosicionEmpresa() const
{
    return m_cboEmpresas->currentIndex();
}

void frmPadre::ElegirEmpresa(int posicion)
{
    m_cboEmpresas->setCurrentIndex(posicion >= 0 && posicion < m_cboEmpresas->count() ? posicion : -1);
}

void frmPadre::SiguienteEmpresa()
{
    const int cantidad = m_cboEmpresas->count();
    if (cantidad == 0)
        return;
    int siguiente = qMax(m_cboEmpresas->currentIndex(), 0) + 1;
    if (siguiente > cantidad - 1)
        siguiente = 0;
    m_cboEmpresas->setCurrentIndex(siguiente);
}

bool frmPadre::HayEmpresaActual()
{
    if (m_empresaActual)
        return true;
    if (!m_errorLectura.isEmpty()) {
        ErrorDeLectura(m_errorLectura); // nothing is known about the stored companies
        return false;
    }
    // Companies stored but none chosen (after a restore, or the current one was deleted) is not an
    // empty file.
    m_dialogos.Mensaje(m_listaDeEmpresas.Count() > 0 ? QStringLiteral("Elija una empresa en la lista de empresas.")
                                                     : QStringLiteral("No hay ninguna empresa registrada."),
                       QStringLiteral("CARGA DE DATOS"), Icono::Informacion);
    return false;
}

void frmPadre::NoDisponible()
{
    m_dialogos.Mensaje(TextoNoDisponible(), QStringLiteral("INFORMACION"), Icono::Informacion);
}

// A single company screen: the command brings the open one to the front.
void frmPadre::MantenimientoEmpresas()
{
    frmEmpresas::Abrir(*this);
}

namespace {
// A new slip declares the company's employees as they are stored now: they are read again and
// copied into it. A failed read is said, and no slip is opened on a stale list.
QSharedPointer<Liquidacion> LiquidacionNueva(const QSharedPointer<Empresa>& empresa, Dialogos& dialogos)
{
    if (!BaseDatos || !empresa->CargarListaEmpleados(*BaseDatos)) {
        dialogos.Mensaje(QStringLiteral("No se pudo leer la lista de empleados de %1.\n").arg(empresa->Nombre())
                             + (BaseDatos ? BaseDatos->UltimoError() : QString()),
                         QStringLiteral("ERROR DE DATOS"), Icono::Critico);
        return {};
    }
    auto liq = QSharedPointer<Liquidacion>::create();
    liq->setEmpresa(empresa);
    empresa->PasarEmpleados(*liq);
    return liq;
}
} // namespace

// Every command opens one more slip screen of its own in the work area.
void frmPadre::NuevaBoletaNormal()
{
    if (!HayEmpresaActual())
        return;
    CursorOcupado ocupado;
    if (const auto liq = LiquidacionNueva(m_empresaActual, m_dialogos))
        frmBoletaComun::Abrir(*this, liq, 1);
}

void frmPadre::NuevaBoletaExtra()
{
    if (!HayEmpresaActual())
        return;
    CursorOcupado ocupado;
    if (const auto liq = LiquidacionNueva(m_empresaActual, m_dialogos))
        frmBoletaExtra::Abrir(*this, liq, 1);
}

namespace {
// The three commands on stored slips read the company's slips afresh, then open a new selection
// screen. A failed read is said, with the driver's reason: an empty list would claim there are none.
bool LeerBoletas(Empresa& empresa, Dialogos& dialogos)
{
    if (BaseDatos && empresa.LeerLiquidaciones(*BaseDatos))
        return true;
    dialogos.Mensaje(QStringLiteral("No se pudieron leer las boletas de la empresa.\n")
                         + (BaseDatos ? BaseDatos->UltimoError() : QString()),
                     QStringLiteral("ERROR DE DATOS"), Icono::Critico);
    return false;
}
} // namespace

void frmPadre::ConsultarBoletas()
{
    if (!HayEmpresaActual())
        return;
    CursorOcupado ocupado;
    if (!LeerBoletas(*m_empresaActual, m_dialogos))
        return;
    frmSelecLiquid::Abrir(*this, frmSelecLiquid::ModoConsultar);
}

void frmPadre::GenerarAPartirDeAnterior()
{
    if (!HayEmpresaActual())
        return;
    CursorOcupado ocupado;
    if (!LeerBoletas(*m_empresaActual, m_dialogos))
        return;
    frmSelecLiquid::Abrir(*this, frmSelecLiquid::ModoGenerar);
}

void frmPadre::BorrarBoletas()
{
    if (!HayEmpresaActual())
        return;
    CursorOcupado ocupado;
    if (!LeerBoletas(*m_empresaActual, m_dialogos))
        return;
    m_empresaActual->MaximosOrdinales(); // only the latest declaration of each period is offered
    frmSelecLiquid::Abrir(*this, frmSelecLiquid::ModoEliminar);
}

void frmPadre::SeleccionarImpresora()
{
    frmSelImpr pantalla(m_dialogos, m_impresoras, this);
    pantalla.exec();
}

void frmPadre::ConfiguracionCorreo()
{
    frmConfiguracionCorreo dialogo(m_dialogos, this);
    dialogo.exec();
}

void frmPadre::CopiaDeSeguridad()
{
    if (!BaseDatos)
        return;
    frmBackUp dialogo(m_dialogos, *BaseDatos, this);
    dialogo.exec();
}

void frmPadre::RestaurarCopia()
{
    if (!BaseDatos)
        return;
    if (!RestaurarInteractivo(m_dialogos, *BaseDatos))
        return;
    m_empresaActual.reset(); // the restored data decide the companies: the user picks one again
    CargarEmpresas();
    MostrarEmpresas();
    m_dialogos.Mensaje(QStringLiteral("Restauración de la base de datos terminada."), QStringLiteral("INFORMACION"),
                       Icono::Informacion);
}

void frmPadre::Calculadora()
{
    IniciarCalculadora(); // a desktop without a calculator simply gets none
}

void frmPadre::BlockDeNotas()
{
    IniciarEditorTexto();
}

void frmPadre::AyudaDelSistema()
{
    if (!frmAyuda::Instalada(m_carpetaAyuda)) {
        m_dialogos.Mensaje(QStringLiteral("El sistema de ayuda no se ha instalado correctamente."),
                           QStringLiteral("AYUDA"), Icono::Critico);
        return;
    }
    CursorOcupado ocupado;
    if (!m_ayuda || m_ayuda->Carpeta() != m_carpetaAyuda) {
        delete m_ayuda;
        m_ayuda = new frmAyuda(m_carpetaAyuda, this);
    }
    m_ayuda->MostrarTema(frmAyuda::TemaPorDefecto());
}

void frmPadre::AcercaDe()
{
    frmAbout acerca(this);
    acerca.exec();
}

void frmPadre::Salir()
{
    close();
}
