// SPDX-License-Identifier: GPL-3.0-or-later
#include "HojaCalculo.h"

#include <QLocale>

QString ReferenciaCelda(int fila, int columna)
{
    QString letras;
    for (int c = columna; c > 0; c = (c - 1) / 26)
        letras.prepend(QChar(u'A' + (c - 1) % 26));
    return fila > 0 ? letras + QString::number(fila) : letras;
}

bool LeerReferencia(const QString& referencia, int& fila, int& columna)
{
    fila = columna = 0;
    int i = 0;
    for (; i < referencia.size() && referencia.at(i).isLetter(); ++i) {
        const QChar c = referencia.at(i).toUpper();
        if (c < QLatin1Char('A') || c > QLatin1Char('Z') || columna > 100000)
            return false;
        columna = columna * 26 + (c.unicode() - 'A' + 1);
    }
    if (columna == 0)
        return false;
    const QString numero = referencia.mid(i);
    if (numero.isEmpty())
        return true;
    bool ok = false;
    fila = numero.toInt(&ok);
    return ok && fila > 0;
}

QString MotivoCombinadas(const QString& rango)
{
    return QStringLiteral("tiene celdas combinadas (%1); sepárelas y complete cada celda antes de importar.")
        .arg(rango);
}

QString MotivoFormula(const QString& celda)
{
    return QStringLiteral("la celda %1 tiene una fórmula sin su resultado; reemplácela por su valor "
                          "(Copiar y Pegado especial, solo valores) antes de importar.")
        .arg(celda);
}

QString MotivoTamano(qint64 bytes)
{
    return QStringLiteral("El archivo ocupa %1 MB; el máximo que se importa es %2 MB. "
                          "Verifique que eligió la lista de empleados.")
        .arg(QLocale().toString(double(bytes) / (1024 * 1024), 'f', 1))
        .arg(TamanoMaximoHoja / (1024 * 1024));
}
