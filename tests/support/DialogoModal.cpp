// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogoModal.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {
void Cerrar(QWidget* modal)
{
    if (auto* dialogo = qobject_cast<QDialog*>(modal))
        dialogo->reject();
    else
        modal->close();
}

QString Describir(const QWidget* modal)
{
    return QStringLiteral("%1 «%2»").arg(QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle());
}
} // namespace

bool ResponderModal(const char* archivo, int linea, const std::function<void()>& abrir, const QMetaObject& clase,
                    const std::function<void(QWidget*)>& responder)
{
    QWidget* const anterior = QApplication::activeModalWidget(); // a dialog this call is nested in
    bool respondido = false;
    bool respondiendo = false;
    QTimer vigia;
    vigia.setInterval(10);
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == anterior || respondiendo || !modal->isVisible())
            return;
        if (respondido || QTest::currentTestFailed()) {
            // Nobody will answer it: close it, so that the code under test goes on.
            if (!QTest::currentTestFailed())
                QTest::qFail(qPrintable(QStringLiteral("se abrió otro diálogo modal sin respuesta: ") + Describir(modal)),
                             archivo, linea);
            Cerrar(modal);
            return;
        }
        respondiendo = true;
        const QPointer<QWidget> dialogo = modal;
        if (modal->metaObject()->inherits(&clase))
            responder(modal);
        else
            QTest::qFail(qPrintable(QStringLiteral("se abrió %1 y se esperaba un %2")
                                        .arg(Describir(modal), QString::fromLatin1(clase.className()))),
                         archivo, linea);
        respondido = true;
        respondiendo = false;
        if (dialogo && dialogo->isVisible())
            Cerrar(dialogo);
    });
    vigia.start();
    abrir();
    vigia.stop();
    if (!respondido && !QTest::currentTestFailed())
        QTest::qFail("no se abrió ningún diálogo modal", archivo, linea);
    return !QTest::currentTestFailed();
}
