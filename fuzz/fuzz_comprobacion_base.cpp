// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes handed to the database check that start-up and restore run on a file. The check never
// changes the file nor leaves anything beside it, also when the restore goes on to read every page; it
// accepts a file only when the file's tables (columns with type, NOT NULL, default and key), foreign
// keys, indexes (with their columns), triggers, views and schema version are the template's, as SQLite
// itself describes them; a file that is not SQLite at all is told as such; only an accepted file stays
// open.
#include "ApoyoFuzz.h"
#include "ArchivoTemporal.h"
#include "records/ComprobacionBase.h"
#include "records/Conexion.h"
#include "records/Plantilla.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

/// The rows of a statement, each as "a|b|c"; false when the statement fails. Names and type names
/// are in lower case, since SQLite reads them without regard to case ("LocAlidades_Codigo" is the
/// template's index); only the field numbered literal (a default value) keeps its case.
bool Filas(Conexion& bd, const QString& sql, QStringList& filas, int literal = -1)
{
    QSqlQuery q(bd.Base());
    if (!q.exec(sql))
        return false;
    while (q.next()) {
        QStringList campos;
        for (int i = 0; i < q.record().count(); ++i) {
            const QString valor = q.value(i).isNull() ? QStringLiteral("NULL") : q.value(i).toString();
            campos << (i == literal ? valor : valor.toLower());
        }
        filas << campos.join(QLatin1Char('|'));
    }
    return !q.lastError().isValid();
}

QString Citado(const QString& nombre)
{
    return QLatin1Char('"') + QString(nombre).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

/// The schema as SQLite's own pragmas describe it, independently of how the check compares statements.
bool Describir(Conexion& bd, QStringList& d)
{
    // Sorted here, not by SQL: a name stored as a blob sorts apart in SQL yet names the same object.
    QStringList objetos;
    if (!Filas(bd, QStringLiteral("select type, name from sqlite_master where name not like 'sqlite\\_%' escape '\\'"),
               objetos)
        || !Filas(bd, QStringLiteral("pragma user_version"), d))
        return false;
    objetos.sort();
    d << objetos;
    for (const QString& objeto : objetos) {
        const QString tipo = objeto.section(QLatin1Char('|'), 0, 0);
        const QString nombre = Citado(objeto.section(QLatin1Char('|'), 1));
        if (tipo != QLatin1String("table") && tipo != QLatin1String("view"))
            continue;
        QStringList indices;
        if (!Filas(bd, QStringLiteral("pragma table_xinfo(%1)").arg(nombre), d, 4)
            || !Filas(bd, QStringLiteral("pragma foreign_key_list(%1)").arg(nombre), d)
            || !Filas(bd, QStringLiteral("pragma index_list(%1)").arg(nombre), indices))
            return false;
        // An index's place in the list is the order the schema was loaded in, which says nothing.
        for (QString& indice : indices)
            indice = indice.section(QLatin1Char('|'), 1);
        indices.sort();
        for (const QString& indice : indices) {
            d << indice;
            const QString nombreIndice = Citado(indice.section(QLatin1Char('|'), 0, 0));
            if (!Filas(bd, QStringLiteral("pragma index_xinfo(%1)").arg(nombreIndice), d))
                return false;
        }
    }
    return true;
}

QStringList DescripcionPlantilla()
{
    const ArchivoTemporal plantilla(QStringLiteral("plantilla.fys"), DatosPlantilla());
    Conexion bd;
    QStringList d;
    Exigir(bd.Abrir(plantilla.Ruta()) && Describir(bd, d), QStringLiteral("no se pudo leer la plantilla"));
    bd.Cerrar();
    return d;
}

QByteArray Contenido(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no se pudo leer)");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    static const QStringList plantilla = DescripcionPlantilla();
    const QByteArray bytes(reinterpret_cast<const char*>(datos), qsizetype(tamano));
    const ArchivoTemporal archivo(QStringLiteral("talvo.fys"), bytes);
    {
        Conexion bd;
        QString detalle;
        const EstadoBase estado = AbrirComprobada(bd, archivo.Ruta(), &detalle);
        Exigir((estado == EstadoBase::Correcta) == bd.EstaAbierta(),
               QStringLiteral("abierta sin ser correcta o al revés"));
        if (bytes.size() < 100 || !bytes.startsWith(QByteArray("SQLite format 3\0", 16)))
            Exigir(estado == EstadoBase::NoEsBaseDeDatos, [&] {
                return QStringLiteral("un archivo sin cabecera SQLite: %1 (%2)").arg(int(estado)).arg(detalle);
            });
        Exigir(estado != EstadoBase::SinPlantilla && estado != EstadoBase::Ilegible,
               [&] { return QStringLiteral("estado %1: %2").arg(int(estado)).arg(detalle); });
        if (estado == EstadoBase::Correcta) {
            QStringList descripcion;
            Exigir(Describir(bd, descripcion),
                   [&] { return QStringLiteral("aceptada sin poder describir su esquema: %1").arg(bd.UltimoError()); });
            Exigir(descripcion == plantilla,
                   [&] {
                       return QStringLiteral("aceptada con otro esquema:\n%1").arg(descripcion.join(QLatin1Char('\n')));
                   });
            // What the restore does next with an accepted copy: read every page.
            bd.ValorEscalar(QStringLiteral("pragma integrity_check"));
            bd.ValorEscalar(QStringLiteral("select count(*) from parametros"));
        }
    }
    Exigir(Contenido(archivo.Ruta()) == bytes, QStringLiteral("la comprobación cambió el archivo"));
    const QStringList quedan = QDir(ArchivoTemporal::Carpeta()).entryList(QDir::Files | QDir::Hidden);
    Exigir(quedan == QStringList{QStringLiteral("talvo.fys")},
           [&] { return QStringLiteral("quedaron archivos: %1").arg(quedan.join(QLatin1Char(' '))); });
    return 0;
}
