// SPDX-License-Identifier: GPL-3.0-or-later
// The printed slip end to end: a stored slip printed to a real PDF file, read back with poppler
// (texts at their millimetre positions) and rasterised at 300 dpi for zbarimg to scan the symbols.
#include "liquidation/Liquidacion.h"
#include "printing/CodigoPago.h"
#include "printing/ImpresionLiquidacion.h"
#include "printing/ImpresoraPintor.h"
#include "printing/MontoEnLetras.h"
#include "printing/printer/ImpresionActual.h"
#include "printing/printer/ImpresoraSistema.h"
#include "printing/printer/Impresoras.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "support/BasePrueba.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QFile>
#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <QPainter>

#include <algorithm>
#include <deque>
#include <utility>
#include <memory>

namespace {

struct Palabra
{
    int pagina;
    double x, y; // millimetres from the top-left corner
    QString texto;
};

QString Ejecutar(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

/// Every word of the PDF with the top-left corner of its box, from pdftotext -bbox.
QList<Palabra> Palabras(const QString& pdf)
{
    const QString html = Ejecutar(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression re(QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<Palabra> palabras;
    int pagina = 0;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++pagina;
            continue;
        }
        const double mmPorPunto = 25.4 / 72.0;
        QString texto = m.captured(3);
        texto.replace(QLatin1String("&amp;"), QLatin1String("&"));
        palabras.append({pagina, m.captured(1).toDouble() * mmPorPunto, m.captured(2).toDouble() * mmPorPunto, texto});
    }
    return palabras;
}

/// The word on a page within 1 mm of (x, y), or an empty string.
QString En(const QList<Palabra>& palabras, int pagina, double x, double y)
{
    for (const Palabra& p : palabras)
        if (p.pagina == pagina && qAbs(p.x - x) <= 1.0 && qAbs(p.y - y) <= 1.0)
            return p.texto;
    return QString();
}

/// The words of a text line from x on, in reading order, joined by single blanks.
QString Renglon(const QList<Palabra>& palabras, int pagina, double x, double y)
{
    QList<Palabra> renglon;
    for (const Palabra& p : palabras)
        if (p.pagina == pagina && qAbs(p.y - y) <= 1.0 && p.x >= x - 1.0)
            renglon.append(p);
    std::sort(renglon.begin(), renglon.end(), [](const Palabra& a, const Palabra& b) { return a.x < b.x; });
    QStringList textos;
    for (const Palabra& p : renglon)
        textos.append(p.texto);
    return textos.join(QLatin1Char(' '));
}

QString TextoPagina(const QString& pdf, int pagina)
{
    return Ejecutar(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(pagina),
                                                  QStringLiteral("-l"), QString::number(pagina), pdf, QStringLiteral("-")});
}

QSharedPointer<Empresa> EmpresaGuardada(Conexion& bd)
{
    auto emp = QSharedPointer<Empresa>::create();
    emp->setCUIT(QStringLiteral("30-12345678-1"));
    emp->setNombre(QStringLiteral("Almacén Ñandú S.R.L."));
    emp->setCalle(QStringLiteral("San Martín"));
    emp->setNumero(QStringLiteral("1450"));
    emp->setPiso(QStringLiteral("3"));
    emp->setCalleLegal(QStringLiteral("San Martín"));
    emp->setNumeroLegal(QStringLiteral("1450"));
    emp->setLocalidad(QStringLiteral("VELMAR"));
    emp->setCodPost(QStringLiteral("1602"));
    emp->setCodRubro(QStringLiteral("523110"));
    if (!emp->Grabar(bd))
        return nullptr;
    for (int i = 0; i < 3; ++i) {
        Empleado e;
        e.setEmpresa(emp);
        e.setNombre(QStringLiteral("Empleado %1").arg(i + 1));
        e.setCUIL(QStringLiteral("20-1234567%1-0").arg(i));
        e.setHaberes(100000);
        e.setAfiliado(i < 2);
        if (!e.Grabar(bd))
            return nullptr;
    }
    return emp->CargarListaEmpleados(bd) ? emp : nullptr;
}

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
        QImage hoja(2480, 3508, QImage::Format_RGB32);
        hoja.setDotsPerMeterX(11811);
        hoja.setDotsPerMeterY(11811);
        hoja.fill(Qt::white);
        trabajos.push_back(hoja);
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
    void initTestCase();
    void arialEsLiberationSans();
    void boletaGuardadaEnPdf();
    void variantes_data();
    void variantes();
    void cadaCopiaUnTrabajo();
    void codigoImposibleNoImprimeNada();
    void archivoPdfPreguntaUnaVez();
    void cancelarArchivoNoImprime();

private:
    /// Stores a March 2012 slip (2 % 6000, FCM 4000, 10 % surcharge 1000) and reads it back.
    std::unique_ptr<Liquidacion> BoletaGuardada();

    std::unique_ptr<BasePrueba> m_base;
    QSharedPointer<Empresa> m_empresa;
    QTemporaryDir m_carpeta;
};

void TestImpresion::initTestCase()
{
    AislarConfiguracion();
    m_base = std::make_unique<BasePrueba>();
    QVERIFY(m_base->Valida());
    QVERIFY(m_carpeta.isValid());
    m_empresa = EmpresaGuardada(m_base->bd());
    QVERIFY(m_empresa);
}

std::unique_ptr<Liquidacion> TestImpresion::BoletaGuardada()
{
    const auto emp = m_empresa;
    Liquidacion nueva;
    nueva.setEmpresa(emp);
    emp->PasarEmpleados(nueva);
    nueva.setMes(3);
    nueva.setAnio(2012);
    nueva.setPagado2(6000);
    nueva.setPagadoFCM(4000);
    nueva.setCoeficiente(10);
    nueva.setPagadoRecargo(1000);
    if (!nueva.Grabar(m_base->bd()))
        return nullptr;
    auto leida = std::make_unique<Liquidacion>();
    if (!leida->Leer(m_base->bd(), nueva.IdLiquidacion()))
        return nullptr;
    return leida;
}

void TestImpresion::arialEsLiberationSans()
{
    // A wider substitute would push every amount out of its box.
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
}

void TestImpresion::boletaGuardadaEnPdf()
{
    LocalPrueba local(LocalArgentina());
    auto liq = BoletaGuardada();
    QVERIFY(liq);
    liq->setBoletasAImprimir(2);
    const QString codigo = CodigoPago(*liq);
    QCOMPARE(codigo, QStringLiteral("826030123456781001100000032012000030060000000400000010000013"));

    const QString pdf = m_carpeta.filePath(QStringLiteral("boleta.pdf"));
    Impresoras::UsarArchivoPdf(pdf);
    DialogosPrueba dialogos;
    QVERIFY(ImprimirLiquidacion(*liq, dialogos));
    QVERIFY(dialogos.llamadas.isEmpty());

    const QString info = Ejecutar(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("pts (A4)")), qPrintable(info));
    QVERIFY(Ejecutar(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("LiberationSans")));

    const QList<Palabra> palabras = Palabras(pdf);
    for (int pagina = 1; pagina <= 2; ++pagina) {
        for (double o : {0.0, 130.0}) {
            QCOMPARE(En(palabras, pagina, 17, o + 38), QStringLiteral("30-12345678-1"));
            QCOMPARE(En(palabras, pagina, 160, o + 38), QStringLiteral("03/2012"));
            QCOMPARE(En(palabras, pagina, 38, o + 46), QStringLiteral("3"));
            QCOMPARE(En(palabras, pagina, 84, o + 46), QStringLiteral("300000,00"));
            QCOMPARE(En(palabras, pagina, 175, o + 53), QStringLiteral("$6000,00"));
            QCOMPARE(En(palabras, pagina, 175, o + 92), QStringLiteral("$11000,00"));
            QCOMPARE(En(palabras, pagina, 6, o + 102), QStringLiteral("SON"));
            QCOMPARE(En(palabras, pagina, 26, o + 102), QStringLiteral("ONCE"));
            QCOMPARE(En(palabras, pagina, 6, o + 109), QStringLiteral("Efectivo"));
            QCOMPARE(En(palabras, pagina, 43, o + 120), codigo);
        }
        QCOMPARE(En(palabras, pagina, 166, 42), QStringLiteral("1"));
        QCOMPARE(En(palabras, pagina, 166, 172), QStringLiteral("1"));
    }
    QCOMPARE(Renglon(palabras, 1, 6, 102), QStringLiteral("SON PESOS: ONCE MIL CON ( 0/100)"));
    QCOMPARE(Renglon(palabras, 2, 6, 232), QStringLiteral("SON PESOS: ONCE MIL CON ( 0/100)"));

    // Both copies are the same page; only the time in the version line may differ.
    const QRegularExpression version(QStringLiteral("Versión 1\\.00 - \\S+ - \\S+"));
    QString pagina1 = TextoPagina(pdf, 1), pagina2 = TextoPagina(pdf, 2);
    pagina1.replace(version, QString());
    pagina2.replace(version, QString());
    QVERIFY(pagina1.contains(QStringLiteral("DUPLICADO")));
    QCOMPARE(pagina1, pagina2);

    // The bank's reader: each half of each page, rasterised at 300 dpi, carries one symbol that
    // decodes to exactly the printed digits (the cut line at 134 mm is pixel row 1583).
    for (int pagina = 1; pagina <= 2; ++pagina) {
        for (const auto& [desde, alto] : {std::pair<int, int>(0, 1583), std::pair<int, int>(1583, 1925)}) {
            const QString prefijo = m_carpeta.filePath(QStringLiteral("p%1-%2").arg(pagina).arg(desde));
            const QString n = QString::number(pagina);
            Ejecutar(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                      QStringLiteral("-f"), n, QStringLiteral("-l"), n, QStringLiteral("-x"), QStringLiteral("0"),
                      QStringLiteral("-y"), QString::number(desde), QStringLiteral("-W"), QStringLiteral("2480"),
                      QStringLiteral("-H"), QString::number(alto), pdf, prefijo});
            const QString png = prefijo + QStringLiteral(".png");
            QVERIFY(QFile::exists(png));
            const QString leido =
                Ejecutar(QStringLiteral("zbarimg"), {QStringLiteral("-q"), png}).trimmed();
            QCOMPARE(leido, QStringLiteral("CODE-128:") + codigo);
        }
    }
}

void TestImpresion::variantes_data()
{
    QTest::addColumn<bool>("conActa");
    QTest::addColumn<bool>("cheque");
    QTest::newRow("requirement number") << true << false;
    QTest::newRow("cheque") << false << true;
}

void TestImpresion::variantes()
{
    QFETCH(bool, conActa);
    QFETCH(bool, cheque);
    auto liq = BoletaGuardada();
    QVERIFY(liq);
    if (conActa) {
        liq->setNroReq(QStringLiteral("4567"));
        liq->setPagadoReq(1234.5);
    }
    if (cheque) {
        liq->setFormaPago(1);
        liq->setBanco(QStringLiteral("Banco Provincia"));
        liq->setNroCheque(QStringLiteral("00123987"));
    }
    const QString pdf = m_carpeta.filePath(QStringLiteral("variante.pdf"));
    Impresoras::UsarArchivoPdf(pdf);
    DialogosPrueba dialogos;
    QVERIFY(ImprimirLiquidacion(*liq, dialogos));
    const QString texto = TextoPagina(pdf, 1);
    QCOMPARE(texto.contains(QStringLiteral("PERÍODO:")), !conActa);
    QCOMPARE(texto.contains(QStringLiteral("03/2012")), !conActa);
    QCOMPARE(texto.contains(QStringLiteral("Efectivo")), !cheque);
    QCOMPARE(texto.contains(QStringLiteral("Banco Provincia")), cheque);
    QCOMPARE(texto.contains(QStringLiteral("00123987")), cheque);
    const QList<Palabra> palabras = Palabras(pdf);
    QCOMPARE(En(palabras, 1, 43, 250), CodigoPago(*liq));
    if (conActa)
        QCOMPARE(En(palabras, 1, 110, 82), QStringLiteral("4567"));
    if (cheque)
        QCOMPARE(En(palabras, 1, 6, 113), QStringLiteral("Nro:"));
}

void TestImpresion::cadaCopiaUnTrabajo()
{
    auto liq = BoletaGuardada();
    QVERIFY(liq);
    liq->setBoletasAImprimir(2);
    ImpresoraImagenes impresora;
    QString error;
    QVERIFY2(Imprimir(*liq, impresora, &error), qPrintable(error));
    QCOMPARE(int(impresora.trabajos.size()), 2);
    // Identical copies once the version line (its clock) is blanked out in both halves.
    for (QImage& hoja : impresora.trabajos) {
        QPainter p(&hoja);
        p.fillRect(QRect(0, 1500, 1200, 50), Qt::white);
        p.fillRect(QRect(0, 3035, 1200, 50), Qt::white);
    }
    // (Glyph antialiasing may differ in a few edge pixels between the first and later renders.)
    int distintos = 0;
    for (int y = 0; y < impresora.trabajos[0].height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(impresora.trabajos[0].constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(impresora.trabajos[1].constScanLine(y));
        for (int x = 0; x < impresora.trabajos[0].width(); ++x)
            distintos += qAbs(qGray(a[x]) - qGray(b[x])) > 64 ? 1 : 0;
    }
    QVERIFY2(distintos < 20, qPrintable(QString::number(distintos)));
    // The symbols drawn on a plain image scan as well.
    const QString png = m_carpeta.filePath(QStringLiteral("trabajo.png"));
    QVERIFY(impresora.trabajos[0].copy(0, 1583, 2480, 1925).save(png));
    QCOMPARE(Ejecutar(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), png}).trimmed(),
             CodigoPago(*liq));
    // Printing nothing opens no job.
    liq->setBoletasAImprimir(0);
    QVERIFY(Imprimir(*liq, impresora));
    QCOMPARE(int(impresora.trabajos.size()), 2);
}

void TestImpresion::codigoImposibleNoImprimeNada()
{
    auto liq = BoletaGuardada();
    QVERIFY(liq);
    liq->setPagadoOtros(10000000);
    const QString pdf = m_carpeta.filePath(QStringLiteral("rechazada.pdf"));
    Impresoras::UsarArchivoPdf(pdf);
    DialogosPrueba dialogos;
    QVERIFY(!ImprimirLiquidacion(*liq, dialogos));
    QCOMPARE(dialogos.llamadas.size(), 1);
    QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("ERROR"));
    QCOMPARE(dialogos.Ultima().icono, Icono::Critico);
    QVERIFY2(dialogos.Ultima().texto.contains(QStringLiteral("total a depositar")), qPrintable(dialogos.Ultima().texto));
    QVERIFY(!QFile::exists(pdf));
}

void TestImpresion::archivoPdfPreguntaUnaVez()
{
    auto liq = BoletaGuardada();
    QVERIFY(liq);
    liq->setBoletasAImprimir(3);
    Impresoras::UsarArchivoPdf(QString());
    const QString pdf = m_carpeta.filePath(QStringLiteral("elegido"));
    DialogosPrueba dialogos;
    dialogos.archivos.enqueue(pdf);
    QVERIFY(ImprimirLiquidacion(*liq, dialogos));
    QCOMPARE(dialogos.llamadas.size(), 1);
    QCOMPARE(dialogos.Ultima().tipo, QStringLiteral("guardar"));
    QVERIFY(dialogos.Ultima().texto.endsWith(QStringLiteral(".pdf")));
    QVERIFY(Ejecutar(QStringLiteral("pdfinfo"), {pdf + QStringLiteral(".pdf")})
                .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
}

void TestImpresion::cancelarArchivoNoImprime()
{
    auto liq = BoletaGuardada();
    QVERIFY(liq);
    Impresoras::UsarArchivoPdf(QString());
    DialogosPrueba dialogos;
    dialogos.archivos.enqueue(QString());
    QVERIFY(!ImprimirLiquidacion(*liq, dialogos));
    QCOMPARE(dialogos.llamadas.size(), 1); // the file dialog only, no error message
}

QTEST_MAIN(TestImpresion)
#include "tst_impresion.moc"
