// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// What an import tells the user while it runs. The readers never open dialogs: the employee list
/// screen implements this and shows each notice through its dialog service; the import goes on.
class AvisosImportacion
{
public:
    virtual ~AvisosImportacion() = default;

    /// Title of the notice for a row skipped because of its CUIL.
    static QString TituloCuilIncorrecto() { return QStringLiteral("ERROR DE CUIL"); }
    /// Text of that notice: "CUIL incorrecto para el empleado " + nombre, a line break and
    /// "El registro no se importará.".
    static QString TextoCuilIncorrecto(const QString& nombre)
    {
        return QStringLiteral("CUIL incorrecto para el empleado ") + nombre + QLatin1Char('\n')
            + QStringLiteral("El registro no se importará.");
    }

    /// A row whose CUIL fails the check digit test (or is not eleven digits) was skipped; the
    /// following rows are still imported. fila: 1-based line of the text file or row of the sheet;
    /// nombre: the row's name, trimmed. Show TextoCuilIncorrecto(nombre) titled
    /// TituloCuilIncorrecto() with the critical icon.
    virtual void CuilIncorrecto(int fila, const QString& nombre) = 0;
};
