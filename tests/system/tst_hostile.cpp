// Files made to harm: documents under picture names that would run an interpreter, drawings
// that read other files, a file that crashes its decoder, bombs that promise gigabytes, and
// signals in the middle of a write. Each must fail alone, with its reason, reaching nothing
// but its own (absent) output, while the good file after it converts.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <zlib.h>

#include "testsupport.h"

extern char **environ;

namespace {

// Writes value into bytes at pos, least significant byte first when little.
void put(QByteArray &bytes, int pos, quint32 value, int size, bool little = true)
{
    for (int i = 0; i < size; ++i)
        bytes[pos + i] = char(value >> (8 * (little ? i : size - 1 - i)));
}

// The memory every run here may use, and what the programs themselves take beside it.
constexpr quint64 memoryLimitMiB = 512;
constexpr quint64 marginMiB = 160;

struct Run
{
    int exitCode = -1; // -1 when a signal ended it
    int signal = 0;
    QString errors; // what it wrote on stderr
    quint64 peakMiB = 0; // largest resident size of the program and its workers
};

// Runs a program with extra environment entries, waiting for it; rusage of a waited-for child
// covers every descendant it waited for in turn, the workers included.
Run run(const QStringList &arguments, const QStringList &environment, const QString &errorFile,
    const std::function<void(pid_t)> &whileRunning = nullptr)
{
    QList<QByteArray> args;
    for (const QString &argument : arguments)
        args.append(QFile::encodeName(argument));
    QVector<char *> argv;
    for (QByteArray &argument : args)
        argv.append(argument.data());
    argv.append(nullptr);
    QList<QByteArray> env;
    for (char **entry = environ; *entry; ++entry)
        env.append(*entry);
    for (const QString &entry : environment) {
        // An entry given replaces the inherited one: the first of two is the one read.
        const QByteArray name = entry.section('=', 0, 0).toLocal8Bit() + '=';
        env.erase(std::remove_if(env.begin(), env.end(),
                      [&name](const QByteArray &e) { return e.startsWith(name); }),
            env.end());
        env.append(entry.toLocal8Bit());
    }
    QVector<char *> envp;
    for (QByteArray &entry : env)
        envp.append(entry.data());
    envp.append(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray errors = QFile::encodeName(errorFile);
    posix_spawn_file_actions_addopen(
        &actions, 2, errors.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    Run result;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return result;
    if (whileRunning)
        whileRunning(pid);
    int status = 0;
    rusage usage {};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) { }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    result.peakMiB = quint64(usage.ru_maxrss) >> 10;
    result.errors = QString::fromUtf8(TestSupport::readFile(errorFile));
    return result;
}

// The worker processes a program has started, by their ids.
QList<pid_t> workersOf(pid_t program)
{
    QList<pid_t> found;
    for (const QString &entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t pid = pid_t(entry.toInt(&number));
        if (!number)
            continue;
        // "pid (comm) state ppid ...", where comm may hold spaces but not ") ".
        const QByteArray stat = TestSupport::readFile("/proc/" + entry + "/stat");
        const int close = stat.lastIndexOf(") ");
        if (close < 0 || !stat.contains("(tarvo-worker)"))
            continue;
        if (stat.mid(close + 2).split(' ').value(1).toInt() == program)
            found.append(pid);
    }
    return found;
}

// A grey PNG of width x height whose data really holds every row, as a decompression bomb
// does: kilobytes that decode to width * height bytes.
QByteArray bombPng(quint32 width, quint32 height)
{
    z_stream stream {};
    deflateInit(&stream, Z_BEST_SPEED);
    const QByteArray row(int(width) + 1, '\0'); // filter byte, then the samples
    QByteArray compressed;
    QByteArray chunk(1 << 16, '\0');
    for (quint32 y = 0; y <= height; ++y) {
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(row.constData()));
        stream.avail_in = y < height ? uInt(row.size()) : 0;
        const int flush = y < height ? Z_NO_FLUSH : Z_FINISH;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(chunk.data());
            stream.avail_out = uInt(chunk.size());
            deflate(&stream, flush);
            compressed.append(chunk.constData(), chunk.size() - int(stream.avail_out));
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    const auto chunkOf = [&png](const QByteArray &type, const QByteArray &data) {
        QByteArray length(4, '\0');
        put(length, 0, quint32(data.size()), 4, false);
        const QByteArray body = type + data;
        QByteArray crc(4, '\0');
        put(crc, 0,
            quint32(
                ::crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))),
            4, false);
        png += length + body + crc;
    };
    QByteArray header(13, '\0');
    put(header, 0, width, 4, false);
    put(header, 4, height, 4, false);
    header[8] = 8; // bits
    header[9] = 0; // grey
    chunkOf("IHDR", header);
    chunkOf("IDAT", compressed);
    chunkOf("IEND", QByteArray());
    return png;
}

// A ZIP archive of the given entries, stored or deflated, as Krita and OpenRaster write them.
QByteArray zipArchive(const QVector<QPair<QByteArray, QByteArray>> &entries)
{
    QByteArray archive;
    QByteArray directory;
    for (const auto &entry : entries) {
        const bool stored = entry.first == "mimetype";
        QByteArray data = entry.second;
        if (!stored) {
            data = qCompress(entry.second, 1).mid(6); // without Qt's length and zlib's header
            data.chop(4); // and without zlib's checksum: raw deflate
        }
        const quint32 crc = quint32(::crc32(0,
            reinterpret_cast<const Bytef *>(entry.second.constData()), uInt(entry.second.size())));
        QByteArray local(30, '\0');
        put(local, 0, 0x04034b50, 4);
        put(local, 4, 20, 2);
        put(local, 8, stored ? 0 : 8, 2);
        put(local, 14, crc, 4);
        put(local, 18, data.size(), 4);
        put(local, 22, entry.second.size(), 4);
        put(local, 26, entry.first.size(), 2);
        QByteArray central(46, '\0');
        put(central, 0, 0x02014b50, 4);
        put(central, 4, 20, 2);
        put(central, 6, 20, 2);
        put(central, 10, stored ? 0 : 8, 2);
        put(central, 16, crc, 4);
        put(central, 20, data.size(), 4);
        put(central, 24, entry.second.size(), 4);
        put(central, 28, entry.first.size(), 2);
        put(central, 42, archive.size(), 4);
        directory += central + entry.first;
        archive += local + entry.first + data;
    }
    QByteArray end(22, '\0');
    put(end, 0, 0x06054b50, 4);
    put(end, 8, entries.size(), 2);
    put(end, 10, entries.size(), 2);
    put(end, 12, directory.size(), 4);
    put(end, 16, archive.size(), 4);
    return archive + directory + end;
}

} // namespace

class tst_Hostile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void failsAloneReachingNothing_data();
    void failsAloneReachingNothing();
    void noProgramStartsAndNoOtherFileIsOpened();
    void sandboxRefuses_data();
    void sandboxRefuses();
    void signalEndsTheRunCleanly_data();
    void signalEndsTheRunCleanly();
    void leftTemporariesAreRemoved();
    void workersEndWithTheirProgram();

private:
    QString good();
    void makeBait();
    void checkBait();
    QStringList hostileSet();

    QScopedPointer<QTemporaryDir> dir;
};

void tst_Hostile::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
    QVERIFY(QDir(dir->path()).mkpath("out"));
    // The folder a decoder would make its temporary files in.
    QVERIFY(QDir(dir->path()).mkpath("tmp"));
    makeBait();
}

QString tst_Hostile::good()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(30, 140, 200));
    const QString path = dir->filePath("good.png");
    if (!image.save(path))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Files that a hostile input would like to read, write or delete.
void tst_Hostile::makeBait()
{
    QVERIFY(QDir(dir->path()).mkpath("bait"));
    QVERIFY(TestSupport::writeFile(dir->filePath("bait/secret.txt"), "the first line is secret\n"));
    QVERIFY(TestSupport::writeFile(dir->filePath("bait/victim.txt"), "delete me\n"));
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    QVERIFY(picture.save(dir->filePath("bait/private.png")));
}

void tst_Hostile::checkBait()
{
    QCOMPARE(QDir(dir->filePath("bait")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
        QStringList({ "private.png", "secret.txt", "victim.txt" }));
    QCOMPARE(TestSupport::readFile(dir->filePath("bait/secret.txt")),
        QByteArray("the first line is secret\n"));
    QCOMPARE(TestSupport::readFile(dir->filePath("bait/victim.txt")), QByteArray("delete me\n"));
    QCOMPARE(QDir(dir->filePath("tmp"))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList());
}

void tst_Hostile::failsAloneReachingNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("sparseSize"); // a file of zeros this long instead
    QTest::addColumn<QString>("reason");

    const QString postScript = "this is a PostScript document, not a picture";
    QTest::newRow("PostScript under a JPEG name that deletes, writes and reads other files")
        << "photo.jpg"
        << QByteArray("%!PS\n(BAIT/victim.txt) deletefile\n(BAIT/new.txt) (w) file pop\n"
                      "/Helvetica findfont 12 scalefont setfont 10 10 moveto\n"
                      "(BAIT/secret.txt) (r) file 100 string readline pop show showpage\n")
        << qint64(0) << postScript;
    QTest::newRow("PostScript declaring a 45000x45000 page")
        << "scan.png" << QByteArray("%!PS\n<< /PageSize [45000 45000] >> setpagedevice showpage\n")
        << qint64(0) << postScript;
    QTest::newRow("encapsulated PostScript with a binary header")
        << "figure.tif" << QByteArray("\xc5\xd0\xd3\xc6\x20\0\0\0", 8) + QByteArray(64, 'x')
        << qint64(0) << postScript;
    QTest::newRow("PDF under a PNG name")
        << "scan.png" << QByteArray("%PDF-1.4\n1 0 obj <<>> endobj\ntrailer <<>>\n%%EOF\n")
        << qint64(0) << "this is a PDF document, not a picture";
    QTest::newRow("SVG that shows another picture of the user's")
        << "logo.gif"
        << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                      "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"40\" height=\"40\">"
                      "<image width=\"20\" height=\"20\" xlink:href=\"BAIT/private.png\"/></svg>\n")
        << qint64(0) << "this is an SVG drawing, not a picture";
    QTest::newRow("SVG with text, which crashed the command line")
        << "icon.png"
        << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"90\" height=\"30\">"
                      "<text x=\"5\" y=\"20\">Hello</text></svg>\n")
        << qint64(0) << "this is an SVG drawing, not a picture";
    // A segmentation fault; in a build with the address sanitizer, the sanitizer's exit.
    QTest::newRow("Radiance HDR that crashes its decoder")
        << "sunset.jpg" << TestSupport::crashingHdr() << qint64(0)
        << "the file is probably damaged or hostile";
    QTest::newRow("Krita archive holding a 22000x22000 picture")
        << "sketch.kra"
        << zipArchive({ { "mimetype", "application/x-krita" },
               { "mergedimage.png", bombPng(22000, 22000) } })
        << qint64(0) << "22000x22000 pixels is more than this machine can convert";
    QTest::newRow("PNG header claiming 60000x60000")
        << "huge.png" << TestSupport::oversizedPng(60000, 60000) << qint64(0)
        << "60000x60000 pixels is more than this machine can convert";
    // Read whole before, to learn that it is no picture.
    QTest::newRow("1.5 GiB of zeros under a PNG name")
        << "zeros.png" << QByteArray() << (qint64(1536) << 20)
        << "the file is too large to be read (1536 MiB, more than the memory budget of 512 MiB)";
}

void tst_Hostile::failsAloneReachingNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(qint64, sparseSize);
    QFETCH(QString, reason);

    const QString input = dir->filePath(name);
    content.replace("BAIT", QFile::encodeName(dir->filePath("bait")));
    QVERIFY(TestSupport::writeFile(input, content));
    if (sparseSize > 0)
        QVERIFY(QFile::resize(input, sparseSize));
    const QString after = good();

    const Run result
        = run({ TARVO_CONVERT, "--jobs", "1", "--memory-limit", QString("%1M").arg(memoryLimitMiB),
                  "--format", "png", "--output", dir->filePath("out"), input, after },
            { "TMPDIR=" + dir->filePath("tmp") }, dir->filePath("errors.txt"));

    QVERIFY2(result.exitCode == 1, qPrintable(result.errors));
    // The file's line: its name, then its reason.
    const QString named = QDir::toNativeSeparators(input) + ": ";
    const QStringList lines = result.errors.split('\n').filter(
        QRegularExpression("^" + QRegularExpression::escape(named)));
    QVERIFY2(lines.size() == 1 && lines.first().contains(reason), qPrintable(result.errors));
    // The good file after it converts; nothing else is written.
    QCOMPARE(QDir(dir->filePath("out")).entryList(QDir::Files | QDir::Hidden),
        QStringList { "good.png" });
    checkBait();
    QVERIFY2(result.peakMiB <= memoryLimitMiB + marginMiB,
        qPrintable(QString("%1 MiB at the peak").arg(result.peakMiB)));
}

QStringList tst_Hostile::hostileSet()
{
    const QString baitFolder = dir->filePath("bait");
    const QVector<QPair<QString, QByteArray>> files = {
        { "photo.jpg",
            "%!PS\n(" + QFile::encodeName(baitFolder) + "/victim.txt) deletefile\n("
                + QFile::encodeName(baitFolder) + "/secret.txt) (r) file pop showpage\n" },
        { "scan.png", "%PDF-1.4\n%%EOF\n" },
        { "logo.gif",
            "<svg xmlns=\"http://www.w3.org/2000/svg\" "
            "xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
            "width=\"9\" height=\"9\"><image width=\"9\" height=\"9\" xlink:href=\""
                + QFile::encodeName(baitFolder) + "/private.png\"/></svg>\n" },
        { "sunset.jpg", TestSupport::crashingHdr() },
    };
    QStringList inputs;
    for (const auto &file : files) {
        if (!TestSupport::writeFile(dir->filePath(file.first), file.second))
            qFatal("cannot write %s", qPrintable(file.first));
        inputs.append(dir->filePath(file.first));
    }
    inputs.append(good());
    return inputs;
}

void tst_Hostile::noProgramStartsAndNoOtherFileIsOpened()
{
    const QString strace = QStandardPaths::findExecutable("strace");
    if (strace.isEmpty())
        QSKIP("strace is not installed");
    const QString log = dir->filePath("calls.txt");
    const Run result = run(QStringList { strace, "-f", "-qq", "-e",
                               "trace=execve,execveat,open,openat,openat2,unlink,unlinkat,rename,"
                               "renameat,renameat2,connect",
                               "-o", log, TARVO_CONVERT, "--jobs", "2", "--format", "png",
                               "--output", dir->filePath("out") }
            + hostileSet(),
        { "TMPDIR=" + dir->filePath("tmp") }, dir->filePath("errors.txt"));
    const QString calls = QString::fromUtf8(TestSupport::readFile(log));
    if (result.exitCode != 1 && result.errors.contains("strace: "))
        QSKIP(qPrintable("this machine does not let strace follow programs: " + result.errors));
    QVERIFY2(result.exitCode == 1, qPrintable(result.errors));
    QCOMPARE(QDir(dir->filePath("out")).entryList(QDir::Files), QStringList { "good.png" });
    checkBait();

    int workers = 0;
    for (const QString &line : calls.split('\n')) {
        if (line.contains("execve(") && !line.contains("= -1")) {
            // The program itself (it starts itself again for the allocator) and its workers.
            const bool ours = line.contains("execve(\"" TARVO_CONVERT "\"")
                || line.contains("execve(\"/proc/self/exe\"")
                || line.contains("execve(\"" TARVO_WORKER "\"");
            QVERIFY2(ours, qPrintable(line));
            workers += line.contains("tarvo-worker") ? 1 : 0;
        }
        QVERIFY2(!line.contains("/bait/"), qPrintable(line));
        QVERIFY2(!line.contains("connect("), qPrintable(line));
    }
    QVERIFY2(workers >= 1, "no worker was started");
}

void tst_Hostile::sandboxRefuses_data()
{
    QTest::addColumn<QString>("attempt");
    QTest::addColumn<int>("signal"); // 0: the probe exits 0, having been refused

    QTest::newRow("opening a file is refused") << "open" << 0;
    QTest::newRow("a network socket is refused") << "socket" << 0;
    QTest::newRow("starting a program ends the process") << "exec" << int(SIGSYS);
    QTest::newRow("making a process ends the process") << "fork" << int(SIGSYS);
    QTest::newRow("threads are the libraries' own and allowed") << "thread" << 0;
    QTest::newRow("a file in memory is allowed, for encoders that seek") << "memory-file" << 0;
}

void tst_Hostile::sandboxRefuses()
{
    QFETCH(QString, attempt);
    QFETCH(int, signal);
    const Run result = run({ TARVO_LOCKDOWN_PROBE, attempt }, {}, dir->filePath("errors.txt"));
    QCOMPARE(result.signal, signal);
    if (signal == 0)
        QCOMPARE(result.exitCode, 0);
}

void tst_Hostile::signalEndsTheRunCleanly_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("name");

    QTest::newRow("Ctrl-C") << int(SIGINT) << "SIGINT";
    QTest::newRow("a kill") << int(SIGTERM) << "SIGTERM";
    QTest::newRow("a closed terminal") << int(SIGHUP) << "SIGHUP";
}

void tst_Hostile::signalEndsTheRunCleanly()
{
    QFETCH(int, signal);
    QFETCH(QString, name);

    QStringList inputs;
    for (int i = 0; i < 4; ++i) {
        QImage image(200, 150, QImage::Format_RGB32);
        image.fill(QColor(20 * i, 90, 160));
        inputs.append(dir->filePath(QString("p%1.png").arg(i)));
        QVERIFY(image.save(inputs.last()));
    }
    // The writer is held inside its first fdatasync(), the temporary whole and not yet named.
    const QString mark = dir->filePath("syncing");
    QStringList environment = { "LD_PRELOAD=" TARVO_SLOWSYNC, "TARVO_TEST_SYNC_MARK=" + mark };
    // The sanitizers' runtime wants to come first; the preloaded library comes before it.
    environment.append(
        "ASAN_OPTIONS=" + qEnvironmentVariable("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    const Run result = run(QStringList { TARVO_CONVERT, "--jobs", "1", "--format", "jpeg",
                               "--output", dir->filePath("out") }
            + inputs,
        environment, dir->filePath("errors.txt"), [&](pid_t pid) {
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(mark), 30000);
            ::kill(pid, signal);
        });

    QCOMPARE(result.signal, 0);
    QCOMPARE(result.exitCode, 128 + signal);
    QVERIFY2(result.errors.contains("Stopped by " + name + ": "), qPrintable(result.errors));
    // Nothing half-made: no temporary file, only whole outputs (the one being written when the
    // signal came may be among them), and no file started after the signal.
    const QStringList written = QDir(dir->filePath("out")).entryList(QDir::Files | QDir::Hidden);
    QVERIFY2(
        written.isEmpty() || written == QStringList { "p0.jpg" }, qPrintable(written.join(' ')));
    for (const QString &output : written)
        QCOMPARE(QImage(dir->filePath("out/" + output)).size(), QSize(200, 150));
}

void tst_Hostile::leftTemporariesAreRemoved()
{
    // What writers killed earlier left, and what only looks like it.
    const QString out = dir->filePath("out");
    const auto make = [&](const QString &name, bool old) {
        const QString path = out + '/' + name;
        QVERIFY(TestSupport::writeFile(path, "half a picture"));
        if (old) {
            const utimbuf hourAgo { ::time(nullptr) - 3600, ::time(nullptr) - 3600 };
            QCOMPARE(::utime(QFile::encodeName(path).constData(), &hourAgo), 0);
        }
    };
    make(".tarvo-1a2b3c.tmp", true); // a killed writer's: removed
    make(".tarvo-4d5e6f.tmp", false); // written a moment ago: a live writer may still be at it
    make(".tarvo-7g8h9i.tmp", true); // held by a live writer below
    make(".tarvo-notes.txt", true); // not our name
    make("photo.tmp", true);
    QVERIFY(QFile::link(dir->filePath("bait/secret.txt"), out + "/.tarvo-0link.tmp"));
    const int held = ::open(QFile::encodeName(out + "/.tarvo-7g8h9i.tmp").constData(), O_RDONLY);
    QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);

    const Run result = run({ TARVO_CONVERT, "--format", "jpeg", "--output", out, good() }, {},
        dir->filePath("errors.txt"));
    ::close(held);
    QVERIFY2(result.exitCode == 0, qPrintable(result.errors));
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
        QStringList({ ".tarvo-0link.tmp", ".tarvo-4d5e6f.tmp", ".tarvo-7g8h9i.tmp",
            ".tarvo-notes.txt", "good.jpg", "photo.tmp" }));
    checkBait();
}

void tst_Hostile::workersEndWithTheirProgram()
{
    // A picture whose PNG takes the worker seconds to compress; the program is killed with -9
    // meanwhile, which gives it no chance to end its workers: they must end on their own.
    QImage noise(3000, 2000, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x)
            line[x] = quint32(x * 2654435761u ^ y * 40503u);
    }
    const QString slow = dir->filePath("noise.bmp");
    QVERIFY(noise.save(slow));
    QList<pid_t> workers;
    QString limits;
    const Run result = run({ TARVO_CONVERT, "--jobs", "1", "--format", "png", "--png-level", "9",
                               "--output", dir->filePath("out"), slow },
        {}, dir->filePath("errors.txt"), [&](pid_t program) {
            QTRY_VERIFY_WITH_TIMEOUT(!workersOf(program).isEmpty(), 30000);
            workers = workersOf(program);
            // Shut in once its libraries are loaded, which ends with no core file allowed.
            const QString file = QString("/proc/%1/limits").arg(workers.first());
            QTRY_VERIFY_WITH_TIMEOUT((limits = QString::fromUtf8(TestSupport::readFile(file)))
                                         .contains(QRegularExpression("Max core file size +0 +0 ")),
                30000);
            ::kill(program, SIGKILL);
        });
    QCOMPARE(result.signal, int(SIGKILL));
    QVERIFY(!workers.isEmpty());
    for (pid_t worker : qAsConst(workers))
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(QString("/proc/%1").arg(worker)), 10000);
    // And while it lived, its processor time was limited and no core file allowed.
    const auto limit = [&limits](const char *name) {
        return limits.split('\n')
            .filter(QRegularExpression(QString("^") + name))
            .value(0)
            .simplified();
    };
    QVERIFY2(
        !limit("Max cpu time").isEmpty() && !limit("Max cpu time").contains("unlimited unlimited"),
        qPrintable(limits));
    QVERIFY2(limit("Max core file size").startsWith("Max core file size 0 0"), qPrintable(limits));
}

QTEST_GUILESS_MAIN(tst_Hostile)
#include "tst_hostile.moc"
