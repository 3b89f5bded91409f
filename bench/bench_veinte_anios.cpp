// SPDX-License-Identifier: GPL-3.0-or-later
// Twenty years of an accounting office: 50 companies × 240 monthly slips × 200 employees (2.4 million
// employee rows). Measures the file size and every step a user meets on such a file: start-up,
// switching company, reading a company's slips, opening the slip selection screen, saving one more
// slip, backup and the restore check. The file is generated once and kept in the temporary folder
// (TALVO_VEINTE_ANIOS names another place); each run works on a copy.
#include "liquidation/Liquidacion.h"
#include "liquidation/Liquidaciones.h"
#include "records/Conexion.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "records/Plantilla.h"
#include "records/Transaccion.h"
#include "screens/frmSelecLiquid.h"
#include "shell/CopiaSeguridad.h"
#include "shell/DialogosQt.h"
#include "shell/Principal.h"
#include "shell/Restauracion.h"
#include "shell/frmPadre.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int Empresas = 50;
constexpr int Meses = 240;
constexpr int Empleados = 200;

double Medir(const char* que, const std::function<bool()>& paso)
{
    QElapsedTimer reloj;
    reloj.start();
    const bool bien = paso();
    const double ms = double(reloj.nsecsElapsed()) / 1e6;
    std::printf("  %-46s %9.1f ms%s\n", que, ms, bien ? "" : "   (FALLÓ)");
    std::fflush(stdout);
    return ms;
}

/// Rows of one multi-row insert; one statement per row would cost a parse each.
constexpr int FilasPorSentencia = 500;

bool Generar(const QString& archivo)
{
    QFile::remove(archivo);
    if (!CrearBaseSiFalta(archivo))
        return false;
    Conexion bd;
    if (!bd.Abrir(archivo))
        return false;
    bd.Ejecutar(QStringLiteral("pragma journal_mode = off"));
    bd.Ejecutar(QStringLiteral("pragma synchronous = off"));
    for (int e = 1; e <= Empresas; ++e) {
        Transaccion t(bd);
        const QString cuit = QStringLiteral("30-%1-%2").arg(10000000 + e).arg(e % 10);
        if (!bd.Ejecutar(QStringLiteral("insert into empresas (cuit, razonsocial, comercial, calle, numero, callel, numerol, "
                                        "codpost, localidad, codprov, codrubro, fechainicio, fisica, sucursales) values ("
                                        "'%1', 'Comercio Número %2 S.R.L.', 'Almacén %2', 'San Martín', '%2', "
                                        "'Rivadavia', '%2', '1602', 'FLORIDA', '2', '523110', '2001-03-01', 0, '1')")
                             .arg(cuit)
                             .arg(e)))
            return false;
        const qint64 idEmpresa = bd.UltimoId();
        QString sql;
        for (int i = 0; i < Empleados; ++i) {
            sql += (i == 0 ? QStringLiteral("insert into empleados (idempresa, cuil, ayn, ingreso, sueldo, puesto, afiliado, "
                                            "baja, licencia, media, bajainformada) values ")
                           : QStringLiteral(","))
                + QStringLiteral("(%1, '20-%2-%3', 'Empleado %4 de %5', '2005-01-10', %6, 120, %7, '2500-01-01', 0, %8, 0)")
                      .arg(idEmpresa)
                      .arg(e * 1000 + i, 8, 10, QLatin1Char('0'))
                      .arg(i % 10)
                      .arg(i)
                      .arg(e)
                      .arg(ImporteSQL(250000 + i * 137.5))
                      .arg(BooleanoSQL(i % 3 == 0))
                      .arg(BooleanoSQL(i % 17 == 0));
        }
        if (!bd.Ejecutar(sql))
            return false;
        const qint64 primerEmpleado = bd.UltimoId() - Empleados + 1;
        for (int m = 0; m < Meses; ++m) {
            const int mes = m % 12 + 1;
            const int anio = 2006 + m / 12;
            if (!bd.Ejecutar(QStringLiteral("insert into liquidaciones (idmatriz, mes, anio, cantempleados, cantafiliados, "
                                            "totalempleados, totalafiliados, porcentajedos, apagar2, pagado2, porcentajefcm, "
                                            "apagarfcm, pagadofcm, importecuota, apagarcuota, pagadocuota, coeficiente, "
                                            "apagarrecargo, pagadorecargo, pagadootros, pagadoreq, credito, pagadototal, "
                                            "orig_rect, forma_pago, version, numerador, extraord) values (%1, %2, %3, 200, 67, "
                                            "52736250.00, 17668000.00, 2.00, 1054725.00, 1054725.00, 2.00, 353360.00, "
                                            "353360.00, 2.00, 134.00, 134.00, 0.00, 0.00, 0.00, 0.00, 0.00, 0.00, 1408219.00, "
                                            "0, 0, '1.0', 0, 0)")
                                 .arg(idEmpresa)
                                 .arg(mes)
                                 .arg(anio)))
                return false;
            const qint64 idLiquidacion = bd.UltimoId();
            sql.clear();
            for (int i = 0; i < Empleados; ++i) {
                sql += (i % FilasPorSentencia == 0
                            ? QStringLiteral("insert into liquidaciones_empl (idliquidacion, idempleado, remuneracion, "
                                             "aportedos, aportefcm, aportecta, licencia, baja, media, afiliado, cuil, ayn, "
                                             "ingreso) values ")
                            : QStringLiteral(","))
                    + QStringLiteral("(%1, %2, %3, %4, %5, %6, 0, '2500-01-01', %7, %8, '20-%9-%10', 'Empleado %11 de %12', "
                                     "'2005-01-10')")
                          .arg(idLiquidacion)
                          .arg(primerEmpleado + i)
                          .arg(ImporteSQL(250000 + i * 137.5))
                          .arg(ImporteSQL((250000 + i * 137.5) * 0.02))
                          .arg(ImporteSQL(i % 3 == 0 ? (250000 + i * 137.5) * 0.02 : 0))
                          .arg(ImporteSQL(i % 3 == 0 ? 2 : 0))
                          .arg(BooleanoSQL(i % 17 == 0))
                          .arg(BooleanoSQL(i % 3 == 0))
                          .arg(e * 1000 + i, 8, 10, QLatin1Char('0'))
                          .arg(i % 10)
                          .arg(i)
                          .arg(e);
                if ((i + 1) % FilasPorSentencia == 0 || i + 1 == Empleados) {
                    if (!bd.Ejecutar(sql))
                        return false;
                    sql.clear();
                }
            }
        }
        if (!t.Confirmar())
            return false;
    }
    bd.Ejecutar(QStringLiteral("pragma journal_mode = delete"));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Settings of this run never touch the user's own.
    QTemporaryDir ajustes;
    qputenv("XDG_CONFIG_HOME", ajustes.path().toLocal8Bit());
    QApplication app(argc, argv);
    QString cache = qEnvironmentVariable("TALVO_VEINTE_ANIOS");
    if (cache.isEmpty())
        cache = QDir::temp().filePath(QStringLiteral("talvo-veinte-anios"));
    QDir().mkpath(cache);
    const QString original = QDir(cache).filePath(QStringLiteral("talvo.fys"));

    std::printf("Veinte años de datos: %d empresas × %d boletas × %d empleados\n", Empresas, Meses, Empleados);
    if (!QFileInfo::exists(original)) {
        std::printf("  generando %s (una sola vez)...\n", qPrintable(original));
        std::fflush(stdout);
        if (Medir("generación de la base", [&] { return Generar(original); }) < 0)
            return 1;
    }
    QTemporaryDir carpeta;
    const QString archivo = QDir(carpeta.path()).filePath(QStringLiteral("talvo.fys"));
    if (!QFile::copy(original, archivo))
        return 1;
    std::printf("  tamaño del archivo: %.1f MB; filas de empleados en boletas: %d\n",
                double(QFileInfo(archivo).size()) / 1e6, Empresas * Meses * Empleados);

    Conexion bd;
    QString error;
    Medir("arranque: abrir y comprobar talvo.fys", [&] { return AbrirBaseOperativa(carpeta.path(), bd, &error); });
    BaseDatos = &bd;
    DialogosQt dialogos;
    GrabarParametro(QStringLiteral("ULTIMAEMPRESA"), QStringLiteral("0"));
    std::unique_ptr<frmPadre> ventana;
    Medir("arranque: ventana principal (empresas, última)", [&] {
        ventana = std::make_unique<frmPadre>(dialogos);
        return ventana->EmpresaActual() != nullptr;
    });
    Medir("cambiar de empresa", [&] {
        ventana->ElegirEmpresa(Empresas / 2);
        return ventana->EmpresaActual() && ventana->EmpresaActual()->ListaBaseEmpleados().Count() == Empleados;
    });
    Medir("LeerLiquidaciones de una empresa", [&] {
        return ventana->EmpresaActual()->LeerLiquidaciones(bd)
            && ventana->EmpresaActual()->Liquidaciones().Count() == Meses;
    });
    Medir("abrir la selección de boletas (Consulta)", [&] {
        ventana->findChild<QAction*>(QStringLiteral("mnuConsultaBoletas"))->trigger();
        return !ventana->Area()->subWindowList().isEmpty();
    });
    Medir("grabar una boleta más", [&] {
        Liquidacion liq;
        liq.setEmpresa(ventana->EmpresaActual());
        ventana->EmpresaActual()->PasarEmpleados(liq);
        liq.setMes(1);
        liq.setAnio(2026);
        liq.setPagado2(liq.APagar2());
        return liq.Grabar(bd);
    });
    QTemporaryDir destino;
    Medir("copia de seguridad", [&] {
        CopiaSeguridad copia(bd);
        return copia.Copiar(destino.path()) == CopiaSeguridad::Resultado::Copiada;
    });
    Medir("comprobación de la copia al restaurar", [&] {
        Restauracion restauracion(bd);
        return restauracion.Verificar(QDir(destino.path()).filePath(QStringLiteral("talvo.fys")))
            == Restauracion::Resultado::Restaurada;
    });
    ventana.reset();
    BaseDatos = nullptr;
    return 0;
}
