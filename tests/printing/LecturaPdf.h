// SPDX-License-Identifier: GPL-3.0-or-later
// Reading printed slips back as the bank and a person would: the words of a PDF with their boxes
// (pdftotext -bbox, in millimetres) and the bar code symbols zbarimg finds on 300 dpi pages.
#pragma once

#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStringList>

inline QString Ejecutar(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

/// The symbols zbarimg finds on 300 dpi A4 sheets, one line each: it reads a band across the whole
/// sheet from 5 mm above each copy's symbol to 5 mm below it, with whatever is printed beside it;
/// zbarimg reports a repeated symbol once per image, hence one image per band.
inline QStringList Simbolos(const QList<QImage>& hojas, const QString& carpeta)
{
    QStringList mitades{QStringLiteral("-q"), QStringLiteral("--raw")};
    for (const QImage& hoja : hojas)
        for (const QRect& r : {QRect(0, 1220, 2480, 240), QRect(0, 2760, 2480, 240)}) {
            mitades.append(QStringLiteral("%1/mitad%2.png").arg(carpeta).arg(mitades.size()));
            hoja.copy(r).save(mitades.last());
        }
    return Ejecutar(QStringLiteral("zbarimg"), mitades).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

/// The pages of a PDF at 300 dpi (their files in carpeta are removed once read).
inline QList<QImage> Paginas300(const QString& pdf, const QString& carpeta)
{
    const QString prefijo = carpeta + QStringLiteral("/pagina");
    Ejecutar(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), pdf, prefijo});
    QList<QImage> paginas;
    for (int n = 1;; ++n) {
        const QString archivo = QStringLiteral("%1-%2.png").arg(prefijo).arg(n);
        const QImage pagina(archivo);
        if (pagina.isNull())
            return paginas;
        paginas.append(pagina);
        QFile::remove(archivo);
    }
}

/// Every word of the PDF from pdftotext -bbox: its page (from 1) and its box in millimetres.
struct Palabras
{
    struct Palabra
    {
        int pagina;
        QRectF caja;
        QString texto;
    };
    QList<Palabra> lista;

    explicit Palabras(const QString& pdf)
    {
        static const QRegularExpression re(QStringLiteral(
            "<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
        const double mm = 25.4 / 72.0;
        int pagina = 0;
        const QString salida = Ejecutar(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        for (auto it = re.globalMatch(salida); it.hasNext();) {
            const auto m = it.next();
            if (m.captured(1).isEmpty()) {
                ++pagina;
                continue;
            }
            const QPointF desde(m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm);
            const QPointF hasta(m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm);
            QString texto = m.captured(5);
            texto.replace(QLatin1String("&amp;"), QLatin1String("&"));
            lista.append({pagina, QRectF(desde, hasta), texto});
        }
    }

    /// The words of the line whose top is at y (a smaller type on the same baseline starts up to
    /// 3 mm lower), from x on: empty unless the first starts within 1 mm of x.
    QString Desde(int pagina, double x, double y) const
    {
        const QMap<double, QString> renglon = Renglon(pagina, y, x - 1.0);
        return renglon.isEmpty() || renglon.firstKey() > x + 1.0 ? QString() : QStringList(renglon.values()).join(QLatin1Char(' '));
    }
    /// The words of the line at y that start between desde and hasta, by their left edge.
    QMap<double, QString> Renglon(int pagina, double y, double desde = 0, double hasta = 1000) const
    {
        QMap<double, QString> renglon;
        for (const Palabra& p : lista)
            if (p.pagina == pagina && p.caja.top() >= y - 1.0 && p.caja.top() <= y + 3.0 && p.caja.left() >= desde
                && p.caja.left() < hasta)
                renglon.insert(p.caja.left(), p.texto);
        return renglon;
    }
};
