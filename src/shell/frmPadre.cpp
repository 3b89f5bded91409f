// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPadre.h"

#include <QMdiArea>

frmPadre::frmPadre(Dialogos& dialogos, QWidget* parent)
    : QMainWindow(parent)
    , m_dialogos(dialogos)
{
    setObjectName(QStringLiteral("frmPadre"));
    setWindowTitle(QStringLiteral("Aplicativo de Aportes del Sindicato de Comercio de Velmar"));
    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("areaMdi"));
    setCentralWidget(m_area);
    resize(1024, 720);
}
