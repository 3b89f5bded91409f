// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogosPrueba.h"

#include <QTest>

template <typename T>
T DialogosPrueba::Responder(QQueue<T>& cola, const QString& tipo, const QString& titulo, const QString& texto,
                            Icono icono, const QString& extra, T siFalta)
{
    llamadas.append({tipo, titulo, texto, icono, extra});
    if (!cola.isEmpty())
        return cola.dequeue();
    QTest::qFail(qPrintable(QStringLiteral("sin respuesta preparada para: %1 (%2)").arg(tipo, texto)), __FILE__,
                 __LINE__);
    return siFalta;
}

void DialogosPrueba::Mensaje(const QString& texto, const QString& titulo, Icono icono)
{
    llamadas.append({QStringLiteral("mensaje"), titulo, texto, icono, QString()});
}

bool DialogosPrueba::Preguntar(const QString& texto, const QString& titulo, Icono icono)
{
    return Responder(respuestas, QStringLiteral("pregunta"), titulo, texto, icono, QString(), false);
}

QString DialogosPrueba::ArchivoParaAbrir(const QString& titulo, const QString& carpeta, const QString& nombreInicial,
                                         const QString& filtro)
{
    return Responder(archivos, QStringLiteral("abrir"), titulo, nombreInicial, Icono::Ninguno,
                     carpeta + QLatin1Char('|') + filtro, QString());
}

QString DialogosPrueba::ArchivoParaGuardar(const QString& titulo, const QString& rutaPropuesta, const QString& filtro)
{
    return Responder(archivos, QStringLiteral("guardar"), titulo, rutaPropuesta, Icono::Ninguno, filtro, QString());
}

QString DialogosPrueba::Carpeta(const QString& titulo, const QString& carpetaInicial)
{
    return Responder(archivos, QStringLiteral("carpeta"), titulo, carpetaInicial, Icono::Ninguno, QString(), QString());
}

bool DialogosPrueba::PedirTexto(const QString& titulo, const QString& etiqueta, bool, QString& texto)
{
    const QString r = Responder(textos, QStringLiteral("texto"), titulo, etiqueta, Icono::Ninguno, QString(), QString());
    if (r.isNull())
        return false; // a null answer is "Cancelar"
    texto = r;
    return true;
}

QStringList DialogosPrueba::Mensajes() const
{
    QStringList mensajes;
    for (const Llamada& llamada : llamadas)
        mensajes << llamada.titulo + QStringLiteral(": ") + llamada.texto;
    return mensajes;
}

void DialogosPrueba::Limpiar()
{
    llamadas.clear();
    respuestas.clear();
    archivos.clear();
    textos.clear();
}
