#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QtTest>

#include "httpfixture.h"
#include "updatecheck.h"

using UpdateCheck::Answer;

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void readDocument_data();
    void readDocument();
    void decide_data();
    void decide();
    void announcementEscapes_data();
    void announcementEscapes();
    void fetchesFromServer();
    void failedFetchReadsNothing_data();
    void failedFetchReadsNothing();
};

void TestUpdateCheck::readDocument_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("url");
    QTest::newRow("all four") << HttpFixture::document("1001", "02.00.14") << "1001"
                              << "02.00.14" << "http://www.quorbel.com/duzo";
    QTest::newRow("any order")
        << QByteArray("<P><Url>u</Url><Version>03.00.00</Version><Id>1001</Id></P>") << "1001"
        << "03.00.00" << "u";
    QTest::newRow("no version") << QByteArray("<P><Id>1001</Id></P>") << "1001" << "02.00.13"
                                << "";
    QTest::newRow("not xml") << QByteArray("hello, world") << "" << "02.00.13" << "";
    QTest::newRow("empty") << QByteArray() << "" << "02.00.13" << "";
    QTest::newRow("later wins")
        << QByteArray("<P><Id>1002</Id><Id>1001</Id></P>") << "1001" << "02.00.13" << "";
}

void TestUpdateCheck::readDocument()
{
    QFETCH(QByteArray, body);
    const UpdateCheck::Document doc = UpdateCheck::read(body);
    QTEST(doc.id, "id");
    QTEST(doc.version, "version");
    QTEST(doc.url, "url");
}

void TestUpdateCheck::decide_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("last");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("store");
    QTest::newRow("same, start-up") << "02.00.13" << "" << false << int(Answer::Nothing) << false;
    QTest::newRow("older, start-up") << "02.00.12" << "" << false << int(Answer::Nothing) << false;
    QTest::newRow("same, asked") << "02.00.13" << "" << true << int(Answer::UpToDate) << false;
    QTest::newRow("newer, first seen") << "02.00.14" << "" << false << int(Answer::Announce) << true;
    QTest::newRow("newer, seen before") << "02.00.14" << "02.00.14" << false << int(Answer::Nothing)
                                       << true;
    QTest::newRow("newer, seen, asked") << "02.00.14" << "02.00.14" << true << int(Answer::Announce)
                                       << true;
    QTest::newRow("character order") << "02.00.9" << "" << false << int(Answer::Announce) << true;
    QTest::newRow("stored is higher") << "02.00.14" << "02.01.00" << false << int(Answer::Nothing)
                                     << true;
}

void TestUpdateCheck::decide()
{
    QFETCH(QString, version);
    QFETCH(QString, last);
    QFETCH(bool, manual);
    QFETCH(int, answer);
    QFETCH(bool, store);
    bool stored = !store;
    QCOMPARE(int(UpdateCheck::decide(version, last, manual, &stored)), answer);
    QCOMPARE(stored, store);
}

void TestUpdateCheck::announcementEscapes_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain")
        << "02.00.14" << "http://www.quorbel.com/duzo"
        << "QB DUZO Vozevu v02.00.14 is available on Quorbel website. Please click "
           "<a href='http://www.quorbel.com/duzo'>here</a> for more information.";
    QTest::newRow("markup in version")
        << "<b>9</b>" << "https://q.example/x"
        << "QB DUZO Vozevu v&lt;b&gt;9&lt;/b&gt; is available on Quorbel website. Please click "
           "<a href='https://q.example/x'>here</a> for more information.";
    QTest::newRow("quote in address")
        << "03" << "http://q.example/a'b&c"
        << "QB DUZO Vozevu v03 is available on Quorbel website. Please click "
           "<a href='http://q.example/a&#39;b&amp;c'>here</a> for more information.";
    QTest::newRow("markup in address")
        << "03" << "http://q.example/'><script>" << "QB DUZO Vozevu v03 is available on Quorbel website.";
    QTest::newRow("not a web address")
        << "03" << "javascript:alert(1)" << "QB DUZO Vozevu v03 is available on Quorbel website.";
    QTest::newRow("file address")
        << "03" << "file:///etc/passwd" << "QB DUZO Vozevu v03 is available on Quorbel website.";
}

void TestUpdateCheck::announcementEscapes()
{
    QFETCH(QString, version);
    QFETCH(QString, url);
    QTEST(UpdateCheck::announcementText(version, url), "text");
}

void TestUpdateCheck::fetchesFromServer()
{
    HttpFixture server;
    server.body = HttpFixture::document("1001", "02.00.14");
    qputenv("VOZEVU_UPDATE_SERVER", server.address().toUtf8());
    QCOMPARE(UpdateCheck::documentUrl().path(), QStringLiteral("/~ftp-xml/product_update_1001.xml"));

    QNetworkAccessManager manager;
    QNetworkReply *reply = UpdateCheck::request(&manager);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    QVERIFY(finished.wait(5000));
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    QCOMPARE(server.lastPath, QByteArray("/~ftp-xml/product_update_1001.xml"));
    UpdateCheck::Document doc;
    QVERIFY(UpdateCheck::readReply(reply, &doc));
    QCOMPARE(doc.id, QStringLiteral("1001"));
    QCOMPARE(doc.version, QStringLiteral("02.00.14"));
    reply->deleteLater();
}

void TestUpdateCheck::failedFetchReadsNothing_data()
{
    // The body the server sends; an empty one stands for a closed port.
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("huge document is aborted") << QByteArray(UpdateCheck::maxDocumentSize * 4, 'x');
    QTest::newRow("refused connection") << QByteArray();
}

void TestUpdateCheck::failedFetchReadsNothing()
{
    QFETCH(QByteArray, body);
    HttpFixture server;
    server.body = body;
    const QByteArray address = body.isEmpty()
        ? "http://127.0.0.1:" + QByteArray::number(HttpFixture::closedPort())
        : server.address().toUtf8();
    qputenv("VOZEVU_UPDATE_SERVER", address);
    QNetworkAccessManager manager;
    QNetworkReply *reply = UpdateCheck::request(&manager);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    QVERIFY(finished.wait(5000));
    UpdateCheck::Document doc;
    QVERIFY(!UpdateCheck::readReply(reply, &doc));
    QVERIFY(doc.id.isEmpty());
    reply->deleteLater();
}

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
