// SPDX-License-Identifier: GPL-3.0-or-later
// The sworn declaration: its text, the file in Windows-1252, the slip screen's messages and the
// sending-method dialog, and mail sent for real to an SMTP server on loopback (read back with
// Python's own e-mail parser).
#include "support/DatosLiquidacion.h"
#include "liquidation/ArchivoDeclaracion.h"
#include "screens/DeclaracionJurada.h"
#include "screens/frmMetodoEnvio.h"
#include "shell/Correo.h"
#include "support/DialogoModal.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"
#include "support/ServidorSmtp.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Destino = QStringLiteral("recaudacion@obrix.example");
const QString Raya(80, QLatin1Char('-'));

/// March 2014: Pérez (member, category 7), a 35-character name terminated on 5 March (category
/// 1234, half-time) and Gómez on leave (category 120).
QSharedPointer<Liquidacion> Declaracion()
{
    auto emp = EmpresaPrueba();
    EmpleadoPrueba(emp, "20-12345678-6", "Pérez, Juan", 1234.5, true)->setCategoria(7);
    auto larga = EmpleadoPrueba(emp, "27-12345678-0", "Fernández de la Cruz, María Eugenia", 2000, false,
                                QDate(2014, 3, 5));
    larga->setCategoria(1234);
    larga->setMediaJornada(true);
    auto gomez = EmpleadoPrueba(emp, "20-00000001-9", "Gómez, Ana", 800, true, FechaSinBaja(), 3);
    gomez->setCategoria(120);
    gomez->setFechaIngreso(QDate(2012, 6, 15));
    auto liq = LiquidacionPrueba(emp, 3, 2014);
    liq->setPagado2(64.69);
    liq->setPagadoFCM(20);
    liq->setPagadoCuota(150);
    liq->setPagadoOtros(10.5);
    return liq;
}

void Configurar(int puerto, const QString& usuario = QString())
{
    GrabarParametro(QLatin1String(ClaveSmtpServidor), QStringLiteral("127.0.0.1"));
    GrabarParametro(QLatin1String(ClaveSmtpPuerto), QString::number(puerto));
    GrabarParametro(QLatin1String(ClaveSmtpSeguridad), QStringLiteral("NINGUNA"));
    GrabarParametro(QLatin1String(ClaveSmtpUsuario), usuario);
    GrabarParametro(QLatin1String(ClaveSmtpRemitente), QStringLiteral("empleador@talvo.example"));
}

} // namespace

class TestDeclaracion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        AislarConfiguracion();
        ParametrosPrueba();
        CorreoEnvio = Destino;
        QLocale::setDefault(LocalArgentina());
        m_servidor = std::make_unique<ServidorSmtp>();
        QVERIFY2(m_servidor->Puerto() > 0, "no arrancó el servidor SMTP de prueba (python3-aiosmtpd)");
    }

    void init()
    {
        OlvidarClaveCorreo();
        Configurar(m_servidor->Puerto());
    }

    void textoEnvio()
    {
        const QStringList esperado = {
            "30-12345678-9", "Almacén Núñez S.R.L.", "El Ñandú", "Av. de Mayo 1234  3", "Rivadavia 55  PB", "4444-5555",
            "1602  FLORIDA", "Juan Núñez", "DNI 12.345.678", "", "", "info@nunez.example", "523110", "17/05/2001",
            "03/2014", "2", "1", "3234,50", "1234,50", "64,69", "20,00", "0,00", "245,19", "", Raya,
            "CUIL         |APELLIDO Y NOMBRE|INGRESO|HABERES|CATEG.|AFIL.|M.JOR.|BAJA  |LICENCIA", Raya,
            "20-12345678-6|PÉREZ, JUAN                   |01/02/2010|1234,50|007|SI|NO|00/00/0000|NO|",
            "27-12345678-0|FERNÁNDEZ DE LA CRUZ, MARÍA EU|01/02/2010|2000,00|1234|NO|SI|05/03/2014|NO|",
            "20-00000001-9|GÓMEZ, ANA                    |15/06/2012|800,00|120|SI|NO|00/00/0000|SI|", Raya, ""};
        QCOMPARE(Declaracion()->TextoEnvio(), esperado.join(QStringLiteral("\r\n")));
    }

    void codificacion()
    {
        // Accented letters are proven by the file's bytes; here the range where Windows-1252 is
        // not Latin-1, and what it cannot encode.
        QCOMPARE(CodificarWindows1252(QStringLiteral("€ “x” – …")), QByteArray("\x80 \x93x\x94 \x96 \x85"));
        QCOMPARE(DecodificarWindows1252("\x80 \x93x\x94 \x96 \x85"), QStringLiteral("€ “x” – …"));
        QCOMPARE(CodificarWindows1252(QStringLiteral("a😀b中") + QChar(0x81)), QByteArray("a?b??"));
    }

    void archivoDDJJ()
    {
        QTemporaryDir carpeta;
        QFile destino(carpeta.filePath(QStringLiteral("elegido.txt")));
        QVERIFY(destino.open(QIODevice::WriteOnly));
        destino.write(QByteArray(100000, 'x')); // an older, longer file is replaced whole
        destino.close();
        const auto liq = Declaracion();
        DialogosPrueba dialogos;
        dialogos.archivos.enqueue(destino.fileName());
        DeclaracionJurada::GrabarArchivoDDJJ(*liq, dialogos);
        QCOMPARE(dialogos.llamadas.at(0).texto, QStringLiteral("DDJJ-OBRIX - 30123456789  03-2014.txt"));
        QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("GRABACION DE DATOS"));
        QCOMPARE(dialogos.Ultima().icono, Icono::Informacion);
        QCOMPARE(dialogos.Ultima().texto, QStringLiteral("Información grabada en el archivo DDJJ-OBRIX - 30123456789  "
                                                         "03-2014.txt\r\nEnvíe este archivo a recaudacion@obrix.example"));
        QVERIFY(destino.open(QIODevice::ReadOnly));
        const QByteArray bytes = destino.readAll();
        QCOMPARE(bytes, CodificarWindows1252(liq->TextoEnvio() + QStringLiteral("\r\n")));
        QVERIFY(bytes.contains("Almac\xE9n N\xFA\xF1" "ez S.R.L.\r\nEl \xD1" "and\xFA\r\n"));
    }

    void envioDatos_data()
    {
        QTest::addColumn<int>("opcion");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("archivo no grabado") << 0 << "cmdAceptar"
                                            << "GRABACION DDJJ|No se grabó la DDJJ correspondiente al período generado.";
        QTest::newRow("correo") << 1 << "cmdAceptar" << "ENVIO DE DATOS|Información enviada por correo electrónico.";
        QTest::newRow("envío directo: nada") << 2 << "cmdAceptar" << "|";
        QTest::newRow("cancelado") << 1 << "cmdCancelar" << "|";
    }

    void envioDatos()
    {
        QFETCH(int, opcion);
        QFETCH(QString, boton);
        QFETCH(QString, aviso);
        const auto liq = Declaracion();
        DialogosPrueba dialogos;
        dialogos.archivos.enqueue(QString());
        // "&Envio Datos" of the slip: the user picks an option and presses a button.
        RESPONDER_MODAL([&] { DeclaracionJurada::EnvioDatos(*liq, dialogos, nullptr); },
                        [&](frmMetodoEnvio* dialogo) {
                            QTest::mouseClick(
                                dialogo->findChild<QRadioButton*>(QStringLiteral("optMetodo%1").arg(opcion)),
                                Qt::LeftButton);
                            QCOMPARE(dialogo->Metodo, opcion);
                            dialogo->findChild<QPushButton*>(boton)->click();
                            QCOMPARE(dialogo->Aceptado, boton == QLatin1String("cmdAceptar"));
                        });
        QCOMPARE(dialogos.Ultima().titulo + QLatin1Char('|') + dialogos.Ultima().texto, aviso);
        if (!aviso.contains(QStringLiteral("correo")))
            return;
        const QJsonObject m = m_servidor->Ultimo();
        QCOMPARE(m.value("subject").toString(), QStringLiteral("DDJJ-OBRIX - 30123456789  03-2014"));
        QCOMPARE(m.value("body").toString(), liq->TextoEnvio());
    }

    void correoConAcentos()
    {
        GrabarParametro(QLatin1String(ClaveSmtpRemitente), QStringLiteral("Almacén Núñez <empleador@talvo.example>"));
        DialogosPrueba dialogos;
        const QString asunto =
            QStringLiteral("DDJJ de Núñez – período marzo de 2014, declaración jurada complementaria número 1");
        const QString texto = QStringLiteral("Línea con acentos: áéíóú ñÑ €\r\n.empieza con punto\r\n"
                                             "termina con espacio \r\nsigno = igual\r\n")
            + QString(60, QChar(0x00E1)) + QString(60, QLatin1Char('-')) + QStringLiteral("\r\n");
        QCOMPARE(EnviarCorreo(dialogos, Destino, asunto, texto, true), QString());
        QVERIFY(dialogos.llamadas.isEmpty()); // no account: nothing asked
        const QJsonObject m = m_servidor->Ultimo();
        QCOMPARE(m.value("rcpt_tos").toArray(), QJsonArray{Destino});
        QCOMPARE(m.value("mail_from").toString(), QStringLiteral("empleador@talvo.example"));
        QCOMPARE(m.value("from").toString(), QStringLiteral("Almacén Núñez <empleador@talvo.example>"));
        QCOMPARE(m.value("subject").toString(), asunto);
        QCOMPARE(m.value("body").toString(), texto); // CR LF line ends kept
        QVERIFY(m.value("max_line").toInt() <= 78);
    }

    void servidorInalcanzable()
    {
        Configurar(ServidorSmtp().Puerto()); // stopped as soon as it started
        DialogosPrueba dialogos;
        DeclaracionJurada::EnviarDDJJ(*Declaracion(), dialogos);
        QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("ENVIO DE DATOS"));
        QCOMPARE(dialogos.Ultima().icono, Icono::Critico);
        const QString inicio = QStringLiteral("No se pudo enviar correo electrónico.\r\nError No: 7\r\nDescripción: ");
        QVERIFY2(dialogos.Ultima().texto.startsWith(inicio), qPrintable(dialogos.Ultima().texto));
    }

    void claveSePideHastaQueSirveYNoSeGuarda()
    {
        ServidorSmtp conCuenta({QStringLiteral("empleador"), QStringLiteral("s3creta-ñ")});
        Configurar(conCuenta.Puerto(), QStringLiteral("empleador"));
        DialogosPrueba dialogos;
        dialogos.textos << QStringLiteral("mala") << QStringLiteral("s3creta-ñ");
        const QString error = EnviarCorreo(dialogos, Destino, "uno", "texto\r\n", true);
        QVERIFY2(error.startsWith(QStringLiteral("Error No: 67\r\n")), qPrintable(error));
        QCOMPARE(EnviarCorreo(dialogos, Destino, "dos", "texto\r\n", true), QString());
        QCOMPARE(EnviarCorreo(dialogos, Destino, "tres", "texto\r\n", true), QString());
        QCOMPARE(dialogos.llamadas.size(), 2); // asked again after the wrong one, then kept for the run
        QCOMPARE(conCuenta.Ultimo().value("subject").toString(), QStringLiteral("tres"));
        QSettings ajustes(QStringLiteral("OBRIX"), QStringLiteral("OBRIX"));
        ajustes.sync();
        QFile archivo(ajustes.fileName());
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        const QByteArray guardado = archivo.readAll();
        QVERIFY(guardado.contains("SMTPUSUARIO"));
        QVERIFY(!guardado.contains("s3creta"));
    }

private:
    std::unique_ptr<ServidorSmtp> m_servidor;
};

QTEST_MAIN(TestDeclaracion)
#include "tst_declaracion.moc"
