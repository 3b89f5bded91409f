// SPDX-License-Identifier: GPL-3.0-or-later
#include "Liquidacion.h"

Liquidacion::Liquidacion(QObject* parent)
    : QObject(parent)
{
    const QDate mesAnterior = QDate::currentDate().addMonths(-1);
    m_mes = mesAnterior.month();
    m_anio = mesAnterior.year();
}

void Liquidacion::setMes(int mes)
{
    if (mes == m_mes)
        return;
    m_mes = mes;
    emit CambioPeriodo();
}

void Liquidacion::setAnio(int anio)
{
    if (anio == m_anio)
        return;
    m_anio = anio;
    emit CambioPeriodo();
}
