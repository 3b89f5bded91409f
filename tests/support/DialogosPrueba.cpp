// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogosPrueba.h"

#include <QTest>

void DialogosPrueba::Falta(const char* que)
{
    QTest::qFail(qPrintable(QStringLiteral("sin respuesta preparada para: %1 (%2)")
                                .arg(QString::fromLatin1(que), llamadas.last().texto)),
                 __FILE__, __LINE__);
}

void DialogosPrueba::Mensaje(const QString& texto, const QString& titulo, Icono icono)
{
    llamadas.append({QStringLiteral("mensaje"), titulo, texto, icono, QString()});
}

bool DialogosPrueba::Preguntar(const QString& texto, const QString& titulo, Icono icono)
{
    llamadas.append({QStringLiteral("pregunta"), titulo, texto, icono, QString()});
    if (respuestas.isEmpty()) {
        Falta("pregunta");
        return false;
    }
    return respuestas.dequeue();
}

QString DialogosPrueba::ArchivoParaAbrir(const QString& titulo, const QString& carpeta, const QString& nombreInicial,
                                         const QString& filtro)
{
    llamadas.append({QStringLiteral("abrir"), titulo, nombreInicial, Icono::Ninguno, carpeta + QLatin1Char('|') + filtro});
    if (archivos.isEmpty()) {
        Falta("abrir");
        return QString();
    }
    return archivos.dequeue();
}

QString DialogosPrueba::ArchivoParaGuardar(const QString& titulo, const QString& rutaPropuesta, const QString& filtro)
{
    llamadas.append({QStringLiteral("guardar"), titulo, rutaPropuesta, Icono::Ninguno, filtro});
    if (archivos.isEmpty()) {
        Falta("guardar");
        return QString();
    }
    return archivos.dequeue();
}

QString DialogosPrueba::Carpeta(const QString& titulo, const QString& carpetaInicial)
{
    llamadas.append({QStringLiteral("carpeta"), titulo, carpetaInicial, Icono::Ninguno, QString()});
    if (archivos.isEmpty()) {
        Falta("carpeta");
        return QString();
    }
    return archivos.dequeue();
}

bool DialogosPrueba::PedirTexto(const QString& titulo, const QString& etiqueta, bool, QString& texto)
{
    llamadas.append({QStringLiteral("texto"), titulo, etiqueta, Icono::Ninguno, QString()});
    if (textos.isEmpty()) {
        Falta("texto");
        return false;
    }
    const QString r = textos.dequeue();
    if (r.isNull())
        return false;
    texto = r;
    return true;
}

void DialogosPrueba::Limpiar()
{
    llamadas.clear();
    respuestas.clear();
    archivos.clear();
    textos.clear();
}
