// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QListWidget;
class QTextBrowser;

/// The program's help: Spanish pages, one per screen and command, with a list of contents.
/// The pages are carried in the program; the folder can be changed (tests, a newer edition).
class frmAyuda : public QDialog
{
    Q_OBJECT
public:
    explicit frmAyuda(const QString& carpeta, QWidget* parent = nullptr);

    static QString CarpetaPorDefecto() { return QStringLiteral(":/ayuda"); }
    static QString TemaPorDefecto() { return QStringLiteral("index.html"); }
    /// True when carpeta holds the default topic.
    static bool Instalada(const QString& carpeta);

    QString Carpeta() const { return m_carpeta; }
    /// Shows the page tema (a file name such as "copia-seguridad.html") and brings the window up.
    void MostrarTema(const QString& tema);
    QTextBrowser* Navegador() const { return m_texto; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QUrl Direccion(const QString& tema) const;
    void TemaElegido();

    QString m_carpeta;
    QListWidget* m_contenido = nullptr;
    QTextBrowser* m_texto = nullptr;
};
