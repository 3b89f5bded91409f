// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSelImpr.h"

#include "Dialogos.h"
#include "Pantalla.h"
#include "Principal.h"
#include "printing/printer/ImpresoraSistema.h"
#include "records/Global.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmSelImpr::frmSelImpr(Dialogos& dialogos, Impresoras& impresoras, QWidget* principal)
    : QDialog(principal)
    , m_dialogos(dialogos)
    , m_impresorasPrograma(impresoras)
    , m_principal(principal)
{
    setObjectName(QStringLiteral("frmSelImpr"));
    setWindowTitle(QStringLiteral("Selección de Impresora"));
    setModal(true);

    auto* lblTitulo = new QLabel(QStringLiteral("Seleccione la Impresora que utilizará el sistema"), this);
    lblTitulo->setObjectName(QStringLiteral("lblTitulo"));
    m_lista = new QComboBox(this);
    m_lista->setObjectName(QStringLiteral("cboImpresoras"));
    m_lista->setMinimumWidth(300);
    auto* lblPapel = new QLabel(QStringLiteral("Tamaño de papel indicado: A4"), this);
    lblPapel->setObjectName(QStringLiteral("lblPapel"));

    auto* cmdAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar->setDefault(true);
    auto* cmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    connect(cmdAceptar, &QPushButton::clicked, this, &frmSelImpr::Aceptar);
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    auto* diseno = new QVBoxLayout(this);
    diseno->addWidget(lblTitulo);
    diseno->addWidget(m_lista);
    diseno->addWidget(lblPapel);
    diseno->addLayout(botones);

    CargarImpresoras();
}

void frmSelImpr::CargarImpresoras()
{
    CargarImpresoras(Impresoras::Instaladas());
}

void frmSelImpr::CargarImpresoras(const QList<DatosImpresora>& impresoras)
{
    m_impresoras = impresoras;
    m_lista->clear();
    const QString actual = m_impresorasPrograma.Actual().Nombre();
    for (const DatosImpresora& d : impresoras) {
        m_lista->addItem(d.Nombre);
        if (d.Nombre == actual)
            m_lista->setCurrentIndex(m_lista->count() - 1);
    }
}

void frmSelImpr::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    CentrarFormulario(this, m_principal);
    MantenerEnPantalla(this);
}

void frmSelImpr::Aceptar()
{
    if (m_lista->currentIndex() < 0) {
        m_dialogos.Mensaje(QStringLiteral("Debe tener instalada una impresora para poder utilizar el Sistema.\r"
                                          "El programa no se podrá ejecutar hasta que instale una impresora en este "
                                          "equipo.\rPresione 'Aceptar' para salir del programa"),
                           QStringLiteral("ERROR"), Icono::Informacion);
        reject();
        QCoreApplication::exit(1);
        return;
    }
    const QString elegida = m_lista->currentText();
    // Several printers may share a name: the last one listed wins.
    for (const DatosImpresora& d : std::as_const(m_impresoras)) {
        if (d.Nombre != elegida)
            continue;
        m_impresorasPrograma.Actual().setDestino(d.Nombre);
        GrabarParametro(QStringLiteral("IMPRESORA"), d.Nombre);
        GrabarParametro(QStringLiteral("DRIVERIMP"), d.Driver);
    }
    accept();
}
