// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class Conexion;

/// Facts about the volume that holds a folder, as the backup needs them.
struct DatosVolumen
{
    bool listo = false;       ///< mounted and readable
    bool optico = false;      ///< a CD or DVD (iso9660, udf): never written
    bool soloLectura = false; ///< mounted read-only or write-protected
    qint64 libre = 0;         ///< bytes available to this user
};

/// Copies the operating database to a folder the user picked, as a plain talvo.fys.
/// The operating database is closed while its file is copied and is always open again afterwards,
/// whatever happened; the copy is written under a temporary name and only then replaces an
/// earlier copy, so a failed attempt never leaves half a file behind.
class CopiaSeguridad
{
public:
    enum class Resultado { Copiada, SinCarpeta, MismaCarpeta, Optico, NoListo, SinEspacio, Protegido, Error };

    explicit CopiaSeguridad(Conexion& bd);

    /// Folder of the operating file (the program's folder).
    QString CarpetaOperativa() const;
    /// The folder "backkestral" beside the operating file, created when missing; empty when it
    /// could not be created.
    QString CarpetaRespaldo() const;
    /// Path the copy gets inside carpeta: carpeta/talvo.fys.
    static QString Destino(const QString& carpeta);

    /// Checks the destination and copies. On Error, DescripcionError() tells why.
    Resultado Copiar(const QString& carpeta);
    QString DescripcionError() const { return m_error; }

    /// Replaces the way volume facts are learnt (tests simulate CDs, full or protected volumes).
    using Sondeo = std::function<DatosVolumen(const QString& carpeta)>;
    void setSondeo(Sondeo sondeo) { m_sondeo = std::move(sondeo); }
    static DatosVolumen SondeoReal(const QString& carpeta);

private:
    bool CopiarArchivo(const QString& origen, const QString& destino);
    bool Reabrir(const QString& archivo);

    Conexion& m_bd;
    Sondeo m_sondeo;
    QString m_error;
    bool m_protegido = false;
};
