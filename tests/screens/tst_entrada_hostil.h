// SPDX-License-Identifier: GPL-3.0-or-later
// What the hostile-input test needs besides the screens: the hostile texts, their forms at a
// field's full length and one character beyond (lengths in characters, as the columns' CHECKs
// count them), typing them as a keyboard does, the stored row read back byte for byte, and the
// tally of outcomes.
#pragma once

#include "records/Conexion.h"

#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTest>

/// A text that has broken statements, lookups or storage somewhere: quotes, SQL syntax, the
/// engine's date literal, other scripts, characters outside the basic plane, invisible ones.
struct TextoHostil
{
    QString nombre;
    /// Repeated to fill the field. Null: "emoji al borde", an emoji typed into the last free
    /// position, where a count in UTF-16 units would keep only half of it.
    QString patron;
};

inline QList<TextoHostil> TextosHostiles()
{
    return {
        {QStringLiteral("apóstrofos"), QStringLiteral("O'Brien d'Arc '' ' ")},
        {QStringLiteral("comillas"), QStringLiteral("\"Doble\" “curvas” «latinas» `grave` ")},
        {QStringLiteral("punto y coma"), QStringLiteral("x'); delete from empresas; select ('")},
        {QStringLiteral("por ciento"), QStringLiteral("100% _ %_ like '%' ")},
        {QStringLiteral("comentarios"), QStringLiteral("-- /* */ */ ;-- ")},
        {QStringLiteral("barras invertidas"), QStringLiteral("C:\\temp\\n \\' \\\\ \\0 ")},
        {QStringLiteral("literal de fecha"), QStringLiteral("#1-1-2000# '#12-31-2013#' # ")},
        {QStringLiteral("acentos"), QStringLiteral("Ñandú Pérez Müller Straße ç ")},
        {QStringLiteral("cirílico"), QStringLiteral("Щука Жёлтый Москва ")},
        {QStringLiteral("CJK"), QStringLiteral("東京都千代田区 株式会社 한국어 ")},
        {QStringLiteral("árabe"), QStringLiteral("شركة القاهرة للتجارة ١٢٣ ")},
        {QStringLiteral("emoji"), QStringLiteral("🙂👍🏽 café ☕ 🇦🇷 ")},
        {QStringLiteral("invisibles"), QStringLiteral("a\u200Bb\u202Ec\u200Fd\uFEFFe ")},
        {QStringLiteral("cifras"), QStringLiteral("1234567890")},
        {QStringLiteral("emoji al borde"), QString()},
    };
}

/// The text's characters (code points), an emoji's two halves together.
inline QStringList Caracteres(const QString& texto)
{
    QStringList caracteres;
    for (int i = 0; i < texto.size(); ++i) {
        QString c(texto.at(i));
        if (texto.at(i).isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate())
            c += texto.at(++i);
        caracteres << c;
    }
    return caracteres;
}

/// A hostile text at a field's full length of `largo` characters (whole ones: half an emoji is no
/// character), and the character that would come next, which the field must not take.
struct Tecleo
{
    QString maximo;
    QString siguiente;
};

inline Tecleo TecleoHostil(const QString& patron, int largo)
{
    if (patron.isNull())
        return {QString(largo - 1, QLatin1Char('x')) + QStringLiteral("🙂"), QStringLiteral("🙂")};
    const QStringList caracteres = Caracteres(patron);
    QString maximo;
    for (int i = 0; i < largo; ++i)
        maximo += caracteres.at(i % caracteres.size());
    return {maximo, caracteres.at(largo % caracteres.size())};
}

/// Types texto as a keyboard does: ASCII through its keys, any other character (an emoji's two
/// halves together) as the text of one key, the way a keyboard layout or compose key sends it.
inline void Teclear(QWidget* campo, const QString& texto)
{
    for (const QString& c : Caracteres(texto)) {
        const ushort u = c.at(0).unicode();
        if (c.size() == 1 && u >= 0x20 && u < 0x7f)
            QTest::keyClick(campo, char(u));
        else
            QTest::sendKeyEvent(QTest::Click, campo, Qt::Key_unknown, c, Qt::NoModifier);
    }
}

/// Types the full-length text over what the field holds, then the next character: what the field
/// shows after each (a masked field's text with its blanks).
inline QStringList Llenar(QLineEdit* campo, const Tecleo& t)
{
    QStringList mostrado;
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Backspace);
    for (const QString& tecleado : {t.maximo, t.siguiente}) {
        Teclear(campo, tecleado);
        mostrado << (campo->inputMask().isEmpty() ? campo->text() : campo->displayText());
    }
    return mostrado;
}

/// Letters in upper case one by one, as the postal code field shows them (the length never changes).
inline QString MayusculasUnaAUna(const QString& texto)
{
    QString r = texto;
    for (QChar& c : r)
        c = c.toUpper();
    return r;
}

/// A stored row, column by column as "type:hex of the stored bytes" (lower-case names); empty
/// when the row is absent.
inline QMap<QString, QString> Fila(Conexion& bd, const QString& tabla, qint64 id)
{
    QMap<QString, QString> fila;
    QSqlQuery q(bd.Base());
    if (!q.exec(QStringLiteral("select * from %1 where id = %2").arg(tabla).arg(id)) || !q.next())
        return fila;
    const QSqlRecord registro = q.record();
    QStringList columnas;
    for (int i = 0; i < registro.count(); ++i)
        columnas << QStringLiteral("typeof(%1) || ':' || hex(%1)").arg(registro.fieldName(i));
    QSqlQuery bytes(bd.Base());
    if (!bytes.exec(QStringLiteral("select %1 from %2 where id = %3").arg(columnas.join(QStringLiteral(", ")), tabla)
                        .arg(id))
        || !bytes.next())
        return fila;
    for (int i = 0; i < registro.count(); ++i)
        fila.insert(registro.fieldName(i).toLower(), bytes.value(i).toString());
    return fila;
}

/// How a stored text column reads in Fila.
inline QString Bytes(const QString& texto)
{
    return QStringLiteral("text:") + QString::fromLatin1(texto.toUtf8().toHex().toUpper());
}

/// The columns whose stored bytes differ between two readings of a row.
inline QStringList Cambios(const QMap<QString, QString>& antes, const QMap<QString, QString>& despues)
{
    QStringList cambios;
    for (auto i = despues.cbegin(); i != despues.cend(); ++i)
        if (antes.value(i.key()) != i.value())
            cambios << i.key();
    return cambios;
}

/// The length a text column may hold, from the schema's CHECK; -1 when it has none.
inline int LargoColumna(Conexion& bd, const QString& tabla, const QString& columna)
{
    const QString sql = bd.ValorEscalar(QStringLiteral("select sql from sqlite_master where type = 'table' and "
                                                       "lower(name) = lower('%1')").arg(tabla))
                            .toString();
    const QRegularExpression limite(QStringLiteral("length\\(%1\\)\\s*<=\\s*(\\d+)").arg(columna),
                                    QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = limite.match(sql);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

/// What happened to one hostile input.
enum class Resultado { Exacto, Rechazado, SinFecha, Importe, Buscado };

/// Hostile inputs tried per screen and their outcomes, printed at the end of the run.
struct Cuenta
{
    int probadas = 0;
    int exactas = 0;     // stored and read back (table and screen) exactly as the field showed it
    int rechazadas = 0;  // refused with a message, the stored row unchanged
    int sinFecha = 0;    // a termination date that is no date: the field empties, no termination kept
    int importes = 0;    // amount fields: the keys that are no digit dropped, the amount shown stored
    int buscados = 0;    // category searches: nothing matches, the user is told; nothing stored
};

inline QMap<QString, Cuenta>& Cuentas()
{
    static QMap<QString, Cuenta> cuentas;
    return cuentas;
}

inline void Anotar(const QString& pantalla, Resultado resultado)
{
    Cuenta& c = Cuentas()[pantalla];
    ++c.probadas;
    switch (resultado) {
    case Resultado::Exacto:
        ++c.exactas;
        break;
    case Resultado::Rechazado:
        ++c.rechazadas;
        break;
    case Resultado::SinFecha:
        ++c.sinFecha;
        break;
    case Resultado::Importe:
        ++c.importes;
        break;
    case Resultado::Buscado:
        ++c.buscados;
        break;
    }
}
