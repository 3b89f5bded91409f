// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the employee list of a company of 5,000 employees (read from the database, grid filled and
// shown). Target: < 0.3 s.
#include "records/Conexion.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/Plantilla.h"
#include "screens/frmListaEmpleados.h"
#include "shell/DialogosQt.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {
constexpr int Empleados = 5000;

/// A stored company with Empleados employees, written in one transaction.
QSharedPointer<Empresa> EmpresaGrande(Conexion& bd)
{
    auto emp = QSharedPointer<Empresa>::create();
    emp->setCUIT(QStringLiteral("30-12345678-9"));
    for (auto set : {&Empresa::setNombre, &Empresa::setCalle, &Empresa::setNumero, &Empresa::setCalleLegal,
                     &Empresa::setNumeroLegal, &Empresa::setLocalidad, &Empresa::setCodPost})
        (emp.data()->*set)(QStringLiteral("Comercio Grande"));
    emp->setCodRubro(QStringLiteral("523110"));
    if (!emp->Grabar(bd) || !bd.IniciarTransaccion())
        return {};
    for (int i = 0; i < Empleados; ++i) {
        const QString cuil = QStringLiteral("20-%1-0").arg(i, 8, 10, QLatin1Char('0'));
        const bool ok = bd.Ejecutar(
            QStringLiteral("insert into empleados (cuil, ayn, ingreso, sueldo, puesto, afiliado, baja, licencia, "
                           "media, idempresa) values(%1, %2, #3-1-2010#, 123456.78, 120, %3, #1-1-2500#, %4, 0, %5)")
                .arg(TextoSQL(cuil), TextoSQL(QStringLiteral("Apellido Nombre %1").arg(i)), BooleanoSQL(i % 2 == 0))
                .arg(i % 7)
                .arg(emp->IdEmpresa()));
        if (!ok)
            return {};
    }
    return bd.Confirmar() ? emp : nullptr;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream salida(stdout);
    QTemporaryDir carpeta;
    const QString archivo = QDir(carpeta.path()).filePath(QStringLiteral("talvo.fys"));
    Conexion bd;
    if (!CrearBaseSiFalta(archivo) || !bd.Abrir(archivo) || !CargarParametros(bd)) {
        salida << "No se pudo crear la base de prueba: " << bd.UltimoError() << "\n";
        return 2;
    }
    BaseDatos = &bd;
    const auto emp = EmpresaGrande(bd);
    if (!emp) {
        salida << "No se pudo grabar la empresa de prueba: " << bd.UltimoError() << "\n";
        return 2;
    }

    DialogosQt dialogos;
    const int veces = 5;
    double mejor = 1e9, total = 0;
    int filas = 0;
    for (int i = 0; i < veces; ++i) {
        QElapsedTimer reloj;
        reloj.start();
        frmListaEmpleados lista(emp, dialogos);
        lista.show();
        QApplication::processEvents();
        const double segundos = reloj.nsecsElapsed() / 1e9;
        filas = lista.findChild<QTableView*>(QStringLiteral("GridEmpleados"))->model()->rowCount();
        mejor = std::min(mejor, segundos);
        total += segundos;
    }
    // The part of it that reads the company's employees.
    double lectura = 0;
    for (int i = 0; i < veces; ++i) {
        QElapsedTimer reloj;
        reloj.start();
        emp->CargarListaEmpleados(bd);
        lectura += reloj.nsecsElapsed() / 1e9;
    }
    salida << QStringLiteral("Lectura de los %1 empleados: promedio %2 s\n").arg(Empleados).arg(lectura / veces, 0, 'f', 3);
    BaseDatos = nullptr;
    const double promedio = total / veces;
    salida << QStringLiteral("Lista de %1 empleados abierta (%2 filas): promedio %3 s, mejor %4 s (meta < 0.3 s)\n")
                  .arg(Empleados)
                  .arg(filas)
                  .arg(promedio, 0, 'f', 3)
                  .arg(mejor, 0, 'f', 3);
    const bool ok = filas == Empleados && promedio < 0.3;
    salida << (ok ? "OK\n" : "FUERA DE META\n");
    return ok ? 0 : 1;
}
