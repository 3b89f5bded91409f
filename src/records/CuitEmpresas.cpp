// SPDX-License-Identifier: GPL-3.0-or-later
#include "CuitEmpresas.h"

#include "Conexion.h"
#include "Global.h"

#include <QVariant>

qint64 EmpresasConCuit(Conexion& bd, const QString& cuit, qint64 idPropio)
{
    QString sql = QStringLiteral("select count(*) from empresas where cuit = ") + TextoSQL(cuit);
    if (idPropio != 0)
        sql += QStringLiteral(" and id <> %1").arg(idPropio);
    const QVariant cantidad = bd.ValorEscalar(sql);
    return cantidad.isValid() ? cantidad.toLongLong() : -1;
}
