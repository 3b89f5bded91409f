// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArchivoZip.h"
#include "FuenteFilas.h"

#include <QXmlStreamReader>

#include <memory>

/// An OpenDocument spreadsheet (.ods): the table the settings name active (the first one
/// otherwise), read as a stream. Numbers, booleans, dates, texts; repeated rows and cells are
/// expanded; a formula cell gives the result stored with it, and is refused when there is none; a
/// row with merged (spanned or covered) cells is refused.
class FuenteOds : public FuenteFilas
{
public:
    bool Abrir(const QString& archivo, QString& motivo) override;
    Resultado Siguiente(FilaImportacion& fila, QString& motivo) override;

private:
    bool BuscarTabla(const QString& nombre, bool primera);
    void LeerFila(FilaImportacion& fila, int numero);
    CeldaImportacion LeerCelda(const QString& referencia);
    QString MotivoXml() const;

    ArchivoZip m_zip;
    std::unique_ptr<QIODevice> m_flujo;
    QXmlStreamReader m_xml;
    int m_siguiente = 1; // number of the next row in the table
};
