// SPDX-License-Identifier: GPL-3.0-or-later
#include "RestauracionInteractiva.h"

#include "CopiaSeguridad.h"
#include "CursorOcupado.h"
#include "Dialogos.h"
#include "Restauracion.h"

#include <QDir>
#include <QFileInfo>

bool RestaurarInteractivo(Dialogos& dialogos, Conexion& bd)
{
    const QString respaldo = QDir(CopiaSeguridad(bd).CarpetaOperativa()).filePath(QStringLiteral("backkestral"));
    const QString archivo = dialogos.ArchivoParaAbrir(
        QStringLiteral("Selección de base de datos para restauración."),
        QFileInfo(respaldo).isDir() ? respaldo : QString(), QStringLiteral("*.fys"),
        QStringLiteral("Bases de datos KESTRAL (*.fys)"));
    if (archivo.isEmpty())
        return false;

    Restauracion restauracion(bd);
    const QString operativa = QStringLiteral("No se puede restaurar desde la base de datos operativa");
    if (restauracion.EsLaOperativa(archivo)) {
        dialogos.Mensaje(operativa, QStringLiteral("ERROR"), Icono::Critico);
        return false;
    }
    if (!dialogos.Preguntar(
            QStringLiteral("¿Seguro que desea restaurar la base de datos operativa desde %1?").arg(archivo),
            QStringLiteral("RESTAURAR"), Icono::Pregunta))
        return false;

    Restauracion::Resultado resultado;
    {
        CursorOcupado ocupado;
        resultado = restauracion.Restaurar(archivo);
    }
    const QString titulo = QStringLiteral("ERROR DE DATOS");
    switch (resultado) {
    case Restauracion::Resultado::Restaurada:
        return true;
    case Restauracion::Resultado::EsLaOperativa:
        dialogos.Mensaje(operativa, QStringLiteral("ERROR"), Icono::Critico);
        break;
    case Restauracion::Resultado::NoEsBaseDeDatos:
        dialogos.Mensaje(QStringLiteral("El archivo seleccionado no es una base de datos."), titulo, Icono::Critico);
        break;
    case Restauracion::Resultado::BaseIncorrecta:
        dialogos.Mensaje(QStringLiteral("La base de datos seleccionada no es correcta."), titulo, Icono::Critico);
        break;
    case Restauracion::Resultado::Error:
        dialogos.Mensaje(QStringLiteral("Se ha producido un error.\nCodigo: %1\nDescripción: %2")
                             .arg(restauracion.CodigoError())
                             .arg(restauracion.DescripcionError()),
                         titulo, Icono::Critico);
        break;
    }
    return false;
}
