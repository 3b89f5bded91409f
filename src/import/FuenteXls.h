// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EstructuraXls.h"
#include "FuenteFilas.h"

#include <QTemporaryFile>

#include <memory>

/// An Excel 97-2003 workbook (.xls): cell values through FreeXL, from the sheet that was active
/// when the file was saved. FreeXL reads a checked copy of the workbook stream, never the file
/// itself (SaneoXls.h). FreeXL gives no value for formula cells, so a row with a formula in
/// the columns read is refused rather than read as empty; so is a row with merged cells.
class FuenteXls : public FuenteFilas
{
public:
    FuenteXls() = default;
    ~FuenteXls() override;
    FuenteXls(const FuenteXls&) = delete;
    FuenteXls& operator=(const FuenteXls&) = delete;

    bool Abrir(const QString& archivo, QString& motivo) override;
    Resultado Siguiente(FilaImportacion& fila, QString& motivo) override;
    bool Fechas1904() const override { return m_base1904; }

private:
    bool Celda(int fila, int columna, CeldaImportacion& celda, QString& motivo) const;

    std::unique_ptr<QTemporaryFile> m_copia; // what FreeXL reads; outlives m_libro
    const void* m_libro = nullptr;
    EstructuraXls m_estructura;
    unsigned int m_filas = 0;
    unsigned short m_columnas = 0;
    unsigned int m_fila = 0; // 0-based row read next
    bool m_base1904 = false;
};
