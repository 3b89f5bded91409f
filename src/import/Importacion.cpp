// SPDX-License-Identifier: GPL-3.0-or-later
#include "Importacion.h"

#include "FuenteCsv.h"
#include "ProcesoImportacion.h"
#include "records/Conexion.h"
#include "records/Empresa.h"

#include <QFileInfo>

FormatoImportacion FormatoDeArchivo(const QString& archivo)
{
    const QString extension = QFileInfo(archivo).suffix().toLower();
    if (extension == QLatin1String("txt"))
        return FormatoImportacion::Texto;
    if (extension == QLatin1String("xls"))
        return FormatoImportacion::Xls;
    if (extension == QLatin1String("xlsx"))
        return FormatoImportacion::Xlsx;
    if (extension == QLatin1String("ods"))
        return FormatoImportacion::Ods;
    if (extension == QLatin1String("csv"))
        return FormatoImportacion::Csv;
    return FormatoImportacion::Ninguno;
}

QString FiltroArchivosImportacion()
{
    return QStringLiteral("Todos los formatos admitidos (*.txt *.xls *.xlsx *.ods *.csv);;"
                          "Archivos de Texto (*.txt);;"
                          "Hojas Excel (*.xls);;"
                          "Libros Excel (*.xlsx);;"
                          "Hojas OpenDocument (*.ods);;"
                          "Valores separados por comas (*.csv)");
}

bool ImportarEmpleados(Empresa& empresa, Conexion& bd, const QString& archivo, AvisosImportacion* avisos)
{
    switch (FormatoDeArchivo(archivo)) {
    case FormatoImportacion::Texto:
        return empresa.LeerEmpleadosDeTexto(bd, archivo, avisos);
    case FormatoImportacion::Xls:
    case FormatoImportacion::Xlsx:
    case FormatoImportacion::Ods:
        return empresa.LeerEmpleadosDeExcel(bd, archivo, avisos);
    case FormatoImportacion::Csv:
        return LeerEmpleadosDeCsv(empresa, bd, archivo, avisos);
    case FormatoImportacion::Ninguno:
        break;
    }
    bd.AnotarError(QString(),
                   QStringLiteral("El archivo %1 no es de un formato admitido (txt, xls, xlsx, ods o csv).")
                       .arg(QFileInfo(archivo).fileName()));
    return false;
}

bool LeerEmpleadosDeCsv(Empresa& empresa, Conexion& bd, const QString& archivo, AvisosImportacion* avisos)
{
    FuenteCsv fuente;
    return ImportarDesdeFuente(empresa, bd, fuente, archivo, avisos);
}
