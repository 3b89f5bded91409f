// SPDX-License-Identifier: GPL-3.0-or-later
// The company screen's field rules: CUIT, postal code and town, partner documents, category search.
#include "frmEmpresas.h"

#include "frmConsRubro.h"
#include "records/Conexion.h"
#include "records/CuitEmpresas.h"
#include "records/Global.h"
#include "records/Localidades.h"
#include "shell/Dialogos.h"
#include "shell/frmPadre.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace {
const QString ErrorDeDatos = QStringLiteral("ERROR DE DATOS");
}

bool frmEmpresas::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == m_txtCUIT && evento->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, m_txtCUIT, &QLineEdit::selectAll);
    } else if (objeto == m_txtCodPost && evento->type() == QEvent::KeyPress && m_estado != Consultando) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            m_cboLocalidad->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void frmEmpresas::FocoCambiado(QWidget* anterior, QWidget* actual)
{
    // Only the user's moves between the screen's own fields during an edit count as leaving a field.
    if (m_moviendoFoco || m_estado == Consultando || !anterior || !actual || !isAncestorOf(actual))
        return;
    if (anterior == m_txtCUIT) {
        if (actual != m_cmdCancelar)
            SalirDeCuit();
    } else if (anterior == m_txtCodPost) {
        m_principal.Servicio().Mensaje(QStringLiteral("Seleccione la localidad que correponde"), QString(),
                                       Icono::Ninguno);
        BuscarLocalidades();
    } else if (anterior == m_txtDocuSocio || anterior == m_txtDocuSocio2) {
        SalirDeDocumento(static_cast<QLineEdit*>(anterior));
    }
}

void frmEmpresas::SalirDeCuit()
{
    const QString cuit = m_txtCUIT->displayText();
    QString error;
    if (!CuitValido(cuit)) {
        error = QStringLiteral("C.U.I.T. incorrecto");
    } else if (BaseDatos) {
        const qint64 propio = m_estado == Agregando || !m_empresa ? 0 : m_empresa->IdEmpresa();
        if (EmpresasConCuit(*BaseDatos, cuit, propio) > 0)
            error = QStringLiteral("C.U.I.T. duplicado");
    }
    if (error.isEmpty())
        return;
    m_principal.Servicio().Mensaje(error, ErrorDeDatos, Icono::Critico);
    m_moviendoFoco = true;
    m_txtCUIT->setFocus();
    m_moviendoFoco = false;
}

void frmEmpresas::SalirDeDocumento(QLineEdit* campo)
{
    const QString uno = m_txtDocuSocio->text();
    const QString otro = m_txtDocuSocio2->text();
    if (uno.isEmpty() || otro.isEmpty() || uno.compare(otro, Qt::CaseInsensitive) != 0)
        return;
    m_principal.Servicio().Mensaje(QStringLiteral("Los números de documento de ambos socios no pueden ser iguales."),
                                   ErrorDeDatos, Icono::Informacion);
    m_moviendoFoco = true;
    campo->setFocus();
    m_moviendoFoco = false;
}

void frmEmpresas::CodPostEditado(const QString& texto)
{
    // Letters typed in upper case, digits kept: an input mask would drop one or the other.
    const QString mayusculas = texto.toUpper();
    if (mayusculas == texto)
        return;
    const int cursor = m_txtCodPost->cursorPosition();
    m_txtCodPost->setText(mayusculas);
    m_txtCodPost->setCursorPosition(cursor);
}

void frmEmpresas::BuscarLocalidades()
{
    if (!BaseDatos || Localidades::Digitos(m_txtCodPost->text()).isEmpty())
        return; // a code without digits changes nothing
    Localidades localidades;
    if (!localidades.Buscar(*BaseDatos, m_txtCodPost->text()))
        m_principal.Servicio().Mensaje(QStringLiteral("No se pudo leer la lista de localidades.\n")
                                           + BaseDatos->UltimoError(),
                                       ErrorDeDatos, Icono::Critico);
    const QSignalBlocker bloqueo(m_cboLocalidad);
    m_cboLocalidad->clear();
    for (int i = 0; i < localidades.Count(); ++i)
        m_cboLocalidad->addItem(localidades.Nombre(i), localidades.IdProvincia(i));
    m_cboLocalidad->setCurrentIndex(-1); // the user chooses; the town shown so far stays until then
}

void frmEmpresas::LocalidadElegida(int indice)
{
    if (indice < 0)
        return;
    m_txtLocalidad->setText(m_cboLocalidad->itemText(indice));
    m_txtCodProv->setText(QString::number(m_cboLocalidad->itemData(indice).toInt()));
}

void frmEmpresas::MostrarProvincia()
{
    m_lblProvincia->setText(BaseDatos ? Localidades::NombreProvincia(*BaseDatos, m_txtCodProv->text()) : QString());
}

void frmEmpresas::BuscarRubros()
{
    if (m_estado == Consultando)
        return;
    if (!m_busqueda)
        m_busqueda = new frmConsRubro(m_cboRubro, m_principal.Servicio(), this);
    m_busqueda->show();
    m_busqueda->raise();
    m_busqueda->activateWindow();
}
