// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

/// Reads a text file line by line without holding it whole. It decides once for the whole file
/// whether it is UTF-8 (when every byte sequence is valid UTF-8) or Windows-1252 (files made on
/// Windows), takes CR LF or LF line ends, and refuses with a Spanish reason what is not such a
/// text file: an empty or over-large file (TamanoMaximoHoja), UTF-16, control characters (binary
/// data), a lone CR (old Macintosh line ends, which would glue every record into one line) or an
/// endless line.
class LectorLineas
{
public:
    /// A line longer than this is not a line of a record file.
    static constexpr int LargoMaximoLinea = 4096;

    bool Abrir(const QString& archivo, QString& motivo);
    /// The next line without its line end; false at the end of the file (motivo empty) or when the
    /// line cannot be read (motivo says why, naming the line).
    bool Siguiente(QString& linea, QString& motivo);
    /// 1-based number of the line last returned.
    int NumeroLinea() const { return m_numero; }
    bool EsUtf8() const { return m_utf8; }

private:
    bool DecidirCodificacion();

    QFile m_archivo;
    qint64 m_inicio = 0;
    int m_numero = 0;
    bool m_utf8 = true;
};
