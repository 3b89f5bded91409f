// SPDX-License-Identifier: GPL-3.0-or-later
#include "Localidades.h"

#include "Conexion.h"
#include "Consulta.h"
#include "Global.h"

QString Localidades::Digitos(const QString& codigoPostal)
{
    QString digitos;
    for (const QChar c : codigoPostal) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digitos += c;
    }
    return digitos;
}

bool Localidades::Buscar(Conexion& bd, const QString& codigoPostal)
{
    const QString digitos = Digitos(codigoPostal);
    if (digitos.isEmpty())
        return false;
    m_nombres.clear();
    m_provincias.clear();
    Consulta c = bd.AbrirConsulta(QStringLiteral("select codigo, localidad, idprovincia from localidades "
                                                 "where codigo = ") + TextoSQL(digitos));
    if (!c.Valida())
        return false;
    while (!c.Fin()) {
        m_nombres.append(c.Texto(QStringLiteral("localidad")));
        m_provincias.append(int(c.Entero(QStringLiteral("idprovincia"))));
        c.Siguiente();
    }
    c.Cerrar();
    return true;
}

QString Localidades::NombreProvincia(Conexion& bd, const QString& codProv)
{
    bool numero = false;
    const qint64 id = codProv.trimmed().toLongLong(&numero);
    if (!numero)
        return QString();
    const QVariant nombre =
        bd.ValorEscalar(QStringLiteral("select provincia from provincias where idprovincia = %1").arg(id));
    return nombre.isNull() ? QString() : nombre.toString();
}
