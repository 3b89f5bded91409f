// SPDX-License-Identifier: GPL-3.0-or-later
#include "Liquidacion.h"

#include "records/Empresa.h"
#include "records/Global.h"
#include "records/Reloj.h"
#include "records/ListaEmpleados.h"

#include <QDate>

#include <algorithm>

Liquidacion::Liquidacion(QObject* parent)
    : QObject(parent)
{
    PeriodoPorDefecto(Reloj::Hoy(), m_mes, m_anio);
    m_porcentajeFCM = ParamPorcentajeFcm;
    m_importeCuota = ParamImporteCta;
    m_porcentaje2 = ParamPorcentajeDos;
}

Liquidacion::~Liquidacion() = default;

void Liquidacion::PeriodoPorDefecto(const QDate& hoy, int& mes, int& anio)
{
    mes = hoy.month() - 1;
    anio = hoy.year();
    if (mes == 0) {
        mes = 12;
        anio -= 1;
    }
}

::ListaEmpleados& Liquidacion::ListaEmpleadosLiquidacion()
{
    if (!m_lista)
        m_lista = QSharedPointer<::ListaEmpleados>::create();
    return *m_lista;
}

const ::ListaEmpleados& Liquidacion::ListaEmpleadosLiquidacion() const
{
    if (!m_lista)
        m_lista = QSharedPointer<::ListaEmpleados>::create();
    return *m_lista;
}

void Liquidacion::setListaEmpleadosLiquidacion(const QSharedPointer<::ListaEmpleados>& lista)
{
    m_lista = lista;
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

double Liquidacion::APagar2() const
{
    return ListaEmpleadosLiquidacion().Aporte2L(*this);
}

double Liquidacion::APagarFCM() const
{
    return ListaEmpleadosLiquidacion().FCML(*this);
}

double Liquidacion::FCM() const
{
    return APagarFCM();
}

double Liquidacion::APagarCuota() const
{
    return ListaEmpleadosLiquidacion().CuotaSindicalL(*this);
}

double Liquidacion::APagarRecargo() const
{
    // The surcharge applies to the three contributions only, never to free concepts or the credit.
    return (APagarFCM() + APagar2() + APagarCuota()) * (m_coeficiente / 100.0);
}

double Liquidacion::APagarTotal() const
{
    return APagarFCM() + APagar2() + APagarCuota() + APagarRecargo() + m_pagadoOtros + m_pagadoReq - m_credito;
}

double Liquidacion::PagadoTotal() const
{
    return m_pagadoFCM + m_pagado2 + m_pagadoCuota + m_pagadoRecargo + m_pagadoReq + m_pagadoOtros - m_credito;
}

void Liquidacion::setPagado2(double v)
{
    m_pagado2 = std::min(v, APagar2());
}

void Liquidacion::setPagadoFCM(double v)
{
    m_pagadoFCM = std::min(v, FCM());
}

void Liquidacion::setPagadoCuota(double v)
{
    m_pagadoCuota = std::min(v, APagarCuota());
}

void Liquidacion::setPagadoRecargo(double v)
{
    m_pagadoRecargo = std::min(v, APagarRecargo());
}

void Liquidacion::setCredito(double v)
{
    // At least 1.00 peso must remain deposited; compared in cents so binary fractions don't decide.
    const double bruto = m_credito + PagadoTotal();
    if (Centavos(bruto - v) >= 100) {
        m_credito = v;
        return;
    }
    const double maximo = bruto - 1.0;
    m_credito = maximo < 0 ? 0.0 : maximo;
}

template <typename F>
double Liquidacion::SumarContados(F valor) const
{
    double total = 0;
    for (const auto& e : ListaEmpleadosLiquidacion()) {
        if (e->Activo() && e->CuentaEnPeriodo(*this))
            total += valor(*e);
    }
    return total;
}

double Liquidacion::TotalEmpleados() const
{
    return SumarContados([](const Empleado& e) { return e.Haberes(); });
}

double Liquidacion::TotalAfiliados() const
{
    return SumarContados([](const Empleado& e) { return e.Afiliado() ? e.Haberes() : 0.0; });
}

int Liquidacion::CantEmpleados() const
{
    return int(SumarContados([](const Empleado&) { return 1.0; }));
}

int Liquidacion::CantAfiliados() const
{
    return int(SumarContados([](const Empleado& e) { return e.Afiliado() ? 1.0 : 0.0; }));
}
