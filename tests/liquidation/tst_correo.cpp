// SPDX-License-Identifier: GPL-3.0-or-later
// Mail sent for real to an SMTP server on loopback, read back with Python's own e-mail parser;
// the password asked once per run and never stored; an unreachable server.
#include "DatosLiquidacion.h"
#include "screens/DeclaracionJurada.h"
#include "shell/Correo.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

/// tests/liquidation/data/servidor_smtp.py running in its own process.
class ServidorSmtp
{
public:
    explicit ServidorSmtp(const QStringList& cuenta = {})
    {
        const QString guion = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/data/servidor_smtp.py");
        m_proceso.setProcessChannelMode(QProcess::SeparateChannels);
        m_proceso.start(QStringLiteral(TALVO_PYTHON), QStringList{guion, m_carpeta.path()} + cuenta);
        QString salida;
        while (m_proceso.waitForReadyRead(10000)) {
            salida += QString::fromUtf8(m_proceso.readAllStandardOutput());
            if (salida.contains(QLatin1Char('\n')))
                break;
        }
        if (salida.startsWith(QStringLiteral("LISTO ")))
            m_puerto = salida.mid(6).trimmed().toInt();
    }
    ~ServidorSmtp()
    {
        m_proceso.closeWriteChannel();
        if (!m_proceso.waitForFinished(5000))
            m_proceso.kill();
        m_proceso.waitForFinished(2000);
    }
    int Puerto() const { return m_puerto; }
    /// The n-th message received (1 the first); empty when there is none.
    QJsonObject Mensaje(int n) const
    {
        QFile f(QStringLiteral("%1/mensaje%2.json").arg(m_carpeta.path()).arg(n));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }

private:
    QTemporaryDir m_carpeta;
    QProcess m_proceso;
    int m_puerto = 0;
};

/// A loopback port with nothing listening on it.
int PuertoCerrado()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in dir{};
    dir.sin_family = AF_INET;
    dir.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t largo = sizeof dir;
    ::bind(s, reinterpret_cast<sockaddr*>(&dir), sizeof dir);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&dir), &largo);
    ::close(s);
    return ntohs(dir.sin_port);
}

void Configurar(int puerto, const QString& usuario = QString())
{
    GrabarParametro(QLatin1String(ClaveSmtpServidor), QStringLiteral("127.0.0.1"));
    GrabarParametro(QLatin1String(ClaveSmtpPuerto), QString::number(puerto));
    GrabarParametro(QLatin1String(ClaveSmtpSeguridad), QStringLiteral("NINGUNA"));
    GrabarParametro(QLatin1String(ClaveSmtpUsuario), usuario);
    GrabarParametro(QLatin1String(ClaveSmtpRemitente), QStringLiteral("empleador@talvo.example"));
}

const QString Destino = QStringLiteral("recaudacion@obrix.example");

} // namespace

class TestCorreo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void enviaAlServidor();
    void enviarDDJJ();
    void servidorInalcanzable();
    void claveSePideUnaVezYNoSeGuarda();
    void claveErradaSeVuelveAPedir();
    void claveCancelada();
    void faltaRemitente();
    void starttlsVerificaElCertificado();

private:
    std::unique_ptr<ServidorSmtp> m_servidor;
};

void TestCorreo::initTestCase()
{
    AislarConfiguracion();
    m_servidor = std::make_unique<ServidorSmtp>();
    QVERIFY2(m_servidor->Puerto() > 0, "no arrancó el servidor SMTP de prueba (python3-aiosmtpd)");
}

void TestCorreo::init()
{
    OlvidarClaveCorreo();
    Configurar(m_servidor->Puerto());
}

void TestCorreo::enviaAlServidor()
{
    GrabarParametro(QLatin1String(ClaveSmtpRemitente), QStringLiteral("Almacén Núñez <empleador@talvo.example>"));
    DialogosPrueba dialogos;
    const QString asunto =
        QStringLiteral("DDJJ de Núñez – período marzo de 2014, declaración jurada complementaria número 1");
    const QString texto = QStringLiteral("Línea con acentos: áéíóú ñÑ €\r\n"
                                         ".empieza con punto\r\n"
                                         "termina con espacio \r\n"
                                         "signo = igual\r\n")
        + QString(60, QChar(0x00E1)) + QString(60, QLatin1Char('-')) + QStringLiteral("\r\n");
    QCOMPARE(EnviarCorreo(dialogos, Destino, asunto, texto, true), QString());
    QVERIFY(dialogos.llamadas.isEmpty()); // no account: nothing asked
    const QJsonObject m = m_servidor->Mensaje(1);
    QCOMPARE(m.value("rcpt_tos").toArray(), QJsonArray{Destino});
    QCOMPARE(m.value("mail_from").toString(), QStringLiteral("empleador@talvo.example"));
    QCOMPARE(m.value("to").toString(), Destino);
    QCOMPARE(m.value("from").toString(), QStringLiteral("Almacén Núñez <empleador@talvo.example>"));
    QCOMPARE(m.value("subject").toString(), asunto);
    QCOMPARE(m.value("body").toString(), texto); // CR LF line ends kept
    QCOMPARE(m.value("content_type").toString(), QStringLiteral("text/plain"));
    QCOMPARE(m.value("charset").toString(), QStringLiteral("utf-8"));
    QVERIFY(!m.value("date").toString().isEmpty());
    QVERIFY(m.value("message_id").toString().endsWith(QStringLiteral("@talvo.example>")));
    QVERIFY(m.value("max_line").toInt() <= 78);
}

void TestCorreo::enviarDDJJ()
{
    LocalPrueba local(LocalArgentina());
    CorreoEnvio = Destino;
    auto emp = EmpresaPrueba();
    emp->ListaBaseEmpleados().Add(EmpleadoPrueba(emp, "20-12345678-6", QStringLiteral("Pérez, Juan"), 1234.5, true),
                                  QStringLiteral("20-12345678-6"));
    auto liq = LiquidacionPrueba(emp, 3, 2014);
    DialogosPrueba dialogos;
    DeclaracionJurada::EnviarDDJJ(*liq, dialogos);
    QCOMPARE(dialogos.llamadas.size(), 1);
    QCOMPARE(dialogos.Ultima().texto, QStringLiteral("Información enviada por correo electrónico."));
    QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("ENVIO DE DATOS"));
    QCOMPARE(dialogos.Ultima().icono, Icono::Informacion);
    const QJsonObject m = m_servidor->Mensaje(2);
    QCOMPARE(m.value("rcpt_tos").toArray(), QJsonArray{Destino});
    QCOMPARE(m.value("subject").toString(), QStringLiteral("DDJJ-OBRIX - 30123456789  03-2014"));
    QCOMPARE(m.value("body").toString(), liq->TextoEnvio());
    QVERIFY(m.value("body").toString().contains(QStringLiteral("|PÉREZ, JUAN                   |")));
}

void TestCorreo::servidorInalcanzable()
{
    Configurar(PuertoCerrado());
    DialogosPrueba dialogos;
    const QString resultado = EnviarCorreo(dialogos, Destino, "asunto", "texto", true);
    const QString prefijo = QStringLiteral("Error No: 7\r\nDescripción: ");
    QVERIFY2(resultado.startsWith(prefijo), qPrintable(resultado));
    QVERIFY(resultado.size() > prefijo.size() + 5);

    auto liq = LiquidacionPrueba(EmpresaPrueba(), 3, 2014);
    DeclaracionJurada::EnviarDDJJ(*liq, dialogos);
    QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("ENVIO DE DATOS"));
    QCOMPARE(dialogos.Ultima().icono, Icono::Critico);
    QVERIFY(dialogos.Ultima().texto.startsWith(QStringLiteral("No se pudo enviar correo electrónico.\r\n") + prefijo));
}

void TestCorreo::claveSePideUnaVezYNoSeGuarda()
{
    ServidorSmtp conCuenta({QStringLiteral("empleador"), QStringLiteral("s3creta-ñ")});
    QVERIFY(conCuenta.Puerto() > 0);
    Configurar(conCuenta.Puerto(), QStringLiteral("empleador"));
    DialogosPrueba dialogos;
    dialogos.textos.enqueue(QStringLiteral("s3creta-ñ"));
    QCOMPARE(EnviarCorreo(dialogos, Destino, "uno", "texto\r\n", true), QString());
    QCOMPARE(EnviarCorreo(dialogos, Destino, "dos", "texto\r\n", true), QString());
    QCOMPARE(dialogos.llamadas.size(), 1);
    QCOMPARE(dialogos.llamadas.at(0).tipo, QStringLiteral("texto"));
    QVERIFY(dialogos.llamadas.at(0).texto.contains(QStringLiteral("empleador")));
    QCOMPARE(conCuenta.Mensaje(2).value("subject").toString(), QStringLiteral("dos"));

    QSettings ajustes(QStringLiteral("OBRIX"), QStringLiteral("OBRIX"));
    ajustes.sync();
    QFile archivo(ajustes.fileName());
    QVERIFY(archivo.open(QIODevice::ReadOnly));
    const QByteArray guardado = archivo.readAll();
    QVERIFY(guardado.contains("SMTPUSUARIO"));
    QVERIFY(!guardado.contains("s3creta"));
}

void TestCorreo::claveErradaSeVuelveAPedir()
{
    ServidorSmtp conCuenta({QStringLiteral("empleador"), QStringLiteral("s3creta")});
    QVERIFY(conCuenta.Puerto() > 0);
    Configurar(conCuenta.Puerto(), QStringLiteral("empleador"));
    DialogosPrueba dialogos;
    dialogos.textos.enqueue(QStringLiteral("mala"));
    const QString resultado = EnviarCorreo(dialogos, Destino, "uno", "texto\r\n", true);
    QVERIFY2(resultado.startsWith(QStringLiteral("Error No: 67\r\nDescripción: ")), qPrintable(resultado));
    dialogos.textos.enqueue(QStringLiteral("s3creta"));
    QCOMPARE(EnviarCorreo(dialogos, Destino, "dos", "texto\r\n", true), QString());
    QCOMPARE(dialogos.llamadas.size(), 2);
    QCOMPARE(conCuenta.Mensaje(1).value("subject").toString(), QStringLiteral("dos"));
}

void TestCorreo::claveCancelada()
{
    Configurar(m_servidor->Puerto(), QStringLiteral("empleador"));
    DialogosPrueba dialogos;
    dialogos.textos.enqueue(QString());
    QCOMPARE(EnviarCorreo(dialogos, Destino, "uno", "texto", true),
             QStringLiteral("Error No: -1\r\nDescripción: No se ingresó la contraseña del servidor de correo."));
}

void TestCorreo::faltaRemitente()
{
    GrabarParametro(QLatin1String(ClaveSmtpRemitente), QString());
    DialogosPrueba dialogos;
    const QString resultado = EnviarCorreo(dialogos, Destino, "uno", "texto", true);
    QVERIFY2(resultado.startsWith(QStringLiteral("Error No: -1\r\nDescripción: ")), qPrintable(resultado));
    QVERIFY(resultado.contains(QLatin1String(ClaveSmtpRemitente)));
}

void TestCorreo::starttlsVerificaElCertificado()
{
    if (QStandardPaths::findExecutable(QStringLiteral("openssl")).isEmpty())
        QSKIP("sin openssl para hacer el certificado de prueba");
    ServidorSmtp conTls({QStringLiteral("--starttls")});
    QVERIFY(conTls.Puerto() > 0);
    DialogosPrueba dialogos;
    // Without encryption the server's refusal is reported as it answered.
    Configurar(conTls.Puerto());
    QString resultado = EnviarCorreo(dialogos, Destino, "uno", "texto", true);
    QVERIFY2(resultado.startsWith(QStringLiteral("Error No: ")) && resultado.contains(QStringLiteral("STARTTLS")),
             qPrintable(resultado));
    // With STARTTLS the self-signed certificate is refused: nothing goes out unverified.
    GrabarParametro(QLatin1String(ClaveSmtpSeguridad), QStringLiteral("STARTTLS"));
    resultado = EnviarCorreo(dialogos, Destino, "uno", "texto", true);
    QVERIFY2(resultado.startsWith(QStringLiteral("Error No: 60\r\n")), qPrintable(resultado));
    QVERIFY(conTls.Mensaje(1).isEmpty());
}

QTEST_MAIN(TestCorreo)
#include "tst_correo.moc"
