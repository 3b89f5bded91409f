// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMetodoEnvio.h"

#include "shell/Principal.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmMetodoEnvio::frmMetodoEnvio(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMetodoEnvio"));
    setWindowTitle(QStringLiteral("Envío de DDJJ"));
    setModal(true);

    auto* etiqueta = new QLabel(QStringLiteral(" Envio de DDJJ de Empleados"), this);
    etiqueta->setObjectName(QStringLiteral("lblTitulo"));
    auto* grupo = new QGroupBox(this);
    grupo->setObjectName(QStringLiteral("fraMetodo"));
    auto* opciones = new QVBoxLayout(grupo);
    const QString textos[3] = {QStringLiteral("Grabar archivo de DDJJ"),
                               QStringLiteral("Enviar por correo electrónico"), QStringLiteral("Envío directo ")};
    for (int i = 0; i < 3; ++i) {
        m_opciones[i] = new QRadioButton(textos[i], grupo);
        m_opciones[i]->setObjectName(QStringLiteral("optMetodo%1").arg(i));
        opciones->addWidget(m_opciones[i]);
        // Followed on every change, by click or by arrow keys.
        connect(m_opciones[i], &QRadioButton::toggled, this, &frmMetodoEnvio::TomarMetodo);
    }
    // Writing the file is offered first: it is what the union asks for on every slip.
    m_opciones[0]->setChecked(true);

    auto* cmdAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar->setDefault(true);
    auto* cmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    connect(cmdAceptar, &QPushButton::clicked, this, [this]() {
        Aceptado = true;
        accept();
    });
    connect(cmdCancelar, &QPushButton::clicked, this, [this]() {
        Aceptado = false;
        reject();
    });

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(etiqueta);
    principal->addWidget(grupo);
    principal->addLayout(botones);
    TomarMetodo();
}

void frmMetodoEnvio::TomarMetodo()
{
    Metodo = m_opciones[0]->isChecked() ? 0 : m_opciones[1]->isChecked() ? 1 : 2;
}

void frmMetodoEnvio::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (parentWidget())
        CentrarFormulario(this, parentWidget()->window());
}
