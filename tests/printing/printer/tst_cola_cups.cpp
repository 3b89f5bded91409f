// SPDX-License-Identifier: GPL-3.0-or-later
// A real print queue: the test starts its own CUPS scheduler (Debian's cups) with a virtual PDF printer
// (printer-driver-cups-pdf) on a private socket, sees the printer listed by the printer selection
// screen, makes it current there, prints a stored slip through it as the slip screens do, and reads
// the PDF the queue wrote: its texts in place and both bar codes decodable. CUPS only runs its PDF
// backend for a scheduler started by root; elsewhere the test is skipped, saying why.
#include "printing/CodigoPago.h"
#include "printing/LecturaPdf.h"
#include "printing/printer/ImpresoraSistema.h"
#include "printing/printer/Impresoras.h"
#include "screens/ImpresionBoleta.h"
#include "shell/frmSelImpr.h"
#include "support/DatosLiquidacion.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace {
const QString Cola = QStringLiteral("TALVO_PDF");
const QString Cupsd = QStringLiteral("/usr/sbin/cupsd");
const QString BackendPdf = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString Ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

bool Escribir(const QString& archivo, const QString& texto)
{
    QFile f(archivo);
    return f.open(QIODevice::WriteOnly) && f.write(texto.toUtf8()) > 0;
}

/// Pixels of caja that are ink in one page and paper in the other (after a 1-pixel tolerance for
/// the different anti-aliasing of outlines and fonts); -1 when the box holds no ink at all.
int TintaDistinta(const QImage& a, const QImage& b, const QRect& caja)
{
    auto tinta = [](const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 128; };
    int distintos = 0;
    bool hayTinta = false;
    for (int y = caja.top() + 1; y < caja.bottom(); ++y)
        for (int x = caja.left() + 1; x < caja.right(); ++x) {
            const bool ta = tinta(a, x, y);
            hayTinta = hayTinta || ta;
            if (ta == tinta(b, x, y))
                continue;
            bool cerca = false;
            for (int dy = -1; dy <= 1 && !cerca; ++dy)
                for (int dx = -1; dx <= 1 && !cerca; ++dx)
                    cerca = tinta(b, x + dx, y + dy) == ta;
            distintos += cerca ? 0 : 1;
        }
    return hayTinta ? distintos : -1;
}

/// Where cups-pdf writes the jobs of this user: the PDF folder of its home (/etc/cups/cups-pdf.conf).
QString CarpetaSalidaPdf()
{
    const passwd* usuario = getpwuid(getuid());
    return usuario ? QDir(QString::fromLocal8Bit(usuario->pw_dir)).filePath(QStringLiteral("PDF")) : QString();
}
} // namespace

class TestColaCups : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void listadaElegidaEImpresa();

private:
    QString m_motivoOmision;
    QTemporaryDir m_servidor{QDir::tempPath() + QStringLiteral("/talvo-cups-XXXXXX")};
    QProcess m_cupsd;
    QTemporaryDir m_carpeta;
};

void TestColaCups::initTestCase()
{
    AislarConfiguracion();
    if (geteuid() != 0)
        QSKIP("La cola de impresión real necesita un planificador CUPS iniciado por root (su backend PDF sólo "
              "corre así); en CI el conjunto corre como root.");
    for (const QString& necesario : {Cupsd, BackendPdf, Ppd, QStringLiteral("/usr/sbin/lpadmin")})
        if (!QFileInfo::exists(necesario))
            QSKIP(qPrintable(QStringLiteral("No se puede iniciar CUPS: falta %1 (paquetes cups y "
                                            "printer-driver-cups-pdf).").arg(necesario)));
    QVERIFY(m_servidor.isValid() && m_carpeta.isValid());
    // Its own scheduler on a private socket, so nothing of the machine's printing is touched.
    const QString raiz = m_servidor.path();
    for (const char* sub : {"spool", "spool/tmp", "cache", "state", "log"})
        QVERIFY(QDir(raiz).mkpath(QString::fromLatin1(sub)));
    QFile::setPermissions(raiz, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                    | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                    | QFileDevice::ExeOther);
    QFile::setPermissions(raiz + QStringLiteral("/spool/tmp"), QFileDevice::Permissions(0x7777));
    const QString socket = raiz + QStringLiteral("/cups.sock");
    QVERIFY(Escribir(raiz + QStringLiteral("/cupsd.conf"),
                     QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing Off\nDefaultAuthType None\n"
                                    "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n")
                         .arg(socket)));
    QVERIFY(Escribir(raiz + QStringLiteral("/cups-files.conf"),
                     QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                    "TempDir %1/spool/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                    "PageLog %1/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                                    "SystemGroup root\n")
                         .arg(raiz)));
    m_cupsd.start(Cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), raiz + QStringLiteral("/cupsd.conf"),
                          QStringLiteral("-s"), raiz + QStringLiteral("/cups-files.conf")});
    QVERIFY(m_cupsd.waitForStarted());
    QElapsedTimer espera;
    espera.start();
    while (!QFileInfo::exists(socket) && espera.elapsed() < 15000 && m_cupsd.state() == QProcess::Running)
        QTest::qWait(100);
    if (!QFileInfo::exists(socket))
        QSKIP(qPrintable(QStringLiteral("No se pudo iniciar CUPS: %1")
                             .arg(QString::fromLocal8Bit(m_cupsd.readAllStandardError()))));
    QProcess lpadmin;
    lpadmin.start(QStringLiteral("/usr/sbin/lpadmin"), {QStringLiteral("-h"), socket, QStringLiteral("-p"), Cola,
                                                         QStringLiteral("-E"), QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                                                         QStringLiteral("-P"), Ppd});
    QVERIFY(lpadmin.waitForFinished(30000));
    QVERIFY2(lpadmin.exitCode() == 0, lpadmin.readAllStandardError().constData());
    // libcups reads its server once, on first use: set before anything of the program asks for printers.
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
}

void TestColaCups::cleanupTestCase()
{
    if (m_cupsd.state() == QProcess::Running) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(5000))
            m_cupsd.kill();
    }
}

void TestColaCups::listadaElegidaEImpresa()
{
    BaseConEmpleados datos;
    QVERIFY(datos.Valida());
    auto liq = datos.Grabada(3, 2014);
    QVERIFY(liq);
    liq->setPagado2(liq->APagar2());
    liq->setPagadoFCM(liq->APagarFCM());
    liq->setBoletasAImprimir(1);
    const QString codigo = CodigoPago(*liq);
    QCOMPARE(codigo.size(), 60);

    // Listed by the printer selection screen, and made current there.
    Impresoras impresoras;
    DialogosPrueba dialogos;
    {
        frmSelImpr pantalla(dialogos, impresoras);
        auto* lista = pantalla.findChild<QComboBox*>(QStringLiteral("cboImpresoras"));
        const int posicion = lista->findText(Cola);
        QVERIFY2(posicion >= 0, "la cola de CUPS no aparece en la lista de impresoras");
        lista->setCurrentIndex(posicion);
        pantalla.findChild<QPushButton*>(QStringLiteral("cmdAceptar"))->click();
    }
    QCOMPARE(impresoras.Actual().Nombre(), Cola);

    const QString salida = CarpetaSalidaPdf();
    // Every new scheduler numbers its jobs from 1, so the file is known by its time, not its name.
    const QDateTime inicio = QDateTime::currentDateTime().addSecs(-1);
    QVERIFY2(ImprimirLiquidacion(*liq, impresoras, dialogos), qPrintable(dialogos.Ultima().texto));
    QVERIFY(dialogos.llamadas.isEmpty());

    // The queue converts the job and writes its PDF in its own time.
    QString pdf;
    QElapsedTimer espera;
    espera.start();
    while (pdf.isEmpty() && espera.elapsed() < 60000) {
        QTest::qWait(250);
        for (const QString& nombre : QDir(salida).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time))
            if (const QFileInfo info(QDir(salida).filePath(nombre)); info.lastModified() >= inicio && info.size() > 0) {
                pdf = QDir(salida).filePath(nombre);
                break;
            }
    }
    QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("la cola no escribió ningún PDF en %1").arg(salida)));
    QTest::qWait(500); // the backend closes its file after writing it
    const QString copia = m_carpeta.filePath(QStringLiteral("de-la-cola.pdf"));
    QVERIFY(QFile::copy(pdf, copia));
    QFile::remove(pdf);

    QVERIFY(Ejecutar(QStringLiteral("pdfinfo"), {copia}).contains(QStringLiteral("pts (A4)")));
    // Both bar codes decode to the slip's code.
    const QList<QImage> paginas = Paginas300(copia, m_carpeta.path());
    QCOMPARE(paginas.size(), 1);
    QCOMPARE(Simbolos(paginas, m_carpeta.path()), QStringList(2, codigo));

    // The queue turns the texts into outlines, so they are compared as ink: the same slip printed
    // straight to a PDF file must look the same in every box of values, in both copies.
    Impresoras directa;
    const QString referencia = m_carpeta.filePath(QStringLiteral("directa.pdf"));
    directa.UsarArchivoPdf(referencia);
    QVERIFY(ImprimirLiquidacion(*liq, directa, dialogos));
    const QList<QImage> esperadas = Paginas300(referencia, m_carpeta.path());
    QCOMPARE(esperadas.size(), 1);
    const double px = 300 / 25.4;
    for (double o : {0.0, 130.0})
        for (const QRectF& mm : {QRectF(5, o + 37, 190, 14), QRectF(5, o + 52, 190, 47), QRectF(5, o + 101, 190, 8),
                                 QRectF(40, o + 119, 110, 6)}) {
            const QRect caja(int(mm.x() * px), int(mm.y() * px), int(mm.width() * px), int(mm.height() * px));
            const int tinta = TintaDistinta(esperadas.first(), paginas.first(), caja);
            QVERIFY2(tinta >= 0, "caja en blanco en la impresión directa");
            QVERIFY2(tinta <= caja.width() * caja.height() / 50,
                     qPrintable(QStringLiteral("%1 píxeles distintos en la caja %2,%3 mm").arg(tinta).arg(mm.x()).arg(mm.y())));
        }
}

QTEST_MAIN(TestColaCups)
#include "tst_cola_cups.moc"
