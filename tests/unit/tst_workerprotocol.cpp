#include <QDataStream>
#include <QtTest>

#include "workerprotocol.h"

// The program reads what a worker says as a hostile picture may have rewritten it: no frame,
// however it lies about its counts, may take the program down.
class tst_WorkerProtocol : public QObject
{
    Q_OBJECT

private slots:
    void outcomeThatLiesIsRefused_data();
    void outcomeThatLiesIsRefused();
    void factsThatLieAreRefused_data();
    void factsThatLieAreRefused();
};

void tst_WorkerProtocol::outcomeThatLiesIsRefused_data()
{
    QTest::addColumn<quint32>("warnings"); // the count the frame claims
    QTest::addColumn<quint32>("pictures");

    QTest::newRow("four billion warnings") << quint32(0xffffffff) << quint32(0);
    QTest::newRow("a hundred million warnings") << quint32(100000000) << quint32(0);
    QTest::newRow("four billion pictures") << quint32(0) << quint32(0xffffffff);
    QTest::newRow("two warnings, none sent") << quint32(2) << quint32(0);
}

void tst_WorkerProtocol::outcomeThatLiesIsRefused()
{
    QFETCH(quint32, warnings);
    QFETCH(quint32, pictures);
    QByteArray payload;
    {
        QDataStream stream(&payload, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_5_15);
        stream << true << qint32(0) << QString() << false << warnings << pictures;
    }
    WorkerProtocol::Outcome outcome;
    bool read = true;
    try {
        read = WorkerProtocol::decode(payload, &outcome);
    } catch (std::bad_alloc &) {
        QFAIL("the program ran out of memory on a count");
    }
    QVERIFY(!read);
}

void tst_WorkerProtocol::factsThatLieAreRefused_data()
{
    QTest::addColumn<bool>("read");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("a photo") << true << QSize(4000, 3000) << true;
    QTest::newRow("nothing read") << false << QSize() << true;
    QTest::newRow("no size") << true << QSize(0, 3000) << false;
    QTest::newRow("a negative side") << true << QSize(-4000, 3000) << false;
    QTest::newRow("a side of two billion") << true << QSize(2000000000, 1) << false;
    QTest::newRow("a size though nothing was read") << false << QSize(40, 30) << false;
}

void tst_WorkerProtocol::factsThatLieAreRefused()
{
    QFETCH(bool, read);
    QFETCH(QSize, size);
    QFETCH(bool, accepted);
    QByteArray payload;
    {
        QDataStream stream(&payload, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_5_15);
        // The reason: kind, text, whether quoted, source and its values.
        stream << read << size << QDate(2021, 3, 4) << qint32(0) << QString() << false << QString()
               << QStringList();
    }
    WorkerProtocol::FactsAnswer answer;
    QCOMPARE(WorkerProtocol::decode(payload, &answer), accepted);
}

QTEST_APPLESS_MAIN(tst_WorkerProtocol)
#include "tst_workerprotocol.moc"
