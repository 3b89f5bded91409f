// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FuenteFilas.h"
#include "LectorLineas.h"

/// The fixed-width text file: one 84-character record per line (positions count characters).
/// Shorter lines are skipped silently and characters after position 84 are ignored; a file with no
/// record at all is refused, since it cannot be the list.
class FuenteTexto : public FuenteFilas
{
public:
    static constexpr int LargoRegistro = 84;

    bool Abrir(const QString& archivo, QString& motivo) override;
    Resultado Siguiente(FilaImportacion& fila, QString& motivo) override;
    QString NombreFila() const override { return QStringLiteral("Línea"); }
    bool Terminar(QString& motivo) override;

private:
    LectorLineas m_lector;
    int m_registros = 0;
    int m_cortas = 0;
};
