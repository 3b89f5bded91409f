// SPDX-License-Identifier: GPL-3.0-or-later
#include "CopiaSeguridad.h"

#include "Plataforma.h"
#include "Principal.h"
#include "records/Conexion.h"
#include "records/Global.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace {
/// The same folder written in two ways (trailing separator, "..", a link) compares equal.
QString Normalizada(const QString& carpeta)
{
    const QFileInfo info(carpeta);
    const QString canonica = info.canonicalFilePath();
    return canonica.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonica;
}
} // namespace

CopiaSeguridad::CopiaSeguridad(Conexion& bd)
    : m_bd(bd)
    , m_sondeo(&CopiaSeguridad::SondeoReal)
{
}

QString CopiaSeguridad::CarpetaOperativa() const
{
    const QString archivo = m_bd.Archivo();
    return archivo.isEmpty() ? CarpetaPrograma() : QFileInfo(archivo).absolutePath();
}

QString CopiaSeguridad::CarpetaRespaldo() const
{
    const QString carpeta = QDir(CarpetaOperativa()).filePath(QStringLiteral("backkestral"));
    return QDir().mkpath(carpeta) ? carpeta : QString();
}

QString CopiaSeguridad::Destino(const QString& carpeta)
{
    return QDir(carpeta).filePath(QString::fromLatin1(ArchivoBaseDatos));
}

DatosVolumen CopiaSeguridad::SondeoReal(const QString& carpeta)
{
    const QStorageInfo volumen(carpeta);
    DatosVolumen datos;
    datos.listo = volumen.isValid() && volumen.isReady();
    const QByteArray tipo = volumen.fileSystemType().toLower();
    datos.optico = tipo == "iso9660" || tipo == "udf";
    datos.soloLectura = volumen.isReadOnly();
    datos.libre = datos.listo ? volumen.bytesAvailable() : 0;
    return datos;
}

CopiaSeguridad::Resultado CopiaSeguridad::Copiar(const QString& carpeta)
{
    m_error.clear();
    if (carpeta.trimmed().isEmpty())
        return Resultado::SinCarpeta;
    const QString operativo = m_bd.Archivo();
    if (operativo.isEmpty()) {
        m_error = QStringLiteral("La base de datos operativa no está abierta.");
        return Resultado::Error;
    }
    if (Normalizada(carpeta) == Normalizada(CarpetaOperativa()))
        return Resultado::MismaCarpeta;

    const DatosVolumen volumen = m_sondeo(carpeta);
    if (volumen.optico)
        return Resultado::Optico;
    if (!volumen.listo)
        return Resultado::NoListo;
    if (QFileInfo(operativo).size() > volumen.libre)
        return Resultado::SinEspacio;
    if (volumen.soloLectura)
        return Resultado::Protegido;

    // The file is copied closed so that the copy is consistent; it is opened again on every path.
    m_bd.Cerrar();
    m_protegido = false;
    const bool copiada = CopiarArchivo(operativo, Destino(carpeta));
    const bool abierta = Reabrir(operativo);
    if (!copiada)
        return m_protegido ? Resultado::Protegido : Resultado::Error;
    return abierta ? Resultado::Copiada : Resultado::Error;
}

bool CopiaSeguridad::CopiarArchivo(const QString& origen, const QString& destino)
{
    QFile entrada(origen);
    if (!entrada.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("No se pudo leer la base de datos %1: %2")
                      .arg(QDir::toNativeSeparators(origen), entrada.errorString());
        return false;
    }
    // Written beside the destination under a temporary name; an earlier copy is replaced only
    // once the new one is complete.
    QSaveFile salida(destino);
    if (!salida.open(QIODevice::WriteOnly)) {
        // An existing folder where no file can be created is write-protected (or not ours).
        m_protegido = QFileInfo(QFileInfo(destino).absolutePath()).isDir();
        m_error = QStringLiteral("No se pudo crear %1: %2").arg(QDir::toNativeSeparators(destino), salida.errorString());
        return false;
    }
    while (!entrada.atEnd()) {
        const QByteArray bloque = entrada.read(1 << 20);
        if (bloque.isEmpty() && entrada.error() != QFileDevice::NoError) {
            m_error = QStringLiteral("No se pudo leer la base de datos %1: %2")
                          .arg(QDir::toNativeSeparators(origen), entrada.errorString());
            salida.cancelWriting();
            return false;
        }
        if (salida.write(bloque) != bloque.size()) {
            m_error = QStringLiteral("No se pudo grabar %1: %2")
                          .arg(QDir::toNativeSeparators(destino), salida.errorString());
            salida.cancelWriting();
            return false;
        }
    }
    if (!salida.commit()) {
        m_error = QStringLiteral("No se pudo grabar %1: %2")
                      .arg(QDir::toNativeSeparators(destino), salida.errorString());
        return false;
    }
    return true;
}

bool CopiaSeguridad::Reabrir(const QString& archivo)
{
    if (m_bd.Abrir(archivo) && CargarParametros(m_bd))
        return true;
    const QString motivo = QStringLiteral("No se pudo volver a abrir la base de datos %1: %2")
                               .arg(QDir::toNativeSeparators(archivo), m_bd.UltimoError());
    m_error = m_error.isEmpty() ? motivo : m_error + QLatin1Char('\n') + motivo;
    return false;
}
