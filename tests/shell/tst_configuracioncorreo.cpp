// SPDX-License-Identifier: GPL-3.0-or-later
// "Configuración de Correo" driven through its own widgets: the fields stored in the settings file
// and read back (the password never there), the keyring through a test double, the password asked
// once per run without one, and "Probar" against a real SMTP server on loopback.
#include "records/Global.h"
#include "shell/AjustesCorreo.h"
#include "shell/Correo.h"
#include "shell/frmConfiguracionCorreo.h"
#include "shell/frmPadre.h"
#include "support/BasePrueba.h"
#include "support/DialogoModal.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"
#include "support/LlaveroPrueba.h"
#include "support/ServidorSmtp.h"
#include "support/Teclado.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

const QString Usuario = QStringLiteral("empleador");
const QString Clave = QStringLiteral("s3creta-ñ");
const QString Remitente = QStringLiteral("empleador@talvo.example");
const QString Loopback = QStringLiteral("127.0.0.1");

/// The test dialog service, which also notes the pointer shown when a password is asked.
class DialogosCorreo : public DialogosPrueba
{
public:
    bool PedirTexto(const QString& titulo, const QString& etiqueta, bool oculto, QString& texto) override
    {
        const QCursor* cursor = QApplication::overrideCursor();
        cursores << (cursor ? cursor->shape() : Qt::ArrowCursor);
        return DialogosPrueba::PedirTexto(titulo, etiqueta, oculto, texto);
    }
    QList<Qt::CursorShape> cursores;
};

/// "TITLE: text" of the last message or question; empty when there was none.
QString Mostrado(const DialogosPrueba& dialogos)
{
    return dialogos.Mensajes().value(dialogos.llamadas.size() - 1);
}

QString Parametro(const char* clave)
{
    return LeerParametro(QLatin1String(clave));
}

/// A message sent as the declaration is: straight to the configured server.
QString Enviar(Dialogos& dialogos, const char* asunto)
{
    return EnviarCorreo(dialogos, Remitente, QLatin1String(asunto), QStringLiteral("texto\r\n"), true);
}

QByteArray ArchivoDeAjustes()
{
    QSettings ajustes(QStringLiteral("OBRIX"), QStringLiteral("OBRIX"));
    ajustes.sync();
    QFile archivo(ajustes.fileName());
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

void Guardados(const QString& servidor, int puerto, const QString& usuario, bool llavero)
{
    AjustesCorreo a;
    a.Servidor = servidor;
    a.Puerto = puerto;
    a.Seguridad = ClienteSmtp::Seguridad::Ninguna;
    a.Usuario = usuario;
    a.Remitente = Remitente;
    a.GuardarClave = llavero;
    a.Grabar();
}

/// The dialog as the user finds it, with handles on its widgets.
struct Pantalla
{
    explicit Pantalla(Dialogos& dialogos)
        : dialogo(dialogos)
    {
    }
    QLineEdit* Campo(const char* nombre) { return dialogo.findChild<QLineEdit*>(QLatin1String(nombre)); }
    void Escribir(const char* nombre, const QString& texto) { Tipear(Campo(nombre), texto); }
    void Pulsar(const char* boton)
    {
        QTest::mouseClick(dialogo.findChild<QPushButton*>(QLatin1String(boton)), Qt::LeftButton);
    }
    QCheckBox* Llavero() { return dialogo.findChild<QCheckBox*>(QStringLiteral("chkLlavero")); }
    QComboBox* Seguridad() { return dialogo.findChild<QComboBox*>(QStringLiteral("cboSeguridad")); }
    /// Server, security (0 none, 1 STARTTLS, 2 TLS), port, user and sender.
    void Llenar(const QString& servidor, int seguridad, const QString& puerto, const QString& usuario,
                const QString& remitente)
    {
        Escribir("txtServidor", servidor);
        Seguridad()->setCurrentIndex(seguridad);
        Escribir("txtPuerto", puerto);
        Escribir("txtUsuario", usuario);
        Escribir("txtRemitente", remitente);
    }
    frmConfiguracionCorreo dialogo;
};

} // namespace

class TestConfiguracionCorreo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        AislarConfiguracion();
        FijarLlaveroCorreo(&m_llavero);
        m_abierto = std::make_unique<ServidorSmtp>();
        m_conCuenta = std::make_unique<ServidorSmtp>(QStringList{Usuario, Clave});
        QVERIFY2(m_abierto->Puerto() > 0 && m_conCuenta->Puerto() > 0,
                 "no arrancó el servidor SMTP de prueba (python3-aiosmtpd)");
    }
    void cleanupTestCase() { FijarLlaveroCorreo(nullptr); }

    void init()
    {
        OlvidarClaveCorreo();
        m_llavero = LlaveroPrueba();
        Guardados(QString(), 0, QString(), false);
    }

    void abreDesdeUtilidades()
    {
        BasePrueba base;
        DialogosPrueba dialogos;
        frmPadre ventana(dialogos);
        Guardados(QStringLiteral("smtp.empresa.com.ar"), 2525, Usuario, false);
        const QMenu* utilidades = nullptr;
        for (const QMenu* menu : ventana.findChildren<QMenu*>())
            utilidades = menu->title() == QLatin1String("Utilidades") ? menu : utilidades;
        QVERIFY(utilidades);
        auto* entrada = ventana.findChild<QAction*>(QStringLiteral("mnuConfiguracionCorreo"));
        QVERIFY(entrada && utilidades->actions().contains(entrada));
        QCOMPARE(entrada->text(), QStringLiteral("Configuración de Correo"));
        RESPONDER_MODAL([&] { entrada->trigger(); },
                        [&](frmConfiguracionCorreo* dialogo) {
                            QCOMPARE(dialogo->windowTitle(), QStringLiteral("Configuración de Correo"));
                            QCOMPARE(dialogo->findChild<QLineEdit*>(QStringLiteral("txtPuerto"))->text(),
                                     QStringLiteral("2525"));
                            dialogo->findChild<QPushButton*>(QStringLiteral("cmdCancelar"))->click();
                        });
    }

    void grabaYRelee_data()
    {
        QTest::addColumn<QString>("servidor");
        QTest::addColumn<int>("seguridad");
        QTest::addColumn<QString>("puerto");
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("remitente");
        QTest::addColumn<bool>("llavero");
        QTest::addColumn<QString>("guardados"); // port, security and keyring choice as stored
        QTest::newRow("STARTTLS, contraseña al llavero")
            << "smtp.empresa.com.ar" << 1 << "587" << Usuario << "Almacén Núñez <empleador@talvo.example>" << true
            << "587|STARTTLS|SI";
        QTest::newRow("TLS, puerto de la seguridad") << "mail.example.com" << 2 << "" << Remitente << "" << false
                                                     << "465|TLS|NO";
        QTest::newRow("sin cuenta, IPv6") << "[::1]" << 0 << "2525" << "" << Remitente << false << "2525|NINGUNA|NO";
    }
    void grabaYRelee()
    {
        QFETCH(QString, servidor);
        QFETCH(int, seguridad);
        QFETCH(QString, puerto);
        QFETCH(QString, usuario);
        QFETCH(QString, remitente);
        QFETCH(bool, llavero);
        QFETCH(QString, guardados);
        DialogosPrueba dialogos;
        {
            Pantalla p(dialogos);
            p.Llenar(servidor, seguridad, puerto, usuario, remitente);
            p.Llavero()->setChecked(llavero);
            p.Escribir("txtClave", Clave); // kept only when the keyring is chosen
            p.Pulsar("cmdAceptar");
            QCOMPARE(p.dialogo.result(), int(QDialog::Accepted));
        }
        QVERIFY(dialogos.llamadas.isEmpty());
        QCOMPARE(Parametro(ClaveSmtpServidor), servidor);
        QCOMPARE(QStringList({Parametro(ClaveSmtpPuerto), Parametro(ClaveSmtpSeguridad), Parametro(ClaveSmtpLlavero)})
                     .join(QLatin1Char('|')),
                 guardados);
        QCOMPARE(m_llavero.claves.value(LlaveroPrueba::Clave(servidor, usuario)), llavero ? Clave : QString());
        const QByteArray archivo = ArchivoDeAjustes();
        QVERIFY(archivo.contains("SMTPSERVIDOR") && !archivo.contains("s3creta") && !archivo.contains(Clave.toUtf8()));

        Pantalla otra(dialogos); // read back
        QCOMPARE(otra.Campo("txtServidor")->text(), servidor);
        QCOMPARE(otra.Seguridad()->currentIndex(), seguridad);
        QCOMPARE(otra.Campo("txtPuerto")->text(), guardados.section(QLatin1Char('|'), 0, 0));
        QCOMPARE(otra.Campo("txtUsuario")->text(), usuario);
        QCOMPARE(otra.Campo("txtRemitente")->text(), remitente);
        QCOMPARE(otra.Llavero()->isChecked(), llavero);
        QCOMPARE(otra.Campo("txtClave")->text(), QString()); // never shown back
    }

    void rechazaLoMalEscrito_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("aviso");
        const QString puerto = QStringLiteral("ERROR DE DATOS: El puerto debe ser un número entre 1 y 65535.");
        QTest::newRow("puerto 0") << "txtPuerto" << "0" << puerto;
        QTest::newRow("puerto 65536") << "txtPuerto" << "65536" << puerto;
        QTest::newRow("letras en el puerto") << "txtPuerto" << "2a5" << ""; // the field takes only digits: 25
        QTest::newRow("servidor con puerto") << "txtServidor" << "smtp.empresa.com:587" << "ERROR DE DATOS: El servidor";
        QTest::newRow("remitente sin dominio") << "txtRemitente" << "empleador" << "ERROR DE DATOS: La dirección";
        QTest::newRow("sin remitente") << "txtRemitente" << "" << "DATOS FALTANTES: Ingrese la dirección del remitente";
    }
    void rechazaLoMalEscrito()
    {
        QFETCH(QString, campo);
        QFETCH(QString, valor);
        QFETCH(QString, aviso);
        DialogosPrueba dialogos;
        Pantalla p(dialogos);
        p.Llenar(QStringLiteral("smtp.empresa.com.ar"), 0, QStringLiteral("25"), QStringLiteral("cuenta"), Remitente);
        p.Escribir(qPrintable(campo), valor);
        p.Pulsar("cmdAceptar");
        const QString mostrado = Mostrado(dialogos);
        QVERIFY2(aviso.isEmpty() ? mostrado.isEmpty() : mostrado.startsWith(aviso), qPrintable(mostrado));
        QCOMPARE(p.dialogo.result() == QDialog::Accepted, aviso.isEmpty());
        QCOMPARE(Parametro(ClaveSmtpServidor).isEmpty(), !aviso.isEmpty()); // nothing stored
    }

    void elPuertoSigueALaSeguridad()
    {
        DialogosPrueba dialogos;
        Pantalla p(dialogos);
        QCOMPARE(p.Campo("txtPuerto")->text(), QStringLiteral("25")); // as stored: none
        p.Seguridad()->setCurrentIndex(1);
        QCOMPARE(p.Campo("txtPuerto")->text(), QStringLiteral("587"));
        p.Seguridad()->setCurrentIndex(2);
        QCOMPARE(p.Campo("txtPuerto")->text(), QStringLiteral("465"));
        p.Escribir("txtPuerto", QStringLiteral("2525"));
        p.Seguridad()->setCurrentIndex(0);
        QCOMPARE(p.Campo("txtPuerto")->text(), QStringLiteral("2525")); // chosen by the user: kept
    }

    void llaveroAlAceptar_data()
    {
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<bool>("llavero");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("error"); // of the keyring when storing
        QTest::addColumn<QStringList>("quedan"); // the keyring's entries afterwards
        QTest::addColumn<QString>("aviso");
        const QString ana = QStringLiteral("ana@smtp.empresa.com.ar=");
        QTest::newRow("otra contraseña") << "ana" << true << "nueva" << "" << QStringList{ana + "nueva"} << "";
        QTest::newRow("otra cuenta") << "beto" << true << "b" << "" << QStringList{"beto@smtp.empresa.com.ar=b"} << "";
        QTest::newRow("otra cuenta, sin contraseña aún") << "beto" << true << "" << "" << QStringList() << "";
        QTest::newRow("ya no en el llavero") << "ana" << false << "" << "" << QStringList() << "";
        QTest::newRow("el llavero no la guarda")
            << "beto" << true << "b" << "colección bloqueada" << QStringList{ana + "vieja"}
            << "ERROR: No se pudo guardar la contraseña en el llavero del escritorio.\r\ncolección bloqueada";
    }
    void llaveroAlAceptar()
    {
        QFETCH(QString, usuario);
        QFETCH(bool, llavero);
        QFETCH(QString, clave);
        QFETCH(QString, error);
        QFETCH(QStringList, quedan);
        QFETCH(QString, aviso);
        Guardados(QStringLiteral("smtp.empresa.com.ar"), 25, QStringLiteral("ana"), true);
        m_llavero.claves.insert(LlaveroPrueba::Clave(QStringLiteral("smtp.empresa.com.ar"), QStringLiteral("ana")),
                                QStringLiteral("vieja"));
        m_llavero.errorAlGuardar = error;
        DialogosPrueba dialogos;
        Pantalla p(dialogos);
        QVERIFY(p.Campo("txtClave")->placeholderText().contains(QStringLiteral("guardada en el llavero")));
        p.Escribir("txtUsuario", usuario);
        p.Llavero()->setChecked(llavero);
        p.Escribir("txtClave", clave);
        p.Pulsar("cmdAceptar");
        QCOMPARE(Mostrado(dialogos), aviso);
        QStringList entradas;
        for (auto i = m_llavero.claves.cbegin(); i != m_llavero.claves.cend(); ++i)
            entradas << i.key() + QLatin1Char('=') + i.value();
        QCOMPARE(entradas, quedan);
        // A refusal keeps the dialog open and the stored settings as they were.
        QCOMPARE(Parametro(ClaveSmtpUsuario), aviso.isEmpty() ? usuario : QStringLiteral("ana"));
    }

    void probar_data()
    {
        QTest::addColumn<QString>("servidor"); // "abierto", "con cuenta", "apagado" or a name
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QStringList>("textos"); // passwords typed when asked; "-" cancels
        QTest::addColumn<QString>("escrita"); // password typed in the dialog, keyring chosen
        QTest::addColumn<int>("icono");
        QTest::addColumn<QString>("aviso"); // "TITLE: text", the variable part of the detail cut at "…"
        const int info = int(Icono::Informacion);
        const int critico = int(Icono::Critico);
        const QString aceptado = QStringLiteral("PRUEBA DE CORREO: El servidor de correo aceptó el mensaje de prueba "
                                                "para empleador@talvo.example.\r\nRespuesta del servidor: 250 OK");
        const QString fallo = QStringLiteral("PRUEBA DE CORREO: No se pudo enviar el mensaje de prueba a "
                                             "empleador@talvo.example.\r\n");
        QTest::newRow("aceptado, sin cuenta") << "abierto" << "" << QStringList() << "" << info << aceptado;
        QTest::newRow("aceptado, contraseña pedida") << "con cuenta" << Usuario << QStringList{Clave} << "" << info
                                                     << aceptado;
        QTest::newRow("aceptado, contraseña escrita") << "con cuenta" << Usuario << QStringList() << Clave << info
                                                      << aceptado;
        QTest::newRow("contraseña rechazada")
            << "con cuenta" << Usuario << QStringList{"mala"} << "" << critico
            << fallo + "El servidor de correo rechazó el usuario o la contraseña.\r\nRespuesta del servidor: 535…"
                       "\r\nError No: 67";
        QTest::newRow("el servidor exige cuenta")
            << "con cuenta" << "" << QStringList() << "" << critico
            << fallo + "El servidor de correo no aceptó el mensaje.\r\nRespuesta del servidor: 530…";
        QTest::newRow("servidor apagado")
            << "apagado" << "" << QStringList() << "" << critico
            << fallo + "No se pudo conectar con el servidor de correo: revise el servidor y el puerto.\r\nError No: 7";
        QTest::newRow("contraseña no ingresada") << "con cuenta" << Usuario << QStringList{"-"} << "" << critico
                                                 << fallo + "No se ingresó la contraseña del servidor de correo.";
        QTest::newRow("sin servidor") << "" << "" << QStringList() << "" << critico
                                      << "DATOS FALTANTES: Ingrese el servidor de correo.";
    }
    void probar()
    {
        QFETCH(QString, servidor);
        QFETCH(QString, usuario);
        QFETCH(QStringList, textos);
        QFETCH(QString, escrita);
        QFETCH(int, icono);
        QFETCH(QString, aviso);
        int puerto = 25;
        if (servidor == QLatin1String("abierto"))
            puerto = m_abierto->Puerto();
        else if (servidor == QLatin1String("con cuenta"))
            puerto = m_conCuenta->Puerto();
        else if (servidor == QLatin1String("apagado"))
            puerto = ServidorSmtp().Puerto(); // stopped as soon as it started
        DialogosCorreo dialogos;
        for (const QString& t : textos)
            dialogos.textos << (t == QLatin1String("-") ? QString() : t);
        Pantalla p(dialogos);
        p.Llenar(servidor.isEmpty() ? QString() : Loopback, 0, QString::number(puerto), usuario, Remitente);
        p.Llavero()->setChecked(!escrita.isEmpty());
        p.Escribir("txtClave", escrita);
        p.Pulsar("cmdProbar");

        QCOMPARE(QApplication::overrideCursor(), nullptr);
        for (const Qt::CursorShape cursor : dialogos.cursores)
            QCOMPARE(cursor, Qt::WaitCursor); // the question comes during the work
        QCOMPARE(dialogos.cursores.size(), textos.size());
        QCOMPARE(int(dialogos.Ultima().icono), icono);
        const QString mostrado = Mostrado(dialogos);
        const QString antes = aviso.section(QChar(0x2026), 0, 0);
        const QString despues = aviso.section(QChar(0x2026), 1);
        QVERIFY2(mostrado.startsWith(antes) && mostrado.endsWith(despues), qPrintable(mostrado));
        if (icono == int(Icono::Informacion)) {
            const QJsonObject m = (servidor == QLatin1String("abierto") ? m_abierto : m_conCuenta)->Ultimo();
            QCOMPARE(m.value("rcpt_tos").toArray(), QJsonArray{Remitente});
            QCOMPARE(m.value("subject").toString(), frmConfiguracionCorreo::AsuntoPrueba());
        }
        QVERIFY(m_llavero.guardadas.isEmpty()); // a test stores nothing
        QVERIFY(Parametro(ClaveSmtpServidor).isEmpty());
        QCOMPARE(p.dialogo.result(), 0);
    }

    void sinLlaveroSePideUnaVezPorCorrida()
    {
        m_llavero.disponible = false;
        Guardados(Loopback, m_conCuenta->Puerto(), Usuario, true);
        DialogosCorreo dialogos;
        dialogos.textos << Clave;
        {
            Pantalla p(dialogos);
            QVERIFY(!p.Llavero()->isEnabled() && p.Llavero()->isChecked());
            QVERIFY(!p.Campo("txtClave")->isEnabled());
            const auto* nota = p.dialogo.findChild<QLabel*>(QStringLiteral("lblLlavero"));
            QVERIFY(nota->isVisibleTo(&p.dialogo) && nota->text().startsWith(QStringLiteral("No hay un llavero")));
            p.Pulsar("cmdProbar");
            QCOMPARE(dialogos.Ultima().icono, Icono::Informacion);
        }
        // Later sends of the same run use the password given for the test.
        for (const char* asunto : {"uno", "dos"})
            QCOMPARE(Enviar(dialogos, asunto), QString());
        QCOMPARE(m_conCuenta->Ultimo().value("subject").toString(), QStringLiteral("dos"));
        QCOMPARE(dialogos.cursores.size(), 1);
        QCOMPARE(m_llavero.lecturas, 0);
        QVERIFY(m_llavero.guardadas.isEmpty());
        QVERIFY(!ArchivoDeAjustes().contains(Clave.toUtf8()));
    }

    void llaveroAlEnviar_data()
    {
        QTest::addColumn<QString>("guardada"); // in the keyring before
        QTest::addColumn<QString>("error"); // of the keyring when storing
        QTest::addColumn<int>("preguntas");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("la del llavero") << Clave << "" << 0 << "";
        QTest::newRow("pedida y guardada") << "" << "" << 1 << "";
        QTest::newRow("la guardada ya no sirve") << "vieja" << "" << 1 << "";
        QTest::newRow("el llavero no la guarda") << "" << "sin permiso" << 1 << "CORREO ELECTRONICO";
    }
    void llaveroAlEnviar()
    {
        QFETCH(QString, guardada);
        QFETCH(QString, error);
        QFETCH(int, preguntas);
        QFETCH(QString, aviso);
        Guardados(Loopback, m_conCuenta->Puerto(), Usuario, true);
        const QString entrada = LlaveroPrueba::Clave(Loopback, Usuario);
        if (!guardada.isEmpty())
            m_llavero.claves.insert(entrada, guardada);
        m_llavero.errorAlGuardar = error;
        DialogosCorreo dialogos;
        dialogos.textos << Clave;
        for (const char* asunto : {"uno", "dos"})
            QCOMPARE(Enviar(dialogos, asunto), QString());
        QCOMPARE(m_conCuenta->Ultimo().value("subject").toString(), QStringLiteral("dos"));
        QCOMPARE(dialogos.cursores.size(), preguntas);
        QCOMPARE(m_llavero.claves.value(entrada), error.isEmpty() ? Clave : QString());
        QCOMPARE(m_llavero.borradas.contains(entrada), guardada == QLatin1String("vieja"));
        QCOMPARE(dialogos.llamadas.size(), preguntas + (aviso.isEmpty() ? 0 : 1));
        if (!aviso.isEmpty()) {
            QCOMPARE(dialogos.Ultima().titulo, aviso);
            QCOMPARE(dialogos.Ultima().icono, Icono::Exclamacion);
            QVERIFY(dialogos.Ultima().texto.endsWith(error));
        }
    }

    void direcciones_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("remitente");
        QTest::addColumn<bool>("servidor");
        QTest::newRow("dirección") << "empleador@talvo.example" << true << false;
        QTest::newRow("con nombre") << "Almacén Núñez <empleador@talvo.example>" << true << false;
        QTest::newRow("encabezado agregado") << "a@b.com\r\nBcc: c@d.com" << false << false;
        QTest::newRow("dos direcciones") << "a@b.com, c@d.com" << false << false;
        QTest::newRow("nombre de equipo") << "smtp.empresa.com.ar" << false << true;
        QTest::newRow("IPv4") << "127.0.0.1" << false << true;
        QTest::newRow("IPv6") << "::1" << false << true;
        QTest::newRow("con esquema") << "smtp://smtp.empresa.com" << false << false;
        QTest::newRow("guion al principio") << "-smtp.empresa.com" << false << false;
    }
    void direcciones()
    {
        QFETCH(QString, texto);
        QFETCH(bool, remitente);
        QFETCH(bool, servidor);
        QCOMPARE(AjustesCorreo::DireccionValida(texto), remitente);
        QCOMPARE(AjustesCorreo::ServidorValido(texto), servidor);
    }

private:
    LlaveroPrueba m_llavero;
    std::unique_ptr<ServidorSmtp> m_abierto;
    std::unique_ptr<ServidorSmtp> m_conCuenta;
};

QTEST_MAIN(TestConfiguracionCorreo)
#include "tst_configuracioncorreo.moc"
