#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <cstring>

#include "detailedtimings.h"
#include "edid.h"
#include "testsupport.h"

namespace {

_CEA_DETAILED_TIMINGS rawTiming(const unsigned char *d)
{
    _CEA_DETAILED_TIMINGS raw;
    std::memcpy(raw.bytes, d, 18);
    return raw;
}

const char *const kIntegerSlots[] = {
    "on_hActiveField_editingFinished", "on_vActiveField_editingFinished",
    "on_hBlankField_editingFinished",  "on_vBlankField_editingFinished",
    "on_hFrontField_editingFinished",  "on_vFrontField_editingFinished",
    "on_hSyncField_editingFinished",   "on_vSyncField_editingFinished",
    "on_hImSizeField_editingFinished", "on_vImSizeField_editingFinished",
    "on_hBorderField_editingFinished", "on_vBorderField_editingFinished",
};

// A 1920x1080 timing at 148.50 MHz, digital separate sync, both polarities positive.
const unsigned char k1080p[18] = {0x02, 0x3A, 0x80, 0x18, 0x71, 0x38, 0x2D, 0x40, 0x58,
                                  0x2C, 0x45, 0x00, 0x40, 0x84, 0x63, 0x00, 0x00, 0x1E};

} // namespace

class TestDetailedTimings : public QObject
{
    Q_OBJECT

private:
    EdidImages images;

    QLineEdit *field(DetailedTimings &editor, const char *name)
    {
        return editor.findChild<QLineEdit *>(name);
    }

    // Finishes an edit of `name` with `text`, the way the line edit reports it.
    void enter(DetailedTimings &editor, const char *name, const QString &text)
    {
        QLineEdit *edit = field(editor, name);
        QVERIFY(edit);
        finishEdit(edit, text);
    }

    // Every field committed as shown: what a user does by tabbing through.
    void commitAllAsShown(DetailedTimings &editor)
    {
        QMetaObject::invokeMethod(&editor, "on_pixelClockField_editingFinished");
        for (const char *slot : kIntegerSlots)
            QMetaObject::invokeMethod(&editor, slot);
    }

private slots:
    void init()
    {
        images.set(QByteArray());
    }

    void realTimingsRoundTrip_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("slot");   // descriptor slot, or -1 for an extension timing

        for (const QString &name : sampleNames()) {
            const QByteArray image = sampleImage(name);
            const auto *d = reinterpret_cast<const unsigned char *>(image.constData());
            for (int slot = 0; slot < 4; ++slot) {
                const int offset = 54 + 18 * slot;
                if (d[offset] != 0 || d[offset + 1] != 0)
                    QTest::addRow("%s slot %d", qPrintable(name), slot) << name << offset << slot;
            }
            // Detailed timings of a CEA-861 extension.
            if (d[126] != 0 && d[128] == 0x02 && d[130] >= 4) {
                for (int offset = 128 + d[130]; offset + 18 <= 255; offset += 18) {
                    if (d[offset] == 0 && d[offset + 1] == 0)
                        break;
                    QTest::addRow("%s ext @%d", qPrintable(name), offset) << name << offset << -1;
                }
            }
        }
    }

    // Real timings: all 18 bytes survive loading and committing every field
    // unchanged, in both modes.
    void realTimingsRoundTrip()
    {
        QFETCH(QString, file);
        QFETCH(int, offset);
        QFETCH(int, slot);
        const QByteArray image = sampleImage(file);
        const auto *d = reinterpret_cast<const unsigned char *>(image.constData());
        const QByteArray original = image.mid(offset, 18);

        // Extension mode, from raw bytes.
        {
            images.set(image);
            DetailedTimings editor;
            QSignalSpy changed(&editor, &DetailedTimings::valueChanged);
            editor.resetFields(images.reference, images.working, 0, true);
            editor.initFields(rawTiming(d + offset), images.reference, images.working, 0, true);
            QCOMPARE(changed.count(), 1);
            QCOMPARE(editor.getEdidData().toHex(' '), original.toHex(' '));
            commitAllAsShown(editor);
            QCOMPARE(editor.getEdidData().toHex(' '), original.toHex(' '));
            QCOMPARE(changed.count(), 14);
            QCOMPARE(images.workingBytes(), image);
            QCOMPARE(images.referenceBytes(), image);
        }

        // Base-block mode, from the decoded record, written through the core.
        if (slot >= 0) {
            images.set(image);
            DetailedTimings editor;
            QSignalSpy changed(&editor, &DetailedTimings::valueChanged);
            editor.resetFields(images.reference, images.working, slot, false);
            editor.initFields(EDIDGetDetailedTiming(images.working, slot), images.reference, images.working, slot, false);
            QCOMPARE(images.workingBytes(), image);
            QCOMPARE(editor.getEdidData().toHex(' '), original.toHex(' '));
            commitAllAsShown(editor);
            QCOMPARE(images.workingBytes(offset, 18).toHex(' '), original.toHex(' '));
            // The rest of the image, checksum included, is untouched when
            // the checksum was right to begin with.
            if (blockSum(image, 0) == 0)
                QCOMPARE(images.workingBytes(), image);
            QCOMPARE(changed.count(), 0);
        }
    }

    // Every pixel clock survives being shown and committed unchanged: the
    // typed value goes to the nearest 10 kHz (1.13 MHz stays 113).
    void everyPixelClockKeepsItsBytes()
    {
        DetailedTimings editor;
        editor.resetFields(images.reference, images.working, 0, true);
        unsigned char d[18] = {};
        int failures = 0;
        for (int clock = 1; clock <= 65535; ++clock) {
            d[0] = static_cast<unsigned char>(clock & 0xFF);
            d[1] = static_cast<unsigned char>(clock >> 8);
            editor.initFields(rawTiming(d), images.reference, images.working, 0, true);
            QMetaObject::invokeMethod(&editor, "on_pixelClockField_editingFinished");
            const QByteArray out = editor.getEdidData();
            const int back = static_cast<unsigned char>(out[0]) | (static_cast<unsigned char>(out[1]) << 8);
            if (back != clock && ++failures < 5)
                qWarning("clock %d came back as %d", clock, back);
        }
        QCOMPARE(failures, 0);
        QCOMPARE(field(editor, "pixelClockField")->text(), QString("655.35"));
    }

    void pixelClockEntry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("max") << "655.35" << false << 65535 << "655.35";
        QTest::newRow("min") << "0.01" << false << 1 << "0.01";
        QTest::newRow("1.13") << "1.13" << false << 113 << "1.13";
        QTest::newRow("148.5") << "148.5" << false << 14850 << "148.5";
        QTest::newRow("above") << "655.36" << true << 100 << "1.00";
        QTest::newRow("zero") << "0" << true << 100 << "1.00";
        QTest::newRow("below") << "0.001" << true << 100 << "1.00";
        QTest::newRow("empty") << "" << true << 100 << "1.00";
        QTest::newRow("two points") << "1.2.3" << true << 100 << "1.00";
    }

    void pixelClockEntry()
    {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QFETCH(int, stored);
        QFETCH(QString, shown);

        ModalCloser closer;
        DetailedTimings editor;
        editor.resetFields(images.reference, images.working, 1, false);
        enter(editor, "pixelClockField", text);

        if (refused) {
            QCOMPARE(closer.titles, QStringList{"Format Error"});
            QCOMPARE(closer.texts,
                     QStringList{"Pixel Clock Value must be in range of 0.01 to 655.35 MHz"});
        } else {
            QVERIFY(closer.titles.isEmpty());
        }
        QCOMPARE(field(editor, "pixelClockField")->text(), shown);
        // Written into slot 1 (bytes 72-89), little-endian.
        QCOMPARE(images.working[72] | (images.working[73] << 8), stored);
    }

    void integerEntry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("v front 64") << "vFrontField" << "64"
                                    << "Vertical Front Porch must be in range of 0 to 63" << "0";
        QTest::newRow("h front 1024") << "hFrontField" << "1024"
                                      << "Horizontal Front Porch must be in range of 0 to 1023" << "0";
        QTest::newRow("h active empty") << "hActiveField" << ""
                                        << "Horizontal Active Pixels must be in range of 0 to 4095" << "0";
        QTest::newRow("v sync 64") << "vSyncField" << "64"
                                   << "Vertical Sync Pulse must be in range of 0 to 63" << "0";
        QTest::newRow("h border 256") << "hBorderField" << "256"
                                      << "Horizontal Border must be in range of 0 to 255" << "0";
        QTest::newRow("v active 4095") << "vActiveField" << "4095" << "" << "4095";
        QTest::newRow("h sync 1023") << "hSyncField" << "1023" << "" << "1023";
    }

    void integerEntry()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, shown);

        ModalCloser closer;
        DetailedTimings editor;
        editor.resetFields(images.reference, images.working, 0, false);
        enter(editor, qPrintable(name), text);
        if (message.isEmpty()) {
            QVERIFY(closer.texts.isEmpty());
        } else {
            QCOMPARE(closer.titles, QStringList{"Format Error"});
            QCOMPARE(closer.texts, QStringList{message});
        }
        QCOMPARE(field(editor, qPrintable(name))->text(), shown);
        // What is written is what is shown.
        const _EDID_DETAILED_TIMING_BLOCK back = EDIDGetDetailedTiming(images.working, 0);
        const QMap<QString, int> decoded = {
            {"vFrontField", back.vFrontPorch}, {"hFrontField", back.hFrontPorch},
            {"hActiveField", back.hActive},    {"vSyncField", back.vSyncWidth},
            {"hBorderField", back.hBorder},    {"vActiveField", back.vActive},
            {"hSyncField", back.hSyncWidth},
        };
        QCOMPARE(decoded.value(name), shown.toInt());
    }

    // The sync offset and width bits of bytes 10 and 11.
    void verticalPorchBits()
    {
        DetailedTimings editor;
        editor.resetFields(images.reference, images.working, 0, true);
        enter(editor, "vFrontField", "20");
        enter(editor, "vSyncField", "5");
        QByteArray d = editor.getEdidData();
        QCOMPARE(static_cast<unsigned char>(d[10]), static_cast<unsigned char>(0x45));
        QCOMPARE(static_cast<unsigned char>(d[11]) & 0x0F, 0x04);

        DetailedTimings reader;
        reader.initFields(rawTiming(reinterpret_cast<const unsigned char *>(d.constData())),
                          images.reference, images.working, 0, true);
        QCOMPARE(field(reader, "vFrontField")->text(), QString("20"));
        QCOMPARE(field(reader, "vSyncField")->text(), QString("5"));
    }

    // Every value of every field at the top of its range survives encoding.
    void fieldLimitsEncode()
    {
        DetailedTimings editor;
        editor.resetFields(images.reference, images.working, 0, true);
        const QList<QPair<const char *, int>> limits = {
            {"hActiveField", 4095}, {"vActiveField", 4095}, {"hBlankField", 4095},
            {"vBlankField", 4095},  {"hFrontField", 1023},  {"vFrontField", 63},
            {"hSyncField", 1023},   {"vSyncField", 63},     {"hImSizeField", 4095},
            {"vImSizeField", 4095}, {"hBorderField", 255},  {"vBorderField", 255},
        };
        for (const auto &limit : limits)
            enter(editor, limit.first, QString::number(limit.second));
        enter(editor, "pixelClockField", "655.35");
        const QByteArray d = editor.getEdidData();
        QCOMPARE(d.toHex(' '), QByteArray("ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff 00"));
    }

    void baseBlockEditWritesOnlyItsSlot()
    {
        const QByteArray image = sampleImage("hdmi-tv.bin");
        images.set(image);
        DetailedTimings editor;
        QSignalSpy changed(&editor, &DetailedTimings::valueChanged);
        editor.resetFields(images.reference, images.working, 2, false);
        editor.initFields(rawTiming(k1080p), images.reference, images.working, 2, false);
        std::memcpy(images.working, image.constData(), 256);   // only edits below count

        enter(editor, "hImSizeField", "600");
        for (int i = 0; i < 256; ++i) {
            if ((i >= 90 && i <= 107) || i == 127)
                continue;
            QCOMPARE(images.working[i], static_cast<unsigned char>(image[i]));
        }
        QCOMPARE(images.workingBytes(90, 18), editor.getEdidData());
        QCOMPARE(blockSum(images.working), 0);
        QCOMPARE(changed.count(), 0);
    }

    void extensionEditChangesNoImage()
    {
        const QByteArray image = sampleImage("hdmi-tv.bin");
        images.set(image);
        DetailedTimings editor;
        QSignalSpy changed(&editor, &DetailedTimings::valueChanged);
        editor.resetFields(images.reference, images.working, 0, true);
        QCOMPARE(changed.count(), 0);
        editor.initFields(rawTiming(k1080p), images.reference, images.working, 0, true);
        QCOMPARE(changed.count(), 1);
        enter(editor, "hActiveField", "1280");
        QCOMPARE(changed.count(), 2);
        editor.findChild<QRadioButton *>("fourWayRB")->click();
        QCOMPARE(changed.count(), 3);
        QCOMPARE(images.workingBytes(), image);
        QCOMPARE(images.referenceBytes(), image);
        QCOMPARE(static_cast<unsigned char>(editor.getEdidData()[2]), static_cast<unsigned char>(0x00));
        QCOMPARE(static_cast<unsigned char>(editor.getEdidData()[4]) >> 4, 5);
        QCOMPARE(static_cast<unsigned char>(editor.getEdidData()[17]), static_cast<unsigned char>(0x7E));
    }

    void loadingDecodedRecordEmitsNothing()
    {
        images.set(sampleImage("hdmi-tv.bin"));
        DetailedTimings editor;
        QSignalSpy changed(&editor, &DetailedTimings::valueChanged);
        editor.initFields(EDIDGetDetailedTiming(images.working, 0), images.reference, images.working, 0, true);
        QCOMPARE(changed.count(), 0);
    }

    void resetGivesDefaultBytes()
    {
        DetailedTimings editor;
        editor.initFields(rawTiming(k1080p), images.reference, images.working, 0, true);
        editor.resetFields(images.reference, images.working, 0, true);
        QCOMPARE(editor.getEdidData(), QByteArray("\x01", 1) + QByteArray(17, '\0'));
        QCOMPARE(field(editor, "pixelClockField")->text(), QString("0.01"));
        QCOMPARE(field(editor, "hClockField")->text(), QString("-"));
        QCOMPARE(field(editor, "vClockField")->text(), QString("-"));
        QCOMPARE(editor.findChild<QCheckBox *>("syncSignalCB1")->text(), QString("Serrations"));
        QCOMPARE(editor.findChild<QCheckBox *>("syncSignalCB2")->text(), QString("On RGB"));
    }

    void clocks()
    {
        DetailedTimings editor;
        editor.initFields(rawTiming(k1080p), images.reference, images.working, 0, true);
        QCOMPARE(field(editor, "hClockField")->text(), QString("67.50"));
        QCOMPARE(field(editor, "vClockField")->text(), QString("60.00"));

        editor.resetFields(images.reference, images.working, 0, true);
        enter(editor, "vActiveField", "100");
        QCOMPARE(field(editor, "hClockField")->text(), QString("-"));
        QCOMPARE(field(editor, "vClockField")->text(), QString("0.00"));
    }

    // Byte 17 0x1E: digital separate, both polarities set.
    void digitalSeparateDescription()
    {
        DetailedTimings editor;
        editor.initFields(rawTiming(k1080p), images.reference, images.working, 0, true);
        QCOMPARE(editor.findChild<QCheckBox *>("syncSignalCB1")->text(), QString("V. Sync Polarity"));
        QCOMPARE(editor.findChild<QCheckBox *>("syncSignalCB2")->text(), QString("H. Sync Polarity"));
        const StringInfo rows = editor.getStringInfo();
        QCOMPARE(rows.size(), 18);
        QCOMPARE(rows[0], qMakePair(QString("Pixel Clock"), QString("148.50")));
        QCOMPARE(rows[1], qMakePair(QString("H. Active Pixels"), QString("1920")));
        QCOMPARE(rows[2], qMakePair(QString("H. Blanking Pixels"), QString("280")));
        QCOMPARE(rows[3], qMakePair(QString("V. Active Lines"), QString("1080")));
        QCOMPARE(rows[13], qMakePair(QString("Interlaced"), QString("no")));
        QCOMPARE(rows[14], qMakePair(QString("Stereo Mode"), QString("No Stereo")));
        QCOMPARE(rows[15], qMakePair(QString("Sync Signal Configuration"), QString("Digital Separate")));
        QCOMPARE(rows[16], qMakePair(QString("Vertical Polarity"), QString("YES")));
        QCOMPARE(rows[17], qMakePair(QString("Horizontal Polarity"), QString("YES")));
    }

    // Stereo code 1 (bit 0 alone, "don't care" without stereo) is kept until
    // another stereo mode is chosen; "No Stereo" clicked again keeps it too.
    void stereoCodeOneKept()
    {
        unsigned char d[18];
        std::memcpy(d, k1080p, 18);
        d[17] = 0x01;
        DetailedTimings editor;
        editor.initFields(rawTiming(d), images.reference, images.working, 0, true);
        QVERIFY(editor.findChild<QRadioButton *>("noStereoRB")->isChecked());
        QCOMPARE(editor.getStringInfo()[14].second, QString("No Stereo"));
        enter(editor, "hActiveField", "1920");
        QCOMPARE(static_cast<unsigned char>(editor.getEdidData()[17]), static_cast<unsigned char>(0x01));
        editor.findChild<QRadioButton *>("noStereoRB")->click();
        QCOMPARE(static_cast<unsigned char>(editor.getEdidData()[17]), static_cast<unsigned char>(0x01));
        editor.findChild<QRadioButton *>("fourWayRB")->click();
        editor.findChild<QRadioButton *>("noStereoRB")->click();
        QCOMPARE(static_cast<unsigned char>(editor.getEdidData()[17]), static_cast<unsigned char>(0x00));
    }

    void syncTypeButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("analog") << "analogRB" << 0x00 << "Serrations" << "On RGB";
        QTest::newRow("bipolar") << "bipolAnalogRB" << 0x08 << "Serrations" << "On RGB";
        QTest::newRow("composite") << "digitalCompositeRB" << 0x10 << "Serrations" << "H. Sync Polarity";
        QTest::newRow("separate") << "digitalSepRB" << 0x18 << "V. Sync Polarity" << "H. Sync Polarity";
    }

    void syncTypeButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, bits);
        QFETCH(QString, first);
        QFETCH(QString, second);
        DetailedTimings editor;
        editor.resetFields(images.reference, images.working, 0, true);
        editor.findChild<QRadioButton *>(button)->click();
        editor.findChild<QCheckBox *>("syncSignalCB1")->click();
        QCOMPARE(static_cast<unsigned char>(editor.getEdidData()[17]), static_cast<unsigned char>(bits | 0x04));
        QCOMPARE(editor.findChild<QCheckBox *>("syncSignalCB1")->text(), first);
        QCOMPARE(editor.findChild<QCheckBox *>("syncSignalCB2")->text(), second);
    }
};

QTEST_MAIN(TestDetailedTimings)
#include "tst_detailedtimings.moc"
