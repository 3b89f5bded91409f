// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodigoPago.h"

#include "liquidation/Liquidacion.h"
#include "records/Empresa.h"
#include "records/Global.h"

#include <QRegularExpression>

namespace {

/// Builds the code field by field; the first field that does not fit stops it with its reason.
class Composicion
{
public:
    bool Valida() const { return m_error.isEmpty(); }
    QString Error() const { return m_error; }
    QString Digitos() const { return m_digitos; }

    void Agregar(const QString& digitos) { m_digitos += digitos; }

    /// A whole number, zero-padded to ancho digits; refused when negative or wider.
    void Numero(qint64 valor, int ancho, const QString& queEs)
    {
        if (!Valida())
            return;
        if (valor < 0) {
            m_error = QStringLiteral("%1 no puede ser negativo.").arg(queEs);
            return;
        }
        const QString texto = QString::number(valor).rightJustified(ancho, QLatin1Char('0'));
        if (texto.size() > ancho) {
            m_error = QStringLiteral("%1 tiene más de %2 cifras.").arg(queEs).arg(ancho);
            return;
        }
        m_digitos += texto;
    }

    /// An amount in cents; the limit in the message is the largest amount that fits.
    void Importe(double pesos, int ancho, const QString& queEs)
    {
        if (!Valida())
            return;
        const qint64 centavos = Centavos(pesos);
        qint64 maximo = 1;
        for (int i = 0; i < ancho; ++i)
            maximo *= 10;
        maximo -= 1;
        if (centavos < 0)
            m_error = QStringLiteral("%1 ($%2) no puede ser negativo.").arg(queEs, FormatoImporte(pesos));
        else if (centavos > maximo)
            m_error = QStringLiteral("%1 ($%2) supera el máximo que admite el código de pago ($%3).")
                          .arg(queEs, FormatoImporte(pesos), FormatoImporte(double(maximo) / 100.0));
        else
            m_digitos += QString::number(centavos).rightJustified(ancho, QLatin1Char('0'));
    }

    void Fallar(const QString& motivo)
    {
        if (Valida())
            m_error = motivo;
    }

private:
    QString m_digitos;
    QString m_error;
};

} // namespace

QChar DigitoVerificadorGS1(const QString& digitos)
{
    int suma = 0;
    int peso = 3;
    for (int i = digitos.size() - 1; i >= 0; --i) {
        const QChar c = digitos.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QChar();
        suma += (c.unicode() - '0') * peso;
        peso = peso == 3 ? 1 : 3;
    }
    return QChar('0' + (10 - suma % 10) % 10);
}

QString CodigoPago(const Liquidacion& liq, QString* error)
{
    Composicion c;
    c.Agregar(QStringLiteral("8260"));

    const QSharedPointer<Empresa> empresa = liq.Empresa();
    static const QRegularExpression mascara(QStringLiteral("^[0-9]{2}-[0-9]{8}-[0-9]$"));
    if (!empresa)
        c.Fallar(QStringLiteral("La boleta no tiene empresa."));
    else if (!mascara.match(empresa->CUIT()).hasMatch())
        c.Fallar(QStringLiteral("El CUIT de la empresa (%1) está incompleto.").arg(empresa->CUIT()));
    else
        c.Agregar(QString(empresa->CUIT()).remove(QLatin1Char('-')));

    c.Importe(liq.PagadoTotal(), 9, QStringLiteral("El total a depositar"));

    const QString nroReq = liq.NroReq();
    const bool conActa = !nroReq.isEmpty();
    if (conActa) {
        c.Agregar(QStringLiteral("999999"));
    } else if (liq.Mes() < 1 || liq.Mes() > 12) {
        c.Fallar(QStringLiteral("El mes del período (%1) no es válido.").arg(liq.Mes()));
    } else {
        c.Numero(liq.Mes(), 2, QStringLiteral("El mes del período"));
        c.Numero(liq.Anio(), 4, QStringLiteral("El año del período"));
    }

    c.Numero(liq.CantEmpleados(), 5, QStringLiteral("La cantidad de empleados"));

    if (conActa) {
        static const QRegularExpression soloDigitos(QStringLiteral("^[0-9]{1,8}$"));
        if (!soloDigitos.match(nroReq).hasMatch())
            c.Fallar(QStringLiteral("El número de acta (%1) debe tener sólo dígitos, ocho como máximo.").arg(nroReq));
        else
            c.Agregar(nroReq.rightJustified(8, QLatin1Char('0')));
        c.Importe(liq.PagadoReq(), 8, QStringLiteral("El importe del acta"));
    } else {
        c.Importe(liq.Pagado2(), 8, QStringLiteral("El aporte del 2 %"));
        c.Importe(liq.PagadoFCM(), 8, QStringLiteral("El aporte FCM"));
    }
    c.Importe(liq.PagadoRecargo(), 7, QStringLiteral("El recargo"));
    c.Agregar(QStringLiteral("1"));

    if (!c.Valida()) {
        if (error)
            *error = QStringLiteral("No se puede imprimir la boleta: el código de pago no se puede armar.\n") + c.Error();
        return QString();
    }
    const QString cuerpo = c.Digitos();
    return cuerpo + DigitoVerificadorGS1(cuerpo);
}
