// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcesoImportacion.h"

#include "AvisosImportacion.h"
#include "FuenteFilas.h"
#include "ReglasImportacion.h"
#include "records/Conexion.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Transaccion.h"

namespace {

QString Grabados(int cantidad)
{
    if (cantidad == 0)
        return QStringLiteral(" No se grabó ningún empleado.");
    if (cantidad == 1)
        return QStringLiteral(" Se grabó el empleado de la fila anterior.");
    return QStringLiteral(" Se grabaron los %1 empleados de las filas anteriores.").arg(cantidad);
}

bool Fallar(Empresa& empresa, Conexion& bd, const QString& motivo)
{
    empresa.CargarListaEmpleados(bd);
    bd.AnotarError(QString(), motivo);
    return false;
}

} // namespace

bool ImportarDesdeFuente(Empresa& empresa, Conexion& bd, FuenteFilas& fuente, const QString& archivo,
                         AvisosImportacion* avisos)
{
    const QSharedPointer<Empresa> duena = empresa.sharedFromThis();
    if (!duena || empresa.IdEmpresa() <= 0)
        return Fallar(empresa, bd, QStringLiteral("La empresa no está grabada."));
    QString motivo;
    if (!fuente.Abrir(archivo, motivo))
        return Fallar(empresa, bd, motivo);

    // One transaction keeps a long list fast; rows before a failing row are committed all the same.
    Transaccion transaccion(bd);
    if (!transaccion.Iniciada())
        return Fallar(empresa, bd, QStringLiteral("No se pudo iniciar la grabación: ") + bd.UltimoError());
    int grabados = 0;
    bool correcto = true;
    for (;;) {
        FilaImportacion fila;
        const FuenteFilas::Resultado r = fuente.Siguiente(fila, motivo);
        if (r == FuenteFilas::Resultado::Fin)
            break;
        if (r == FuenteFilas::Resultado::Error) {
            motivo += Grabados(grabados);
            correcto = false;
            break;
        }
        const QString donde = fuente.NombreFila() + QStringLiteral(" %1: ").arg(fila.numero);
        Empleado empleado;
        empleado.setEmpresa(duena);
        const ConversionFila c = ConvertirFila(fila, fuente.Haberes(), fuente.Fechas1904(), empleado, motivo);
        if (c == ConversionFila::CuilIncorrecto) {
            if (avisos)
                avisos->CuilIncorrecto(fila.numero, empleado.Nombre());
            continue;
        }
        if (c == ConversionFila::Error) {
            motivo = donde + motivo + Grabados(grabados);
            correcto = false;
            break;
        }
        if (!empleado.Validar())
            continue; // a row without a name is skipped, as Grabar refuses it
        if (!empleado.Grabar(bd)) {
            motivo = donde + QStringLiteral("no se pudo grabar el empleado (") + bd.UltimoError() + QStringLiteral(").")
                + Grabados(grabados);
            correcto = false;
            break;
        }
        ++grabados;
    }
    if (correcto && !fuente.Terminar(motivo))
        correcto = false;
    if (!transaccion.Confirmar())
        return Fallar(empresa, bd,
                      QStringLiteral("No se pudo confirmar la grabación de los empleados: ") + bd.UltimoError());
    if (!correcto)
        return Fallar(empresa, bd, motivo);
    if (!empresa.CargarListaEmpleados(bd))
        return Fallar(empresa, bd,
                      QStringLiteral("Los empleados se grabaron, pero no se pudo leer la lista: ") + bd.UltimoError());
    return true;
}
