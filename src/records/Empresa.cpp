// SPDX-License-Identifier: GPL-3.0-or-later
#include "Empresa.h"

#include "Conexion.h"
#include "Consulta.h"
#include "Empleado.h"
#include "Global.h"
#include "Reloj.h"
#include "ListaEmpleados.h"

Empresa::Empresa()
    : m_fechaInicio(Reloj::Hoy())
{
}

Empresa::~Empresa() = default;

ListaEmpleados& Empresa::ListaBaseEmpleados()
{
    if (!m_listaBaseEmpleados)
        m_listaBaseEmpleados = QSharedPointer<ListaEmpleados>::create();
    return *m_listaBaseEmpleados;
}

void Empresa::setListaBaseEmpleados(const QSharedPointer<ListaEmpleados>& lista)
{
    m_listaBaseEmpleados = lista;
}

bool Empresa::Leer(Conexion& bd, qint64 id)
{
    Consulta c = bd.AbrirConsulta(QStringLiteral("select * from empresas where id = %1").arg(id));
    if (!c.Valida() || c.Fin())
        return false;
    m_idEmpresa = id;
    m_nombre = c.Texto(QStringLiteral("razonsocial"));
    m_cuit = c.Texto(QStringLiteral("cuit"));
    m_calle = c.Texto(QStringLiteral("calle"));
    m_numero = c.Texto(QStringLiteral("numero"));
    m_piso = c.Texto(QStringLiteral("piso"));
    m_dpto = c.Texto(QStringLiteral("dpto"));
    m_calleLegal = c.Texto(QStringLiteral("callel"));
    m_numeroLegal = c.Texto(QStringLiteral("numerol"));
    m_pisoLegal = c.Texto(QStringLiteral("pisol"));
    m_dptoLegal = c.Texto(QStringLiteral("dptol"));
    m_telefonos = c.Texto(QStringLiteral("telefonos"));
    m_codPost = c.Texto(QStringLiteral("codpost"));
    m_localidad = c.Texto(QStringLiteral("localidad"));
    m_codProv = c.Texto(QStringLiteral("codprov"));
    m_email = c.Texto(QStringLiteral("email"));
    m_fechaInicio = c.Fecha(QStringLiteral("fechainicio"));
    m_codRubro = c.Texto(QStringLiteral("codrubro"));
    m_fisica = c.Booleano(QStringLiteral("fisica"));
    m_socio = c.Texto(QStringLiteral("socio"));
    m_docuSocio = c.Texto(QStringLiteral("docu_socio"));
    m_sucursales = c.Texto(QStringLiteral("sucursales")).trimmed().toInt();
    m_socio2 = c.Texto(QStringLiteral("socio2"));
    m_docuSocio2 = c.Texto(QStringLiteral("docu_socio2"));
    m_nombreComercial = c.Texto(QStringLiteral("comercial"));
    c.Cerrar();
    m_nueva = false;
    return true;
}

bool Empresa::Validar() const
{
    return !m_localidad.isEmpty() && !m_nombre.isEmpty() && !m_calle.isEmpty() && !m_numero.isEmpty()
        && !m_calleLegal.isEmpty() && !m_numeroLegal.isEmpty() && !m_cuit.isEmpty() && !m_codPost.isEmpty()
        && !m_codRubro.isEmpty();
}

bool Empresa::Grabar(Conexion& bd)
{
    if (!Validar())
        return false;
    const QString coma = QStringLiteral(", ");
    QString sql;
    if (m_nueva) {
        sql = QStringLiteral("insert into empresas (cuit,razonsocial,calle,numero,piso,dpto,callel,numerol,pisol,dptol,"
                             "telefonos,codpost,localidad, codprov, email, fechainicio, codrubro, fisica, socio, "
                             "docu_socio, socio2, docu_socio2, comercial, sucursales) values(");
        for (const QString& v : {m_cuit, m_nombre, m_calle, m_numero, m_piso, m_dpto, m_calleLegal, m_numeroLegal,
                                 m_pisoLegal, m_dptoLegal, m_telefonos, m_codPost, m_localidad, m_codProv, m_email})
            sql += TextoSQL(v) + coma;
        sql += FechaSQL(m_fechaInicio) + coma + TextoSQL(m_codRubro) + coma + BooleanoSQL(m_fisica) + coma;
        for (const QString& v : {m_socio, m_docuSocio, m_socio2, m_docuSocio2, m_nombreComercial})
            sql += TextoSQL(v) + coma;
        sql += TextoSQL(QString::number(m_sucursales)) + QStringLiteral(")");
        if (!bd.Ejecutar(sql))
            return false;
        // Learn the new id, so that a second Grabar updates this same row.
        m_idEmpresa = bd.UltimoId();
    } else {
        const QList<QPair<const char*, QString>> textos = {
            {"cuit", m_cuit}, {"razonsocial", m_nombre}, {"calle", m_calle}, {"numero", m_numero},
            {"piso", m_piso}, {"dpto", m_dpto}, {"callel", m_calleLegal}, {"numerol", m_numeroLegal},
            {"pisol", m_pisoLegal}, {"dptol", m_dptoLegal}, {"telefonos", m_telefonos}, {"codpost", m_codPost},
            {"localidad", m_localidad}, {"codprov", m_codProv}, {"email", m_email}};
        sql = QStringLiteral("update empresas set ");
        for (const auto& par : textos)
            sql += QLatin1String(par.first) + QStringLiteral(" = ") + TextoSQL(par.second) + coma;
        sql += QStringLiteral("fechainicio = ") + FechaSQL(m_fechaInicio) + coma;
        sql += QStringLiteral("codrubro = ") + TextoSQL(m_codRubro) + coma;
        sql += QStringLiteral("fisica = ") + BooleanoSQL(m_fisica) + coma;
        const QList<QPair<const char*, QString>> socios = {{"socio", m_socio}, {"docu_socio", m_docuSocio},
                                                           {"socio2", m_socio2}, {"docu_socio2", m_docuSocio2},
                                                           {"comercial", m_nombreComercial}};
        for (const auto& par : socios)
            sql += QLatin1String(par.first) + QStringLiteral(" = ") + TextoSQL(par.second) + coma;
        sql += QStringLiteral("sucursales = ") + TextoSQL(QString::number(m_sucursales))
            + QStringLiteral(" where id = ") + QString::number(m_idEmpresa);
        if (!bd.Ejecutar(sql))
            return false;
        // A company deleted meanwhile is not saved by an update that changes nothing.
        if (bd.FilasAfectadas() == 0) {
            bd.AnotarError(sql, QStringLiteral("La empresa ya no está en la base de datos."));
            return false;
        }
    }
    m_nueva = false;
    return true;
}

bool Empresa::CargarListaEmpleados(Conexion& bd)
{
    ListaEmpleados& lista = ListaBaseEmpleados();
    lista.Clear();
    // One query for the whole company, each employee with its category's description: reading them
    // one by one costs two queries per employee, which a company of thousands feels.
    Consulta c = bd.AbrirConsulta(QStringLiteral("select e.*, c.descripcion from empleados e left join categorias c "
                                                 "on c.codigo = printf('%03d', e.puesto) where e.idempresa = ")
                                  + QString::number(m_idEmpresa) + QStringLiteral(" order by e.id"));
    if (!c.Valida())
        return false;
    const QSharedPointer<Empresa> yo = sharedFromThis();
    while (!c.Fin()) {
        auto empleado = QSharedPointer<Empleado>::create(c);
        empleado->setEmpresa(yo);
        lista.Add(empleado, empleado->CUIL());
        c.Siguiente();
    }
    c.Cerrar();
    return true;
}
