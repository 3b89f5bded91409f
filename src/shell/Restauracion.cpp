// SPDX-License-Identifier: GPL-3.0-or-later
#include "Restauracion.h"

#include "records/Conexion.h"
#include "records/Consulta.h"
#include "records/Global.h"
#include "records/Plantilla.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryFile>

namespace {
using Esquema = QHash<QString, QSet<QString>>; // table -> columns, all in lower case

const QByteArray CabeceraSQLite("SQLite format 3\0", 16);

bool LeerEsquema(Conexion& bd, Esquema& esquema)
{
    Consulta tablas = bd.AbrirConsulta(
        QStringLiteral("select name from sqlite_master where type = 'table' and name not like 'sqlite_%'"));
    if (!tablas.Valida())
        return false;
    QStringList nombres;
    for (; !tablas.Fin(); tablas.Siguiente())
        nombres << tablas.Texto(QStringLiteral("name"));
    tablas.Cerrar();
    for (const QString& tabla : nombres) {
        Consulta columnas = bd.AbrirConsulta(QStringLiteral("pragma table_info(%1)").arg(TextoSQL(tabla)));
        if (!columnas.Valida())
            return false;
        QSet<QString>& lista = esquema[tabla.toLower()];
        for (; !columnas.Fin(); columnas.Siguiente())
            lista.insert(columnas.Texto(QStringLiteral("name")).toLower());
    }
    return true;
}

/// This system's schema, read once from the template the program carries.
const Esquema& EsquemaPlantilla()
{
    static const Esquema esquema = [] {
        Esquema leido;
        QTemporaryFile archivo(QDir::tempPath() + QStringLiteral("/talvo-plantilla-XXXXXX.fys"));
        const QByteArray datos = DatosPlantilla();
        if (datos.isEmpty() || !archivo.open() || archivo.write(datos) != datos.size() || !archivo.flush())
            return leido;
        archivo.close();
        Conexion bd;
        if (bd.Abrir(archivo.fileName()))
            LeerEsquema(bd, leido);
        bd.Cerrar();
        return leido;
    }();
    return esquema;
}

bool MismoArchivo(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}
} // namespace

Restauracion::Restauracion(Conexion& bd)
    : m_bd(bd)
{
}

bool Restauracion::EsLaOperativa(const QString& copia) const
{
    return MismoArchivo(copia, m_bd.Archivo());
}

Restauracion::Resultado Restauracion::Fallo(int codigo, const QString& descripcion)
{
    m_codigo = codigo;
    m_error = descripcion;
    return Resultado::Error;
}

Restauracion::Resultado Restauracion::Verificar(const QString& archivo)
{
    QFile entrada(archivo);
    if (!entrada.open(QIODevice::ReadOnly))
        return Fallo(entrada.error(), QStringLiteral("No se pudo leer %1: %2")
                                          .arg(QDir::toNativeSeparators(archivo), entrada.errorString()));
    const bool cabeceraCorrecta = entrada.read(CabeceraSQLite.size()) == CabeceraSQLite;
    entrada.close();
    if (!cabeceraCorrecta)
        return Resultado::NoEsBaseDeDatos;

    const Esquema& plantilla = EsquemaPlantilla();
    if (plantilla.isEmpty())
        return Fallo(0, QStringLiteral("El programa no contiene la base de datos plantilla."));

    Conexion copia;
    if (!copia.Abrir(archivo))
        return copia.UltimoCodigoError() == QLatin1String("26") ? Resultado::NoEsBaseDeDatos
                                                                 : Resultado::BaseIncorrecta;
    // A damaged file may still open: only the integrity check reads every page.
    Consulta integridad = copia.AbrirConsulta(QStringLiteral("pragma integrity_check"));
    const bool integra = integridad.Valida() && !integridad.Fin()
        && integridad.Campo(0).toString().compare(QLatin1String("ok"), Qt::CaseInsensitive) == 0;
    integridad.Cerrar();
    Esquema esquema;
    const bool leido = integra && LeerEsquema(copia, esquema);
    copia.Cerrar();
    if (!leido)
        return Resultado::BaseIncorrecta;
    for (auto tabla = plantilla.cbegin(); tabla != plantilla.cend(); ++tabla) {
        const auto encontrada = esquema.constFind(tabla.key());
        if (encontrada == esquema.cend() || !encontrada->contains(tabla.value()))
            return Resultado::BaseIncorrecta;
    }
    return Resultado::Restaurada;
}

Restauracion::Resultado Restauracion::Restaurar(const QString& copia)
{
    m_codigo = 0;
    m_error.clear();
    const QString operativo = m_bd.Archivo();
    if (operativo.isEmpty())
        return Fallo(0, QStringLiteral("La base de datos operativa no está abierta."));
    if (EsLaOperativa(copia))
        return Resultado::EsLaOperativa;

    // The chosen copy is brought beside the operating file first, so that the final step is a
    // rename on the same disk, and so that the file checked is exactly the file installed.
    QFile entrada(copia);
    if (!entrada.open(QIODevice::ReadOnly))
        return Fallo(entrada.error(), QStringLiteral("No se pudo leer %1: %2")
                                          .arg(QDir::toNativeSeparators(copia), entrada.errorString()));
    QTemporaryFile temporal(QFileInfo(operativo).absolutePath() + QStringLiteral("/talvo-restauracion-XXXXXX.fys"));
    if (!temporal.open())
        return Fallo(temporal.error(), QStringLiteral("No se pudo crear un archivo en %1: %2")
                                           .arg(QDir::toNativeSeparators(QFileInfo(operativo).absolutePath()),
                                                temporal.errorString()));
    while (!entrada.atEnd()) {
        const QByteArray bloque = entrada.read(1 << 20);
        if ((bloque.isEmpty() && entrada.error() != QFileDevice::NoError) || temporal.write(bloque) != bloque.size())
            return Fallo(temporal.error() != QFileDevice::NoError ? temporal.error() : entrada.error(),
                         QStringLiteral("No se pudo copiar %1: %2")
                             .arg(QDir::toNativeSeparators(copia),
                                  temporal.error() != QFileDevice::NoError ? temporal.errorString()
                                                                           : entrada.errorString()));
    }
    entrada.close();
    if (!temporal.flush())
        return Fallo(temporal.error(), temporal.errorString());
    temporal.close();

    const Resultado verificado = Verificar(temporal.fileName());
    if (verificado != Resultado::Restaurada)
        return verificado;
    const Resultado resultado = Reemplazar(temporal.fileName(), operativo);
    if (resultado == Resultado::Restaurada)
        temporal.setAutoRemove(false); // it is talvo.fys now
    return resultado;
}

Restauracion::Resultado Restauracion::Reemplazar(const QString& temporal, const QString& operativo)
{
    const QString anterior = operativo + QStringLiteral(".anterior");
    m_bd.Cerrar();
    QFile::remove(anterior);
    if (QFileInfo::exists(operativo) && !QFile::rename(operativo, anterior)) {
        Reabrir(operativo);
        return Fallo(QFileDevice::RenameError, QStringLiteral("No se pudo reemplazar la base de datos %1.")
                                                   .arg(QDir::toNativeSeparators(operativo)));
    }
    if (!QFile::rename(temporal, operativo)) {
        QFile::rename(anterior, operativo);
        Reabrir(operativo);
        return Fallo(QFileDevice::RenameError, QStringLiteral("No se pudo instalar la copia como %1.")
                                                   .arg(QDir::toNativeSeparators(operativo)));
    }
    if (!Reabrir(operativo)) {
        // The copy passed every check and still cannot be used: the old file goes back.
        const QString motivo = m_bd.UltimoError();
        m_bd.Cerrar();
        QFile::remove(operativo);
        QFile::rename(anterior, operativo);
        Reabrir(operativo);
        return Fallo(QFileDevice::OpenError, QStringLiteral("No se pudo abrir la base de datos restaurada: %1").arg(motivo));
    }
    QFile::remove(anterior);
    return Resultado::Restaurada;
}

bool Restauracion::Reabrir(const QString& operativo)
{
    return m_bd.Abrir(operativo) && CargarParametros(m_bd);
}
