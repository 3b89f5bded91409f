// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmVistaPrevia.h"

#include "liquidation/Liquidacion.h"
#include "printing/CodigoPago.h"
#include "printing/ImpresionLiquidacion.h"
#include "printing/printer/ImpresoraSistema.h"
#include "printing/printer/ImpresoraVistaPrevia.h"
#include "printing/printer/Impresoras.h"
#include "shell/CursorOcupado.h"
#include "shell/Dialogos.h"
#include "shell/Pantalla.h"
#include "shell/Principal.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
/// Each zoom step enlarges or reduces the page by this factor.
constexpr double kPasoZoom = 1.25;

QAction* Accion(QToolBar* barra, const QString& nombre, const QString& texto, const QString& icono,
                const QKeySequence& tecla)
{
    // Qt's own print preview icons, when the library carries them.
    const QString recurso = QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/%1-24.png").arg(icono);
    auto* accion = barra->addAction(QIcon(recurso), texto);
    accion->setObjectName(nombre);
    accion->setToolTip(texto);
    if (!tecla.isEmpty())
        accion->setShortcut(tecla);
    return accion;
}
} // namespace

frmVistaPrevia::frmVistaPrevia(const Liquidacion& liq, const ImpresoraSistema& actual, QWidget* parent)
    : QDialog(parent)
    , m_liq(liq)
    , m_impresora(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("frmVistaPrevia"));
    setWindowTitle(QStringLiteral("Vista previa de la boleta"));
    setModal(true);
    ImpresoraVistaPrevia::ComoLaActual(*m_impresora, actual);

    m_vista = new QPrintPreviewWidget(m_impresora.get(), this);
    m_vista->setObjectName(QStringLiteral("vistaPrevia"));
    m_vista->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_vista->setZoomMode(QPrintPreviewWidget::FitToWidth);
    connect(m_vista, &QPrintPreviewWidget::paintRequested, this, &frmVistaPrevia::Dibujar);
    connect(m_vista, &QPrintPreviewWidget::previewChanged, this, &frmVistaPrevia::MostrarPagina);

    m_barra = new QToolBar(this);
    QToolBar* barra = m_barra;
    barra->setObjectName(QStringLiteral("barraVistaPrevia"));
    barra->setIconSize(QSize(24, 24));
    barra->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_anterior = Accion(barra, QStringLiteral("actPaginaAnterior"), QStringLiteral("Página anterior"),
                        QStringLiteral("go-previous"), QKeySequence());
    m_lblPagina = new QLabel(barra);
    m_lblPagina->setObjectName(QStringLiteral("lblPagina"));
    m_lblPagina->setContentsMargins(6, 0, 6, 0);
    barra->addWidget(m_lblPagina);
    m_siguiente = Accion(barra, QStringLiteral("actPaginaSiguiente"), QStringLiteral("Página siguiente"),
                         QStringLiteral("go-next"), QKeySequence());
    barra->addSeparator();
    auto* alejar = Accion(barra, QStringLiteral("actAlejar"), QStringLiteral("Alejar"), QStringLiteral("zoom-out"),
                          QKeySequence::ZoomOut);
    auto* acercar = Accion(barra, QStringLiteral("actAcercar"), QStringLiteral("Acercar"), QStringLiteral("zoom-in"),
                           QKeySequence::ZoomIn);
    auto* ancho = Accion(barra, QStringLiteral("actAjustarAncho"), QStringLiteral("Ancho de página"),
                         QStringLiteral("zoom-fit-width"), QKeySequence());
    auto* entera = Accion(barra, QStringLiteral("actPaginaEntera"), QStringLiteral("Página entera"),
                          QStringLiteral("zoom-fit-page"), QKeySequence());
    connect(m_anterior, &QAction::triggered, this, [this]() { IrA(m_vista->currentPage() - 1); });
    connect(m_siguiente, &QAction::triggered, this, [this]() { IrA(m_vista->currentPage() + 1); });
    connect(alejar, &QAction::triggered, this, [this]() { m_vista->zoomOut(kPasoZoom); });
    connect(acercar, &QAction::triggered, this, [this]() { m_vista->zoomIn(kPasoZoom); });
    connect(ancho, &QAction::triggered, m_vista, &QPrintPreviewWidget::fitToWidth);
    connect(entera, &QAction::triggered, m_vista, &QPrintPreviewWidget::fitInView);

    auto* cmdCerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cmdCerrar->setObjectName(QStringLiteral("cmdCerrar"));
    cmdCerrar->setDefault(true);
    connect(cmdCerrar, &QPushButton::clicked, this, &QDialog::accept);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch();
    abajo->addWidget(cmdCerrar);

    auto* columna = new QVBoxLayout(this);
    columna->addWidget(barra);
    columna->addWidget(m_vista, 1);
    columna->addLayout(abajo);
    resize(TamanoQueCabe(this, QSize(760, 560)));
}

frmVistaPrevia::~frmVistaPrevia()
{
    // The pages shown belong to the preview's printer: the view goes first.
    delete m_vista;
}

bool frmVistaPrevia::Mostrar(const Liquidacion& liq, Impresoras& impresoras, Dialogos& dialogos, QWidget* padre)
{
    if (liq.BoletasAImprimir() <= 0)
        return false;
    // The same refusal, in the same words, as printing: what cannot be printed is not previewed.
    const QString titulo = QStringLiteral("ERROR");
    QString motivo;
    if (CodigoPago(liq, &motivo).isEmpty()) {
        dialogos.Mensaje(motivo, titulo, Icono::Critico);
        return false;
    }
    frmVistaPrevia vista(liq, impresoras.Actual(), padre);
    bool dibujada = false;
    {
        CursorOcupado ocupado;
        dibujada = vista.Actualizar();
    }
    if (!dibujada) {
        dialogos.Mensaje(vista.UltimoError(), titulo, Icono::Critico);
        return false;
    }
    vista.exec();
    return true;
}

bool frmVistaPrevia::Actualizar()
{
    m_error.clear();
    m_vista->updatePreview();
    if (m_error.isEmpty() && m_vista->pageCount() < 1)
        m_error = QStringLiteral("No se pudo preparar la vista previa de la boleta.");
    return m_error.isEmpty();
}

void frmVistaPrevia::Dibujar(QPrinter* vista)
{
    // The printout's own layers, through the same entry printing uses, on the preview's printer.
    ImpresoraVistaPrevia impresora(*vista);
    QString motivo;
    if (!Imprimir(m_liq, impresora, &motivo))
        m_error = motivo.isEmpty() ? QStringLiteral("No se pudo preparar la vista previa de la boleta.") : motivo;
}

int frmVistaPrevia::Paginas() const
{
    return m_vista->pageCount();
}

int frmVistaPrevia::PaginaActual() const
{
    return m_vista->currentPage();
}

void frmVistaPrevia::IrA(int pagina)
{
    if (pagina >= 1 && pagina <= m_vista->pageCount())
        m_vista->setCurrentPage(pagina);
    MostrarPagina();
}

void frmVistaPrevia::MostrarPagina()
{
    const int pagina = m_vista->currentPage();
    const int paginas = m_vista->pageCount();
    m_lblPagina->setText(QStringLiteral("Página %1 de %2").arg(pagina).arg(paginas));
    m_anterior->setEnabled(pagina > 1);
    m_siguiente->setEnabled(pagina < paginas);
}

void frmVistaPrevia::AjustarBarra()
{
    // Captions while the row has room for them; on a narrow window the icons alone (each keeps its
    // caption as tooltip), so that no command hides behind the toolbar's overflow button.
    const bool activas = m_barra->updatesEnabled();
    m_barra->setUpdatesEnabled(false);
    m_barra->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    if (m_barra->sizeHint().width() > m_barra->width())
        m_barra->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_barra->setUpdatesEnabled(activas);
}

void frmVistaPrevia::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (parentWidget())
        CentrarFormulario(this, parentWidget()->window());
    MantenerEnPantalla(this);
    AjustarBarra();
}

void frmVistaPrevia::resizeEvent(QResizeEvent* evento)
{
    QDialog::resizeEvent(evento);
    if (isVisible())
        AjustarBarra();
}
