// SPDX-License-Identifier: GPL-3.0-or-later
// The test helper that answers modal dialogs. Its promise is about failing tests: a check that
// fails inside an answer, a missing dialog or one nobody answers must end the test at once, never
// leave a dialog open until the suite's timeout. Those cases fail on purpose, so they run in a
// child process of this test, whose report is read back.
#include "shell/DialogosQt.h"
#include "support/DialogoModal.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {
const char* const VariableFallas = "TALVO_PRUEBA_FALLAS_MODALES";

/// A dialog whose button asks a question through the real dialog service.
class DialogoConPregunta : public QDialog
{
public:
    DialogoConPregunta()
    {
        auto* boton = new QPushButton(QStringLiteral("&Borrar"), this);
        boton->setObjectName(QStringLiteral("cmdBorrar"));
        (new QVBoxLayout(this))->addWidget(boton);
        connect(boton, &QPushButton::clicked, this, [this] {
            DialogosQt dialogos(this);
            if (dialogos.Preguntar(QStringLiteral("¿Borrar?"), QStringLiteral("BORRAR"), Icono::Pregunta))
                accept();
        });
    }
};
} // namespace

/// Every case fails on purpose; the last statement of each would show that it went on.
class FallasAProposito : public QObject
{
    Q_OBJECT
private slots:
    void fallaDentroDeLaRespuesta()
    {
        QDialog dialogo;
        RESPONDER_MODAL([&] { dialogo.exec(); }, [](QDialog*) { QVERIFY2(false, "falla a propósito"); });
        QFAIL("siguió tras la falla");
    }
    void sinDialogo()
    {
        RESPONDER_MODAL([] {}, [](QDialog*) {});
        QFAIL("siguió sin diálogo");
    }
    void otraClase()
    {
        QDialog dialogo;
        RESPONDER_MODAL([&] { dialogo.exec(); }, [](QMessageBox*) {});
        QFAIL("siguió con otra clase");
    }
    void otroDialogoSinRespuesta()
    {
        QDialog primero;
        QDialog segundo;
        segundo.setWindowTitle(QStringLiteral("Segundo"));
        RESPONDER_MODAL(
            [&] {
                primero.exec();
                segundo.exec();
            },
            [](QDialog* d) { d->accept(); });
        QFAIL("siguió con un diálogo sin respuesta");
    }
};

class TestDialogoModal : public QObject
{
    Q_OBJECT
private slots:
    void respuestaAnidada()
    {
        // The dialog's button opens a question of its own: answered by a nested call.
        DialogoConPregunta dialogo;
        int resultado = -1;
        QString pregunta;
        RESPONDER_MODAL([&] { resultado = dialogo.exec(); },
                        [&](DialogoConPregunta* abierto) {
                            RESPONDER_MODAL(
                                [&] { abierto->findChild<QPushButton*>(QStringLiteral("cmdBorrar"))->click(); },
                                [&](QMessageBox* caja) {
                                    pregunta = caja->windowTitle() + QLatin1Char('|') + caja->text();
                                    caja->button(QMessageBox::Yes)->click();
                                });
                        });
        QCOMPARE(pregunta, QStringLiteral("BORRAR|¿Borrar?"));
        QCOMPARE(resultado, int(QDialog::Accepted));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void fallasTerminanEnseguida()
    {
        QProcess hijo;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QString::fromLatin1(VariableFallas), QStringLiteral("1"));
        hijo.setProcessEnvironment(entorno);
        hijo.setProcessChannelMode(QProcess::MergedChannels);
        hijo.start(QCoreApplication::applicationFilePath(), {});
        // A dialog left open would hold the child until this guard, far beyond its own run.
        const bool termino = hijo.waitForFinished(60000);
        const QString informe = QString::fromUtf8(hijo.readAll());
        if (!termino)
            hijo.kill();
        QVERIFY2(termino, qPrintable(informe));
        QCOMPARE(hijo.exitCode(), 4); // one failure for each case
        for (const char* motivo : {"falla a propósito", "no se abrió ningún diálogo modal",
                                   "se abrió QDialog «» y se esperaba un QMessageBox",
                                   "se abrió otro diálogo modal sin respuesta: QDialog «Segundo»"})
            QVERIFY2(informe.contains(QString::fromUtf8(motivo)), motivo);
        QVERIFY2(!informe.contains(QStringLiteral("siguió")), qPrintable(informe));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(VariableFallas)) {
        FallasAProposito fallas;
        return QTest::qExec(&fallas, argc, argv);
    }
    TestDialogoModal prueba;
    return QTest::qExec(&prueba, argc, argv);
}

#include "tst_dialogomodal.moc"
