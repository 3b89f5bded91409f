// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmEmpleados.h"

#include "CampoImporte.h"
#include "ValidadorLargo.h"
#include "records/Categorias.h"
#include "records/Conexion.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "shell/Dialogos.h"
#include "shell/Principal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString TituloErrorDatos = QStringLiteral("ERROR DE DATOS");
// Leaving for another window (a message box, the calendar popup) is not leaving a field.
bool SalidaDelUsuario(const QFocusEvent* evento)
{
    return evento->reason() != Qt::ActiveWindowFocusReason && evento->reason() != Qt::PopupFocusReason;
}
} // namespace

frmEmpleados::frmEmpleados(Dialogos& dialogos, QWidget* parent)
    : QDialog(parent)
    , m_dialogos(dialogos)
{
    setObjectName(QStringLiteral("frmEmpleados"));
    setWindowTitle(QStringLiteral("Mantenimiento Empleados"));
    setModal(true);
    CrearControles();
    LlenarListas();
    setEmpleado(nullptr);
}

void frmEmpleados::CrearControles()
{
    auto* titulo = new QLabel(QStringLiteral("INGRESO DE DATOS DE EMPLEADOS"), this);
    titulo->setObjectName(QStringLiteral("lblTitulo"));
    QFont letra = titulo->font();
    letra.setBold(true);
    titulo->setFont(letra);
    titulo->setAlignment(Qt::AlignCenter);

    m_txtCuil = new QLineEdit(this);
    m_txtCuil->setObjectName(QStringLiteral("txtCUIL"));
    m_txtCuil->setToolTip(QStringLiteral("Ingrese el Cuil sin guiones"));
    ValidadorLargo::Limitar(m_txtCuil, 13); // stored as 99-99999999-9
    m_txtNombre = new QLineEdit(this);
    m_txtNombre->setObjectName(QStringLiteral("txtNombre"));
    ValidadorLargo::Limitar(m_txtNombre, 40); // what the stored column holds
    m_dtpIngreso = new QDateEdit(this);
    m_dtpIngreso->setObjectName(QStringLiteral("dtpFechaIngreso"));
    m_dtpIngreso->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_dtpIngreso->setCalendarPopup(true);
    m_txtHaberes = new CampoImporte(this);
    m_txtHaberes->setObjectName(QStringLiteral("txtHaberes"));
    m_txtHaberes->setMaxLength(50);
    m_txtHaberes->setToolTip(QStringLiteral("Ingrese Haberes Remunerativos y No Remunerativos de Convenio"));
    m_cboCategoria = new QComboBox(this);
    m_cboCategoria->setObjectName(QStringLiteral("cboCategoria"));
    m_chkAfiliado = new QCheckBox(QStringLiteral("Afiliado"), this);
    m_chkAfiliado->setObjectName(QStringLiteral("chkAfiliado"));
    m_chkMedia = new QCheckBox(QStringLiteral("M.Jornada/Reducida"), this);
    m_chkMedia->setObjectName(QStringLiteral("chkMediaJornada"));
    m_chkMedia->setToolTip(QStringLiteral("Debe indicar si es un empleado de Media Jornada o Jornada Reducida"));
    auto* nota = new QLabel(QStringLiteral("Indique si es empleado de Media Jornada o Jornada Reducida"), this);
    nota->setObjectName(QStringLiteral("lblNotaMediaJornada"));
    m_cboLicencia = new QComboBox(this);
    m_cboLicencia->setObjectName(QStringLiteral("cboLicencia"));
    m_txtFechaBaja = new QLineEdit(this);
    m_txtFechaBaja->setObjectName(QStringLiteral("txtFechaBaja"));
    ValidadorLargo::Limitar(m_txtFechaBaja, 10); // dd/mm/yyyy
    m_lblTotalAporte = new QLabel(this);
    m_lblTotalAporte->setObjectName(QStringLiteral("lblTotalAporte"));
    m_lblTotalAporte->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblTotalAporte->setFrameShape(QFrame::Panel);
    m_lblTotalAporte->setFrameShadow(QFrame::Sunken);

    auto* campos = new QGridLayout;
    const auto etiqueta = [this, campos](int fila, const QString& texto, const QString& nombre, QWidget* campo) {
        auto* l = new QLabel(texto, this);
        l->setObjectName(nombre);
        l->setBuddy(campo);
        campos->addWidget(l, fila, 0);
        campos->addWidget(campo, fila, 1);
    };
    etiqueta(0, QStringLiteral("CUIL    "), QStringLiteral("lblCUIL"), m_txtCuil);
    etiqueta(1, QStringLiteral("Apellido y Nombre    "), QStringLiteral("lblNombre"), m_txtNombre);
    etiqueta(2, QStringLiteral("Fecha Ingreso   "), QStringLiteral("lblFechaIngreso"), m_dtpIngreso);
    etiqueta(3, QStringLiteral("Total Haberes"), QStringLiteral("lblHaberes"), m_txtHaberes);
    etiqueta(4, QStringLiteral("Categoria"), QStringLiteral("lblCategoria"), m_cboCategoria);
    campos->addWidget(m_chkAfiliado, 5, 1);
    auto* media = new QHBoxLayout;
    media->addWidget(m_chkMedia);
    media->addWidget(nota, 1);
    campos->addLayout(media, 6, 1);
    etiqueta(7, QStringLiteral("Licencia"), QStringLiteral("lblLicencia"), m_cboLicencia);
    etiqueta(8, QStringLiteral("Fecha Baja"), QStringLiteral("lblFechaBaja"), m_txtFechaBaja);
    etiqueta(9, QStringLiteral("Total Aporte"), QStringLiteral("lblTituloTotalAporte"), m_lblTotalAporte);
    campos->setColumnStretch(1, 1);

    m_cmdGrabar = new QPushButton(QStringLiteral("&Grabar"), this);
    m_cmdGrabar->setObjectName(QStringLiteral("cmdGrabar"));
    m_cmdSalir = new QPushButton(QStringLiteral("&Salir"), this);
    m_cmdSalir->setObjectName(QStringLiteral("cmdSalir"));
    // Enter in a field does not save or close: only the buttons do.
    m_cmdGrabar->setAutoDefault(false);
    m_cmdSalir->setAutoDefault(false);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(m_cmdGrabar);
    botones->addWidget(m_cmdSalir);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(titulo);
    principal->addLayout(campos);
    principal->addStretch();
    principal->addLayout(botones);
    resize(620, 420);

    for (QWidget* campo : {static_cast<QWidget*>(m_txtCuil), static_cast<QWidget*>(m_txtNombre),
                           static_cast<QWidget*>(m_txtFechaBaja)})
        campo->installEventFilter(this);
    connect(m_dtpIngreso, &QDateEdit::dateChanged, this, [this](const QDate& fecha) {
        if (!m_mostrando && fecha.isValid())
            m_empleado->setFechaIngreso(fecha);
    });
    connect(m_txtHaberes, &CampoImporte::importeAceptado, this, [this](double importe) {
        m_empleado->setHaberes(importe);
        Mostrar();
    });
    connect(m_cboCategoria, &QComboBox::activated, this, [this](int i) {
        if (i >= 0)
            m_empleado->setCategoria(m_cboCategoria->itemData(i).toInt());
    });
    connect(m_cboLicencia, &QComboBox::activated, this, [this](int i) {
        if (i >= 0) {
            m_empleado->setLicencia(i);
            Mostrar();
        }
    });
    connect(m_chkAfiliado, &QCheckBox::clicked, this, [this](bool marcado) {
        m_empleado->setAfiliado(marcado);
        Mostrar();
    });
    connect(m_chkMedia, &QCheckBox::clicked, this, [this](bool marcado) {
        m_empleado->setMediaJornada(marcado);
        Mostrar();
    });
    connect(m_cmdGrabar, &QPushButton::clicked, this, [this]() {
        if (Grabar())
            accept();
    });
    connect(m_cmdSalir, &QPushButton::clicked, this, &QDialog::reject);
}

void frmEmpleados::LlenarListas()
{
    for (int codigo = 0; codigo < Empleado::CantidadLicencias; ++codigo)
        m_cboLicencia->addItem(Empleado::TextoLicencia(codigo));
    Categorias categorias;
    if (BaseDatos && !categorias.Leer(*BaseDatos))
        m_dialogos.Mensaje(QStringLiteral("No se pudo leer la lista de categorías.\n") + BaseDatos->UltimoError(),
                           QStringLiteral("ERROR"), Icono::Critico);
    for (int i = 0; i < categorias.Count(); ++i)
        m_cboCategoria->addItem(categorias.Descripcion(i), categorias.Codigo(i));
}

void frmEmpleados::setEmpleado(const QSharedPointer<Empleado>& e)
{
    m_empleado = e ? e : QSharedPointer<Empleado>::create();
    Mostrar();
}

void frmEmpleados::Mostrar()
{
    m_mostrando = true;
    const Empleado& e = *m_empleado;
    m_txtNombre->setText(e.Nombre());
    m_txtCuil->setText(e.CUIL());
    m_txtFechaBaja->setText(e.DeBaja() ? FormatoFecha(e.FechaBaja()) : QString());
    m_dtpIngreso->setDate(e.FechaIngreso());
    const int categoria = m_cboCategoria->findData(e.Categoria());
    if (categoria >= 0)
        m_cboCategoria->setCurrentIndex(categoria);
    m_cboLicencia->setCurrentIndex(e.Licencia() >= 0 && e.Licencia() < m_cboLicencia->count() ? e.Licencia() : -1);
    m_txtHaberes->setImporte(e.Haberes());
    m_chkAfiliado->setChecked(e.Afiliado());
    m_chkMedia->setChecked(e.MediaJornada());
    m_lblTotalAporte->setText(QStringLiteral("$") + FormatoImporte(e.TotalAPagar()));
    m_mostrando = false;
}

void frmEmpleados::TomarNombre()
{
    m_empleado->setNombre(m_txtNombre->text().trimmed());
}

void frmEmpleados::TomarCuil()
{
    // Stored as the import stores it, so that the same person typed or imported is one employee.
    m_empleado->setCUIL(Empleado::FormatoCuil(m_txtCuil->text()));
}

void frmEmpleados::TomarFechaBaja()
{
    // Dates before 1980 are typing slips: they mean no termination, as an empty field does.
    const QDate fecha = FechaDeTexto(m_txtFechaBaja->text());
    m_empleado->setFechaBaja(fecha.isValid() && fecha.year() >= 1980 ? fecha : FechaSinBaja());
}

bool frmEmpleados::TomarTodo()
{
    TomarNombre();
    TomarCuil();
    TomarFechaBaja();
    double haberes = 0;
    if (!m_txtHaberes->Importe(haberes)) {
        m_txtHaberes->setFocus();
        m_txtHaberes->selectAll();
        return false;
    }
    m_empleado->setHaberes(haberes);
    Mostrar();
    return true;
}

bool frmEmpleados::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::FocusIn && objeto == m_txtCuil) {
        // Selected after the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, m_txtCuil, &QLineEdit::selectAll);
    } else if (evento->type() == QEvent::FocusOut && SalidaDelUsuario(static_cast<QFocusEvent*>(evento))
               && isVisible()) {
        if (objeto == m_txtNombre) {
            TomarNombre();
            Mostrar();
        } else if (objeto == m_txtFechaBaja) {
            TomarFechaBaja();
            Mostrar();
        } else if (objeto == m_txtCuil) {
            TomarCuil();
            Mostrar();
            // Not when leaving for "&Salir" (nothing is kept) or "&Grabar" (which checks the same),
            // nor for an empty field: the user may fill the other fields first.
            QWidget* destino = QApplication::focusWidget();
            if (destino != m_cmdSalir && destino != m_cmdGrabar && !m_empleado->CUIL().isEmpty())
                QTimer::singleShot(0, this, [this]() {
                    if (isVisible())
                        CuilAceptable();
                });
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmEmpleados::Error(const QString& texto, const QString& titulo)
{
    m_dialogos.Mensaje(texto, titulo, Icono::Critico);
}

bool frmEmpleados::CuilAceptable()
{
    if (!CuitValido(m_empleado->CUIL())) {
        Error(QStringLiteral("C.U.I.L. incorrecto"), TituloErrorDatos);
        m_txtCuil->setFocus();
        return false;
    }
    bool duplicado = false;
    if (!BaseDatos || !m_empleado->CuilDuplicado(*BaseDatos, duplicado)) {
        Error(QStringLiteral("No se pudo comprobar el C.U.I.L.\n") + (BaseDatos ? BaseDatos->UltimoError() : QString()),
              QStringLiteral("ERROR"));
        return false;
    }
    if (duplicado) {
        Error(QStringLiteral("C.U.I.L. duplicado"), TituloErrorDatos);
        m_txtCuil->setFocus();
        return false;
    }
    return true;
}

bool frmEmpleados::Grabar()
{
    // A shortcut (Alt+G) presses the button without leaving the field being typed in.
    if (!TomarTodo())
        return false;
    if (!m_empleado->Validar()) {
        m_dialogos.Mensaje(QStringLiteral("Debe completar todos los datos requeridos antes de grabar."),
                           QStringLiteral("DATOS FALTANTES"), Icono::Informacion);
        return false;
    }
    if (!CuilAceptable())
        return false;
    if (!m_empleado->Grabar(*BaseDatos)) {
        // The screen stays open with what was typed, so nothing is lost.
        Error(QStringLiteral("No se pudo grabar el empleado.\n") + BaseDatos->UltimoError(), QStringLiteral("ERROR"));
        return false;
    }
    return true;
}

void frmEmpleados::done(int resultado)
{
    if (m_empleado && BaseDatos && !m_empleado->Leer(*BaseDatos, m_empleado->IdEmpleado())
        && m_empleado->IdEmpleado() == 0) {
        // Never stored: discarding its changes leaves a new employee of the same company.
        const QSharedPointer<Empresa> empresa = m_empleado->Empresa();
        *m_empleado = Empleado();
        m_empleado->setEmpresa(empresa);
    }
    QDialog::done(resultado);
}

void frmEmpleados::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (parentWidget())
        CentrarFormulario(this, parentWidget()->window());
    m_txtCuil->setFocus();
}
