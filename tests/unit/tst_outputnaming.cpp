#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "outputfile.h"
#include "outputnaming.h"
#include "testsupport.h"

// The tree of every case: the inputs live in pics/, out/ is another existing folder.
class tst_OutputNaming : public QObject
{
    Q_OBJECT

private slots:
    void suffixForFormat_data();
    void suffixForFormat();
    void outputFilePath_data();
    void outputFilePath();
    void backupsAreNumberedFromTheOriginalName();
    void freeNamesAreNumberedFromTheOriginalName();
    void namePattern_data();
    void namePattern();
};

void tst_OutputNaming::suffixForFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("jpeg is written as .jpg") << "jpeg"
                                             << ".jpg";
    QTest::newRow("gif") << "gif"
                         << ".gif";
    QTest::newRow("bmp") << "bmp"
                         << ".bmp";
    QTest::newRow("png keeps its name") << "png"
                                        << ".png";
    QTest::newRow("jp2 keeps its name") << "jp2"
                                        << ".jp2";
    QTest::newRow("pdf keeps its name") << "pdf"
                                        << ".pdf";
    QTest::newRow("comparison is case-sensitive") << "JPEG"
                                                  << ".JPEG";
    QTest::newRow("empty format gives a lone dot") << ""
                                                   << ".";
}

void tst_OutputNaming::suffixForFormat()
{
    QFETCH(QString, format);
    QFETCH(QString, suffix);
    QCOMPARE(OutputNaming::suffixForFormat(format), suffix);
}

void tst_OutputNaming::outputFilePath_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("input");
    // "" = beside the input, "pics" = the input's own folder spelled canonically, "out" =
    // another folder, "missing" = a folder that does not exist
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QString>("expected");
    // "backup<-original": files the write must keep, each with the original's bytes
    QTest::addColumn<QStringList>("copies");

    const QStringList none;

    QTest::newRow("keep, nothing there: the plain name")
        << QStringList { "pics/a.png" } << "pics/a.png"
        << ""
        << "jpeg" << false << "pics/a.jpg" << none;
    QTest::newRow("keep, output is the input: _1") << QStringList { "pics/a.jpg" } << "pics/a.jpg"
                                                   << ""
                                                   << "jpeg" << false << "pics/a_1.jpg" << none;
    QTest::newRow("keep, _1 taken too: _2")
        << QStringList { "pics/a.jpg", "pics/a_1.jpg" } << "pics/a.jpg"
        << ""
        << "jpeg" << false << "pics/a_2.jpg" << none;
    QTest::newRow("keep, a gap in the numbers is filled first")
        << QStringList { "pics/a.jpg", "pics/a_2.jpg" } << "pics/a.jpg"
        << ""
        << "jpeg" << false << "pics/a_1.jpg" << none;
    QTest::newRow("keep, another input's output in the way: _1")
        << QStringList { "pics/a.png", "pics/a.jpg" } << "pics/a.png"
        << ""
        << "jpeg" << false << "pics/a_1.jpg" << none;
    QTest::newRow("keep, taken in the chosen folder: _1 there")
        << QStringList { "pics/a.png", "out/a.gif" } << "pics/a.png"
        << "out"
        << "gif" << false << "out/a_1.gif" << none;

    QTest::newRow("overwrite, output is the input: backup _1, then replace")
        << QStringList { "pics/a.jpg" } << "pics/a.jpg"
        << ""
        << "jpeg" << true << "pics/a.jpg" << QStringList { "pics/a_backup_1.jpg<-pics/a.jpg" };
    QTest::newRow("overwrite, output is the input, backup _1 taken: backup _2")
        << QStringList { "pics/a.jpg", "pics/a_backup_1.jpg" } << "pics/a.jpg"
        << ""
        << "jpeg" << true << "pics/a.jpg" << QStringList { "pics/a_backup_2.jpg<-pics/a.jpg" };
    QTest::newRow("overwrite, other file beside the input: backup it")
        << QStringList { "pics/a.png", "pics/a.jpg" } << "pics/a.png"
        << ""
        << "jpeg" << true << "pics/a.jpg" << QStringList { "pics/a_backup_1.jpg<-pics/a.jpg" };
    QTest::newRow("overwrite, input's own folder named explicitly: still a backup")
        << QStringList { "pics/a.png", "pics/a.jpg" } << "pics/a.png"
        << "pics"
        << "jpeg" << true << "pics/a.jpg" << QStringList { "pics/a_backup_1.jpg<-pics/a.jpg" };
    QTest::newRow("overwrite, existing file in the chosen folder: backup it there")
        << QStringList { "pics/a.png", "out/a.pdf" } << "pics/a.png"
        << "out"
        << "pdf" << true << "out/a.pdf" << QStringList { "out/a_backup_1.pdf<-out/a.pdf" };
    QTest::newRow("overwrite, nothing to replace: no backup")
        << QStringList { "pics/a.png" } << "pics/a.png"
        << "out"
        << "png" << true << "out/a.png" << none;

    QTest::newRow("chosen folder does not exist: beside the input")
        << QStringList { "pics/a.png" } << "pics/a.png"
        << "missing"
        << "gif" << false << "pics/a.gif" << none;
    QTest::newRow("name up to the first dot: archive.tar.png gives archive.gif")
        << QStringList { "pics/archive.tar.png" } << "pics/archive.tar.png"
        << ""
        << "gif" << false << "pics/archive.gif" << none;
    QTest::newRow("free name keeps the output's suffix only")
        << QStringList { "pics/holiday.2019.png", "pics/holiday.jpg" } << "pics/holiday.2019.png"
        << ""
        << "jpeg" << false << "pics/holiday_1.jpg" << none;
    QTest::newRow("empty format: a lone dot") << QStringList { "pics/a.png" } << "pics/a.png"
                                              << ""
                                              << "" << false << "pics/a." << none;
}

static QStringList filesUnder(const QString &root)
{
    QStringList found;
    for (const QString &sub : { QStringLiteral("pics"), QStringLiteral("out") }) {
        const QDir dir(root + '/' + sub);
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
            found.append(sub + '/' + name);
    }
    found.sort();
    return found;
}

void tst_OutputNaming::outputFilePath()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, input);
    QFETCH(QString, dir);
    QFETCH(QString, format);
    QFETCH(bool, overwrite);
    QFETCH(QString, expected);
    QFETCH(QStringList, copies);

    QTemporaryDir temp;
    QVERIFY2(temp.isValid(), qPrintable(temp.errorString()));
    const QString root = QFileInfo(temp.path()).canonicalFilePath();
    QVERIFY(QDir(root).mkpath("pics"));
    QVERIFY(QDir(root).mkpath("out"));
    for (const QString &file : existing)
        QVERIFY(TestSupport::writeFile(root + '/' + file, file.toUtf8()));

    OutputNaming::Rule rule;
    rule.folder = dir.isEmpty() ? QString() : root + '/' + dir;
    rule.suffix = OutputNaming::suffixForFormat(format);
    rule.overwrite = overwrite;
    const QString result = OutputNaming::target(rule, root + '/' + input).path;
    QCOMPARE(result, root + '/' + expected);

    // Written as the worker writes it; only then is a replaced file kept as a backup.
    QStringList before = existing;
    before.sort();
    QCOMPARE(filesUnder(root), before);
    QString written;
    Reason error;
    const OutputNaming::Target target = OutputNaming::target(rule, root + '/' + input);
    QVERIFY2(OutputFile::write(target, "new", &written, &error), qPrintable(error.text));
    QCOMPARE(written, result);
    QCOMPARE(TestSupport::readFile(result), QByteArray("new"));

    QStringList expectedFiles = existing;
    if (!existing.contains(expected))
        expectedFiles.append(expected);
    for (const QString &copy : copies) {
        const QString backup = copy.section("<-", 0, 0);
        const QString original = copy.section("<-", 1, 1);
        expectedFiles.append(backup);
        QCOMPARE(TestSupport::readFile(root + '/' + backup), original.toUtf8());
    }
    expectedFiles.sort();
    QCOMPARE(filesUnder(root), expectedFiles);
    for (const QString &file : existing) {
        if (file != expected)
            QCOMPARE(TestSupport::readFile(root + '/' + file), file.toUtf8());
    }
}

// JPEG outputs beside their inputs.
static OutputNaming::Rule besideInputs(bool overwrite)
{
    OutputNaming::Rule rule;
    rule.suffix = ".jpg";
    rule.overwrite = overwrite;
    return rule;
}

void tst_OutputNaming::backupsAreNumberedFromTheOriginalName()
{
    QTemporaryDir temp;
    QVERIFY2(temp.isValid(), qPrintable(temp.errorString()));
    const QString a = temp.path() + "/a.jpg";
    QVERIFY(TestSupport::writeFile(a, "first"));
    for (int run = 1; run <= 3; ++run) {
        QString written;
        Reason error;
        QVERIFY2(OutputFile::write(OutputNaming::target(besideInputs(true), a),
                     QByteArray::number(run), &written, &error),
            qPrintable(error.text));
        QCOMPARE(written, a);
    }
    const QStringList names = QDir(temp.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(names, QStringList({ "a.jpg", "a_backup_1.jpg", "a_backup_2.jpg", "a_backup_3.jpg" }));
    QCOMPARE(TestSupport::readFile(temp.path() + "/a_backup_1.jpg"), QByteArray("first"));
    QCOMPARE(TestSupport::readFile(temp.path() + "/a_backup_3.jpg"), QByteArray("2"));
}

void tst_OutputNaming::freeNamesAreNumberedFromTheOriginalName()
{
    QTemporaryDir temp;
    QVERIFY2(temp.isValid(), qPrintable(temp.errorString()));
    const QString input = temp.path() + "/photo.png";
    QVERIFY(TestSupport::writeFile(input, "png"));
    QVERIFY(TestSupport::writeFile(temp.path() + "/photo.jpg", "jpg"));
    QStringList outputs;
    for (int run = 0; run < 3; ++run) {
        const QString out = OutputNaming::target(besideInputs(false), input).path;
        outputs.append(QFileInfo(out).fileName());
        QVERIFY(TestSupport::writeFile(out, "new"));
    }
    QCOMPARE(outputs, QStringList({ "photo_1.jpg", "photo_2.jpg", "photo_3.jpg" }));
}

void tst_OutputNaming::namePattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("input"); // in folder "pics", last changed on 2010-01-02
    QTest::addColumn<QString>("taken"); // the EXIF date, or empty
    QTest::addColumn<QStringList>("taken_names"); // names already there, in "out"
    // The output's file name in "out" (its free name when the plain one is taken), or
    // "refused: " and the start of the reason.
    QTest::addColumn<QString>("expected");

    const QStringList none;
    QTest::newRow("no pattern: up to the first dot") << ""
                                                     << "holiday.2024.05.01.jpg"
                                                     << "" << none << "holiday.png";
    QTest::newRow("{name}: all but the last extension") << "{name}"
                                                        << "holiday.2024.05.01.jpg"
                                                        << "" << none << "holiday.2024.05.01.png";
    QTest::newRow("{name} taken: the free name keeps the dots")
        << "{name}"
        << "holiday.2024.05.01.jpg"
        << "" << QStringList { "holiday.2024.05.01.png" } << "holiday.2024.05.01_1.png";
    QTest::newRow("position, padded; size; text around") << "img-{n:3}-{width}x{height}"
                                                         << "a.jpg"
                                                         << "" << none << "img-007-640x480.png";
    QTest::newRow("position unpadded, base, folder") << "{folder}_{base}_{n}"
                                                     << "a.b.jpg"
                                                     << "" << none << "pics_a_7.png";
    QTest::newRow("date taken") << "{date}"
                                << "a.jpg"
                                << "2021-03-04" << none << "2021-03-04.png";
    QTest::newRow("no date taken: the file's date") << "{date} {base}"
                                                    << "a.jpg"
                                                    << "" << none << "2010-01-02 a.png";
    QTest::newRow("a slash is refused") << "{base}/x"
                                        << "a.jpg"
                                        << "" << none << "refused: may not";
    QTest::newRow("a way up is refused") << "..{base}"
                                         << "a.jpg"
                                         << "" << none << "refused: may not";
    QTest::newRow("unknown field") << "{size}"
                                   << "a.jpg"
                                   << "" << none << "refused: has {size}";
    QTest::newRow("padding only for the position") << "{width:3}"
                                                   << "a.jpg"
                                                   << "" << none << "refused: has {width:3}";
    QTest::newRow("unclosed") << "{n"
                              << "a.jpg"
                              << "" << none << "refused: has a \"{\"";
    QTest::newRow("unopened") << "n}"
                              << "a.jpg"
                              << "" << none << "refused: has a \"}\"";
}

void tst_OutputNaming::namePattern()
{
    QFETCH(QString, pattern);
    QFETCH(QString, input);
    QFETCH(QString, taken);
    QFETCH(QStringList, taken_names);
    QFETCH(QString, expected);

    const QString problem = NamePattern::problem(pattern);
    if (expected.startsWith("refused: ")) {
        QVERIFY2(problem.startsWith(expected.mid(9)), qPrintable(problem));
        return;
    }
    QCOMPARE(problem, QString());
    QTemporaryDir temp;
    QVERIFY(QDir(temp.path()).mkpath("pics") && QDir(temp.path()).mkpath("out"));
    const QString path = temp.path() + "/pics/" + input;
    QVERIFY(TestSupport::writeFile(path, "x"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(
        QDateTime(QDate(2010, 1, 2), QTime(12, 0)), QFileDevice::FileModificationTime));
    for (const QString &name : taken_names)
        QVERIFY(TestSupport::writeFile(temp.path() + "/out/" + name, "old"));

    OutputNaming::Rule rule;
    rule.folder = temp.path() + "/out";
    rule.suffix = ".png";
    rule.pattern = pattern;
    NamePattern::Facts facts;
    facts.position = 7;
    facts.size = QSize(640, 480);
    facts.taken = QDate::fromString(taken, Qt::ISODate);
    const QString out
        = OutputNaming::target(rule, path, OutputNaming::isTaken, QString(), facts).path;
    QCOMPARE(QFileInfo(out).fileName(), expected);
    QCOMPARE(QFileInfo(out).absolutePath(), QFileInfo(rule.folder).absoluteFilePath());
}

QTEST_GUILESS_MAIN(tst_OutputNaming)
#include "tst_outputnaming.moc"
