#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The desktop entry's launcher, run with a stand-in for the window first on PATH: the stand-in
// reports the folder it was started in, the folder the window is to offer, and the arguments it
// got.
class tst_Launcher : public QObject
{
    Q_OBJECT

private slots:
    void startsInOneFolderWithTheSameFiles_data();
    void startsInOneFolderWithTheSameFiles();
};

void tst_Launcher::startsInOneFolderWithTheSameFiles_data()
{
    // In every column, %1 stands for the test's temporary folder. The launcher is started in
    // %1/start with HOME=%1/home; an empty configHome leaves XDG_CONFIG_HOME unset.
    QTest::addColumn<QString>("configHome");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expectedFolder");
    QTest::addColumn<QStringList>("expectedArguments");

    QTest::newRow("no files: the folder under ~/.config is made")
        << QString() << QStringList() << "%1/home/.config/tarvo" << QStringList();
    QTest::newRow("relative names with spaces name the same files after the folder changes")
        << QString() << QStringList { "a b.png", "sub dir/c.jpg", "../up.tif" }
        << "%1/home/.config/tarvo"
        << QStringList { "%1/start/a b.png", "%1/start/sub dir/c.jpg", "%1/start/../up.tif" };
    QTest::newRow("absolute names pass unchanged, in order")
        << QString() << QStringList { "%1/x y.png", "rel.png", "/z.gif" } << "%1/home/.config/tarvo"
        << QStringList { "%1/x y.png", "%1/start/rel.png", "/z.gif" };
    QTest::newRow("XDG_CONFIG_HOME is honoured")
        << "%1/config home" << QStringList { "a.png" } << "%1/config home/tarvo"
        << QStringList { "%1/start/a.png" };
    QTest::newRow("a relative XDG_CONFIG_HOME is ignored, as the base directory rules say")
        << "cfg" << QStringList() << "%1/home/.config/tarvo" << QStringList();
}

void tst_Launcher::startsInOneFolderWithTheSameFiles()
{
    QFETCH(QString, configHome);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expectedFolder);
    QFETCH(QStringList, expectedArguments);

    // A space in the temporary folder's name too: every path the launcher builds has one.
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tst launcher-XXXXXX"));
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString root = dir.path();
    const auto atRoot
        = [&root](QStringList list) { return list.replaceInStrings(QStringLiteral("%1"), root); };
    QVERIFY(QDir(root).mkpath(QStringLiteral("start")));
    QVERIFY(QDir(root).mkpath(QStringLiteral("bin")));
    QFile stub(root + QStringLiteral("/bin/tarvo"));
    QVERIFY(stub.open(QIODevice::WriteOnly));
    stub.write("#!/bin/sh\npwd\nprintf '%s\\n' \"$TARVO_DEFAULT_FOLDER\"\n"
               "for a do printf '%s\\n' \"$a\"; done\n");
    stub.close();
    QVERIFY(stub.setPermissions(stub.permissions() | QFile::ExeOwner));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), root + QStringLiteral("/home"));
    env.insert(QStringLiteral("PATH"), root + QStringLiteral("/bin:") + env.value("PATH"));
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    if (!configHome.isEmpty())
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
            QString(configHome).replace(QStringLiteral("%1"), root));
    QProcess launcher;
    launcher.setProcessEnvironment(env);
    launcher.setWorkingDirectory(root + QStringLiteral("/start"));
    launcher.start(QStringLiteral(TARVO_LAUNCHER), atRoot(arguments));
    QVERIFY(launcher.waitForFinished(30000));
    QCOMPARE(launcher.readAllStandardError(), QByteArray());
    QCOMPARE(launcher.exitStatus(), QProcess::NormalExit);
    QCOMPARE(launcher.exitCode(), 0);

    QStringList seen = QString::fromLocal8Bit(launcher.readAllStandardOutput()).split('\n');
    QCOMPARE(seen.takeLast(), QString()); // the last line's end
    QVERIFY2(!seen.isEmpty(), "the stand-in for the window never ran");
    QCOMPARE(seen.takeFirst(), atRoot({ expectedFolder }).first());
    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen.takeFirst(), root + QStringLiteral("/home")); // the folder the window offers
    QCOMPARE(seen, atRoot(expectedArguments));
}

QTEST_GUILESS_MAIN(tst_Launcher)
#include "tst_launcher.moc"
