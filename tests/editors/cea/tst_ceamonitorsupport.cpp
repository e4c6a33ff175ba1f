#include <QCheckBox>
#include <QtTest>
#include <vector>

#include "ceamonitorsupport.h"
#include "testsupport.h"

namespace {

_EDID_CEA_SUPPORT_INFO supportFromByte(unsigned char byte)
{
    _EDID_CEA_SUPPORT_INFO info{};
    info.underscan = (byte & 0x80) != 0;
    info.basicAudio = (byte & 0x40) != 0;
    info.ycbcr444 = (byte & 0x20) != 0;
    info.ycbcr422 = (byte & 0x10) != 0;
    info.nativeCount = byte & 0x0F;
    return info;
}

} // namespace

class TestCEAMonitorSupport : public QObject
{
    Q_OBJECT

private slots:
    void loadShowsFlagsWithoutWriting();
    void clickWritesByte131();
    void nativeCountIsFourBits();
    void resetKeepsWrittenByteUntilUpdate();
};

void TestCEAMonitorSupport::loadShowsFlagsWithoutWriting()
{
    std::vector<unsigned char> reference(256, 0), working(256, 0);
    CEAMonitorSupport panel(nullptr);
    panel.initFields(supportFromByte(0xE2), reference.data(), working.data());

    QVERIFY(panel.findChild<QCheckBox *>("underscanCB")->isChecked());
    QVERIFY(panel.findChild<QCheckBox *>("basicAudioCB")->isChecked());
    QVERIFY(panel.findChild<QCheckBox *>("ycrcb444CB")->isChecked());
    QVERIFY(!panel.findChild<QCheckBox *>("ycrcb422CB")->isChecked());
    QCOMPARE(panel.getNativeCount(), static_cast<unsigned short>(2));
    QCOMPARE(panel.getEDIDData(), QByteArray(1, char(0xE2)));

    StringInfo expected;
    expected << qMakePair(QStringLiteral("UnderScan"), QStringLiteral("YES"))
             << qMakePair(QStringLiteral("Basic Audio"), QStringLiteral("YES"))
             << qMakePair(QStringLiteral("YCrCb 4:4:4"), QStringLiteral("YES"))
             << qMakePair(QStringLiteral("YCrCb 4:2:2"), QStringLiteral("no"))
             << qMakePair(QStringLiteral("Native Detailed Timing Descriptors"), QStringLiteral("2"));
    QCOMPARE(panel.getMonitorSupportStringInfo(), expected);
    QCOMPARE(working, std::vector<unsigned char>(256, 0));
}

void TestCEAMonitorSupport::clickWritesByte131()
{
    std::vector<unsigned char> reference(256, 0), working(256, 0);
    working[128] = 0x02;
    working[131] = 0xE2;
    fixChecksum(working.data() + 128);
    CEAMonitorSupport panel(nullptr);
    panel.initFields(supportFromByte(0xE2), reference.data(), working.data());

    panel.findChild<QCheckBox *>("ycrcb422CB")->click();
    QCOMPARE(int(working[131]), 0xF2);
    QCOMPARE(blockSum(working, 128), 0);
    QCOMPARE(panel.getEDIDData(), QByteArray(1, char(0xF2)));

    panel.findChild<QCheckBox *>("ycrcb422CB")->click();
    QCOMPARE(int(working[131]), 0xE2);
    QCOMPARE(blockSum(working, 128), 0);
}

void TestCEAMonitorSupport::nativeCountIsFourBits()
{
    std::vector<unsigned char> reference(256, 0), working(256, 0);
    CEAMonitorSupport panel(nullptr);
    panel.initFields(supportFromByte(0x00), reference.data(), working.data());

    panel.setNativeCount(9);
    QCOMPARE(int(working[131]), 0x09);
    QCOMPARE(panel.getNativeCount(), static_cast<unsigned short>(9));

    // A count above 15 does not fit the field: it is held at 15, never wrapped.
    panel.setNativeCount(20);
    QCOMPARE(int(working[131]), 0x0F);
    QCOMPARE(panel.getNativeCount(), static_cast<unsigned short>(15));
    QCOMPARE(panel.getMonitorSupportStringInfo().last().second, QStringLiteral("15"));
}

void TestCEAMonitorSupport::resetKeepsWrittenByteUntilUpdate()
{
    std::vector<unsigned char> reference(256, 0), working(256, 0);
    CEAMonitorSupport panel(nullptr);
    panel.initFields(supportFromByte(0xE2), reference.data(), working.data());
    panel.resetFields(reference.data(), working.data());
    QVERIFY(!panel.findChild<QCheckBox *>("underscanCB")->isChecked());
    QCOMPARE(panel.getNativeCount(), static_cast<unsigned short>(0));
    QCOMPARE(panel.getEDIDData(), QByteArray(1, char(0xE2)));

    panel.updateCEAMonitorSupport();
    QCOMPARE(panel.getEDIDData(), QByteArray(1, char(0x00)));
    QCOMPARE(int(working[131]), 0x00);
}

QTEST_MAIN(TestCEAMonitorSupport)
#include "tst_ceamonitorsupport.moc"
