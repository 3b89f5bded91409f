// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArchivoZip.h"
#include "FuenteFilas.h"

#include <QList>
#include <QRect>
#include <QStringList>
#include <QXmlStreamReader>

#include <memory>

/// An Office Open XML workbook (.xlsx): the sheet the workbook names active (the first one
/// otherwise), read as a stream with its shared strings. Numbers, booleans, shared and inline
/// strings, ISO dates; a formula cell gives the result the file stores with it, and is refused when
/// there is none; a row with merged cells is refused.
class FuenteXlsx : public FuenteFilas
{
public:
    bool Abrir(const QString& archivo, QString& motivo) override;
    Resultado Siguiente(FilaImportacion& fila, QString& motivo) override;
    bool Fechas1904() const override { return m_base1904; }

private:
    bool LeerLibro(QString& hoja, QString& textos, QString& motivo);
    bool LeerTextos(const QString& entrada, QString& motivo);
    bool LeerCombinadas(const QString& entrada, QString& motivo);
    void LeerCelda(FilaImportacion& fila, int numeroFila, int& columna);
    QString MotivoXml(int fila) const;

    ArchivoZip m_zip;
    std::unique_ptr<QIODevice> m_flujo;
    QXmlStreamReader m_xml;
    QStringList m_textos;
    QList<QRect> m_combinadas;
    bool m_base1904 = false;
    int m_siguiente = 1; // the number of the row after the last one read: a row without r is that one
};
