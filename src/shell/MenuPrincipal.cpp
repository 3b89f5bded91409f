// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuPrincipal.h"

#include "printing/Emblema.h"
#include "IconosPrincipal.h"
#include "frmPadre.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {
using Comando = void (frmPadre::*)();

QAction* Entrada(QMenu* menu, frmPadre& ventana, const QString& nombre, const QString& texto, Comando comando,
                 const QKeySequence& atajo = QKeySequence())
{
    QAction* accion = menu->addAction(texto);
    accion->setObjectName(nombre);
    accion->setShortcut(atajo);
    accion->setShortcutContext(Qt::WindowShortcut);
    if (comando)
        QObject::connect(accion, &QAction::triggered, &ventana, comando);
    return accion;
}

void Boton(QToolBar* barra, frmPadre& ventana, const QString& nombre, IconoComando icono, const QString& texto,
           const QString& ayuda, Comando comando)
{
    QAction* accion = barra->addAction(IconoDeComando(icono), texto);
    accion->setToolTip(ayuda);
    accion->setStatusTip(ayuda);
    QObject::connect(accion, &QAction::triggered, &ventana, comando);
    barra->widgetForAction(accion)->setObjectName(nombre);
}
} // namespace

QPixmap IconoPrograma()
{
    return QPixmap::fromImage(ImagenEmblema(64));
}

void CrearMenuPrincipal(frmPadre& v)
{
    QMenuBar* barra = v.menuBar();

    QMenu* empresas = barra->addMenu(QStringLiteral("Mantenimiento Empresas"));
    Entrada(empresas, v, QStringLiteral("mnuMantenimiento"), QStringLiteral("&Mantenimiento"),
            &frmPadre::MantenimientoEmpresas, Qt::Key_F2);

    QMenu* boletas = barra->addMenu(QStringLiteral("Boletas de Depósito"));
    QMenu* generar = boletas->addMenu(QStringLiteral("&Generar Boleta"));
    generar->setObjectName(QStringLiteral("mnuGenerarBoleta"));
    Entrada(generar, v, QStringLiteral("mnuBoletaPeriodo"), QStringLiteral("Boleta Periodo "),
            &frmPadre::NuevaBoletaNormal, Qt::Key_F3);
    Entrada(generar, v, QStringLiteral("mnuBoletaActas"), QStringLiteral("Boleta Actas"), &frmPadre::NuevaBoletaExtra,
            Qt::Key_F4);
    Entrada(boletas, v, QStringLiteral("mnuBoletaAnterior"), QStringLiteral("&Boleta a partir de Pago Anterior"),
            &frmPadre::GenerarAPartirDeAnterior, Qt::Key_F5);
    boletas->addSeparator();
    Entrada(boletas, v, QStringLiteral("mnuConsultaBoletas"), QStringLiteral("&Consulta Boletas Anteriores"),
            &frmPadre::ConsultarBoletas, Qt::Key_F6);
    boletas->addSeparator();
    Entrada(boletas, v, QStringLiteral("mnuBorradoBoletas"), QStringLiteral("Borrado de Boletas Anteriores"),
            &frmPadre::BorrarBoletas, Qt::Key_F7);

    QMenu* utilidades = barra->addMenu(QStringLiteral("Utilidades"));
    Entrada(utilidades, v, QStringLiteral("mnuSelImpresora"), QStringLiteral("Selección de Impresora"),
            &frmPadre::SeleccionarImpresora);
    Entrada(utilidades, v, QStringLiteral("mnuConfiguracionCorreo"), QStringLiteral("Configuración de Correo"),
            &frmPadre::ConfiguracionCorreo);
    utilidades->addSeparator();
    Entrada(utilidades, v, QStringLiteral("mnuCopiaSeguridad"), QStringLiteral("Copia de Seguridad"),
            &frmPadre::CopiaDeSeguridad);
    Entrada(utilidades, v, QStringLiteral("mnuRestaurar"), QStringLiteral("Restaurar desde Copia de Seguridad"),
            &frmPadre::RestaurarCopia);
    // Shown so that users of earlier versions find it, but SQLite files need no compaction by hand.
    Entrada(utilidades, v, QStringLiteral("mnuCompactar"), QStringLiteral("Compactar Base de Datos"), nullptr)
        ->setEnabled(false);
    utilidades->addSeparator();
    Entrada(utilidades, v, QStringLiteral("mnuCalculadora"), QStringLiteral("Calculadora"), &frmPadre::Calculadora);
    Entrada(utilidades, v, QStringLiteral("mnuBlockNotas"), QStringLiteral("Block de Notas"), &frmPadre::BlockDeNotas);

    QMenu* ayuda = barra->addMenu(QStringLiteral("Ayuda"));
    Entrada(ayuda, v, QStringLiteral("mnuAyudaSistema"), QStringLiteral("Ayuda del Sistema"),
            &frmPadre::AyudaDelSistema, Qt::Key_F1);
    Entrada(ayuda, v, QStringLiteral("mnuAcercaDe"), QStringLiteral("Acerca de Aplicativo de Aportes"),
            &frmPadre::AcercaDe);

    QAction* salir = barra->addAction(QStringLiteral("&Salir"));
    salir->setObjectName(QStringLiteral("mnuSalir"));
    QObject::connect(salir, &QAction::triggered, &v, &frmPadre::Salir);
}

QComboBox* CrearBarraPrincipal(frmPadre& v)
{
    // One row for the commands and the company selector: on an 800-pixel-wide screen two toolbars
    // side by side would not fit, and a second row would take the room of the slip screens.
    QToolBar* barra = v.addToolBar(QStringLiteral("Comandos"));
    barra->setObjectName(QStringLiteral("barraComandos"));
    barra->setMovable(false);
    barra->setIconSize(QSize(24, 24));
    barra->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Boton(barra, v, QStringLiteral("cmdMantenimEmpr"), IconoComando::Altas, QStringLiteral("Altas"),
          QStringLiteral("Mantenimiento de Empresas"), &frmPadre::MantenimientoEmpresas);
    barra->addSeparator();
    Boton(barra, v, QStringLiteral("cmdNuevaBoletaComun"), IconoComando::Boleta, QStringLiteral("Boleta"),
          QStringLiteral("Nueva Boleta"), &frmPadre::NuevaBoletaNormal);
    Boton(barra, v, QStringLiteral("cmdNuevaBoletaExtra"), IconoComando::Actas, QStringLiteral("Actas"),
          QStringLiteral("Boleta Pago Actas"), &frmPadre::NuevaBoletaExtra);
    Boton(barra, v, QStringLiteral("cmdBoletaAnterior"), IconoComando::Anterior, QStringLiteral("Anterior"),
          QStringLiteral("Generar Boleta a Partir de Anterior"), &frmPadre::GenerarAPartirDeAnterior);
    Boton(barra, v, QStringLiteral("cmdConsultaBoleta"), IconoComando::Consulta, QStringLiteral("Consulta"),
          QStringLiteral("Consulta Boletas Anteriores"), &frmPadre::ConsultarBoletas);
    Boton(barra, v, QStringLiteral("cmdBorraBoletas"), IconoComando::Elimina, QStringLiteral("Elimina"),
          QStringLiteral("Borrar Boletas Grabadas"), &frmPadre::BorrarBoletas);
    barra->addSeparator();
    Boton(barra, v, QStringLiteral("cmdHelp"), IconoComando::Ayuda, QStringLiteral("Ayuda"),
          QStringLiteral("Ayuda del Sistema"), &frmPadre::AyudaDelSistema);
    Boton(barra, v, QStringLiteral("cmdSalir"), IconoComando::Salida, QStringLiteral("Salida"),
          QStringLiteral("Salir del Sistema"), &frmPadre::Salir);
    barra->addSeparator();

    auto* cmdEmpresa = new QToolButton(barra);
    cmdEmpresa->setObjectName(QStringLiteral("cmdEmpresa"));
    cmdEmpresa->setText(QStringLiteral("Empresa"));
    cmdEmpresa->setToolTip(QStringLiteral("Pasar a la empresa siguiente"));
    cmdEmpresa->setIcon(IconoDeComando(IconoComando::Empresa));
    // Follows the toolbar's icon size and caption style, as the command buttons do.
    cmdEmpresa->setIconSize(barra->iconSize());
    cmdEmpresa->setToolButtonStyle(barra->toolButtonStyle());
    QObject::connect(barra, &QToolBar::toolButtonStyleChanged, cmdEmpresa, &QToolButton::setToolButtonStyle);
    QObject::connect(cmdEmpresa, &QToolButton::clicked, &v, &frmPadre::SiguienteEmpresa);
    barra->addWidget(cmdEmpresa);
    auto* combo = new QComboBox(barra);
    combo->setObjectName(QStringLiteral("cboEmpresas"));
    // About twenty letters of a long name at least; the rest of the row when there is more room.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(20);
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    combo->setToolTip(QStringLiteral("Empresa con la que se trabaja"));
    combo->setPlaceholderText(QStringLiteral("(seleccione una empresa)"));
    barra->addWidget(combo);
    return combo;
}

void AjustarBarraPrincipal(frmPadre& v)
{
    auto* barra = v.findChild<QToolBar*>(QStringLiteral("barraComandos"));
    if (!barra)
        return;
    // Measured with the captions each time: the font and the window's width both decide.
    const bool activas = barra->updatesEnabled();
    barra->setUpdatesEnabled(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    if (barra->sizeHint().width() > v.width())
        barra->setToolButtonStyle(Qt::ToolButtonIconOnly);
    barra->setUpdatesEnabled(activas);
}
