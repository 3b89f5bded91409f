// SPDX-License-Identifier: GPL-3.0-or-later
#include "Global.h"

#include "Conexion.h"
#include "Consulta.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSettings>

#include <cmath>

Conexion* BaseDatos = nullptr;
QString CorreoEnvio = QString::fromLatin1(CorreoRecaudacionPorDefecto);
double ParamPorcentajeDos = 0;
double ParamPorcentajeFcm = 0;
double ParamImporteCta = 0;

QDate FechaSinBaja()
{
    return QDate(2500, 1, 1);
}

QString LeerParametro(const QString& clave, const QString& porDefecto)
{
    QSettings ajustes(QStringLiteral("OBRIX"), QStringLiteral("OBRIX"));
    return ajustes.value(QStringLiteral("PARAMETROS/") + clave, porDefecto).toString();
}

void GrabarParametro(const QString& clave, const QString& valor)
{
    QSettings ajustes(QStringLiteral("OBRIX"), QStringLiteral("OBRIX"));
    ajustes.setValue(QStringLiteral("PARAMETROS/") + clave, valor);
    ajustes.sync();
}

QChar SeparadorDecimal()
{
    return QLocale().toString(1.0, 'f', 2).at(1);
}

QString FormatoImporte(double importe)
{
    double redondeado = std::round(importe * 100.0) / 100.0;
    if (redondeado == 0.0)
        redondeado = 0.0; // never "-0.00"
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    return local.toString(redondeado, 'f', 2);
}

QString FormatoFecha(const QDate& fecha)
{
    return fecha.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate FechaDeTexto(const QString& texto)
{
    const QString t = texto.trimmed();
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})"));
    static const QRegularExpression diaPrimero(QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{4})$"));
    auto m = iso.match(t);
    if (m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    m = diaPrimero.match(t);
    if (m.hasMatch())
        return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    return QDate();
}

QString NumeroSQL(const QString& texto)
{
    QString r = texto;
    return r.replace(QLatin1Char(','), QLatin1Char('.'));
}

QString ImporteSQL(double importe)
{
    return NumeroSQL(FormatoImporte(importe));
}

QString FechaSQL(const QDate& fecha)
{
    return QStringLiteral("#%1-%2-%3#").arg(fecha.month()).arg(fecha.day()).arg(fecha.year());
}

QString TextoSQL(const QString& texto)
{
    QString r = texto;
    r.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + r + QLatin1Char('\'');
}

QString BooleanoSQL(bool valor)
{
    return valor ? QStringLiteral("-1") : QStringLiteral("0");
}

bool CuitValido(const QString& identificador)
{
    QString digitos;
    for (QChar c : identificador.trimmed()) {
        if (c == QLatin1Char('-'))
            continue;
        if (!c.isDigit() || c.unicode() > '9')
            return false; // "_" of an unfilled mask position, letters, blanks
        digitos += c;
    }
    if (digitos.size() != 11)
        return false;
    static const int pesos[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int suma = 0;
    for (int i = 0; i < 10; ++i)
        suma += (digitos.at(i).unicode() - '0') * pesos[i];
    int resto = suma % 11;
    int esperado = resto == 0 ? 0 : 11 - resto;
    if (esperado == 10)
        esperado = 9;
    return esperado == digitos.at(10).unicode() - '0';
}

int FiltrarTeclaNumerica(int codigoTecla)
{
    if (codigoTecla == '.' || codigoTecla == ',')
        return SeparadorDecimal().unicode();
    if (codigoTecla == 8 || (codigoTecla >= '0' && codigoTecla <= '9'))
        return codigoTecla;
    return 0;
}

bool CargarParametros(Conexion& bd)
{
    Consulta c = bd.AbrirConsulta(QStringLiteral("select porcentajedos, porcentajefcm, importecta from parametros"));
    if (!c.Valida() || c.Fin())
        return false;
    ParamPorcentajeDos = c.Campo(0).toDouble();
    ParamPorcentajeFcm = c.Campo(1).toDouble();
    ParamImporteCta = c.Campo(2).toDouble();
    c.Cerrar();
    return true;
}
