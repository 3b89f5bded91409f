// SPDX-License-Identifier: GPL-3.0-or-later
// The printed slip end to end: a stored slip printed to a real PDF file, read back with poppler
// (texts at their millimetre positions) and rasterised at 300 dpi for zbarimg to scan the symbols.
#include "liquidation/Liquidacion.h"
#include "printing/CodigoPago.h"
#include "printing/ImpresionLiquidacion.h"
#include "printing/ImpresoraPintor.h"
#include "printing/printer/Impresoras.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "screens/ImpresionBoleta.h"
#include "support/BasePrueba.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>

namespace {

QString Ejecutar(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

/// The symbols zbarimg finds in each half of 300 dpi A4 sheets (cut at 134 mm), one line each;
/// zbarimg reports a repeated symbol once per image, hence the halves.
QStringList Simbolos(const QList<QImage>& hojas, const QString& carpeta)
{
    QStringList mitades{QStringLiteral("-q"), QStringLiteral("--raw")};
    for (const QImage& hoja : hojas)
        for (const QRect& r : {QRect(0, 0, 2480, 1583), QRect(0, 1583, 2480, 1925)}) {
            mitades.append(QStringLiteral("%1/mitad%2.png").arg(carpeta).arg(mitades.size()));
            hoja.copy(r).save(mitades.last());
        }
    return Ejecutar(QStringLiteral("zbarimg"), mitades).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

/// Every word of the PDF from pdftotext -bbox: its page and the top-left corner of its box in millimetres.
struct Palabras
{
    struct Palabra { int pagina; double x, y; QString texto; };
    QList<Palabra> lista;

    explicit Palabras(const QString& pdf)
    {
        static const QRegularExpression re(
            QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
        const double mm = 25.4 / 72.0;
        int pagina = 0;
        for (auto it = re.globalMatch(Ejecutar(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
             it.hasNext();) {
            const auto m = it.next();
            if (m.captured(1).isEmpty())
                ++pagina;
            else
                lista.append({pagina, m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm,
                              m.captured(3).replace(QLatin1String("&amp;"), QLatin1String("&"))});
        }
    }
    /// The words of the line at y from x on (the first within 1 mm of x), joined by single blanks.
    QString Desde(int pagina, double x, double y) const
    {
        QMap<double, QString> renglon;
        for (const Palabra& p : lista)
            if (p.pagina == pagina && qAbs(p.y - y) <= 1.0 && p.x >= x - 1.0)
                renglon.insert(p.x, p.texto);
        return renglon.isEmpty() || renglon.firstKey() > x + 1.0 ? QString() : renglon.values().join(QLatin1Char(' '));
    }
};

/// A printer whose jobs are 300 dpi A4 images, one page each, like a real printer's jobs.
class ImpresoraImagenes : public ImpresoraPintor
{
public:
    QString Nombre() const override { return QStringLiteral("Imagen"); }
    bool ComenzarImpresion() override { return true; }
    void PrepararPagina() override {}
    std::deque<QImage> trabajos;

protected:
    QPaintDevice* AbrirTrabajo() override
    {
        trabajos.emplace_back(2480, 3508, QImage::Format_RGB32);
        trabajos.back().setDotsPerMeterX(11811);
        trabajos.back().setDotsPerMeterY(11811);
        trabajos.back().fill(Qt::white);
        return &trabajos.back();
    }
    bool TrabajoPorPagina() const override { return true; }
    bool NuevaPagina() override { return false; }
};

} // namespace

class TestImpresion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        AislarConfiguracion();
        m_base = std::make_unique<BasePrueba>();
        QVERIFY(m_base->Valida());
        QVERIFY(m_carpeta.isValid());
        m_empresa = QSharedPointer<Empresa>::create();
        m_empresa->setCUIT(QStringLiteral("30-12345678-1"));
        m_empresa->setNombre(QStringLiteral("Almacén Ñandú S.R.L."));
        m_empresa->setCalle(QStringLiteral("San Martín"));
        m_empresa->setNumero(QStringLiteral("1450"));
        m_empresa->setCalleLegal(QStringLiteral("San Martín"));
        m_empresa->setNumeroLegal(QStringLiteral("1450"));
        m_empresa->setLocalidad(QStringLiteral("VELMAR"));
        m_empresa->setCodPost(QStringLiteral("1602"));
        m_empresa->setCodRubro(QStringLiteral("523110"));
        QVERIFY(m_empresa->Grabar(m_base->bd()));
        for (int i = 0; i < 3; ++i) {
            Empleado e;
            e.setEmpresa(m_empresa);
            e.setNombre(QStringLiteral("Empleado %1").arg(i + 1));
            e.setCUIL(QStringLiteral("20-1234567%1-0").arg(i));
            e.setHaberes(100000);
            e.setAfiliado(i < 2);
            QVERIFY(e.Grabar(m_base->bd()));
        }
        QVERIFY(m_empresa->CargarListaEmpleados(m_base->bd()));
    }

    void boletaGuardadaEnPdf()
    {
        LocalPrueba local(LocalArgentina());
        auto liq = BoletaGuardada();
        QVERIFY(liq);
        const QString codigo = CodigoPago(*liq);
        QCOMPARE(codigo, QStringLiteral("826030123456781001100000032012000030060000000400000010000013"));
        const QString pdf = ImprimirPdf(*liq, QStringLiteral("boleta.pdf"));
        QVERIFY(!pdf.isEmpty());
        const QString info = Ejecutar(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("pts (A4)")), qPrintable(info));
        // A wider substitute for Arial would push every amount out of its box.
        QVERIFY(Ejecutar(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("LiberationSans")));

        // Key texts at their places in both halves (the lower one 130 mm down) of both pages.
        const struct { double x, y; QString texto; } esperados[] = {
            {17, 38, QStringLiteral("30-12345678-1")}, {68, 38, QStringLiteral("Almacén Ñandú S.R.L.")},
            {160, 38, QStringLiteral("03/2012")}, {38, 46, QStringLiteral("3")}, {84, 46, QStringLiteral("300000,00")},
            {166, 42, QStringLiteral("1")}, {175, 53, QStringLiteral("$6000,00")}, {175, 92, QStringLiteral("$11000,00")},
            {6, 102, QStringLiteral("SON PESOS: ONCE MIL CON ( 0/100)")}, {6, 109, QStringLiteral("Efectivo")},
            {43, 120, codigo}};
        const Palabras palabras(pdf);
        for (int pagina = 1; pagina <= 2; ++pagina)
            for (double o : {0.0, 130.0})
                for (const auto& e : esperados) {
                    const QString renglon = palabras.Desde(pagina, e.x, o + e.y);
                    QVERIFY2(renglon == e.texto || renglon.startsWith(e.texto + QLatin1Char(' ')), qPrintable(renglon));
                }

        // The bank's reader: at 300 dpi each half of each page carries a symbol of exactly the printed digits.
        const QString prefijo = m_carpeta.filePath(QStringLiteral("pagina"));
        Ejecutar(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), pdf, prefijo});
        const QList<QImage> paginas{QImage(prefijo + QStringLiteral("-1.png")), QImage(prefijo + QStringLiteral("-2.png"))};
        QCOMPARE(Simbolos(paginas, m_carpeta.path()), QStringList(4, codigo));
    }

    void actaYCheque()
    {
        auto liq = BoletaGuardada();
        QVERIFY(liq);
        liq->setNroReq(QStringLiteral("4567"));
        liq->setPagadoReq(1234.5);
        liq->setFormaPago(1);
        liq->setBanco(QStringLiteral("Banco Provincia"));
        liq->setNroCheque(QStringLiteral("00123987"));
        const QString pdf = ImprimirPdf(*liq, QStringLiteral("acta.pdf"));
        QVERIFY(!pdf.isEmpty());
        // A requirement slip has no period; its number is printed, and the code carries it.
        const Palabras palabras(pdf);
        QCOMPARE(palabras.Desde(1, 160, 168), QString());
        QVERIFY(palabras.Desde(1, 110, 82).startsWith(QStringLiteral("4567 ")));
        QCOMPARE(palabras.Desde(1, 43, 250), CodigoPago(*liq));
        QCOMPARE(palabras.Desde(1, 6, 239), QStringLiteral("Bco: Banco Provincia"));
        QCOMPARE(palabras.Desde(1, 6, 243), QStringLiteral("Nro: 00123987"));
    }

    void cadaCopiaUnTrabajo()
    {
        auto liq = BoletaGuardada();
        QVERIFY(liq);
        ImpresoraImagenes impresora;
        QString error;
        QVERIFY2(Imprimir(*liq, impresora, &error), qPrintable(error));
        // Each job is a whole slip: both symbols, drawn straight on the image, scan.
        const QList<QImage> trabajos(impresora.trabajos.begin(), impresora.trabajos.end());
        QCOMPARE(Simbolos(trabajos, m_carpeta.path()), QStringList(4, CodigoPago(*liq)));
        // One job per copy; printing nothing opens none.
        liq->setBoletasAImprimir(0);
        QVERIFY(Imprimir(*liq, impresora));
        QCOMPARE(int(impresora.trabajos.size()), 2);
    }

    void archivoElegido()
    {
        auto liq = BoletaGuardada();
        QVERIFY(liq);
        m_impresoras.UsarArchivoPdf(QString());
        const QString pdf = m_carpeta.filePath(QStringLiteral("elegido.pdf"));
        DialogosPrueba dialogos;
        dialogos.archivos << QString() << pdf.chopped(4);
        QVERIFY(!ImprimirLiquidacion(*liq, m_impresoras, dialogos)); // cancelled: no error either
        QVERIFY(ImprimirLiquidacion(*liq, m_impresoras, dialogos)); // chosen without extension
        // Asked once for all the copies, each time.
        QCOMPARE(dialogos.llamadas.size(), 2);
        QCOMPARE(dialogos.Ultima().tipo, QStringLiteral("guardar"));
        QVERIFY(Ejecutar(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
        // A slip without a code is refused before any file is asked for.
        liq->setPagadoOtros(10000000);
        QVERIFY(!ImprimirLiquidacion(*liq, m_impresoras, dialogos));
        QCOMPARE(dialogos.llamadas.size(), 3);
        QVERIFY2(dialogos.Ultima().texto.contains(QStringLiteral("total a depositar")), qPrintable(dialogos.Ultima().texto));
    }

private:
    /// A March 2012 slip in 2 copies (2 % 6000, FCM 4000, 10 % surcharge 1000), stored and read back.
    std::unique_ptr<Liquidacion> BoletaGuardada()
    {
        Liquidacion nueva;
        nueva.setEmpresa(m_empresa);
        m_empresa->PasarEmpleados(nueva);
        nueva.setMes(3);
        nueva.setAnio(2012);
        nueva.setPagado2(6000);
        nueva.setPagadoFCM(4000);
        nueva.setCoeficiente(10);
        nueva.setPagadoRecargo(1000);
        auto leida = std::make_unique<Liquidacion>();
        if (!nueva.Grabar(m_base->bd()) || !leida->Leer(m_base->bd(), nueva.IdLiquidacion()))
            return nullptr;
        leida->setBoletasAImprimir(2);
        return leida;
    }
    /// The PDF file printed to, without a single dialog; empty when printing failed or asked anything.
    QString ImprimirPdf(const Liquidacion& liq, const QString& nombre)
    {
        const QString pdf = m_carpeta.filePath(nombre);
        m_impresoras.UsarArchivoPdf(pdf);
        DialogosPrueba dialogos;
        return ImprimirLiquidacion(liq, m_impresoras, dialogos) && dialogos.llamadas.isEmpty() ? pdf : QString();
    }

    std::unique_ptr<BasePrueba> m_base;
    QSharedPointer<Empresa> m_empresa;
    QTemporaryDir m_carpeta;
    Impresoras m_impresoras;
};

QTEST_MAIN(TestImpresion)
#include "tst_impresion.moc"
