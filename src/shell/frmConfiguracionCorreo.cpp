// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmConfiguracionCorreo.h"

#include "Correo.h"
#include "CursorOcupado.h"
#include "Dialogos.h"
#include "Llavero.h"
#include "Pantalla.h"
#include "Principal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

const QString TituloError = QStringLiteral("ERROR DE DATOS");
const QString TituloFaltante = QStringLiteral("DATOS FALTANTES");
const QString TituloPrueba = QStringLiteral("PRUEBA DE CORREO");

// Positions of the security drop-down.
const ClienteSmtp::Seguridad Seguridades[] = {ClienteSmtp::Seguridad::Ninguna, ClienteSmtp::Seguridad::StartTls,
                                              ClienteSmtp::Seguridad::Tls};

int PosicionDe(ClienteSmtp::Seguridad seguridad)
{
    for (int i = 0; i < 3; ++i) {
        if (Seguridades[i] == seguridad)
            return i;
    }
    return 1;
}

QLineEdit* Campo(QWidget* padre, const QString& nombre, int largo)
{
    auto* campo = new QLineEdit(padre);
    campo->setObjectName(nombre);
    campo->setMaxLength(largo);
    return campo;
}

} // namespace

frmConfiguracionCorreo::frmConfiguracionCorreo(Dialogos& dialogos, QWidget* principal)
    : QDialog(principal)
    , m_dialogos(dialogos)
    , m_principal(principal)
{
    setObjectName(QStringLiteral("frmConfiguracionCorreo"));
    setWindowTitle(QStringLiteral("Configuración de Correo"));
    setModal(true);

    auto* lblExplicacion = new QLabel(
        QStringLiteral("Servidor por el que el programa envía las declaraciones juradas. Sin servidor, el mensaje "
                       "se prepara en el programa de correo del escritorio."),
        this);
    lblExplicacion->setObjectName(QStringLiteral("lblExplicacion"));
    lblExplicacion->setWordWrap(true);

    m_servidor = Campo(this, QStringLiteral("txtServidor"), 255);
    m_servidor->setPlaceholderText(QStringLiteral("smtp.empresa.com.ar"));
    m_cboSeguridad = new QComboBox(this);
    m_cboSeguridad->setObjectName(QStringLiteral("cboSeguridad"));
    m_cboSeguridad->addItems({QStringLiteral("Ninguna"), QStringLiteral("STARTTLS"), QStringLiteral("TLS")});
    m_puerto = Campo(this, QStringLiteral("txtPuerto"), 5);
    m_puerto->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), m_puerto));
    m_puerto->setMaximumWidth(m_puerto->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    m_usuario = Campo(this, QStringLiteral("txtUsuario"), 255);
    m_remitente = Campo(this, QStringLiteral("txtRemitente"), 320);
    m_remitente->setPlaceholderText(QStringLiteral("nombre@empresa.com.ar"));

    m_chkLlavero = new QCheckBox(QStringLiteral("Guardar la contraseña en el llavero del escritorio"), this);
    m_chkLlavero->setObjectName(QStringLiteral("chkLlavero"));
    m_clave = Campo(this, QStringLiteral("txtClave"), 255);
    m_clave->setEchoMode(QLineEdit::Password);
    m_nota = new QLabel(this);
    m_nota->setObjectName(QStringLiteral("lblLlavero"));
    m_nota->setWordWrap(true);

    auto* formulario = new QFormLayout;
    formulario->addRow(QStringLiteral("&Servidor SMTP:"), m_servidor);
    formulario->addRow(QStringLiteral("S&eguridad:"), m_cboSeguridad);
    formulario->addRow(QStringLiteral("&Puerto:"), m_puerto);
    formulario->addRow(QStringLiteral("&Usuario:"), m_usuario);
    formulario->addRow(QStringLiteral("&Dirección del remitente:"), m_remitente);
    formulario->addRow(m_chkLlavero);
    formulario->addRow(QStringLiteral("Con&traseña:"), m_clave);
    formulario->addRow(m_nota);

    auto* cmdProbar = new QPushButton(QStringLiteral("&Probar"), this);
    cmdProbar->setObjectName(QStringLiteral("cmdProbar"));
    cmdProbar->setToolTip(QStringLiteral("Envía un mensaje de prueba a la dirección del remitente"));
    cmdProbar->setAutoDefault(false);
    auto* cmdAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar->setDefault(true);
    auto* cmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    cmdCancelar->setAutoDefault(false);
    connect(cmdProbar, &QPushButton::clicked, this, &frmConfiguracionCorreo::Probar);
    connect(cmdAceptar, &QPushButton::clicked, this, &frmConfiguracionCorreo::Aceptar);
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* botones = new QHBoxLayout;
    botones->addWidget(cmdProbar);
    botones->addStretch();
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    auto* diseno = new QVBoxLayout(this);
    diseno->addWidget(lblExplicacion);
    diseno->addLayout(formulario);
    diseno->addStretch();
    diseno->addLayout(botones);
    setMinimumWidth(460);

    Cargar(AjustesCorreo::Leidos());
    connect(m_cboSeguridad, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &frmConfiguracionCorreo::CambioSeguridad);
    connect(m_chkLlavero, &QCheckBox::toggled, m_clave, &QWidget::setEnabled);
}

QString frmConfiguracionCorreo::AsuntoPrueba()
{
    return QStringLiteral("Prueba de correo de TALVO");
}

void frmConfiguracionCorreo::Cargar(const AjustesCorreo& ajustes)
{
    m_servidor->setText(ajustes.Servidor);
    m_seguridad = ajustes.Seguridad;
    m_cboSeguridad->setCurrentIndex(PosicionDe(ajustes.Seguridad));
    m_puerto->setText(QString::number(ajustes.PuertoEfectivo()));
    m_usuario->setText(ajustes.Usuario);
    m_remitente->setText(ajustes.Remitente);

    // The keyring is looked up once, on opening: without one the option stays as stored, unavailable.
    Llavero& llavero = LlaveroCorreo();
    m_llaveroDisponible = llavero.Disponible();
    m_chkLlavero->setChecked(ajustes.GuardarClave);
    m_chkLlavero->setEnabled(m_llaveroDisponible);
    m_clave->setEnabled(m_llaveroDisponible && ajustes.GuardarClave);
    QString guardada;
    if (m_llaveroDisponible && ajustes.GuardarClave && !ajustes.Usuario.isEmpty()
        && llavero.Leer(ajustes.Servidor, ajustes.Usuario, guardada) && !guardada.isEmpty()) {
        m_clave->setPlaceholderText(QStringLiteral("(guardada en el llavero)"));
        m_clave->setToolTip(QStringLiteral("Escriba otra contraseña para reemplazar la guardada"));
    }
    m_nota->setVisible(!m_llaveroDisponible);
    if (!m_llaveroDisponible) {
        m_nota->setText(QStringLiteral("No hay un llavero del escritorio disponible en esta sesión: la contraseña se "
                                       "pide la primera vez que se envía un correo y se recuerda hasta cerrar el "
                                       "programa."));
        m_nota->setToolTip(llavero.UltimoError());
    }
}

void frmConfiguracionCorreo::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    CentrarFormulario(this, m_principal);
    MantenerEnPantalla(this);
}

// The port follows the security while it holds the previous security's default (or nothing);
// a port the user chose is left alone.
void frmConfiguracionCorreo::CambioSeguridad()
{
    const ClienteSmtp::Seguridad nueva = Seguridades[qBound(0, m_cboSeguridad->currentIndex(), 2)];
    const QString puerto = m_puerto->text().trimmed();
    if (puerto.isEmpty() || puerto == QString::number(ClienteSmtp::PuertoPorDefecto(m_seguridad)))
        m_puerto->setText(QString::number(ClienteSmtp::PuertoPorDefecto(nueva)));
    m_seguridad = nueva;
}

bool frmConfiguracionCorreo::Rechazar(const QString& texto, const QString& titulo, QWidget* campo)
{
    m_dialogos.Mensaje(texto, titulo, Icono::Critico);
    campo->setFocus();
    return false;
}

bool frmConfiguracionCorreo::Tecleados(bool paraProbar, AjustesCorreo& ajustes)
{
    ajustes = AjustesCorreo();
    ajustes.Servidor = m_servidor->text().trimmed();
    ajustes.Seguridad = Seguridades[qBound(0, m_cboSeguridad->currentIndex(), 2)];
    ajustes.Usuario = m_usuario->text().trimmed();
    ajustes.Remitente = m_remitente->text().trimmed();
    ajustes.GuardarClave = m_chkLlavero->isChecked();

    if (ajustes.Servidor.isEmpty() && paraProbar)
        return Rechazar(QStringLiteral("Ingrese el servidor de correo."), TituloFaltante, m_servidor);
    if (!ajustes.Servidor.isEmpty() && !AjustesCorreo::ServidorValido(ajustes.Servidor))
        return Rechazar(QStringLiteral("El servidor de correo debe ser un nombre de equipo (como "
                                       "smtp.empresa.com.ar) o una dirección IP, sin espacios, barras ni puerto."),
                        TituloError, m_servidor);
    const QString puerto = m_puerto->text().trimmed();
    bool numero = false;
    ajustes.Puerto = puerto.toInt(&numero);
    if (puerto.isEmpty())
        ajustes.Puerto = 0; // the security's default
    else if (!numero || ajustes.Puerto < 1 || ajustes.Puerto > 65535)
        return Rechazar(QStringLiteral("El puerto debe ser un número entre 1 y 65535."), TituloError, m_puerto);
    if (!ajustes.Remitente.isEmpty() && !AjustesCorreo::DireccionValida(ajustes.Remitente))
        return Rechazar(QStringLiteral("La dirección del remitente no es una dirección de correo electrónico "
                                       "válida (como nombre@empresa.com.ar)."),
                        TituloError, m_remitente);
    if (!ajustes.Servidor.isEmpty() && !AjustesCorreo::DireccionValida(ajustes.RemitenteEfectivo()))
        return Rechazar(QStringLiteral("Ingrese la dirección del remitente: la dirección de correo electrónico "
                                       "desde la que se envían las declaraciones."),
                        TituloFaltante, m_remitente);
    if (m_llaveroDisponible && ajustes.GuardarClave && ajustes.Usuario.isEmpty())
        return Rechazar(QStringLiteral("Ingrese el usuario de la cuenta de correo: sin usuario no hay contraseña que "
                                       "guardar."),
                        TituloFaltante, m_usuario);
    return true;
}

QString frmConfiguracionCorreo::ClaveTecleada() const
{
    return m_clave->isEnabled() ? m_clave->text() : QString();
}

void frmConfiguracionCorreo::Probar()
{
    AjustesCorreo ajustes;
    if (!Tecleados(true, ajustes))
        return;
    const QString destino = ajustes.DireccionRemitente();
    const QString texto = QStringLiteral(
        "Mensaje de prueba enviado desde la Configuración de Correo del Aplicativo de Aportes.\r\n"
        "Si lo recibió, el programa puede enviar las declaraciones juradas por este servidor.\r\n");
    ResultadoEnvio r;
    {
        CursorOcupado ocupado;
        // Nothing is stored by a test: the fields are not saved yet.
        r = EnviarPorServidor(m_dialogos, ajustes, destino, AsuntoPrueba(), texto, ClaveTecleada(), false);
    }
    const QString respuesta =
        r.Respuesta.isEmpty() ? QString() : QStringLiteral("\r\nRespuesta del servidor: ") + r.Respuesta;
    if (r.Enviado) {
        m_dialogos.Mensaje(QStringLiteral("El servidor de correo aceptó el mensaje de prueba para %1.").arg(destino)
                               + respuesta,
                           TituloPrueba, Icono::Informacion);
        return;
    }
    QString aviso = QStringLiteral("No se pudo enviar el mensaje de prueba a %1.\r\n").arg(destino);
    if (r.Codigo < 0)
        aviso += r.Error; // a reason of this program's own, already in Spanish
    else
        aviso += MotivoFalloCorreo(r.Codigo) + respuesta + QStringLiteral("\r\nError No: %1").arg(r.Codigo);
    m_dialogos.Mensaje(aviso, TituloPrueba, Icono::Critico);
}

bool frmConfiguracionCorreo::ActualizarLlavero(const AjustesCorreo& anteriores, const AjustesCorreo& nuevos)
{
    if (!m_llaveroDisponible)
        return true; // nothing can be stored or removed; the choice itself is kept as it was
    Llavero& llavero = LlaveroCorreo();
    // The new password is stored first: when the keyring refuses it, the old one is still there
    // for the settings that stay as they were.
    const QString clave = ClaveTecleada();
    if (nuevos.GuardarClave && !clave.isEmpty() && !llavero.Guardar(nuevos.Servidor, nuevos.Usuario, clave)) {
        m_dialogos.Mensaje(QStringLiteral("No se pudo guardar la contraseña en el llavero del escritorio.\r\n")
                               + llavero.UltimoError(),
                           QStringLiteral("ERROR"), Icono::Critico);
        m_clave->setFocus();
        return false;
    }
    // A password the program no longer uses is not left behind in the keyring.
    const bool otraCuenta = anteriores.Servidor != nuevos.Servidor || anteriores.Usuario != nuevos.Usuario;
    if (anteriores.GuardarClave && !anteriores.Usuario.isEmpty() && (otraCuenta || !nuevos.GuardarClave)
        && !llavero.Borrar(anteriores.Servidor, anteriores.Usuario))
        m_dialogos.Mensaje(QStringLiteral("No se pudo quitar del llavero del escritorio la contraseña de %1 en %2: "
                                          "puede borrarla con el administrador de contraseñas del escritorio.\r\n")
                                   .arg(anteriores.Usuario, anteriores.Servidor)
                               + llavero.UltimoError(),
                           QStringLiteral("ATENCION"), Icono::Exclamacion);
    return true;
}

void frmConfiguracionCorreo::Aceptar()
{
    AjustesCorreo ajustes;
    if (!Tecleados(false, ajustes))
        return;
    if (!ActualizarLlavero(AjustesCorreo::Leidos(), ajustes))
        return;
    ajustes.Grabar();
    if (!ClaveTecleada().isEmpty())
        OlvidarClaveCorreo(); // the run's copy must not win over the password just stored
    accept();
}
