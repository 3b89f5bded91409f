// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogosQt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QMessageBox::Icon IconoQt(Icono icono)
{
    switch (icono) {
    case Icono::Informacion: return QMessageBox::Information;
    case Icono::Exclamacion: return QMessageBox::Warning;
    case Icono::Critico: return QMessageBox::Critical;
    case Icono::Pregunta: return QMessageBox::Question;
    case Icono::Ninguno: break;
    }
    return QMessageBox::NoIcon;
}

// A message box keeps the normal pointer even while a long task shows the busy one.
struct PunteroNormal
{
    PunteroNormal() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~PunteroNormal() { QApplication::restoreOverrideCursor(); }
};
} // namespace

DialogosQt::DialogosQt(QWidget* padre)
    : m_padre(padre)
{
}

QWidget* DialogosQt::Padre() const
{
    return m_padre ? m_padre.data() : QApplication::activeWindow();
}

void DialogosQt::Mensaje(const QString& texto, const QString& titulo, Icono icono)
{
    PunteroNormal puntero;
    QMessageBox caja(IconoQt(icono), titulo, texto, QMessageBox::Ok, Padre());
    caja.exec();
}

bool DialogosQt::Preguntar(const QString& texto, const QString& titulo, Icono icono)
{
    PunteroNormal puntero;
    QMessageBox caja(IconoQt(icono), titulo, texto, QMessageBox::Yes | QMessageBox::No, Padre());
    caja.setDefaultButton(QMessageBox::No);
    return caja.exec() == QMessageBox::Yes;
}

QString DialogosQt::ArchivoParaAbrir(const QString& titulo, const QString& carpeta, const QString& nombreInicial,
                                     const QString& filtro)
{
    PunteroNormal puntero;
    QFileDialog dialogo(Padre(), titulo, carpeta, filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    if (!nombreInicial.isEmpty() && !nombreInicial.contains(QLatin1Char('*')))
        dialogo.selectFile(nombreInicial);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    return QDir::toNativeSeparators(dialogo.selectedFiles().constFirst());
}

QString DialogosQt::ArchivoParaGuardar(const QString& titulo, const QString& rutaPropuesta, const QString& filtro)
{
    PunteroNormal puntero;
    return QFileDialog::getSaveFileName(Padre(), titulo, rutaPropuesta, filtro);
}

QString DialogosQt::Carpeta(const QString& titulo, const QString& carpetaInicial)
{
    PunteroNormal puntero;
    return QFileDialog::getExistingDirectory(Padre(), titulo, carpetaInicial);
}

bool DialogosQt::PedirTexto(const QString& titulo, const QString& etiqueta, bool oculto, QString& texto)
{
    PunteroNormal puntero;
    bool aceptado = false;
    const QString r = QInputDialog::getText(Padre(), titulo, etiqueta, oculto ? QLineEdit::Password : QLineEdit::Normal,
                                            texto, &aceptado);
    if (aceptado)
        texto = r;
    return aceptado;
}
