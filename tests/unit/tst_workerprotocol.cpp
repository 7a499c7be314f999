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

QTEST_APPLESS_MAIN(tst_WorkerProtocol)
#include "tst_workerprotocol.moc"
