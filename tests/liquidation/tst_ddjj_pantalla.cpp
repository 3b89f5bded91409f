// SPDX-License-Identifier: GPL-3.0-or-later
// The slip screen's declaration operations (file and its messages) and the sending-method dialog.
#include "DatosLiquidacion.h"
#include "liquidation/ArchivoDeclaracion.h"
#include "screens/DeclaracionJurada.h"
#include "screens/frmMetodoEnvio.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
QSharedPointer<Liquidacion> Boleta()
{
    auto emp = EmpresaPrueba();
    emp->ListaBaseEmpleados().Add(EmpleadoPrueba(emp, "20-12345678-6", QStringLiteral("Pérez, Juan"), 1234.5, true),
                                  QStringLiteral("20-12345678-6"));
    return LiquidacionPrueba(emp, 3, 2014);
}

const QString Nombre = QStringLiteral("DDJJ-OBRIX - 30123456789  03-2014.txt");

/// Answers the sending-method dialog once it is open: picks an option and presses a button.
void ResponderMetodo(int opcion, const char* boton)
{
    QTimer::singleShot(0, [opcion, boton]() {
        auto* dialogo = qobject_cast<frmMetodoEnvio*>(QApplication::activeModalWidget());
        if (!dialogo)
            return;
        QTest::mouseClick(dialogo->findChild<QRadioButton*>(QStringLiteral("optMetodo%1").arg(opcion)), Qt::LeftButton);
        dialogo->findChild<QPushButton*>(QString::fromLatin1(boton))->click();
    });
}
} // namespace

class TestDdjjPantalla : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void grabarArchivo();
    void grabarCancelado();
    void grabarConError();
    void metodoEnvio();
    void envioDatosGrabaElArchivo();
    void envioDatosCancelado();
};

void TestDdjjPantalla::initTestCase()
{
    AislarConfiguracion();
    CorreoEnvio = QStringLiteral("recaudacion@obrix.example");
}

void TestDdjjPantalla::grabarArchivo()
{
    LocalPrueba local(LocalArgentina());
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("elegido por el usuario.txt"));
    const auto liq = Boleta();
    DialogosPrueba dialogos;
    dialogos.archivos.enqueue(archivo);
    DeclaracionJurada::GrabarArchivoDDJJ(*liq, dialogos);

    QCOMPARE(dialogos.llamadas.size(), 2);
    QCOMPARE(dialogos.llamadas.at(0).tipo, QStringLiteral("guardar"));
    QCOMPARE(dialogos.llamadas.at(0).texto, Nombre);
    const auto aviso = dialogos.Ultima();
    QCOMPARE(aviso.titulo, QStringLiteral("GRABACION DE DATOS"));
    QCOMPARE(aviso.icono, Icono::Informacion);
    QCOMPARE(aviso.texto, QStringLiteral("Información grabada en el archivo ") + Nombre
                              + QStringLiteral("\r\nEnvíe este archivo a recaudacion@obrix.example"));
    QFile f(archivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), CodificarWindows1252(liq->TextoEnvio() + QStringLiteral("\r\n")));
}

void TestDdjjPantalla::grabarCancelado()
{
    DialogosPrueba dialogos;
    dialogos.archivos.enqueue(QString());
    DeclaracionJurada::GrabarArchivoDDJJ(*Boleta(), dialogos);
    QCOMPARE(dialogos.llamadas.size(), 2);
    QCOMPARE(dialogos.Ultima().texto, QStringLiteral("No se grabó la DDJJ correspondiente al período generado."));
    QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("GRABACION DDJJ"));
    QCOMPARE(dialogos.Ultima().icono, Icono::Exclamacion);
}

void TestDdjjPantalla::grabarConError()
{
    QTemporaryDir carpeta;
    DialogosPrueba dialogos;
    dialogos.archivos.enqueue(carpeta.filePath(QStringLiteral("no-existe/ddjj.txt")));
    DeclaracionJurada::GrabarArchivoDDJJ(*Boleta(), dialogos);
    QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("GRABACION DE DATOS"));
    QCOMPARE(dialogos.Ultima().icono, Icono::Critico);
    const QStringList partes = dialogos.Ultima().texto.split(QStringLiteral("\r\n"));
    QCOMPARE(partes.size(), 3);
    QCOMPARE(partes.at(0), QStringLiteral("Error al grabar el archivo."));
    QVERIFY(partes.at(1).startsWith(QStringLiteral("Número de error: ")));
    QVERIFY(partes.at(1).mid(17).toInt() != 0);
    QVERIFY(partes.at(2).size() > QStringLiteral("Texto del error: ").size());
}

void TestDdjjPantalla::metodoEnvio()
{
    frmMetodoEnvio dialogo;
    dialogo.show();
    QCOMPARE(dialogo.findChild<QLabel*>(QStringLiteral("lblTitulo"))->text(), QStringLiteral(" Envio de DDJJ de Empleados"));
    auto* opt0 = dialogo.findChild<QRadioButton*>(QStringLiteral("optMetodo0"));
    auto* opt1 = dialogo.findChild<QRadioButton*>(QStringLiteral("optMetodo1"));
    auto* opt2 = dialogo.findChild<QRadioButton*>(QStringLiteral("optMetodo2"));
    QCOMPARE(opt0->text(), QStringLiteral("Grabar archivo de DDJJ"));
    QCOMPARE(opt1->text(), QStringLiteral("Enviar por correo electrónico"));
    QCOMPARE(opt2->text(), QStringLiteral("Envío directo "));
    QCOMPARE(dialogo.findChild<QPushButton*>(QStringLiteral("cmdAceptar"))->text(), QStringLiteral("&Aceptar"));
    QCOMPARE(dialogo.findChild<QPushButton*>(QStringLiteral("cmdCancelar"))->text(), QStringLiteral("&Cancelar"));
    QCOMPARE(dialogo.Metodo, 0);
    QTest::mouseClick(opt2, Qt::LeftButton);
    QCOMPARE(dialogo.Metodo, 2);
    QTest::mouseClick(opt1, Qt::LeftButton);
    QCOMPARE(dialogo.Metodo, 1);
    dialogo.findChild<QPushButton*>(QStringLiteral("cmdAceptar"))->click();
    QVERIFY(!dialogo.isVisible());
    QVERIFY(dialogo.Aceptado);
    QCOMPARE(dialogo.Metodo, 1);

    frmMetodoEnvio otro;
    otro.show();
    otro.findChild<QPushButton*>(QStringLiteral("cmdCancelar"))->click();
    QVERIFY(!otro.isVisible());
    QVERIFY(!otro.Aceptado);
}

void TestDdjjPantalla::envioDatosGrabaElArchivo()
{
    DialogosPrueba dialogos;
    dialogos.archivos.enqueue(QString());
    ResponderMetodo(0, "cmdAceptar");
    DeclaracionJurada::EnvioDatos(*Boleta(), dialogos, nullptr);
    QCOMPARE(dialogos.llamadas.size(), 2);
    QCOMPARE(dialogos.llamadas.at(0).tipo, QStringLiteral("guardar"));
    QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("GRABACION DDJJ"));
}

void TestDdjjPantalla::envioDatosCancelado()
{
    DialogosPrueba dialogos;
    ResponderMetodo(0, "cmdCancelar");
    DeclaracionJurada::EnvioDatos(*Boleta(), dialogos, nullptr);
    QVERIFY(dialogos.llamadas.isEmpty());
    // Option 2 runs nothing either.
    ResponderMetodo(2, "cmdAceptar");
    DeclaracionJurada::EnvioDatos(*Boleta(), dialogos, nullptr);
    QVERIFY(dialogos.llamadas.isEmpty());
}

QTEST_MAIN(TestDdjjPantalla)
#include "tst_ddjj_pantalla.moc"
