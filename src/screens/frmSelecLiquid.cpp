// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSelecLiquid.h"

#include "frmBoletaComun.h"
#include "frmBoletaExtra.h"
#include "liquidation/Liquidaciones.h"
#include "records/Conexion.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "shell/CursorOcupado.h"
#include "shell/Dialogos.h"
#include "shell/Principal.h"
#include "shell/frmPadre.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// What each entry carries besides its text: the slip's id and its position in the collection.
constexpr int RolId = Qt::UserRole;
constexpr int RolPosicion = Qt::UserRole + 1;

QString Titulo(int modo)
{
    switch (modo) {
    case frmSelecLiquid::ModoGenerar:
        return QStringLiteral("Selección de Liquidaciones - Generación de Nueva Liquidación");
    case frmSelecLiquid::ModoEliminar:
        return QStringLiteral("Selección de Liquidaciones - Eliminación");
    default:
        return QStringLiteral("Selección de Liquidaciones - Consulta");
    }
}

struct Cifra
{
    const char* nombre;
    const char* etiqueta;
    QString (*valor)(const Liquidacion&);
};

// The figures of the selected slip, top to bottom. As in the union's form, the 2 % concept is the
// "Fondo Asistencia Social" and the FCM deposit stands on the "Cuota Sindical" line.
const Cifra Cifras[] = {
    {"txtCantEmpleados", "Empleados   ", [](const Liquidacion& l) { return QString::number(l.CantEmpleados()); }},
    {"txtCantAfiliados", "Afiliados   ", [](const Liquidacion& l) { return QString::number(l.CantAfiliados()); }},
    {"txtTotalEmpleados", "Remuneraciones Empleados",
     [](const Liquidacion& l) { return FormatoImporte(l.TotalEmpleados()); }},
    {"txtTotalAfiliados", "Remuneraciones Afiliados  ",
     [](const Liquidacion& l) { return FormatoImporte(l.TotalAfiliados()); }},
    {"txtPagado2", "Fondo Asistencia Social ", [](const Liquidacion& l) { return FormatoImporte(l.Pagado2()); }},
    {"txtPagadoFCM", "Cuota Sindical ", [](const Liquidacion& l) { return FormatoImporte(l.PagadoFCM()); }},
    {"txtPagadoRecargo", "Recargo", [](const Liquidacion& l) { return FormatoImporte(l.PagadoRecargo()); }},
    {"txtPagadoReq", "Acta ", [](const Liquidacion& l) { return FormatoImporte(l.PagadoReq()); }},
    {"txtPagadoOtros", "Otros Conceptos", [](const Liquidacion& l) { return FormatoImporte(l.PagadoOtros()); }},
    {"txtCredito", "Créditos", [](const Liquidacion& l) { return FormatoImporte(l.Credito()); }},
    {"txtPagadoCuota", "Depositado Cuota Sindical",
     [](const Liquidacion& l) { return FormatoImporte(l.PagadoCuota()); }},
    {"txtPagadoTotal", "Total Depositado", [](const Liquidacion& l) { return FormatoImporte(l.PagadoTotal()); }},
};

} // namespace

frmSelecLiquid* frmSelecLiquid::Abrir(frmPadre& principal, int modo)
{
    auto* pantalla = new frmSelecLiquid(principal, modo);
    QMdiSubWindow* ventana = principal.Area()->addSubWindow(pantalla);
    ventana->setObjectName(QStringLiteral("ventanaSelecLiquid"));
    connect(ventana, &QMdiSubWindow::aboutToActivate, pantalla, &frmSelecLiquid::Activar);
    ventana->adjustSize();
    pantalla->CargarLiquidaciones();
    ventana->show();
    CentrarFormulario(ventana, &principal);
    return pantalla;
}

frmSelecLiquid::frmSelecLiquid(frmPadre& principal, int modo, QWidget* parent)
    : QWidget(parent)
    , m_principal(principal)
    , m_modo(modo)
    , m_empresa(principal.EmpresaActual())
{
    setObjectName(QStringLiteral("frmSelecLiquid"));
    setWindowTitle(Titulo(modo));

    auto* lblDeclaraciones = new QLabel(QStringLiteral("Declaraciones Juradas"), this);
    lblDeclaraciones->setObjectName(QStringLiteral("lblDeclaraciones"));
    m_lista = new QListWidget(this);
    m_lista->setObjectName(QStringLiteral("lstLiquidaciones"));
    m_lista->setMinimumWidth(230);
    connect(m_lista, &QListWidget::currentRowChanged, this, &frmSelecLiquid::MostrarCifras);
    connect(m_lista, &QListWidget::itemDoubleClicked, this, &frmSelecLiquid::Aceptar);
    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(lblDeclaraciones);
    izquierda->addWidget(m_lista);

    auto* fraCifras = new QGroupBox(this);
    fraCifras->setObjectName(QStringLiteral("fraCifras"));
    auto* formulario = new QFormLayout(fraCifras);
    for (const Cifra& cifra : Cifras) {
        auto* campo = new QLineEdit(fraCifras);
        campo->setObjectName(QLatin1String(cifra.nombre));
        campo->setReadOnly(true);
        campo->setAlignment(Qt::AlignRight);
        campo->setFixedWidth(110);
        auto* etiqueta = new QLabel(QString::fromUtf8(cifra.etiqueta), fraCifras);
        etiqueta->setObjectName(QLatin1String("lbl") + QLatin1String(cifra.nombre + 3));
        etiqueta->setBuddy(campo);
        formulario->addRow(etiqueta, campo);
        m_cifras.append(campo);
    }

    auto* cmdAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar->setDefault(true);
    auto* cmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    connect(cmdAceptar, &QPushButton::clicked, this, &frmSelecLiquid::Aceptar);
    connect(cmdCancelar, &QPushButton::clicked, this, &frmSelecLiquid::Ocultar);

    auto* arriba = new QHBoxLayout;
    arriba->addLayout(izquierda, 1);
    arriba->addWidget(fraCifras);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    auto* diseno = new QVBoxLayout(this);
    diseno->addLayout(arriba);
    diseno->addLayout(botones);
}

QString frmSelecLiquid::TextoEntrada(Liquidacion& liq)
{
    if (liq.Extraordinaria())
        return QStringLiteral("Extraordinaria No ") + QString::number(BaseDatos ? liq.Numerador(*BaseDatos) : 0);
    return QStringLiteral("%1 - %2 | ").arg(liq.Mes(), 2, 10, QLatin1Char('0')).arg(liq.Anio())
        + (liq.Ordinal() == 0 ? QStringLiteral("Original") : QStringLiteral("Complementaria Nº %1").arg(liq.Ordinal()));
}

void frmSelecLiquid::CargarLiquidaciones()
{
    struct Entrada
    {
        QString texto;
        qint64 id;
        int posicion;
    };
    QList<Entrada> entradas;
    if (m_empresa) {
        const Liquidaciones& liquidaciones = m_empresa->Liquidaciones();
        // Only the latest declaration of a period may be deleted, even when another command has
        // since read the company's whole list into the collection this screen shows.
        const QList<int> superadas =
            m_modo == ModoEliminar ? liquidaciones.PosicionesSuperadas() : QList<int>();
        for (int posicion = 1; posicion <= liquidaciones.Count(); ++posicion) {
            if (superadas.contains(posicion))
                continue;
            const QSharedPointer<Liquidacion> liq = liquidaciones.Item(posicion);
            entradas.append({TextoEntrada(*liq), liq->IdLiquidacion(), posicion});
        }
    }

    // A list that has not changed is left as it is, with its selection: the click that brought
    // the screen to the front is then not lost with the entry it was on.
    bool igual = entradas.size() == m_lista->count();
    for (int i = 0; igual && i < entradas.size(); ++i) {
        const QListWidgetItem* item = m_lista->item(i);
        igual = item->text() == entradas.at(i).texto && item->data(RolId).toLongLong() == entradas.at(i).id
            && item->data(RolPosicion).toInt() == entradas.at(i).posicion;
    }
    if (!igual) {
        const QSignalBlocker bloqueo(m_lista);
        m_lista->clear();
        for (const Entrada& e : std::as_const(entradas)) {
            auto* item = new QListWidgetItem(e.texto, m_lista);
            item->setData(RolId, e.id);
            item->setData(RolPosicion, e.posicion);
        }
        m_lista->setCurrentRow(m_lista->count() > 0 ? 0 : -1);
    }
    MostrarCifras();
}

QMdiSubWindow* frmSelecLiquid::Ventana() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void frmSelecLiquid::Activar()
{
    CargarLiquidaciones();
    CentrarFormulario(Ventana() ? static_cast<QWidget*>(Ventana()) : this, &m_principal);
}

QSharedPointer<Liquidacion> frmSelecLiquid::Elegida() const
{
    const QListWidgetItem* entrada = m_lista->currentItem();
    if (!entrada || !m_empresa)
        return {};
    return m_empresa->Liquidaciones().Item(entrada->data(RolPosicion).toInt());
}

void frmSelecLiquid::MostrarCifras()
{
    const QSharedPointer<Liquidacion> liq = Elegida();
    for (int i = 0; i < m_cifras.size(); ++i)
        m_cifras.at(i)->setText(liq ? Cifras[i].valor(*liq) : QString());
}

void frmSelecLiquid::Aceptar()
{
    const QSharedPointer<Liquidacion> liq = Elegida();
    if (!liq)
        return;
    m_idSeleccionada = m_lista->currentItem()->data(RolId).toLongLong();
    if (m_modo == ModoEliminar)
        Borrar(liq);
    else
        AbrirBoleta(liq);
}

void frmSelecLiquid::Borrar(const QSharedPointer<Liquidacion>& liq)
{
    Dialogos& dialogos = m_principal.Servicio();
    if (!dialogos.Preguntar(QStringLiteral("¿Está seguro de borrar la boleta seleccionada?"),
                            QStringLiteral("BORRADO DE BOLETA"), Icono::Pregunta))
        return;
    if (!BaseDatos)
        return;
    CursorOcupado ocupado;
    if (!liq->Borrar(*BaseDatos)) {
        // Nothing was deleted: the screen stays so the user can try again or cancel.
        dialogos.Mensaje(QStringLiteral("No se pudo borrar la boleta seleccionada.\n") + BaseDatos->UltimoError(),
                         QStringLiteral("ERROR"), Icono::Critico);
        return;
    }
    if (!m_empresa->LeerLiquidaciones(*BaseDatos))
        dialogos.Mensaje(QStringLiteral("La boleta se borró, pero no se pudieron leer las boletas de la empresa.\n")
                             + BaseDatos->UltimoError(),
                         QStringLiteral("ERROR DE DATOS"), Icono::Critico);
    if (QMdiSubWindow* ventana = Ventana())
        ventana->close();
    else
        close();
}

void frmSelecLiquid::AbrirBoleta(const QSharedPointer<Liquidacion>& liq)
{
    {
        CursorOcupado ocupado;
        const int modoBoleta = m_modo == ModoGenerar ? 1 : 2;
        if (liq->Extraordinaria())
            frmBoletaExtra::Abrir(m_principal, liq, modoBoleta);
        else
            frmBoletaComun::Abrir(m_principal, liq, modoBoleta);
    }
    Ocultar();
}

void frmSelecLiquid::Ocultar()
{
    if (QMdiSubWindow* ventana = Ventana())
        ventana->hide();
    else
        hide();
}
