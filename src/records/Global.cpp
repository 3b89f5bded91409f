// SPDX-License-Identifier: GPL-3.0-or-later
#include "Global.h"

#include "Conexion.h"
#include "Consulta.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>
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

qint64 DiezMilesimos(double pesos)
{
    // Far beyond any amount the program handles, but it keeps the conversion defined for any double.
    constexpr double Limite = 1e14;
    if (std::isnan(pesos))
        return 0;
    return qint64(std::llround(std::clamp(pesos, -Limite, Limite) * 10000.0));
}

qint64 Centavos(double pesos)
{
    const qint64 diez = DiezMilesimos(pesos);
    const qint64 centavos = (std::llabs(diez) + 50) / 100;
    return diez < 0 ? -centavos : centavos;
}

double RedondearCentavos(double pesos)
{
    return double(Centavos(pesos)) / 100.0;
}

namespace {
/// Cents as decimal text with two decimals and the given separator, built from the whole number so
/// that no locale can change its digits.
QString TextoCentavos(qint64 centavos, QChar separador)
{
    const QString signo = centavos < 0 ? QStringLiteral("-") : QString();
    const qint64 absoluto = std::llabs(centavos);
    return signo + QString::number(absoluto / 100) + separador
        + QStringLiteral("%1").arg(absoluto % 100, 2, 10, QLatin1Char('0'));
}
} // namespace

QString FormatoImporte(double importe)
{
    return TextoCentavos(Centavos(importe), SeparadorDecimal());
}

bool ImporteDeTexto(const QString& texto, double& importe)
{
    const QString t = texto.trimmed();
    const QChar separador = SeparadorDecimal();
    QString normal;
    bool conSeparador = false;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            normal += c;
        } else if ((c == separador || c == QLatin1Char('.') || c == QLatin1Char(',')) && !conSeparador) {
            conSeparador = true;
            normal += QLatin1Char('.');
        } else if (c == QLatin1Char('-') && i == 0) {
            normal += c;
        } else {
            return false;
        }
    }
    bool ok = false;
    const double valor = normal.toDouble(&ok); // QString::toDouble reads the C locale
    if (!ok || !std::isfinite(valor))
        return false;
    importe = valor;
    return true;
}

QString FormatoFecha(const QDate& fecha)
{
    return fecha.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate FechaDeTexto(const QString& texto)
{
    // The stored form, yyyy-mm-dd, read without a regular expression: a slip reads two per employee.
    if (texto.size() == 10 && texto.at(4) == QLatin1Char('-') && texto.at(7) == QLatin1Char('-')) {
        int partes[3] = {0, 0, 0};
        const int desde[3] = {0, 5, 8};
        const int largo[3] = {4, 2, 2};
        bool digitos = true;
        for (int p = 0; p < 3 && digitos; ++p)
            for (int i = desde[p]; i < desde[p] + largo[p]; ++i) {
                const QChar c = texto.at(i);
                digitos = digitos && c >= QLatin1Char('0') && c <= QLatin1Char('9');
                partes[p] = partes[p] * 10 + (c.unicode() - '0');
            }
        if (digitos)
            return QDate(partes[0], partes[1], partes[2]);
    }
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

QString ImporteSQL(double importe)
{
    return TextoCentavos(Centavos(importe), QLatin1Char('.'));
}

QString FechaSQL(const QDate& fecha)
{
    if (!fecha.isValid())
        return QStringLiteral("null");
    return QStringLiteral("#%1-%2-%3#").arg(fecha.month()).arg(fecha.day()).arg(fecha.year());
}

QString TextoSQL(const QString& texto)
{
    QString r = texto;
    r.replace(QLatin1Char('\''), QStringLiteral("''"));
    // SQLite reads a statement only up to a NUL character, so a NUL inside a text is spliced in as
    // char(0): every text, however odd, is stored exactly as given.
    r.replace(QChar(0), QStringLiteral("' || char(0) || '"));
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
