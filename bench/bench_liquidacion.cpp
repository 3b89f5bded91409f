// SPDX-License-Identifier: GPL-3.0-or-later
// Storage of large slips: saving a new slip of 5,000 employees, reading it back, and reading every
// slip of a company with 120 stored slips of 50 employees each. Prints times and peak memory.
#include "liquidation/Liquidacion.h"
#include "records/Conexion.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "liquidation/Liquidaciones.h"
#include "records/Plantilla.h"
#include "records/Transaccion.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QString MemoriaPico()
{
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    for (const QByteArray& linea : estado.readAll().split('\n'))
        if (linea.startsWith("VmHWM:"))
            return QString::fromLatin1(linea.mid(6).simplified());
    return QStringLiteral("?");
}

QSharedPointer<Empresa> NuevaEmpresa(Conexion& bd, const QString& cuit, int empleados)
{
    auto emp = QSharedPointer<Empresa>::create();
    emp->setCUIT(cuit);
    emp->setNombre(QStringLiteral("Comercio Núñez S.A."));
    emp->setCalle(QStringLiteral("Av. de Mayo"));
    emp->setNumero(QStringLiteral("1234"));
    emp->setCalleLegal(QStringLiteral("Rivadavia"));
    emp->setNumeroLegal(QStringLiteral("55"));
    emp->setCodPost(QStringLiteral("1602"));
    emp->setLocalidad(QStringLiteral("FLORIDA"));
    emp->setCodRubro(QStringLiteral("523110"));
    if (!emp->Grabar(bd))
        return {};
    Transaccion t(bd);
    for (int i = 0; i < empleados; ++i) {
        auto e = QSharedPointer<Empleado>::create();
        e->setEmpresa(emp);
        e->setCUIL(QStringLiteral("20-%1-%2").arg(i, 8, 10, QLatin1Char('0')).arg(i % 10));
        e->setNombre(QStringLiteral("Empleado Número %1, José").arg(i));
        e->setHaberes(10000 + i);
        e->setCategoria(i % 7 == 0 ? 1 : 120);
        e->setAfiliado(i % 3 == 0);
        e->setMediaJornada(i % 11 == 0);
        if (i % 13 == 0)
            e->setFechaBaja(QDate(2014, 3, 15));
        if (i % 17 == 0)
            e->setLicencia(2);
        if (!e->Grabar(bd))
            return {};
        emp->ListaBaseEmpleados().Add(e, e->CUIL());
    }
    return t.Confirmar() ? emp : QSharedPointer<Empresa>();
}

double Segundos(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir carpeta;
    const QString archivo = QDir(carpeta.path()).filePath(QStringLiteral("talvo.fys"));
    Conexion bd;
    if (!CrearBaseSiFalta(archivo) || !bd.Abrir(archivo) || !CargarParametros(bd)) {
        std::fprintf(stderr, "no se pudo crear la base de prueba: %s\n", qPrintable(bd.UltimoError()));
        return 1;
    }

    auto grande = NuevaEmpresa(bd, QStringLiteral("30-00000001-1"), 5000);
    if (!grande)
        return 1;
    Liquidacion liq;
    liq.setEmpresa(grande);
    liq.setMes(3);
    liq.setAnio(2014);
    grande->PasarEmpleados(liq);
    QElapsedTimer reloj;
    reloj.start();
    const bool grabada = liq.Grabar(bd);
    const double tGrabar = Segundos(reloj);

    Liquidacion leida;
    reloj.restart();
    const bool ok = leida.Leer(bd, liq.IdLiquidacion());
    const double tLeer = Segundos(reloj);
    const QString picoGrande = MemoriaPico();

    auto chica = NuevaEmpresa(bd, QStringLiteral("30-00000002-2"), 50);
    if (!chica)
        return 1;
    for (int i = 0; i < 120; ++i) {
        Liquidacion l;
        l.setEmpresa(chica);
        l.setMes(i % 12 + 1);
        l.setAnio(2010 + i / 12);
        chica->PasarEmpleados(l);
        if (!l.Grabar(bd))
            return 1;
    }
    reloj.restart();
    const bool todas = chica->LeerLiquidaciones(bd);
    const double tTodas = Segundos(reloj);

    std::printf("Grabar boleta nueva de 5000 empleados:      %.3f s (%s)\n", tGrabar, grabada ? "ok" : "FALLÓ");
    std::printf("Leer esa boleta:                            %.3f s (%s, %d empleados, %d contados)\n", tLeer,
                ok ? "ok" : "FALLÓ", leida.ListaEmpleadosLiquidacion().Count(), leida.CantEmpleados());
    std::printf("Memoria pico tras grabar y leer 5000:       %s\n", qPrintable(picoGrande));
    std::printf("LeerLiquidaciones, 120 boletas de 50:       %.3f s (%s, %d boletas)\n", tTodas,
                todas ? "ok" : "FALLÓ", chica->Liquidaciones().Count());
    std::printf("Memoria pico al final:                      %s\n", qPrintable(MemoriaPico()));
    return grabada && ok && todas ? 0 : 1;
}
