// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListaEmpresas.h"

#include "Conexion.h"
#include "Consulta.h"

bool ListaEmpresas::LeerEmpresas(Conexion& bd)
{
    Consulta c = bd.AbrirConsulta(QStringLiteral("select id from empresas order by id"));
    Clear();
    if (!c.Valida())
        return false;
    while (!c.Fin()) {
        auto empresa = QSharedPointer<Empresa>::create();
        if (empresa->Leer(bd, c.Entero(QStringLiteral("id"))))
            Add(empresa, empresa->CUIT());
        c.Siguiente();
    }
    c.Cerrar();
    return true;
}

bool ListaEmpresas::BorrarEmpresa(Conexion& bd, const Empresa& emp)
{
    if (!bd.Ejecutar(QStringLiteral("delete from empresas where id = %1").arg(emp.IdEmpresa())))
        return false;
    return Remove(emp.CUIT());
}
