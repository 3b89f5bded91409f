// SPDX-License-Identifier: GPL-3.0-or-later
// The company screen's controls and their layout; the behaviour is in frmEmpresas.cpp.
#include "frmEmpresas.h"

#include "ValidadorLargo.h"
#include "records/Rubros.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
const QString DatoObligatorio = QStringLiteral("Dato obligatorio");
// Required fields are marked by the colour of their labels, which the legend explains.
const QString EstiloObligatorio = QStringLiteral("color: #a00000;");
// Lengths: the smaller of the field's own length and its column's (NUMERO, PISO, CODPOST... hold 20).
constexpr int LargoTexto = 50;
constexpr int LargoCorto = 10;
constexpr int LargoCodPost = 8;
} // namespace

void frmEmpresas::CrearControles()
{
    auto* grilla = new QGridLayout;
    grilla->setHorizontalSpacing(6);
    grilla->setVerticalSpacing(3);

    auto etiqueta = [&](const QString& texto, const QString& nombre, QWidget* campo, bool obligatorio) {
        auto* lbl = new QLabel(texto, this);
        lbl->setObjectName(nombre);
        lbl->setBuddy(campo);
        if (obligatorio) {
            lbl->setStyleSheet(EstiloObligatorio);
            lbl->setToolTip(DatoObligatorio);
            campo->setToolTip(DatoObligatorio);
        }
        return lbl;
    };
    auto texto = [&](const QString& nombre, int largo) {
        auto* campo = new QLineEdit(this);
        campo->setObjectName(nombre);
        ValidadorLargo::Limitar(campo, largo);
        return campo;
    };
    // Places a label and its field in the grid: column 0, 2 or 4 for the label.
    auto fila = [&](int f, int c, QLabel* lbl, QWidget* campo, int ancho = 1) {
        grilla->addWidget(lbl, f, c);
        grilla->addWidget(campo, f, c + 1, 1, ancho);
    };

    m_txtNombre = texto(QStringLiteral("txtNombre"), LargoTexto);
    fila(0, 0, etiqueta(QStringLiteral("Razón Social     "), QStringLiteral("lblNombre"), m_txtNombre, true),
         m_txtNombre, 3);
    m_txtCUIT = new QLineEdit(this);
    m_txtCUIT->setObjectName(QStringLiteral("txtCUIT"));
    m_txtCUIT->setInputMask(QStringLiteral("99-99999999-9;_"));
    m_txtCUIT->setMinimumWidth(m_txtCUIT->fontMetrics().horizontalAdvance(QStringLiteral("00-00000000-0_")) + 12);
    fila(0, 4, etiqueta(QStringLiteral("C.U.I.T    "), QStringLiteral("lblCUIT"), m_txtCUIT, true), m_txtCUIT);

    m_optJuridica = new QRadioButton(QStringLiteral("Persona Jurídica"), this);
    m_optJuridica->setObjectName(QStringLiteral("optJuridica"));
    m_optFisica = new QRadioButton(QStringLiteral("Persona Física"), this);
    m_optFisica->setObjectName(QStringLiteral("optFisica"));
    auto* personas = new QHBoxLayout;
    personas->addWidget(m_optJuridica);
    personas->addWidget(m_optFisica);
    personas->addStretch();
    grilla->addLayout(personas, 1, 0, 1, 2);
    m_dtpFechaInicio = new QDateEdit(this);
    m_dtpFechaInicio->setObjectName(QStringLiteral("dtpFechaInicio"));
    m_dtpFechaInicio->setCalendarPopup(true);
    m_dtpFechaInicio->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    // The earliest date stands for "no date" and shows blank, so a company without one keeps none.
    m_dtpFechaInicio->setMinimumDate(QDate(1900, 1, 1));
    m_dtpFechaInicio->setSpecialValueText(QStringLiteral(" "));
    fila(1, 2, etiqueta(QStringLiteral("Inicio de Actividades "), QStringLiteral("lblFechaInicio"), m_dtpFechaInicio,
                        false),
         m_dtpFechaInicio, 2);

    m_txtCalle = texto(QStringLiteral("txtCalle"), LargoTexto);
    fila(2, 0, etiqueta(QStringLiteral("Calle (Comercial)   "), QStringLiteral("lblCalle"), m_txtCalle, true),
         m_txtCalle);
    m_txtNumero = texto(QStringLiteral("txtNumero"), LargoCorto);
    fila(2, 2, etiqueta(QStringLiteral("Número    "), QStringLiteral("lblNumero"), m_txtNumero, true), m_txtNumero);
    m_txtPiso = texto(QStringLiteral("txtPiso"), LargoCorto);
    fila(2, 4, etiqueta(QStringLiteral("Piso/Dpto"), QStringLiteral("lblPiso"), m_txtPiso, false), m_txtPiso);

    m_txtCalleLegal = texto(QStringLiteral("txtCalleLegal"), LargoTexto);
    fila(3, 0,
         etiqueta(QStringLiteral("Calle (Legal)"), QStringLiteral("lblCalleLegal"), m_txtCalleLegal, true),
         m_txtCalleLegal);
    m_txtNumeroLegal = texto(QStringLiteral("txtNumeroLegal"), LargoCorto);
    fila(3, 2,
         etiqueta(QStringLiteral("Número    "), QStringLiteral("lblNumeroLegal"), m_txtNumeroLegal, true),
         m_txtNumeroLegal);
    m_txtPisoLegal = texto(QStringLiteral("txtPisoLegal"), LargoCorto);
    fila(3, 4, etiqueta(QStringLiteral("Piso/Dpto"), QStringLiteral("lblPisoLegal"), m_txtPisoLegal, false),
         m_txtPisoLegal);

    m_txtCodPost = texto(QStringLiteral("txtCodPost"), LargoCodPost);
    fila(4, 0,
         etiqueta(QStringLiteral("Código Postal    "), QStringLiteral("lblCodPost"), m_txtCodPost, true),
         m_txtCodPost);
    // The town is never typed: the list of the postal code's towns covers the text while editing.
    m_txtLocalidad = texto(QStringLiteral("txtLocalidad"), 60);
    m_cboLocalidad = new QComboBox(this);
    m_cboLocalidad->setObjectName(QStringLiteral("cboLocalidad"));
    m_pilaLocalidad = new QStackedWidget(this);
    m_pilaLocalidad->setObjectName(QStringLiteral("pilaLocalidad"));
    m_pilaLocalidad->addWidget(m_txtLocalidad);
    m_pilaLocalidad->addWidget(m_cboLocalidad);
    m_pilaLocalidad->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_pilaLocalidad->setFixedHeight(qMax(m_txtLocalidad->sizeHint().height(), m_cboLocalidad->sizeHint().height()));
    auto* lblLocalidad = etiqueta(QStringLiteral("Localidad "), QStringLiteral("lblLocalidad"), m_txtLocalidad, true);
    m_cboLocalidad->setToolTip(DatoObligatorio);
    fila(4, 2, lblLocalidad, m_pilaLocalidad, 3);

    m_txtCodProv = texto(QStringLiteral("txtCodProv"), 50);
    m_txtCodProv->setFixedWidth(m_txtCodProv->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    m_lblProvincia = new QLabel(this);
    m_lblProvincia->setObjectName(QStringLiteral("lblNombreProvincia"));
    auto* provincia = new QHBoxLayout;
    provincia->addWidget(m_txtCodProv);
    provincia->addWidget(m_lblProvincia, 1);
    auto* lblProvincia = new QLabel(QStringLiteral("Provincia "), this);
    lblProvincia->setObjectName(QStringLiteral("lblProvincia"));
    grilla->addWidget(lblProvincia, 5, 2);
    grilla->addLayout(provincia, 5, 3, 1, 3);
    m_txtTelefonos = texto(QStringLiteral("txtTelefonos"), LargoTexto);
    fila(5, 0, etiqueta(QStringLiteral("Teléfono"), QStringLiteral("lblTelefonos"), m_txtTelefonos, false),
         m_txtTelefonos);

    m_txtEmail = texto(QStringLiteral("txtEmail"), LargoTexto);
    fila(6, 0, etiqueta(QStringLiteral("Correo Electronico"), QStringLiteral("lblEmail"), m_txtEmail, false),
         m_txtEmail, 3);
    m_txtSucursales = texto(QStringLiteral("txtSucursales"), LargoCorto);
    fila(6, 4, etiqueta(QStringLiteral("Sucursales"), QStringLiteral("lblSucursales"), m_txtSucursales, false),
         m_txtSucursales);

    m_cboRubro = new QComboBox(this);
    m_cboRubro->setObjectName(QStringLiteral("cboRubro"));
    m_cboRubro->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_cboRubro->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cboRubro->setMinimumContentsLength(20);
    // The open list shows whole entries, codes lined up, however narrow the field.
    m_cboRubro->view()->setMinimumWidth(
        QFontMetrics(m_cboRubro->font()).horizontalAdvance(QString(Rubros::AnchoDescripcion + 10, QLatin1Char('0')))
        + 24);
    fila(7, 0, etiqueta(QStringLiteral(" Rubro    "), QStringLiteral("lblRubro"), m_cboRubro, true), m_cboRubro, 3);
    m_lnkRubros = new QLabel(QStringLiteral("<a href=\"#\">Busqueda de Rubros</a>"), this);
    m_lnkRubros->setObjectName(QStringLiteral("lnkRubros"));
    m_lnkRubros->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    grilla->addWidget(m_lnkRubros, 7, 4, 1, 2);

    m_txtSocio = texto(QStringLiteral("txtSocio"), LargoTexto);
    fila(8, 0, etiqueta(QStringLiteral("Apell. y Nombre Socio 1"), QStringLiteral("lblSocio"), m_txtSocio, false),
         m_txtSocio);
    m_txtDocuSocio = texto(QStringLiteral("txtDocuSocio"), LargoTexto);
    fila(8, 2,
         etiqueta(QStringLiteral("Tipo y Nro.Documento"), QStringLiteral("lblDocuSocio"), m_txtDocuSocio, false),
         m_txtDocuSocio, 3);
    m_txtSocio2 = texto(QStringLiteral("txtSocio2"), LargoTexto);
    fila(9, 0, etiqueta(QStringLiteral("Apell. y Nombre Socio 2"), QStringLiteral("lblSocio2"), m_txtSocio2, false),
         m_txtSocio2);
    m_txtDocuSocio2 = texto(QStringLiteral("txtDocuSocio2"), LargoTexto);
    fila(9, 2,
         etiqueta(QStringLiteral("Tipo y Nro.Documento"), QStringLiteral("lblDocuSocio2"), m_txtDocuSocio2, false),
         m_txtDocuSocio2, 3);
    m_txtNombreComercial = texto(QStringLiteral("txtNombreComercial"), LargoTexto);
    fila(10, 0,
         etiqueta(QStringLiteral("Nombre Fantasia"), QStringLiteral("lblNombreComercial"), m_txtNombreComercial,
                  false),
         m_txtNombreComercial, 3);
    auto* lblObligatorios = new QLabel(QStringLiteral("Datos Obligatorios"), this);
    lblObligatorios->setObjectName(QStringLiteral("lblObligatorios"));
    lblObligatorios->setStyleSheet(EstiloObligatorio);
    grilla->addWidget(lblObligatorios, 10, 4, 1, 2, Qt::AlignRight);
    grilla->setColumnStretch(1, 2);
    grilla->setColumnStretch(3, 1);

    m_fraEmpresas = new QGroupBox(QStringLiteral(" Empresas Incorporadas "), this);
    m_fraEmpresas->setObjectName(QStringLiteral("fraEmpresas"));
    m_lstEmpresas = new QListWidget(m_fraEmpresas);
    m_lstEmpresas->setObjectName(QStringLiteral("lstEmpresas"));
    auto* marco = new QVBoxLayout(m_fraEmpresas);
    marco->setContentsMargins(4, 2, 4, 4);
    marco->addWidget(m_lstEmpresas);

    auto boton = [&](const QString& texto, const QString& nombre) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(nombre);
        b->setAutoDefault(false);
        return b;
    };
    m_cmdAgregar = boton(QStringLiteral("&Agregar"), QStringLiteral("cmdAgregar"));
    m_cmdModificar = boton(QStringLiteral("&Modificar"), QStringLiteral("cmdModificar"));
    m_cmdBorrar = boton(QStringLiteral("&Borrar"), QStringLiteral("cmdBorrar"));
    m_cmdGrabar = boton(QStringLiteral("&Grabar"), QStringLiteral("cmdGrabar"));
    m_cmdCancelar = boton(QStringLiteral("&Cancelar"), QStringLiteral("cmdCancelar"));
    m_cmdEmpleados = boton(QStringLiteral("&Empleados"), QStringLiteral("cmdEmpleados"));
    m_cmdEmpleados->setToolTip(QStringLiteral("Alta de Empleados"));
    m_cmdCerrar = boton(QStringLiteral("Ce&rrar"), QStringLiteral("cmdCerrar"));
    auto* botones = new QGridLayout;
    botones->setSpacing(3);
    botones->addWidget(m_cmdAgregar, 0, 0);
    botones->addWidget(m_cmdModificar, 0, 1);
    botones->addWidget(m_cmdBorrar, 0, 2);
    botones->addWidget(m_cmdGrabar, 1, 0);
    botones->addWidget(m_cmdCancelar, 1, 1);
    botones->addWidget(m_cmdEmpleados, 2, 0);
    botones->addWidget(m_cmdCerrar, 2, 2);
    botones->setRowStretch(3, 1);

    auto* abajo = new QHBoxLayout;
    abajo->addWidget(m_fraEmpresas, 1);
    abajo->addLayout(botones);
    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(6, 4, 6, 4);
    principal->setSpacing(4);
    principal->addLayout(grilla);
    principal->addLayout(abajo, 1);
}
