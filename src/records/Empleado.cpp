// SPDX-License-Identifier: GPL-3.0-or-later
#include "Empleado.h"

#include "Conexion.h"
#include "Consulta.h"
#include "Empresa.h"
#include "Global.h"
#include "Reloj.h"
#include "PeriodoLiquidacion.h"

#include <QRegularExpression>

Empleado::Empleado()
    : m_param2(ParamPorcentajeDos / 100.0)
    , m_paramCuotaSindical(ParamImporteCta)
    , m_paramFCM(ParamPorcentajeFcm / 100.0)
    , m_fechaBaja(FechaSinBaja())
    , m_fechaIngreso(Reloj::Hoy())
{
}

Empleado::Empleado(const Consulta& fila)
    : m_param2(ParamPorcentajeDos / 100.0)
    , m_paramCuotaSindical(ParamImporteCta)
    , m_paramFCM(ParamPorcentajeFcm / 100.0)
{
    // Every field comes from the row; asking the clock for a default entry date would cost more
    // than reading the row.
    LeerCampos(fila);
    m_idEmpleado = fila.Entero(QStringLiteral("id"));
    m_descripcionCategoria = fila.Texto(QStringLiteral("descripcion"));
    m_nuevo = false;
}

QString Empleado::TextoLicencia(int codigo)
{
    static const char* const textos[CantidadLicencias] = {
        "Ninguna", "Sin goce de sueldo", "Por Maternidad", "Familiar Directo Enfermo",
        "Excedencia de Maternidad", "Reserva Puesto de Trabajo", "Suspensión Disciplinaria"};
    return codigo >= 0 && codigo < CantidadLicencias ? QString::fromUtf8(textos[codigo]) : QString();
}

QString Empleado::TextoCortoLicencia(int codigo)
{
    static const char* const textos[CantidadLicencias] = {
        "Ninguna", "Sin Goce de Sueldo", "Por Maternidad", "Fam. Enfermo",
        "Exced. Maternidad", "Res. Trabajo", "Suspendido"};
    return codigo >= 0 && codigo < CantidadLicencias ? QString::fromUtf8(textos[codigo]) : QString();
}

bool Empleado::DeBaja() const
{
    // A missing date (a row written without one) is no termination.
    return m_fechaBaja.isValid() && m_fechaBaja != FechaSinBaja();
}

bool Empleado::CuentaEnPeriodo(const PeriodoLiquidacion& liq) const
{
    if (!DeBaja())
        return true;
    // Compared as month numbers so that an out-of-range period never yields an invalid date.
    const qint64 mesBaja = qint64(m_fechaBaja.year()) * 12 + m_fechaBaja.month();
    const qint64 mesPeriodo = qint64(liq.Anio()) * 12 + liq.Mes();
    return mesBaja >= mesPeriodo;
}

double Empleado::Aporte2() const
{
    return (Activo() && !DeBaja()) ? m_param2 * m_haberes : 0.0;
}

double Empleado::Aporte2L(const PeriodoLiquidacion& liq) const
{
    if (!Activo() || !CuentaEnPeriodo(liq))
        return 0.0;
    return m_param2 * m_haberes;
}

double Empleado::FCM() const
{
    if (!m_afiliado || !Activo() || DeBaja())
        return 0.0;
    return m_paramFCM * m_haberes * (m_mediaJornada ? 2.0 : 1.0);
}

double Empleado::FCML(const PeriodoLiquidacion& liq) const
{
    if (!m_afiliado || !Activo() || !CuentaEnPeriodo(liq))
        return 0.0;
    return m_paramFCM * m_haberes * (m_mediaJornada ? 2.0 : 1.0);
}

double Empleado::CuotaSindical() const
{
    if (!m_afiliado || !Activo() || DeBaja())
        return 0.0;
    return m_paramCuotaSindical;
}

double Empleado::CuotaSindicalL(const PeriodoLiquidacion& liq) const
{
    if (!m_afiliado || !Activo() || !CuentaEnPeriodo(liq))
        return 0.0;
    // June and December carry the half-year bonus dues.
    return (liq.Mes() == 6 || liq.Mes() == 12) ? m_paramCuotaSindical * 1.5 : m_paramCuotaSindical;
}

double Empleado::TotalAPagar() const
{
    return FCM() + Aporte2();
}

double Empleado::TotalAPagarL(const PeriodoLiquidacion& liq) const
{
    return FCML(liq) + Aporte2L(liq);
}

bool Empleado::Leer(Conexion& bd, qint64 id)
{
    Consulta c = bd.AbrirConsulta(QStringLiteral("select * from empleados where id = %1").arg(id));
    if (!c.Valida() || c.Fin())
        return false;
    LeerCampos(c);
    m_idEmpleado = id;
    c.Cerrar();

    // A code without a row in Categorias leaves the description empty.
    const QString codigo = QStringLiteral("%1").arg(m_categoria, 3, 10, QLatin1Char('0'));
    Consulta cat = bd.AbrirConsulta(
        QStringLiteral("select descripcion from categorias where codigo = ") + TextoSQL(codigo));
    m_descripcionCategoria = (cat.Valida() && !cat.Fin()) ? cat.Texto(QStringLiteral("descripcion")) : QString();
    cat.Cerrar();
    m_nuevo = false;
    return true;
}

void Empleado::LeerCampos(const Consulta& c)
{
    m_nombre = c.Texto(QStringLiteral("ayn"));
    m_cuil = c.Texto(QStringLiteral("cuil"));
    m_afiliado = c.Booleano(QStringLiteral("afiliado"));
    m_fechaBaja = c.Fecha(QStringLiteral("baja"));
    m_fechaIngreso = c.Fecha(QStringLiteral("ingreso"));
    m_haberes = c.Doble(QStringLiteral("sueldo"));
    m_mediaJornada = c.Booleano(QStringLiteral("media"));
    m_licencia = int(c.Entero(QStringLiteral("licencia")));
    m_categoria = int(c.Entero(QStringLiteral("puesto")));
}

bool Empleado::Grabar(Conexion& bd)
{
    if (!Validar())
        return false;
    const QSharedPointer<::Empresa> empresa = Empresa();
    const qint64 idEmpresa = empresa ? empresa->IdEmpresa() : 0;

    // The same person may work for two companies: look the CUIL up only within this company. The "+"
    // keeps SQLite on the CUIL index: through the company's index every save would scan all of the
    // company's employees, and a 10,000-row import would take minutes.
    const QString donde = QStringLiteral(" from empleados where cuil = ") + TextoSQL(m_cuil)
        + QStringLiteral(" and +idempresa = ") + QString::number(idEmpresa);
    Consulta c = bd.AbrirConsulta(QStringLiteral("select id") + donde + QStringLiteral(" order by id"));
    if (!c.Valida())
        return false;
    if (!c.Fin()) {
        m_nuevo = false;
        m_idEmpleado = c.Entero(QStringLiteral("id"));
    } else {
        m_nuevo = true;
    }
    c.Cerrar();

    if (m_nuevo) {
        const QString sql = QStringLiteral("insert into empleados (cuil,ayn,ingreso,sueldo,puesto,afiliado,baja,"
                                           "licencia,media, idempresa) values(")
            + TextoSQL(m_cuil) + QStringLiteral(", ") + TextoSQL(m_nombre) + QStringLiteral(", ")
            + FechaSQL(m_fechaIngreso) + QStringLiteral(", ") + ImporteSQL(m_haberes) + QStringLiteral(", ")
            + QString::number(m_categoria) + QStringLiteral(", ") + BooleanoSQL(m_afiliado) + QStringLiteral(", ")
            + FechaSQL(m_fechaBaja) + QStringLiteral(", ") + QString::number(m_licencia) + QStringLiteral(", ")
            + BooleanoSQL(m_mediaJornada) + QStringLiteral(", ") + QString::number(idEmpresa) + QStringLiteral(" )");
        if (!bd.Ejecutar(sql))
            return false;
        m_idEmpleado = bd.UltimoId();
        return true;
    }
    const QString sql = QStringLiteral("update empleados set ayn = ") + TextoSQL(m_nombre)
        + QStringLiteral(", cuil = ") + TextoSQL(m_cuil) + QStringLiteral(", ingreso = ") + FechaSQL(m_fechaIngreso)
        + QStringLiteral(", sueldo = ") + ImporteSQL(m_haberes) + QStringLiteral(", puesto = ")
        + QString::number(m_categoria) + QStringLiteral(", afiliado = ") + BooleanoSQL(m_afiliado)
        + QStringLiteral(", baja = ") + FechaSQL(m_fechaBaja) + QStringLiteral(", licencia = ")
        + QString::number(m_licencia) + QStringLiteral(", media = ") + BooleanoSQL(m_mediaJornada)
        + QStringLiteral(" where id = ") + QString::number(m_idEmpleado);
    if (!bd.Ejecutar(sql))
        return false;
    if (bd.FilasAfectadas() == 0) {
        bd.AnotarError(sql, QStringLiteral("El empleado ya no está en la base de datos."));
        return false;
    }
    return true;
}

QSharedPointer<Empleado> Empleado::Clonar() const
{
    auto copia = QSharedPointer<Empleado>::create();
    copia->m_afiliado = m_afiliado;
    copia->m_categoria = m_categoria;
    copia->m_cuil = m_cuil;
    copia->m_empresa = m_empresa;
    copia->m_fechaBaja = m_fechaBaja;
    copia->m_fechaIngreso = m_fechaIngreso;
    copia->m_haberes = m_haberes;
    copia->m_idEmpleado = m_idEmpleado;
    copia->m_licencia = m_licencia;
    copia->m_mediaJornada = m_mediaJornada;
    copia->m_nombre = m_nombre;
    copia->m_nuevo = m_nuevo;
    copia->m_param2 = m_param2;
    copia->m_paramCuotaSindical = m_paramCuotaSindical;
    copia->m_paramFCM = m_paramFCM;
    return copia;
}

bool Empleado::PuedeEliminarse(Conexion& bd) const
{
    const QVariant cantidad = bd.ValorEscalar(
        QStringLiteral("select count(*) as Cantidad from Liquidaciones_empl where idempleado = %1").arg(m_idEmpleado));
    if (!cantidad.isValid())
        return false;
    if (cantidad.toLongLong() == 0)
        return true;
    const QVariant informada =
        bd.ValorEscalar(QStringLiteral("select bajainformada from empleados where id = %1").arg(m_idEmpleado));
    return informada.isValid() && informada.toLongLong() != 0;
}

bool Empleado::Validar() const
{
    return !m_nombre.isEmpty() && !m_cuil.isEmpty();
}

bool Empleado::CuilDuplicado(Conexion& bd, bool& duplicado) const
{
    const QSharedPointer<::Empresa> empresa = Empresa();
    // A new employee (id 0) matches no row, so it is counted against all of the company's employees.
    const QVariant cantidad = bd.ValorEscalar(QStringLiteral("select count(*) from empleados where cuil = ")
                                              + TextoSQL(m_cuil) + QStringLiteral(" and +idempresa= ")
                                              + QString::number(empresa ? empresa->IdEmpresa() : 0)
                                              + QStringLiteral(" and id <> ") + QString::number(m_idEmpleado));
    if (!cantidad.isValid())
        return false;
    duplicado = cantidad.toLongLong() != 0;
    return true;
}

bool Empleado::Borrar(Conexion& bd) const
{
    return bd.Ejecutar(QStringLiteral("delete from empleados where id = %1").arg(m_idEmpleado));
}

QString Empleado::FormatoCuil(const QString& texto)
{
    const QString t = texto.trimmed();
    static const QRegularExpression cuil(QStringLiteral("^([0-9]{2})-?([0-9]{8})-?([0-9])$"));
    const QRegularExpressionMatch m = cuil.match(t);
    if (!m.hasMatch())
        return t;
    return m.captured(1) + QLatin1Char('-') + m.captured(2) + QLatin1Char('-') + m.captured(3);
}
