// SPDX-License-Identifier: GPL-3.0-or-later
// The sworn declaration (DDJJ) of a slip as the plain text the union reads: company, period,
// counts, totals and deposits, then one line per declared employee.
#include "Liquidacion.h"

#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"

namespace {

const QString FinDeLinea = QStringLiteral("\r\n");

QString Raya()
{
    return QString(80, QLatin1Char('-'));
}

QString DosDigitos(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString SiNo(bool valor)
{
    return valor ? QStringLiteral("SI") : QStringLiteral("NO");
}

QString LineaEmpleado(const Empleado& e)
{
    const QString nombre = e.Nombre().toUpper().left(30).leftJustified(30, QLatin1Char(' '));
    const QString baja = e.DeBaja() ? FormatoFecha(e.FechaBaja()) : QStringLiteral("00/00/0000");
    const QStringList campos = {
        e.CUIL(),
        nombre,
        FormatoFecha(e.FechaIngreso()),
        FormatoImporte(e.Haberes()),
        QStringLiteral("%1").arg(e.Categoria(), 3, 10, QLatin1Char('0')),
        SiNo(e.Afiliado()),
        SiNo(e.MediaJornada()),
        baja,
        SiNo(e.Licencia() != 0),
    };
    QString linea;
    for (const QString& campo : campos)
        linea += campo + QLatin1Char('|');
    return linea;
}

} // namespace

QString Liquidacion::Subject() const
{
    QString cuit = m_empresa ? m_empresa->CUIT() : QString();
    cuit.remove(QLatin1Char('-'));
    return QStringLiteral("DDJJ-OBRIX - ") + cuit + QStringLiteral("  ") + DosDigitos(m_mes) + QLatin1Char('-')
        + QString::number(m_anio);
}

QString Liquidacion::TextoEnvio() const
{
    const ::Empresa vacia;
    const ::Empresa& emp = m_empresa ? *m_empresa : vacia;
    const QStringList cabecera = {
        emp.CUIT(),
        emp.Nombre(),
        emp.NombreComercial(),
        emp.Calle() + QLatin1Char(' ') + emp.Numero() + QStringLiteral("  ") + emp.Piso(),
        emp.CalleLegal() + QLatin1Char(' ') + emp.NumeroLegal() + QStringLiteral("  ") + emp.PisoLegal(),
        emp.Telefonos(),
        emp.CodPost() + QStringLiteral("  ") + emp.Localidad(),
        emp.Socio(),
        emp.DocuSocio(),
        emp.Socio2(),
        emp.DocuSocio2(),
        emp.Email(),
        emp.CodRubro(),
        m_empresa ? FormatoFecha(emp.FechaInicio()) : QString(),
        DosDigitos(m_mes) + QLatin1Char('/') + QString::number(m_anio),
        QString::number(CantEmpleados()),
        QString::number(CantAfiliados()),
        FormatoImporte(TotalEmpleados()),
        FormatoImporte(TotalAfiliados()),
        FormatoImporte(m_pagado2),
        FormatoImporte(m_pagadoFCM),
        FormatoImporte(m_pagadoRecargo),
        FormatoImporte(PagadoTotal()),
        QString(),
        Raya(),
        QStringLiteral("CUIL         |APELLIDO Y NOMBRE|INGRESO|HABERES|CATEG.|AFIL.|M.JOR.|BAJA  |LICENCIA"),
        Raya(),
    };
    QString texto;
    for (const QString& linea : cabecera)
        texto += linea + FinDeLinea;
    for (const auto& e : ListaEmpleadosLiquidacion())
        texto += LineaEmpleado(*e) + FinDeLinea;
    texto += Raya() + FinDeLinea;
    return texto;
}
