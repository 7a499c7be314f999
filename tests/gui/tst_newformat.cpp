// A format made up here, as a contributor would add one: a row in a file of its own, with one
// option and an encoder that writes PPM. Registered before anything asks for the options, it
// must appear in the window's list with a page of its own, on the command line, and convert,
// with no other edit anywhere.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <Magick++.h>

#include <memory>
#include <vector>

#include "cliarguments.h"
#include "graphicconverter.h"
#include "imagepipeline.h"
#include "outputformat.h"
#include "settingsfile.h"
#include "testsupport.h"

namespace {

QByteArray encodePpm(Magick::Image &&image, const ConversionSettings &settings)
{
    const bool ascii
        = Options::storedValue(OutputFormats::find("ppm")->options.first(), settings).toBool();
    const int width = int(image.columns()), height = int(image.rows());
    std::vector<unsigned char> rgb(size_t(width) * size_t(height) * 3);
    image.write(0, 0, unsigned(width), unsigned(height), "RGB", Magick::CharPixel, rgb.data());
    QByteArray out = QByteArray(ascii ? "P3\n" : "P6\n") + QByteArray::number(width) + ' '
        + QByteArray::number(height) + "\n255\n";
    for (unsigned char sample : rgb)
        out += ascii ? QByteArray::number(sample) + '\n' : QByteArray(1, char(sample));
    return out;
}

const OutputFormat &ppm()
{
    static const OutputFormat format = {
        "ppm",
        "PPM",
        "Portable pixmap",
        ".ppm",
        "image/x-portable-pixmap",
        { Options::flag("PPM", "ascii", false, nullptr,
            { "ppm-ascii", "Write the samples as decimal text." }) },
        false,
        "PPM has no quality",
        4,
        nullptr,
        encodePpm,
    };
    return format;
}

} // namespace

class tst_NewFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowOffersIt();
    void commandLineOffersIt();
    void converts_data();
    void converts();
};

void tst_NewFormat::initTestCase()
{
    OutputFormats::add(&ppm());
    Magick::InitializeMagick(nullptr);
}

void tst_NewFormat::windowOffersIt()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    auto window = std::make_unique<GraphicConverter>();
    auto formats = window->findChild<QComboBox *>("comboBoxFormat");
    QCOMPARE(formats->itemText(formats->count() - 1), QString("PPM"));
    auto pages = window->findChild<QListWidget *>("listWidgetOptions");
    QVERIFY(pages);
    QCOMPARE(pages->item(pages->count() - 1)->text(), QString("PPM Options"));
    auto ascii = window->findChild<QCheckBox *>("PPM_ascii");
    QVERIFY2(ascii, "no check box for the format's option");
    QCOMPARE(ascii->text(), QString("Write the samples as decimal text."));

    // What the window reads back is what the run gets.
    formats->setCurrentText("PPM");
    ascii->setChecked(true);
    window->close();
    window.reset();
    const ConversionSettings saved = SettingsFile::read("tarvo.ini");
    QDir::setCurrent(previous);
    QCOMPARE(saved.format, QString("ppm"));
    QCOMPARE(Options::storedValue(ppm().options.first(), saved).toBool(), true);
}

void tst_NewFormat::commandLineOffersIt()
{
    const CliArguments parsed
        = parseCliArguments({ "tarvo-convert", "--format", "ppm", "--ppm-ascii", "a.png" });
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QCOMPARE(parsed.settings.format, QString("ppm"));
    QCOMPARE(Options::storedValue(ppm().options.first(), parsed.settings).toBool(), true);

    const QString help = parseCliArguments({ "tarvo-convert", "--help" }).helpText;
    QVERIFY2(help.contains("|pdf|") && help.contains("|ppm"), qPrintable(help));
    QVERIFY2(help.contains("--ppm-ascii"), qPrintable(help));
    QVERIFY2(help.contains("JPEG 2000, PDF, ") && help.contains(" or Portable pixmap"),
        qPrintable(help));
}

void tst_NewFormat::converts_data()
{
    QTest::addColumn<bool>("ascii");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("binary") << false << QByteArray("P6\n4 3\n255\n");
    QTest::newRow("text") << true << QByteArray("P3\n4 3\n255\n");
}

void tst_NewFormat::converts()
{
    QFETCH(bool, ascii);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QImage red(4, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(dir.filePath("red.png")));
    ConversionSettings settings = SettingsFile::defaults();
    settings.format = "ppm";
    Options::setStored(ppm().options.first(), settings, ascii);
    const ImagePipeline::FileResult result
        = ImagePipeline::convertFile(dir.filePath("red.png"), settings,
            [&](const QString &) { return OutputNaming::Target { dir.filePath("red.ppm") }; });
    QVERIFY2(result.status == ImagePipeline::FileResult::Converted, qPrintable(result.error()));
    const QByteArray written = TestSupport::readFile(dir.filePath("red.ppm"));
    QFETCH(QByteArray, header);
    QVERIFY2(written.startsWith(header), written.left(20).constData());
    QCOMPARE(written.mid(header.size(), ascii ? 10 : 3),
        ascii ? QByteArray("255\n0\n0\n25") : QByteArray("\xff\0\0", 3));
}

QTEST_MAIN(tst_NewFormat)
#include "tst_newformat.moc"
