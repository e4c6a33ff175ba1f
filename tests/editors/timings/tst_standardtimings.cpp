#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>
#include <cstring>

#include "edid.h"
#include "standardtimings.h"
#include "testsupport.h"

class TestStandardTimings : public QObject
{
    Q_OBJECT

private:
    EdidImages images;

    void enter(StandardTimingItem *item, const char *name, const QString &text)
    {
        QLineEdit *edit = item->findChild<QLineEdit *>(name);
        QVERIFY(edit);
        finishEdit(edit, text);
    }

    QByteArray pair(int k) const
    {
        return images.workingBytes(36 + 2 * k, 2);
    }

private slots:
    void init()
    {
        images.set(QByteArray());
    }

    void pairs_data()
    {
        QTest::addColumn<QString>("hActive");
        QTest::addColumn<QString>("refresh");
        QTest::addColumn<int>("aspectIndex");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("1920 16:9 60") << "1920" << "60" << 3 << QByteArray::fromHex("d1c0");
        QTest::newRow("1280 5:4 60") << "1280" << "60" << 2 << QByteArray::fromHex("8180");
        QTest::newRow("1024 4:3 75") << "1024" << "75" << 1 << QByteArray::fromHex("614f");
        QTest::newRow("1680 16:10 60") << "1680" << "60" << 0 << QByteArray::fromHex("b300");
        QTest::newRow("2288 123") << "2288" << "123" << 0 << QByteArray::fromHex("ff3f");
        QTest::newRow("256 60") << "256" << "60" << 0 << QByteArray::fromHex("0100");
    }

    void pairs()
    {
        QFETCH(QString, hActive);
        QFETCH(QString, refresh);
        QFETCH(int, aspectIndex);
        QFETCH(QByteArray, bytes);

        StandardTimings panel;
        panel.resetFields(images.reference, images.working);
        for (int k = 1; k <= 8; ++k) {
            StandardTimingItem *item = panel.item(k);
            item->findChild<QCheckBox *>("enableCB")->click();
            enter(item, "hActiveField", hActive);
            enter(item, "refreshField", refresh);
            pick(item->findChild<QComboBox *>("aspectRatioMulti"), aspectIndex);
            QCOMPARE(pair(k).toHex(' '), bytes.toHex(' '));
            QCOMPARE(blockSum(images.working), 0);
        }
        // Unchecking writes the unused pair.
        panel.item(4)->findChild<QCheckBox *>("enableCB")->click();
        QCOMPARE(pair(4).toHex(' '), QByteArray("01 01"));
        QCOMPARE(pair(3).toHex(' '), bytes.toHex(' '));
        QCOMPARE(blockSum(images.working), 0);
        const StringInfo rows = panel.item(4)->getStringInfo();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0], qMakePair(QString("H. Active Pixels"), QString("256")));
        QCOMPARE(rows[1], qMakePair(QString("Refresh Rate"), QString("60")));
        QCOMPARE(rows[2], qMakePair(QString("Aspect Ratio"), QString("16:10")));
    }

    void refused_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        const QString hMessage =
            "Horizontal Active Pixels must be in range of 256 to 2288 in increments of 8 pixels";
        const QString rMessage = "Refresh Rate must be in range of 60 to 123 Hz";
        QTest::newRow("h 260") << "hActiveField" << "260" << hMessage << "256";
        QTest::newRow("h 2296") << "hActiveField" << "2296" << hMessage << "256";
        QTest::newRow("h 0") << "hActiveField" << "0" << hMessage << "256";
        QTest::newRow("h empty") << "hActiveField" << "" << hMessage << "256";
        QTest::newRow("h 2280") << "hActiveField" << "2280" << "" << "2280";
        QTest::newRow("r 59") << "refreshField" << "59" << rMessage << "60";
        QTest::newRow("r 124") << "refreshField" << "124" << rMessage << "60";
        QTest::newRow("r empty") << "refreshField" << "" << rMessage << "60";
        QTest::newRow("r 123") << "refreshField" << "123" << "" << "123";
    }

    void refused()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, shown);

        ModalCloser closer;
        StandardTimings panel;
        panel.resetFields(images.reference, images.working);
        StandardTimingItem *item = panel.item(2);
        item->findChild<QCheckBox *>("enableCB")->click();
        enter(item, qPrintable(field), text);
        if (message.isEmpty()) {
            QVERIFY(closer.texts.isEmpty());
        } else {
            QCOMPARE(closer.titles, QStringList{"Format Error"});
            QCOMPARE(closer.texts, QStringList{message});
        }
        QCOMPARE(item->findChild<QLineEdit *>(qPrintable(field))->text(), shown);
        // What is shown is what is written.
        const _EDID_STANDARD_TIMINGS_ITEM back = EDIDGetStandardTimingItem(images.working[40], images.working[41]);
        if (field == "hActiveField")
            QCOMPARE(int(back.hActive), shown.toInt());
        else
            QCOMPARE(int(back.refresh), shown.toInt());
    }

    void newImageIsAllUnused()
    {
        std::memset(images.working, 0xAA, 256);
        StandardTimings panel;
        panel.resetFields(images.reference, images.working);
        QCOMPARE(images.working[38], static_cast<unsigned char>(0xAA));   // reset writes nothing
        panel.updateStandardTimings();
        for (int k = 1; k <= 8; ++k)
            QCOMPARE(pair(k).toHex(' '), QByteArray("01 01"));
        QCOMPARE(blockSum(images.working), 0);
    }

    void realImagesRoundTrip_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &name : sampleNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    // Loading and writing back every item leaves bytes 38-53 as they were,
    // except a pair that the core reads as unused, which is written 01 01.
    void realImagesRoundTrip()
    {
        QFETCH(QString, file);
        const QByteArray image = sampleImage(file);
        images.set(image);
        _EDID_MANDATORY_INFO info;
        if (!EDIDGetMandatoryInfo(images.working, &info))
            QSKIP("not a valid base block");
        StandardTimings panel;
        panel.initFields(info.standard, images.reference, images.working);
        QCOMPARE(images.workingBytes(), image);
        panel.updateStandardTimings();
        for (int k = 1; k <= 8; ++k) {
            QByteArray expected = image.mid(36 + 2 * k, 2);
            if (!info.standard[k - 1].enabled)
                expected = QByteArray::fromHex("0101");
            QCOMPARE(pair(k).toHex(' '), expected.toHex(' '));
        }
        QCOMPARE(blockSum(images.working), 0);
    }

    // 00 00 decodes to 248 pixels, below the typed range: finishing the
    // fields without typing neither warns nor rewrites the pair.
    void untouchedFieldsKeepLoadedPair()
    {
        QByteArray image = sampleImage("analog-1.3");
        image[40] = 0;
        image[41] = 0;
        fixChecksum(image, 0);
        images.set(image);
        _EDID_MANDATORY_INFO info;
        QVERIFY(EDIDGetMandatoryInfo(images.working, &info));
        StandardTimings panel;
        panel.initFields(info.standard, images.reference, images.working);
        StandardTimingItem *item = panel.item(2);
        QCOMPARE(item->findChild<QLineEdit *>("hActiveField")->text(), QString("248"));
        ModalCloser closer;
        for (const char *name : {"hActiveField", "refreshField"})
            emit item->findChild<QLineEdit *>(name)->editingFinished();
        QVERIFY(closer.titles.isEmpty());
        QCOMPARE(images.workingBytes(), image);
    }

    void unusedItemShowsDefaults()
    {
        unsigned char image[256] = {};
        image[38] = 0x01;
        image[39] = 0x01;
        image[40] = 0xD1;
        image[41] = 0xC0;
        _EDID_STANDARD_TIMINGS_ITEM items[8];
        for (int k = 0; k < 8; ++k)
            items[k] = EDIDGetStandardTimingItem(image[38 + 2 * k], image[39 + 2 * k]);
        StandardTimings panel;
        panel.initFields(items, images.reference, images.working);
        StandardTimingItem *unused = panel.item(1);
        QVERIFY(!unused->findChild<QCheckBox *>("enableCB")->isChecked());
        QVERIFY(!unused->findChild<QLineEdit *>("hActiveField")->isEnabled());
        QCOMPARE(unused->findChild<QLineEdit *>("hActiveField")->text(), QString("256"));
        QCOMPARE(unused->findChild<QComboBox *>("aspectRatioMulti")->currentText(), QString("16:10"));
        StandardTimingItem *used = panel.item(2);
        QVERIFY(used->findChild<QCheckBox *>("enableCB")->isChecked());
        QCOMPARE(used->findChild<QLineEdit *>("hActiveField")->text(), QString("1920"));
        QCOMPARE(used->findChild<QComboBox *>("aspectRatioMulti")->currentText(), QString("16:9"));
        QCOMPARE(used->findChild<QCheckBox *>("enableCB")->text(), QString("Timing 2"));
        // Checking the unused item writes its defaults: 256 pixels, 60 Hz, 16:10.
        unused->findChild<QCheckBox *>("enableCB")->click();
        QCOMPARE(pair(1).toHex(' '), QByteArray("01 00"));
    }
};

QTEST_MAIN(TestStandardTimings)
#include "tst_standardtimings.moc"
