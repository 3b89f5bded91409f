// SPDX-License-Identifier: GPL-3.0-or-later
#include "Restauracion.h"

#include "Plataforma.h"
#include "records/ComprobacionBase.h"
#include "records/Conexion.h"
#include "records/Consulta.h"
#include "records/Global.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {
const QString PatronTemporal = QStringLiteral("talvo-restauracion-*.fys");

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

void Restauracion::LimpiarRestos(const QString& carpeta)
{
    QDir dir(carpeta);
    for (const QString& resto : dir.entryList({PatronTemporal}, QDir::Files | QDir::Hidden))
        dir.remove(resto);
}

void Restauracion::Avanzar()
{
    ++m_paso;
    if (m_alAvanzar)
        m_alAvanzar(m_paso);
}

Restauracion::Resultado Restauracion::Fallo(int codigo, const QString& descripcion)
{
    m_codigo = codigo;
    m_error = descripcion;
    return Resultado::Error;
}

Restauracion::Resultado Restauracion::Verificar(const QString& archivo)
{
    Conexion copia;
    QString detalle;
    switch (AbrirComprobada(copia, archivo, &detalle)) {
    case EstadoBase::Correcta:
        break;
    case EstadoBase::NoEsBaseDeDatos:
        return Resultado::NoEsBaseDeDatos;
    case EstadoBase::Danada:
    case EstadoBase::EsquemaDistinto:
        return Resultado::BaseIncorrecta;
    case EstadoBase::Ilegible:
        return Fallo(QFileDevice::ReadError,
                     QStringLiteral("No se pudo leer %1: %2").arg(QDir::toNativeSeparators(archivo), detalle));
    case EstadoBase::SinPlantilla:
        return Fallo(0, detalle);
    }
    // A damaged file may still hold the right schema: only the integrity check reads every page.
    // A copy is read once, when chosen, so the cost is paid here and never at start-up.
    Consulta integridad = copia.AbrirConsulta(QStringLiteral("pragma integrity_check"));
    const bool integra = integridad.Valida() && !integridad.Fin()
        && integridad.Campo(0).toString().compare(QLatin1String("ok"), Qt::CaseInsensitive) == 0;
    integridad.Cerrar();
    const bool conParametros = integra && copia.ValorEscalar(QStringLiteral("select count(*) from parametros")).toLongLong() == 1;
    copia.Cerrar();
    return conParametros ? Resultado::Restaurada : Resultado::BaseIncorrecta;
}

Restauracion::Resultado Restauracion::Restaurar(const QString& copia)
{
    m_codigo = 0;
    m_error.clear();
    m_paso = 0;
    const QString operativo = m_bd.Archivo();
    if (operativo.isEmpty())
        return Fallo(0, QStringLiteral("La base de datos operativa no está abierta."));
    if (EsLaOperativa(copia))
        return Resultado::EsLaOperativa;

    // The chosen copy is brought beside the operating file first, so that the final step is a
    // rename on the same disk, and so that the file checked is exactly the file installed.
    const QString carpeta = QFileInfo(operativo).absolutePath();
    QTemporaryFile temporal(QDir(carpeta).filePath(PatronTemporal).replace(QLatin1Char('*'), QStringLiteral("XXXXXX")));
    if (!temporal.open())
        return Fallo(temporal.error(), QStringLiteral("No se pudo crear un archivo en %1: %2")
                                           .arg(QDir::toNativeSeparators(carpeta), temporal.errorString()));
    Avanzar();
    const Resultado copiado = Copiar(copia, temporal);
    if (copiado != Resultado::Restaurada)
        return copiado;
    const Resultado verificado = Verificar(temporal.fileName());
    if (verificado != Resultado::Restaurada)
        return verificado;
    Avanzar();
    const Resultado resultado = Reemplazar(temporal.fileName(), operativo);
    if (resultado == Resultado::Restaurada)
        temporal.setAutoRemove(false); // it is talvo.fys now
    return resultado;
}

Restauracion::Resultado Restauracion::Copiar(const QString& copia, QFile& salida)
{
    QFile entrada(copia);
    if (!entrada.open(QIODevice::ReadOnly))
        return Fallo(entrada.error(), QStringLiteral("No se pudo leer %1: %2")
                                          .arg(QDir::toNativeSeparators(copia), entrada.errorString()));
    while (!entrada.atEnd()) {
        const QByteArray bloque = entrada.read(1 << 20);
        if (bloque.isEmpty() && entrada.error() != QFileDevice::NoError)
            return Fallo(entrada.error(), QStringLiteral("No se pudo leer %1: %2")
                                              .arg(QDir::toNativeSeparators(copia), entrada.errorString()));
        if (salida.write(bloque) != bloque.size())
            return Fallo(salida.error(), QStringLiteral("No se pudo grabar una copia en %1: %2")
                                             .arg(QDir::toNativeSeparators(QFileInfo(m_bd.Archivo()).absolutePath()),
                                                  salida.errorString()));
        Avanzar();
    }
    // On Linux the temporary file has no name until asked for one, so an interrupted copy leaves
    // nothing behind. It is on disk before it can take talvo.fys's name: a power cut must not
    // leave that name on an empty file.
    const QString nombre = salida.fileName();
    if (!salida.flush() || !SincronizarArchivo(nombre))
        return Fallo(QFileDevice::WriteError,
                     QStringLiteral("No se pudo grabar %1: %2").arg(QDir::toNativeSeparators(nombre), salida.errorString()));
    salida.close();
    Avanzar();
    return Resultado::Restaurada;
}

Restauracion::Resultado Restauracion::Reemplazar(const QString& temporal, const QString& operativo)
{
    const QString anterior = operativo + QStringLiteral(".anterior");
    const QString nativo = QDir::toNativeSeparators(operativo);
    // The restored file keeps the operating file's permissions, not the temporary file's 0600.
    if (QFileInfo::exists(operativo))
        QFile::setPermissions(temporal, QFileInfo(operativo).permissions());
    Avanzar();
    m_bd.Cerrar();
    Avanzar();
    // The old file keeps a second name until the new one is open: the way back if it cannot be.
    if (QFileInfo::exists(operativo) && !ConservarArchivo(operativo, anterior)) {
        Reabrir(operativo);
        return Fallo(QFileDevice::CopyError,
                     QStringLiteral("No se pudo conservar la base de datos %1 mientras se restaura.").arg(nativo));
    }
    Avanzar();
    QString motivo;
    if (!ReemplazarArchivo(temporal, operativo, &motivo)) {
        QFile::remove(anterior);
        Reabrir(operativo);
        return Fallo(QFileDevice::RenameError,
                     QStringLiteral("No se pudo instalar la copia como %1: %2").arg(nativo, motivo));
    }
    Avanzar();
    if (!Reabrir(operativo)) {
        // The copy passed every check and still cannot be used: the old file goes back.
        motivo = m_bd.UltimoError();
        m_bd.Cerrar();
        ReemplazarArchivo(anterior, operativo);
        Reabrir(operativo);
        return Fallo(QFileDevice::OpenError, QStringLiteral("No se pudo abrir la base de datos restaurada: %1").arg(motivo));
    }
    Avanzar();
    QFile::remove(anterior);
    Avanzar();
    return Resultado::Restaurada;
}

bool Restauracion::Reabrir(const QString& operativo)
{
    return m_bd.Abrir(operativo) && CargarParametros(m_bd);
}
