// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Llavero.h"

#include <QHash>
#include <QStringList>

/// Test double of the desktop's keyring: entries in memory, and a record of what was asked.
class LlaveroPrueba : public Llavero
{
public:
    bool Disponible() override { return disponible; }
    bool Leer(const QString& servidor, const QString& usuario, QString& clave) override
    {
        ++lecturas;
        const auto i = claves.constFind(Clave(servidor, usuario));
        if (!disponible || i == claves.constEnd())
            return false;
        clave = *i;
        return true;
    }
    bool Guardar(const QString& servidor, const QString& usuario, const QString& clave) override
    {
        if (!disponible || !errorAlGuardar.isEmpty())
            return false;
        guardadas << Clave(servidor, usuario);
        claves.insert(Clave(servidor, usuario), clave);
        return true;
    }
    bool Borrar(const QString& servidor, const QString& usuario) override
    {
        borradas << Clave(servidor, usuario);
        claves.remove(Clave(servidor, usuario));
        return disponible;
    }
    QString UltimoError() const override { return errorAlGuardar; }

    /// How entries are named here: "usuario@servidor".
    static QString Clave(const QString& servidor, const QString& usuario)
    {
        return usuario + QLatin1Char('@') + servidor;
    }

    bool disponible = true;
    QString errorAlGuardar; // when set, Guardar fails with this reason
    QHash<QString, QString> claves;
    QStringList guardadas; // every Guardar that succeeded, in order
    QStringList borradas;
    int lecturas = 0;
};
