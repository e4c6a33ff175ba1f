#include <QCheckBox>
#include <QtTest>
#include <cstring>

#include "edid.h"
#include "establishedtimings.h"
#include "testsupport.h"

namespace {

const char *const kBoxes[17] = {
    "estabTimingI1",  "estabTimingI2",  "estabTimingI3",  "estabTimingI4",  "estabTimingI5",
    "estabTimingI6",  "estabTimingI7",  "estabTimingI8",  "estabTimingII1", "estabTimingII2",
    "estabTimingII3", "estabTimingII4", "estabTimingII5", "estabTimingII6", "estabTimingII7",
    "estabTimingII8", "manufTimingCB",
};

// Byte and bit of each box.
const int kByte[17] = {35, 35, 35, 35, 35, 35, 35, 35, 36, 36, 36, 36, 36, 36, 36, 36, 37};
const int kBit[17] = {7, 6, 5, 4, 3, 2, 1, 0, 7, 6, 5, 4, 3, 2, 1, 0, 7};

} // namespace

class TestEstablishedTimings : public QObject
{
    Q_OBJECT

private:
    EdidImages images;

    QCheckBox *box(EstablishedTimings &panel, int i)
    {
        return panel.findChild<QCheckBox *>(kBoxes[i]);
    }

    void open(EstablishedTimings &panel, unsigned char b35, unsigned char b36, unsigned char b37)
    {
        // A base block with the given bytes 35-37 and a right checksum.
        Image image = baseBlockImage(3);
        image[35] = b35;
        image[36] = b36;
        image[37] = b37;
        fixChecksum(image);
        images.set(image);
        panel.initFields(EDIDGetEstablishedTimings(images.working), images.reference, images.working);
    }

private slots:
    void loadShowsBits()
    {
        EstablishedTimings panel;
        open(panel, 0xA5, 0x00, 0x95);
        const QList<int> on = {0, 2, 5, 7, 16};
        for (int i = 0; i < 17; ++i)
            QCOMPARE(box(panel, i)->isChecked(), on.contains(i));
        QCOMPARE(images.workingBytes(), images.referenceBytes());
        const StringInfo rows = panel.getStringInfo();
        QCOMPARE(rows.size(), 20);
        QCOMPARE(rows[0], qMakePair(QString("Established Timings I"), QString("~")));
        QCOMPARE(rows[1], qMakePair(QString("720x400 @ 70 Hz [IBM, VGA]"), QString("YES")));
        QCOMPARE(rows[2], qMakePair(QString("720x400 @ 88 Hz [IBM, XGA2]"), QString("no")));
        QCOMPARE(rows[9], qMakePair(QString("Established Timings II"), QString("~")));
        QCOMPARE(rows[18], qMakePair(QString("Manufacturer Timing"), QString("~")));
        QCOMPARE(rows[19], qMakePair(QString("1152x870 @ 75 Hz [Apple, Mac II]"), QString("YES")));
        int yes = 0;
        for (const auto &row : rows)
            yes += row.second == "YES";
        QCOMPARE(yes, 5);
    }

    void eachBoxOwnsOneBit_data()
    {
        QTest::addColumn<int>("boxIndex");
        for (int i = 0; i < 17; ++i)
            QTest::newRow(kBoxes[i]) << i;
    }

    // Each box sets and clears exactly its bit; byte 37 bits 6-0 are kept.
    void eachBoxOwnsOneBit()
    {
        QFETCH(int, boxIndex);
        for (unsigned char low : {0x00, 0x15, 0x7F}) {
            EstablishedTimings panel;
            open(panel, 0x00, 0x00, low);
            box(panel, boxIndex)->click();
            unsigned char expected[3] = {0x00, 0x00, low};
            expected[kByte[boxIndex] - 35] |= static_cast<unsigned char>(1 << kBit[boxIndex]);
            QCOMPARE(images.workingBytes(35, 3).toHex(' '),
                     QByteArray(reinterpret_cast<const char *>(expected), 3).toHex(' '));
            QCOMPARE(blockSum(images.working), 0);
            box(panel, boxIndex)->click();
            QCOMPARE(images.workingBytes(), images.referenceBytes());
        }
    }

    void manufacturerUncheckKeepsLowBits()
    {
        EstablishedTimings panel;
        open(panel, 0xA5, 0x00, 0x95);
        const unsigned char checksum = images.working[127];
        box(panel, 16)->click();
        QCOMPARE(images.working[35], static_cast<unsigned char>(0xA5));
        QCOMPARE(images.working[36], static_cast<unsigned char>(0x00));
        QCOMPARE(images.working[37], static_cast<unsigned char>(0x15));
        QCOMPARE(images.working[127], static_cast<unsigned char>(checksum + 0x80));
    }

    // After a reset (a new image) the first click writes what the boxes show,
    // not what the last opened image held.
    void resetClearsHeldRecord()
    {
        EstablishedTimings panel;
        open(panel, 0xFF, 0xFF, 0xFF);
        panel.resetFields(images.reference, images.working);
        for (int i = 0; i < 17; ++i)
            QVERIFY(!box(panel, i)->isChecked());
        QCOMPARE(images.working[35], static_cast<unsigned char>(0xFF));   // reset writes nothing
        box(panel, 1)->click();
        QCOMPARE(images.working[35], static_cast<unsigned char>(0x40));
        QCOMPARE(images.working[36], static_cast<unsigned char>(0x00));
        QCOMPARE(images.working[37], static_cast<unsigned char>(0x7F));
        QCOMPARE(blockSum(images.working), 0);
    }

    void allClearDescription()
    {
        EstablishedTimings panel;
        open(panel, 0x00, 0x00, 0x00);
        const StringInfo rows = panel.getStringInfo();
        QCOMPARE(rows.size(), 20);
        int headings = 0, no = 0;
        for (const auto &row : rows) {
            headings += row.second == "~";
            no += row.second == "no";
        }
        QCOMPARE(headings, 3);
        QCOMPARE(no, 17);
    }
};

QTEST_MAIN(TestEstablishedTimings)
#include "tst_establishedtimings.moc"
