// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComprobacionBase.h"

#include "Conexion.h"
#include "Consulta.h"
#include "Plantilla.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTemporaryFile>

#include <optional>

namespace {
/// The schema of a file: every object by "type name" (name in lower case, as SQLite compares
/// names), with its CREATE statement cut into pieces, and the schema version.
struct Esquema
{
    QMap<QString, QStringList> objetos;
    QMap<QString, QString> nombres; // same keys: the name as written, for messages
    qint64 version = 0;
};

bool EsParteDeNombre(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') || c.unicode() > 127;
}

/// The statement as a list of pieces: names and keywords in lower case with their quotes taken
/// off, text literals as written, every other character on its own; spaces and comments dropped.
/// Two statements with the same pieces define the same object.
QStringList Piezas(const QString& sql)
{
    QStringList piezas;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql.at(i);
        const QChar siguiente = i + 1 < n ? sql.at(i + 1) : QChar();
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('-') && siguiente == QLatin1Char('-')) {
            const qsizetype fin = sql.indexOf(QLatin1Char('\n'), i);
            i = fin < 0 ? n : fin + 1;
        } else if (c == QLatin1Char('/') && siguiente == QLatin1Char('*')) {
            const qsizetype fin = sql.indexOf(QLatin1String("*/"), i + 2);
            i = fin < 0 ? n : fin + 2;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('[')) {
            const QChar cierre = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            QString contenido;
            qsizetype j = i + 1;
            for (; j < n; ++j) {
                if (sql.at(j) == cierre) {
                    if (cierre == QLatin1Char(']') || j + 1 >= n || sql.at(j + 1) != cierre)
                        break;
                    ++j; // a doubled closing quote stands for itself
                }
                contenido += sql.at(j);
            }
            piezas << (c == QLatin1Char('\'') ? QLatin1Char('\'') + contenido : contenido.toLower());
            i = j + 1;
        } else if (EsParteDeNombre(c)) {
            qsizetype j = i;
            while (j < n && EsParteDeNombre(sql.at(j)))
                ++j;
            piezas << sql.mid(i, j - i).toLower();
            i = j;
        } else {
            piezas << QString(c);
            ++i;
        }
    }
    return piezas;
}

QString Describir(const QString& clave, const QString& nombre)
{
    const QString tipo = clave.section(QLatin1Char(' '), 0, 0);
    const QString articulo = tipo == QLatin1String("table")     ? QStringLiteral("la tabla")
                             : tipo == QLatin1String("index")   ? QStringLiteral("el índice")
                             : tipo == QLatin1String("trigger") ? QStringLiteral("el disparador")
                             : tipo == QLatin1String("view")    ? QStringLiteral("la vista")
                                                                : tipo;
    return articulo + QLatin1Char(' ') + nombre;
}

EstadoBase EstadoDeCodigo(const QString& codigo)
{
    if (codigo == QLatin1String("26")) // SQLITE_NOTADB
        return EstadoBase::NoEsBaseDeDatos;
    if (codigo == QLatin1String("11")) // SQLITE_CORRUPT, a malformed schema among others
        return EstadoBase::Danada;
    return EstadoBase::Ilegible;
}

EstadoBase LeerEsquema(Conexion& bd, Esquema& esquema, QString* detalle)
{
    // Index entries without a statement are those SQLite makes for UNIQUE and PRIMARY KEY: the
    // table's statement already says them. sqlite_sequence and sqlite_stat* are the engine's own.
    Consulta objetos = bd.AbrirConsulta(QStringLiteral(
        "select type, name, sql from sqlite_master where sql is not null "
        "and not (type = 'table' and lower(name) in ('sqlite_sequence', 'sqlite_stat1', 'sqlite_stat2', "
        "'sqlite_stat3', 'sqlite_stat4'))"));
    if (!objetos.Valida()) {
        if (detalle)
            *detalle = bd.UltimoError();
        return EstadoDeCodigo(bd.UltimoCodigoError());
    }
    for (; !objetos.Fin(); objetos.Siguiente()) {
        const QString nombre = objetos.Texto(QStringLiteral("name"));
        const QString clave = objetos.Texto(QStringLiteral("type")).toLower() + QLatin1Char(' ') + nombre.toLower();
        esquema.objetos.insert(clave, Piezas(objetos.Texto(QStringLiteral("sql"))));
        esquema.nombres.insert(clave, nombre);
    }
    objetos.Cerrar();
    const QVariant version = bd.ValorEscalar(QStringLiteral("pragma user_version"));
    if (!version.isValid()) {
        if (detalle)
            *detalle = bd.UltimoError();
        return EstadoDeCodigo(bd.UltimoCodigoError());
    }
    esquema.version = version.toLongLong();
    return EstadoBase::Correcta;
}

/// The template's schema, read once from the template the program carries.
const std::optional<Esquema>& EsquemaPlantilla()
{
    static const std::optional<Esquema> esquema = []() -> std::optional<Esquema> {
        QTemporaryFile archivo(QDir::tempPath() + QStringLiteral("/talvo-plantilla-XXXXXX.fys"));
        const QByteArray datos = DatosPlantilla();
        if (datos.isEmpty() || !archivo.open() || archivo.write(datos) != datos.size() || !archivo.flush())
            return std::nullopt;
        archivo.close();
        Conexion bd;
        Esquema leido;
        const bool bien = bd.Abrir(archivo.fileName()) && LeerEsquema(bd, leido, nullptr) == EstadoBase::Correcta;
        bd.Cerrar();
        return bien ? std::optional<Esquema>(leido) : std::nullopt;
    }();
    return esquema;
}

quint32 Entero(const QByteArray& cabecera, int posicion, int bytes)
{
    quint32 valor = 0;
    for (int i = 0; i < bytes; ++i)
        valor = (valor << 8) | quint8(cabecera.at(posicion + i));
    return valor;
}

/// Reads the 100-byte SQLite header. A file whose header promises more pages than it holds was
/// cut while being written (a copy interrupted, a full disk); SQLite would only notice on the
/// first read of a missing page, long after start-up.
EstadoBase ComprobarCabecera(const QString& archivo, QString* detalle)
{
    QFile entrada(archivo);
    if (!entrada.open(QIODevice::ReadOnly)) {
        if (detalle)
            *detalle = entrada.errorString();
        return EstadoBase::Ilegible;
    }
    const QByteArray cabecera = entrada.read(100);
    const qint64 tamano = entrada.size();
    if (cabecera.size() < 100 || !cabecera.startsWith(QByteArray("SQLite format 3\0", 16)))
        return EstadoBase::NoEsBaseDeDatos;
    const quint32 pagina = Entero(cabecera, 16, 2) == 1 ? 65536 : Entero(cabecera, 16, 2);
    if (pagina < 512 || (pagina & (pagina - 1)) != 0)
        return EstadoBase::NoEsBaseDeDatos;
    // SQLite has written schema formats 1 to 4 only; any other number is a damaged header, which the
    // engine would report as a plain error, as if the file could not be read.
    const quint32 formato = Entero(cabecera, 44, 4);
    if (formato > 4) {
        if (detalle)
            *detalle = QStringLiteral("su cabecera indica un formato de esquema desconocido (%1)").arg(formato);
        return EstadoBase::Danada;
    }
    // The page count in the header is kept only by writers that also stamp it valid (bytes 92-95
    // equal to the change counter), and in WAL mode (version bytes 2) pages may still sit in the log.
    const bool cuentaValida = Entero(cabecera, 92, 4) == Entero(cabecera, 24, 4) && cabecera.at(18) == 1
        && cabecera.at(19) == 1;
    const qint64 esperado = qint64(Entero(cabecera, 28, 4)) * pagina;
    if (cuentaValida && tamano < esperado) {
        if (detalle)
            *detalle = QStringLiteral("tiene %1 bytes y debería tener %2").arg(tamano).arg(esperado);
        return EstadoBase::Danada;
    }
    return EstadoBase::Correcta;
}

QString Diferencias(const Esquema& plantilla, const Esquema& esquema)
{
    // Tables first: a file that lacks them is plainly another program's, and says so soonest.
    // sqlite_master holds only these four kinds of object.
    QStringList diferencias;
    for (const QString& tipo : {QStringLiteral("table "), QStringLiteral("view "), QStringLiteral("index "),
                               QStringLiteral("trigger ")}) {
        for (auto objeto = plantilla.objetos.cbegin(); objeto != plantilla.objetos.cend(); ++objeto) {
            if (!objeto.key().startsWith(tipo))
                continue;
            const auto encontrado = esquema.objetos.constFind(objeto.key());
            if (encontrado == esquema.objetos.cend())
                diferencias << QStringLiteral("falta ") + Describir(objeto.key(), plantilla.nombres.value(objeto.key()));
            else if (*encontrado != *objeto)
                diferencias << Describir(objeto.key(), esquema.nombres.value(objeto.key())) + QStringLiteral(" no coincide");
        }
        for (auto objeto = esquema.objetos.cbegin(); objeto != esquema.objetos.cend(); ++objeto) {
            if (objeto.key().startsWith(tipo) && !plantilla.objetos.contains(objeto.key()))
                diferencias << QStringLiteral("sobra ") + Describir(objeto.key(), esquema.nombres.value(objeto.key()));
        }
    }
    if (esquema.version != plantilla.version)
        diferencias << QStringLiteral("la versión del esquema es %1 y la del programa %2")
                           .arg(esquema.version)
                           .arg(plantilla.version);
    constexpr int Mostradas = 3;
    if (diferencias.size() <= Mostradas)
        return diferencias.join(QStringLiteral("; "));
    return diferencias.mid(0, Mostradas).join(QStringLiteral("; "))
        + QStringLiteral(" y %1 diferencias más").arg(diferencias.size() - Mostradas);
}
} // namespace

EstadoBase AbrirComprobada(Conexion& bd, const QString& archivo, QString* detalle)
{
    bd.Cerrar();
    if (detalle)
        detalle->clear();
    const EstadoBase cabecera = ComprobarCabecera(archivo, detalle);
    if (cabecera != EstadoBase::Correcta)
        return cabecera;
    const std::optional<Esquema>& plantilla = EsquemaPlantilla();
    if (!plantilla) {
        if (detalle)
            *detalle = QStringLiteral("El programa no contiene la base de datos plantilla.");
        return EstadoBase::SinPlantilla;
    }
    if (!bd.Abrir(archivo)) {
        if (detalle)
            *detalle = bd.UltimoError();
        return EstadoDeCodigo(bd.UltimoCodigoError());
    }
    Esquema esquema;
    EstadoBase estado = LeerEsquema(bd, esquema, detalle);
    if (estado == EstadoBase::Correcta) {
        const QString diferencias = Diferencias(*plantilla, esquema);
        if (!diferencias.isEmpty()) {
            if (detalle)
                *detalle = diferencias;
            estado = EstadoBase::EsquemaDistinto;
        }
    }
    if (estado != EstadoBase::Correcta)
        bd.Cerrar();
    return estado;
}
