// SPDX-License-Identifier: GPL-3.0-or-later
// Answering a modal dialog from a test without ever leaving it open.
#pragma once

#include <QMetaObject>

#include <functional>
#include <type_traits>

class QWidget;

/// Runs `abrir`, code under test that opens a modal dialog (exec()), and answers that dialog with
/// `responder` as the user would. Use it through RESPONDER_MODAL:
///
///     RESPONDER_MODAL([&] { ventana.AcercaDe(); },
///                     [&](frmAbout* acerca) {
///                         QCOMPARE(acerca->windowTitle(), QStringLiteral("Acerca de OBRIX"));
///                         acerca->findChild<QPushButton*>(QStringLiteral("cmdCerrar"))->click();
///                     });
///
/// - `responder` is called once, as soon as a new modal widget is open and visible; its parameter
///   says which class is expected (a QWidget* accepts any). Another class fails the test.
/// - Whatever happens inside `responder`, a failed QVERIFY/QCOMPARE included, the dialog is closed
///   afterwards (rejected) if `responder` left it open, so `abrir` always returns.
/// - A further modal dialog that opens while `abrir` runs, after the answer or after a failure,
///   is closed at once; unless the test had already failed, it fails the test ("otro diálogo
///   modal"). A dialog opened by `responder` itself is answered with a nested RESPONDER_MODAL.
/// - When `abrir` returns without any modal dialog having opened, the test fails at once.
/// - RESPONDER_MODAL ends the test function (like QVERIFY) when the test has failed; the function
///   form returns false instead.
bool ResponderModal(const char* archivo, int linea, const std::function<void()>& abrir, const QMetaObject& clase,
                    const std::function<void(QWidget*)>& responder);

namespace DetalleModal {
template <typename F>
struct Argumento : Argumento<decltype(&F::operator())>
{
};
template <typename C, typename R, typename A>
struct Argumento<R (C::*)(A) const>
{
    using Tipo = std::remove_pointer_t<A>;
};
template <typename C, typename R, typename A>
struct Argumento<R (C::*)(A)>
{
    using Tipo = std::remove_pointer_t<A>;
};
} // namespace DetalleModal

/// The same, with the expected class taken from the parameter of `responder`.
template <typename F>
bool ResponderModal(const char* archivo, int linea, const std::function<void()>& abrir, F&& responder)
{
    using Dialogo = typename DetalleModal::Argumento<std::decay_t<F>>::Tipo;
    return ResponderModal(archivo, linea, abrir, Dialogo::staticMetaObject,
                          [&responder](QWidget* w) { responder(static_cast<Dialogo*>(w)); });
}

#define RESPONDER_MODAL(...)                                                                                         \
    do {                                                                                                             \
        if (!ResponderModal(__FILE__, __LINE__, __VA_ARGS__))                                                        \
            return;                                                                                                  \
    } while (false)
