// SPDX-License-Identifier: GPL-3.0-or-later
// The payment code over arbitrary slips: either 60 digits whose fields read back as the slip's own
// values and whose check digit holds, or a refusal with a reason, exactly when some value does not fit.
#include "ApoyoFuzz.h"
#include "liquidation/Liquidacion.h"
#include "printing/CodigoPago.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
double Importe(Entrada& e)
{
    // Mostly amounts a slip may carry, sometimes anything at all.
    const qint64 centavos = qint64(e.Entero(5) % 20000000000ULL) - 1000;
    return e.Entero(1) % 8 ? double(centavos) / 100.0 : e.Doble();
}

bool Cabe(double pesos, int ancho)
{
    qint64 maximo = 1;
    for (int i = 0; i < ancho; ++i)
        maximo *= 10;
    const qint64 c = Centavos(pesos);
    return c >= 0 && c < maximo;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    Entrada e(datos, tamano);
    const quint64 cuitNumero = e.Entero(6) % 100000000000ULL;
    QString cuit = QStringLiteral("%1").arg(cuitNumero, 11, 10, QLatin1Char('0'));
    cuit = cuit.left(2) + QLatin1Char('-') + cuit.mid(2, 8) + QLatin1Char('-') + cuit.right(1);
    if (e.Entero(1) % 16 == 0)
        cuit[int(e.Entero(1) % 13)] = QLatin1Char('_');
    const int mes = int(e.Entero(1) % 15);
    const int anio = int(e.Entero(2) % 12000);
    const int empleados = int(e.Entero(1) % 4);
    const double pagado2 = Importe(e), fcm = Importe(e), recargo = Importe(e), otros = Importe(e), req = Importe(e);
    const int tipoActa = int(e.Entero(1) % 4);
    const QString acta = tipoActa == 0 ? QString() : QString::fromLatin1(e.Resto()).left(12);

    Liquidacion liq;
    auto empresa = QSharedPointer<Empresa>::create();
    empresa->setCUIT(cuit);
    liq.setEmpresa(empresa);
    liq.setMes(mes);
    liq.setAnio(anio);
    for (int i = 0; i < empleados; ++i) {
        auto emp = QSharedPointer<Empleado>::create();
        emp->setCUIL(QString::number(i));
        emp->setHaberes(1e9);
        emp->setParam2(1);
        emp->setParamFCM(1);
        emp->setAfiliado(true);
        liq.ListaEmpleadosLiquidacion().Add(emp, emp->CUIL());
    }
    liq.setCoeficiente(100);
    liq.setPagado2(pagado2);
    liq.setPagadoFCM(fcm);
    liq.setPagadoRecargo(recargo);
    liq.setPagadoOtros(otros);
    liq.setNroReq(acta);
    liq.setPagadoReq(req);

    QString error;
    const QString codigo = CodigoPago(liq, &error);
    static const QRegularExpression soloDigitos(QStringLiteral("^[0-9]{1,8}$"));
    const bool conActa = !acta.isEmpty();
    const bool debeCaber = !cuit.contains(QLatin1Char('_')) && Cabe(liq.PagadoTotal(), 9)
        && (conActa ? soloDigitos.match(acta).hasMatch() && Cabe(liq.PagadoReq(), 8)
                    : mes >= 1 && mes <= 12 && anio <= 9999 && Cabe(liq.Pagado2(), 8) && Cabe(liq.PagadoFCM(), 8))
        && Cabe(liq.PagadoRecargo(), 7);
    Exigir(debeCaber == !codigo.isEmpty(), QStringLiteral("código [%1] error [%2]").arg(codigo, error));
    if (codigo.isEmpty()) {
        Exigir(!error.isEmpty(), QStringLiteral("rechazo sin motivo"));
        return 0;
    }
    Exigir(codigo.size() == 60 && QRegularExpression(QStringLiteral("^[0-9]{60}$")).match(codigo).hasMatch(),
           QStringLiteral("no son 60 dígitos: %1").arg(codigo));
    Exigir(DigitoVerificadorGS1(codigo.left(59)) == codigo.at(59), QStringLiteral("dígito verificador: %1").arg(codigo));
    Exigir(codigo.left(4) == QLatin1String("8260") && codigo.at(58) == QLatin1Char('1'), codigo);
    Exigir(codigo.mid(4, 11) == QString(cuit).remove(QLatin1Char('-')), QStringLiteral("CUIT: %1").arg(codigo));
    Exigir(codigo.mid(15, 9).toLongLong() == Centavos(liq.PagadoTotal()), QStringLiteral("total: %1").arg(codigo));
    Exigir(codigo.mid(30, 5).toInt() == liq.CantEmpleados(), QStringLiteral("empleados: %1").arg(codigo));
    if (conActa) {
        Exigir(codigo.mid(24, 6) == QLatin1String("999999"), codigo);
        Exigir(codigo.mid(35, 8).toLongLong() == acta.toLongLong(), QStringLiteral("acta: %1").arg(codigo));
        Exigir(codigo.mid(43, 8).toLongLong() == Centavos(liq.PagadoReq()), QStringLiteral("acta $: %1").arg(codigo));
    } else {
        Exigir(codigo.mid(24, 2).toInt() == mes && codigo.mid(26, 4).toInt() == anio, QStringLiteral("período: %1").arg(codigo));
        Exigir(codigo.mid(35, 8).toLongLong() == Centavos(liq.Pagado2()), QStringLiteral("2 %: %1").arg(codigo));
        Exigir(codigo.mid(43, 8).toLongLong() == Centavos(liq.PagadoFCM()), QStringLiteral("FCM: %1").arg(codigo));
    }
    Exigir(codigo.mid(51, 7).toLongLong() == Centavos(liq.PagadoRecargo()), QStringLiteral("recargo: %1").arg(codigo));
    return 0;
}
