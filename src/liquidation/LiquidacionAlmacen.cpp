// SPDX-License-Identifier: GPL-3.0-or-later
// Storage of a slip: its header row in "liquidaciones", one snapshot row per declared employee in
// "liquidaciones_empl", and the numbering of declarations and extraordinary slips.
#include "Liquidacion.h"

#include "records/Conexion.h"
#include "records/Consulta.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "liquidation/Liquidaciones.h"
#include "records/ListaEmpleados.h"
#include "records/Transaccion.h"

#include <QHash>
#include <QList>
#include <QPair>

namespace {

using Columnas = QList<QPair<QString, QString>>;

QString Numero(qint64 n)
{
    return QString::number(n);
}

/// Rows written per insert statement: one statement per row costs a parse each, which dominates
/// the save of a large slip.
constexpr int FilasPorSentencia = 200;

QString FilaEmpleado(qint64 idLiquidacion, const Empleado& e)
{
    const QString coma = QStringLiteral(", ");
    return QLatin1Char('(') + Numero(idLiquidacion) + coma + Numero(e.IdEmpleado()) + coma
        + ImporteSQL(e.Haberes()) + coma + ImporteSQL(e.Aporte2()) + coma + ImporteSQL(e.FCM()) + coma
        + ImporteSQL(e.CuotaSindical()) + coma + Numero(e.Licencia()) + coma + FechaSQL(e.FechaBaja()) + coma
        + BooleanoSQL(e.MediaJornada()) + coma + BooleanoSQL(e.Afiliado()) + coma + TextoSQL(e.CUIL()) + coma
        + TextoSQL(e.Nombre()) + coma + FechaSQL(e.FechaIngreso()) + QLatin1Char(')');
}

/// Inserts the employee snapshot and marks, on each master row, whether its termination has now
/// been declared. The marks are written per id in list order, the last one of an id winning.
bool GrabarEmpleados(Conexion& bd, qint64 idLiquidacion, const ListaEmpleados& lista)
{
    const QString alta = QStringLiteral("insert into liquidaciones_empl (idliquidacion, idempleado, remuneracion, "
                                        "aportedos, aportefcm, aportecta, licencia, baja, media, afiliado, CUIL, "
                                        "ayn, ingreso) values");
    QHash<qint64, bool> bajaInformada;
    QList<qint64> orden;
    QString sql;
    int filas = 0;
    for (const auto& e : lista) {
        sql += (filas == 0 ? alta : QStringLiteral(",")) + FilaEmpleado(idLiquidacion, *e);
        if (++filas == FilasPorSentencia) {
            if (!bd.Ejecutar(sql))
                return false;
            sql.clear();
            filas = 0;
        }
        if (!bajaInformada.contains(e->IdEmpleado()))
            orden.append(e->IdEmpleado());
        bajaInformada.insert(e->IdEmpleado(), e->DeBaja());
    }
    if (filas > 0 && !bd.Ejecutar(sql))
        return false;

    QString conBaja, sinBaja;
    for (qint64 id : orden) {
        QString& destino = bajaInformada.value(id) ? conBaja : sinBaja;
        destino += (destino.isEmpty() ? QString() : QStringLiteral(",")) + Numero(id);
    }
    const QString marcar = QStringLiteral("update empleados set bajainformada = %1 where id in (%2)");
    if (!conBaja.isEmpty() && !bd.Ejecutar(marcar.arg(BooleanoSQL(true), conBaja)))
        return false;
    if (!sinBaja.isEmpty() && !bd.Ejecutar(marcar.arg(BooleanoSQL(false), sinBaja)))
        return false;
    return true;
}

} // namespace

qint64 Liquidacion::IdEmpresaActual() const
{
    return m_empresa ? m_empresa->IdEmpresa() : 0;
}

bool Liquidacion::ContarExtraordinarias(Conexion& bd, int& cantidad) const
{
    const QVariant n = bd.ValorEscalar(
        QStringLiteral("select count(*) as Cantidad from liquidaciones where idmatriz = %1 and extraord <> 0")
            .arg(IdEmpresaActual()));
    if (!n.isValid())
        return false;
    cantidad = n.toInt();
    return true;
}

int Liquidacion::Numerador(Conexion& bd)
{
    if (!m_extraordinaria) {
        m_numerador = 0;
        return 0;
    }
    if (m_nueva) {
        int cantidad = 0;
        if (!ContarExtraordinarias(bd, cantidad))
            return -1;
        m_numerador = cantidad + 1;
    }
    return m_numerador;
}

int Liquidacion::CantidadHermanas(Conexion& bd) const
{
    const QVariant n = bd.ValorEscalar(QStringLiteral("select count(*) as Cantidad from liquidaciones where "
                                                      "idmatriz = %1 and mes = %2 and anio = %3 and id <> %4")
                                           .arg(IdEmpresaActual())
                                           .arg(m_mes)
                                           .arg(m_anio)
                                           .arg(m_idLiquidacion));
    return n.isValid() ? n.toInt() : -1;
}

QString Liquidacion::SentenciaCabecera(int numerador) const
{
    // Column order of the insert; amounts, rates and the coefficient with two decimals.
    Columnas c = {
        {QStringLiteral("idmatriz"), Numero(IdEmpresaActual())},
        {QStringLiteral("mes"), Numero(m_mes)},
        {QStringLiteral("anio"), Numero(m_anio)},
        {QStringLiteral("cantempleados"), Numero(CantEmpleados())},
        {QStringLiteral("cantAfiliados"), Numero(CantAfiliados())},
        {QStringLiteral("totalempleados"), ImporteSQL(TotalEmpleados())},
        {QStringLiteral("totalafiliados"), ImporteSQL(TotalAfiliados())},
        {QStringLiteral("porcentajedos"), ImporteSQL(m_porcentaje2)},
        {QStringLiteral("apagar2"), ImporteSQL(APagar2())},
        {QStringLiteral("pagado2"), ImporteSQL(m_pagado2)},
        {QStringLiteral("porcentajefcm"), ImporteSQL(m_porcentajeFCM)},
        {QStringLiteral("apagarfcm"), ImporteSQL(APagarFCM())},
        {QStringLiteral("pagadofcm"), ImporteSQL(m_pagadoFCM)},
        {QStringLiteral("importecuota"), ImporteSQL(m_importeCuota)},
        {QStringLiteral("apagarcuota"), ImporteSQL(APagarCuota())},
        {QStringLiteral("pagadocuota"), ImporteSQL(m_pagadoCuota)},
        {QStringLiteral("coeficiente"), ImporteSQL(m_coeficiente)},
        {QStringLiteral("apagarrecargo"), ImporteSQL(APagarRecargo())},
        {QStringLiteral("pagadorecargo"), ImporteSQL(m_pagadoRecargo)},
        {QStringLiteral("otrosconceptos"), TextoSQL(m_otrosConceptos)},
        {QStringLiteral("pagadootros"), ImporteSQL(m_pagadoOtros)},
        {QStringLiteral("nroreq"), TextoSQL(m_nroReq)},
        {QStringLiteral("pagadoreq"), ImporteSQL(m_pagadoReq)},
        {QStringLiteral("cuota"), TextoSQL(m_cuota)},
        {QStringLiteral("credito"), ImporteSQL(m_credito)},
        {QStringLiteral("conceptocredito"), TextoSQL(m_conceptoCredito)},
        {QStringLiteral("pagadototal"), ImporteSQL(PagadoTotal())},
        {QStringLiteral("inspector"), TextoSQL(m_inspector)},
        {QStringLiteral("orig_rect"), Numero(m_ordinal)},
        {QStringLiteral("forma_pago"), Numero(m_formaPago)},
        {QStringLiteral("banco"), TextoSQL(m_banco)},
        {QStringLiteral("cheque"), TextoSQL(m_nroCheque)},
        {QStringLiteral("numerador"), Numero(numerador)},
        {QStringLiteral("extraord"), BooleanoSQL(m_extraordinaria)},
    };
    const QString coma = QStringLiteral(", ");
    if (m_nueva) {
        // The program version is recorded only when the row is created.
        c.insert(c.size() - 2, {QStringLiteral("version"), TextoSQL(QString::fromLatin1(VersionFormatoBoleta))});
        QString nombres, valores;
        for (const auto& par : c) {
            nombres += (nombres.isEmpty() ? QString() : coma) + par.first;
            valores += (valores.isEmpty() ? QString() : coma) + par.second;
        }
        return QStringLiteral("insert into liquidaciones (") + nombres + QStringLiteral(") values (") + valores
            + QLatin1Char(')');
    }
    QString pares;
    for (const auto& par : c)
        pares += (pares.isEmpty() ? QString() : coma) + par.first + QStringLiteral(" = ") + par.second;
    return QStringLiteral("update liquidaciones set ") + pares + QStringLiteral(" where id = ")
        + Numero(m_idLiquidacion);
}

bool Liquidacion::Grabar(Conexion& bd)
{
    Transaccion transaccion(bd);
    if (!transaccion.Iniciada())
        return false;

    // The number is only taken over once the whole save is committed.
    int numerador = 0;
    if (m_extraordinaria) {
        numerador = m_numerador;
        if (m_nueva) {
            if (!ContarExtraordinarias(bd, numerador))
                return false;
            ++numerador;
        }
    }

    qint64 id = m_idLiquidacion;
    if (m_nueva) {
        if (!bd.Ejecutar(SentenciaCabecera(numerador)))
            return false;
        id = bd.UltimoId(); // the row just inserted, whatever other slips the company has
    } else {
        // Rewriting a slip that is no longer stored must fail, not silently write nothing.
        const QVariant existe =
            bd.ValorEscalar(QStringLiteral("select count(*) from liquidaciones where id = %1").arg(id));
        if (!existe.isValid() || existe.toLongLong() == 0)
            return false;
        if (!bd.Ejecutar(QStringLiteral("delete from liquidaciones_empl where idliquidacion = %1").arg(id)))
            return false;
        if (!bd.Ejecutar(SentenciaCabecera(numerador)))
            return false;
    }
    if (!GrabarEmpleados(bd, id, ListaEmpleadosLiquidacion()))
        return false;
    if (!transaccion.Confirmar())
        return false;

    m_idLiquidacion = id;
    m_numerador = numerador;
    m_nueva = false;
    return true;
}

bool Liquidacion::Borrar(Conexion& bd)
{
    const QString sql = QStringLiteral("delete from liquidaciones where id = %1").arg(m_idLiquidacion);
    if (m_nueva) {
        bd.AnotarError(sql, QStringLiteral("La boleta no está grabada."));
        return false;
    }
    // One statement: the schema's cascade removes the employee rows within it, or nothing at all.
    if (!bd.Ejecutar(sql))
        return false;
    if (bd.FilasAfectadas() == 0) {
        bd.AnotarError(sql, QStringLiteral("La boleta ya no está grabada."));
        return false;
    }
    return true;
}

namespace {

using ListasPorLiquidacion = QHash<qint64, QSharedPointer<ListaEmpleados>>;

/// The employee snapshots of every slip the condition on "liquidaciones" selects, each list in the
/// order the rows were written, with category and description from the employees' master rows:
/// two queries however many slips, columns found once by name and then read by position.
bool LeerEmpleadosDeLiquidaciones(Conexion& bd, const QString& condicion,
                                  const QHash<qint64, QSharedPointer<Empresa>>& empresaDe, ListasPorLiquidacion& listas)
{
    const QString liquidaciones = QStringLiteral("(select id from liquidaciones where ") + condicion + QLatin1Char(')');
    QHash<qint64, QPair<int, QString>> maestros;
    Consulta mae = bd.AbrirConsulta(
        QStringLiteral("select e.id, e.puesto, c.descripcion from empleados e left join categorias c "
                       "on c.codigo = printf('%03d', e.puesto) where e.id in "
                       "(select idempleado from liquidaciones_empl where idliquidacion in ")
        + liquidaciones + QLatin1Char(')'));
    if (!mae.Valida())
        return false;
    for (; !mae.Fin(); mae.Siguiente())
        maestros.insert(mae.Entero(0), {int(mae.Entero(1)), mae.Texto(2)});

    Consulta filas = bd.AbrirConsulta(QStringLiteral("select * from liquidaciones_empl where idliquidacion in ")
                                      + liquidaciones + QStringLiteral(" order by idliquidacion, id"));
    if (!filas.Valida())
        return false;
    const int cLiq = filas.Columna(QStringLiteral("idliquidacion")), cEmp = filas.Columna(QStringLiteral("idempleado")),
              cRem = filas.Columna(QStringLiteral("remuneracion")), cLic = filas.Columna(QStringLiteral("licencia")),
              cBaja = filas.Columna(QStringLiteral("baja")), cMedia = filas.Columna(QStringLiteral("media")),
              cAfil = filas.Columna(QStringLiteral("afiliado")), cCuil = filas.Columna(QStringLiteral("cuil")),
              cAyn = filas.Columna(QStringLiteral("ayn")), cIngreso = filas.Columna(QStringLiteral("ingreso"));
    qint64 actual = -1;
    QSharedPointer<ListaEmpleados> lista;
    QSharedPointer<Empresa> empresa;
    for (; !filas.Fin(); filas.Siguiente()) {
        const qint64 idLiquidacion = filas.Entero(cLiq);
        if (idLiquidacion != actual) {
            actual = idLiquidacion;
            lista = QSharedPointer<ListaEmpleados>::create();
            listas.insert(idLiquidacion, lista);
            empresa = empresaDe.value(idLiquidacion);
        }
        auto e = QSharedPointer<Empleado>::create();
        e->setEmpresa(empresa);
        // The snapshot keeps the master's id even when that row has since been deleted.
        const qint64 idEmpleado = filas.Entero(cEmp);
        e->setIdEmpleado(idEmpleado);
        const auto maestro = maestros.constFind(idEmpleado);
        if (maestro != maestros.constEnd()) {
            e->setCategoria(maestro->first);
            e->setDescripcionCategoria(maestro->second);
            e->setNuevo(false);
        }
        e->setHaberes(filas.Doble(cRem));
        e->setLicencia(int(filas.Entero(cLic)));
        e->setFechaBaja(filas.Fecha(cBaja));
        e->setMediaJornada(filas.Booleano(cMedia));
        e->setAfiliado(filas.Booleano(cAfil));
        e->setCUIL(filas.Texto(cCuil));
        e->setNombre(filas.Texto(cAyn));
        e->setFechaIngreso(filas.Fecha(cIngreso));
        lista->Add(e, e->CUIL());
    }
    return true;
}

} // namespace

void Liquidacion::TomarCabecera(const Consulta& cab)
{
    // Stored values go straight into the fields: no caps, no bounds, no CambioPeriodo.
    m_mes = int(cab.Entero(QStringLiteral("mes")));
    m_anio = int(cab.Entero(QStringLiteral("anio")));
    m_banco = cab.Texto(QStringLiteral("banco"));
    m_coeficiente = cab.Doble(QStringLiteral("coeficiente"));
    m_conceptoCredito = cab.Texto(QStringLiteral("conceptocredito"));
    m_credito = cab.Doble(QStringLiteral("credito"));
    m_cuota = cab.Texto(QStringLiteral("cuota"));
    m_extraordinaria = cab.Booleano(QStringLiteral("extraord"));
    m_formaPago = int(cab.Entero(QStringLiteral("forma_pago")));
    m_importeCuota = cab.Doble(QStringLiteral("importecuota"));
    m_inspector = cab.Texto(QStringLiteral("inspector"));
    m_nroCheque = cab.Texto(QStringLiteral("cheque"));
    m_nroReq = cab.Texto(QStringLiteral("nroreq"));
    m_ordinal = int(cab.Entero(QStringLiteral("orig_rect")));
    m_otrosConceptos = cab.Texto(QStringLiteral("otrosconceptos"));
    m_pagado2 = cab.Doble(QStringLiteral("pagado2"));
    m_pagadoCuota = cab.Doble(QStringLiteral("pagadocuota"));
    m_pagadoFCM = cab.Doble(QStringLiteral("pagadofcm"));
    m_pagadoOtros = cab.Doble(QStringLiteral("pagadootros"));
    m_pagadoRecargo = cab.Doble(QStringLiteral("pagadorecargo"));
    m_pagadoReq = cab.Doble(QStringLiteral("pagadoreq"));
    m_porcentaje2 = cab.Doble(QStringLiteral("porcentajedos"));
    m_porcentajeFCM = cab.Doble(QStringLiteral("porcentajefcm"));
    m_numerador = int(cab.Entero(QStringLiteral("numerador")));
    m_nueva = false;
    m_idLiquidacion = cab.Entero(QStringLiteral("id"));
}

bool Liquidacion::Leer(Conexion& bd, qint64 id)
{
    // Everything is read before anything is taken, so that a missing slip or a failed read leaves
    // this slip as it was.
    QList<QSharedPointer<Liquidacion>> leidas;
    if (!LeerVarias(bd, QStringLiteral("id = %1").arg(id), QString(), leidas) || leidas.isEmpty())
        return false;
    const Liquidacion& leida = *leidas.first();
    m_lista = leida.m_lista;
    m_empresa = leida.m_empresa;
    m_mes = leida.m_mes;
    m_anio = leida.m_anio;
    m_banco = leida.m_banco;
    m_coeficiente = leida.m_coeficiente;
    m_conceptoCredito = leida.m_conceptoCredito;
    m_credito = leida.m_credito;
    m_cuota = leida.m_cuota;
    m_extraordinaria = leida.m_extraordinaria;
    m_formaPago = leida.m_formaPago;
    m_importeCuota = leida.m_importeCuota;
    m_inspector = leida.m_inspector;
    m_nroCheque = leida.m_nroCheque;
    m_nroReq = leida.m_nroReq;
    m_ordinal = leida.m_ordinal;
    m_otrosConceptos = leida.m_otrosConceptos;
    m_pagado2 = leida.m_pagado2;
    m_pagadoCuota = leida.m_pagadoCuota;
    m_pagadoFCM = leida.m_pagadoFCM;
    m_pagadoOtros = leida.m_pagadoOtros;
    m_pagadoRecargo = leida.m_pagadoRecargo;
    m_pagadoReq = leida.m_pagadoReq;
    m_porcentaje2 = leida.m_porcentaje2;
    m_porcentajeFCM = leida.m_porcentajeFCM;
    m_numerador = leida.m_numerador;
    m_nueva = false;
    m_idLiquidacion = id;
    return true;
}

bool Liquidacion::LeerVarias(Conexion& bd, const QString& condicion, const QString& orden,
                             QList<QSharedPointer<Liquidacion>>& leidas)
{
    QList<QSharedPointer<Liquidacion>> resultado;
    QHash<qint64, QSharedPointer<::Empresa>> empresas;     // by company id, each read once
    QHash<qint64, QSharedPointer<::Empresa>> empresaDe;    // by slip id
    {
        Consulta cab = bd.AbrirConsulta(QStringLiteral("select * from liquidaciones where ") + condicion
                                        + (orden.isEmpty() ? QString() : QStringLiteral(" order by ") + orden));
        if (!cab.Valida())
            return false;
        QList<qint64> idsEmpresa;
        for (; !cab.Fin(); cab.Siguiente()) {
            auto liq = QSharedPointer<Liquidacion>::create();
            liq->TomarCabecera(cab);
            resultado.append(liq);
            idsEmpresa.append(cab.Entero(QStringLiteral("idmatriz")));
        }
        cab.Cerrar();
        for (int i = 0; i < resultado.size(); ++i) {
            QSharedPointer<::Empresa>& empresa = empresas[idsEmpresa.at(i)];
            if (!empresa) {
                empresa = QSharedPointer<::Empresa>::create();
                if (!empresa->Leer(bd, idsEmpresa.at(i)))
                    return false;
            }
            resultado.at(i)->m_empresa = empresa;
            empresaDe.insert(resultado.at(i)->m_idLiquidacion, empresa);
        }
    }
    ListasPorLiquidacion listas;
    if (!resultado.isEmpty() && !LeerEmpleadosDeLiquidaciones(bd, condicion, empresaDe, listas))
        return false;
    for (const auto& liq : std::as_const(resultado))
        liq->m_lista = listas.value(liq->m_idLiquidacion, QSharedPointer<ListaEmpleados>::create());
    leidas = resultado;
    return true;
}

double Liquidacion::PagadoTodas(Conexion& bd, bool* ok) const
{
    if (ok)
        *ok = false;
    Consulta c = bd.AbrirConsulta(QStringLiteral("select id from liquidaciones where idmatriz = %1 and mes = %2 "
                                                 "and anio = %3 and id <> %4")
                                      .arg(IdEmpresaActual())
                                      .arg(m_mes)
                                      .arg(m_anio)
                                      .arg(m_idLiquidacion));
    if (!c.Valida())
        return PagadoTotal();
    QList<qint64> ids;
    for (; !c.Fin(); c.Siguiente())
        ids.append(c.Entero(QStringLiteral("id")));
    c.Cerrar();

    ::Liquidaciones hermanas;
    for (qint64 id : ids) {
        auto otra = QSharedPointer<Liquidacion>::create();
        if (!otra->Leer(bd, id))
            return PagadoTotal();
        hermanas.Add(otra, Numero(id));
    }
    double total = PagadoTotal();
    for (const auto& otra : hermanas)
        total += otra->PagadoTotal();
    if (ok)
        *ok = true;
    return total;
}
