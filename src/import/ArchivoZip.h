// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>

struct zip;
struct zip_file;

/// A zip archive (.xlsx, .ods) opened read-only with libzip. Entries are read either whole (small
/// ones) or as a device that streams them, so a large sheet is parsed without holding it.
class ArchivoZip
{
public:
    /// No entry is read past this many uncompressed bytes: a tiny archive may expand enormously.
    static constexpr qint64 MaximoDescomprimido = 256 * 1024 * 1024;

    ArchivoZip() = default;
    ~ArchivoZip();
    ArchivoZip(const ArchivoZip&) = delete;
    ArchivoZip& operator=(const ArchivoZip&) = delete;

    /// False with a Spanish reason when the file is not a readable zip archive.
    bool Abrir(const QString& archivo, QString& motivo);
    bool Existe(const QString& entrada) const;
    /// Reads the whole entry; false when it is missing, damaged or larger than limite.
    bool Leer(const QString& entrada, QByteArray& datos, qint64 limite) const;
    /// The entry as a sequential device (null when missing); reading fails past MaximoDescomprimido.
    std::unique_ptr<QIODevice> Flujo(const QString& entrada) const;

private:
    zip* m_zip = nullptr;
};

/// One entry of an open archive read as a stream.
class EntradaZip : public QIODevice
{
public:
    explicit EntradaZip(zip_file* archivo);
    ~EntradaZip() override;

    bool isSequential() const override { return true; }
    void close() override;
    /// True when reading stopped because the entry is damaged or grew past the limit.
    bool Fallo() const { return m_fallo; }

protected:
    qint64 readData(char* datos, qint64 maximo) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    zip_file* m_archivo;
    qint64 m_leidos = 0;
    bool m_fallo = false;
};
