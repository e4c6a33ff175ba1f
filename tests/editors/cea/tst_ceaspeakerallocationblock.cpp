#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextStream>
#include <QToolButton>
#include <QtTest>

#include "ceaextensionblock.h"
#include "ceaspeakerallocationblock.h"
#include "testsupport.h"

namespace {

// The 17 buttons, and the speaker abbreviation edid-decode gives their bit.
const char *const speakerButtons[][2] = {
    {"fl", "FL/FR"},      {"fr", "FL/FR"},      {"lfe", "LFE1"},       {"fc", "FC"},
    {"rl", "BL/BR"},      {"rr", "BL/BR"},      {"rc", "BC"},          {"flc", "FLc/FRc"},
    {"frc", "FLc/FRc"},   {"rlc", "RLC/RRC"},   {"rrc", "RLC/RRC"},    {"flw", "FLw/FRw"},
    {"frw", "FLw/FRw"},   {"flh", "TpFL/TpFR"}, {"frh", "TpFL/TpFR"},  {"tc", "TpC"},
    {"fch", "TpFC"},
};

QStringList checkedButtons(CEASpeakerAllocationBlock *block)
{
    QStringList names;
    for (const auto &button : speakerButtons)
        if (child<QToolButton>(block, button[0])->isChecked())
            names << button[0];
    return names;
}

struct Speaker {
    EdidImages images;
    CEASpeakerAllocationBlock block{nullptr};

    // Loaded with `payload` (none: reset).
    explicit Speaker(const QByteArray &payload, bool reset = false)
    {
        if (reset) {
            block.resetFields(images.reference, images.working);
            return;
        }
        _EDID_CEA_DATA_BLOCK_INFO info{};
        info.tag = 4;
        info.length = payload.size();
        info.payload = reinterpret_cast<unsigned char *>(const_cast<char *>(payload.constData()));
        block.initFields(info, images.reference, images.working);
    }
    void click(const QString &name) { child<QToolButton>(&block, name)->click(); }
};

// The speakers of the first Speaker Allocation block of edid-decode's reading.
QStringList decodedSpeakers(const QString &sample)
{
    QFile file(QStringLiteral(VOZEVU_TEST_DATA "/") + sample + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList speakers;
    bool inBlock = false;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line == QLatin1String("  Speaker Allocation Data Block:"))
            inBlock = true;
        else if (inBlock && line.startsWith(QLatin1String("    ")))
            speakers << line.trimmed().section(QLatin1String(" - "), 0, 0);
        else if (inBlock)
            break;
    }
    if (inBlock && speakers.isEmpty())
        speakers << QStringLiteral("(none)");
    return speakers;
}

} // namespace

class TestCEASpeakerAllocationBlock : public QObject
{
    Q_OBJECT

private slots:
    void loaded_data();
    void loaded();
    void clicks_data();
    void clicks();
    void newBlockOnThePage();
    void samples_data();
    void samples();
};

void TestCEASpeakerAllocationBlock::loaded_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("checked");

    QTest::newRow("5F 07 00") << hexBytes("5F 07 00")
                              << QStringList{"fl", "fr", "lfe", "fc", "rl", "rr", "rc", "rlc", "rrc",
                                             "flh", "frh", "tc", "fch"};
    QTest::newRow("bits no button shows") << hexBytes("00 F8 5A") << QStringList();
    QTest::newRow("wide and center pairs") << hexBytes("A0 00 00")
                                           << QStringList{"flc", "frc", "flw", "frw"};
    // Blocks of another length are kept whole; missing bytes read as 0.
    QTest::newRow("length 4") << hexBytes("01 02 00 77") << QStringList{"fl", "fr", "tc"};
    QTest::newRow("length 1") << hexBytes("04") << QStringList{"fc"};
    QTest::newRow("length 0") << QByteArray() << QStringList();
}

void TestCEASpeakerAllocationBlock::loaded()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, checked);
    Speaker s(payload);
    QCOMPARE(checkedButtons(&s.block), checked);
    QCOMPARE(s.block.getEDIDData().toHex(' '), payload.toHex(' '));

    // Loading reports no change.
    CEASpeakerAllocationBlock other(nullptr);
    QSignalSpy changed(&other, &CEABlock::valueChanged);
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.length = payload.size();
    info.payload = reinterpret_cast<unsigned char *>(payload.data());
    other.initFields(info, s.images.reference, s.images.working);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(other.getEDIDData(), payload);
}

// Loaded payload (reset when "reset"), buttons clicked, payload after.
void TestCEASpeakerAllocationBlock::clicks_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QStringList>("checked");

    QTest::newRow("reset") << QByteArray() << true << QStringList() << hexBytes("00 00 00")
                           << QStringList();
    QTest::newRow("front right checks its pair") << QByteArray() << true << QStringList{"fr"}
                                                 << hexBytes("01 00 00") << QStringList{"fl", "fr"};
    QTest::newRow("front left clears it again") << QByteArray() << true << QStringList{"fr", "fl"}
                                                << hexBytes("00 00 00") << QStringList();
    QTest::newRow("top center beside unknown bits")
        << hexBytes("00 F8 5A") << false << QStringList{"tc"} << hexBytes("00 FA 5A") << QStringList{"tc"};
    QTest::newRow("rear right of center") << hexBytes("FF 07 00") << false << QStringList{"rrc"}
                                          << hexBytes("BF 07 00")
                                          << QStringList{"fl", "fr", "lfe", "fc", "rl", "rr", "rc",
                                                         "flc", "frc", "flw", "frw", "flh", "frh",
                                                         "tc", "fch"};
    QTest::newRow("each byte-2 speaker") << QByteArray() << true << QStringList{"frh", "fch", "tc"}
                                         << hexBytes("00 07 00")
                                         << QStringList{"flh", "frh", "tc", "fch"};
    QTest::newRow("extra bytes stay") << hexBytes("00 00 00 12") << false << QStringList{"lfe"}
                                      << hexBytes("02 00 00 12") << QStringList{"lfe"};
    QTest::newRow("short block completed") << hexBytes("08") << false << QStringList{"fch"}
                                           << hexBytes("08 04 00")
                                           << QStringList{"rl", "rr", "fch"};
}

void TestCEASpeakerAllocationBlock::clicks()
{
    QFETCH(QByteArray, payload);
    QFETCH(bool, reset);
    QFETCH(QStringList, clicks);
    QFETCH(QByteArray, expected);
    QFETCH(QStringList, checked);

    Speaker s(payload, reset);
    QSignalSpy changed(&s.block, &CEABlock::valueChanged);
    for (const QString &name : clicks)
        s.click(name);
    QCOMPARE(s.block.getEDIDData().toHex(' '), expected.toHex(' '));
    QCOMPARE(checkedButtons(&s.block), checked);
    QCOMPARE(changed.count(), clicks.size());
}

// A block added on the page, then "Front right": 83 01 00 00.
void TestCEASpeakerAllocationBlock::newBlockOnThePage()
{
    EdidImages images;
    CEAExtensionBlock page(nullptr);
    QObject::connect(&page, &CEAExtensionBlock::valueChanged, [&]() {
        const QByteArray data = page.getEDIDData();
        for (int i = 0; i < 128; ++i)
            images.working[128 + i] = i < data.size() ? static_cast<unsigned char>(data[i]) : 0;
    });
    page.resetFields(images.reference, images.working);
    auto *types = child<QListWidget>(&page, "blockTypeList");
    types->setCurrentItem(types->findItems("Speaker allocation", Qt::MatchExactly).first());
    child<QPushButton>(&page, "addBlockButton")->click();
    QCOMPARE(images.workingBytes(132, 4).toHex(' '), QByteArray("83 00 00 00"));

    auto *block = qobject_cast<CEASpeakerAllocationBlock *>(page.getBlocks().value(0));
    QVERIFY(block != nullptr);
    QCOMPARE(block->getType(), 4);
    QCOMPARE(block->getDisplayName(), QStringLiteral("Speaker allocation"));
    child<QToolButton>(block, "fr")->click();
    QCOMPARE(images.workingBytes(132, 4).toHex(' '), QByteArray("83 01 00 00"));
    QCOMPARE(images.working[130], 8);
}

void TestCEASpeakerAllocationBlock::samples_data()
{
    QTest::addColumn<QString>("sample");
    int rows = 0;
    for (const QString &name : sampleNames()) {
        if (decodedSpeakers(name).isEmpty())
            continue;
        QTest::newRow(qPrintable(name)) << name;
        ++rows;
    }
    QVERIFY(rows >= 5);
}

// The samples' blocks load into the editor, show the speakers edid-decode
// reads, and are written back as they are.
void TestCEASpeakerAllocationBlock::samples()
{
    QFETCH(QString, sample);
    QStringList speakers = decodedSpeakers(sample);
    speakers.removeAll(QStringLiteral("(none)"));

    EdidImages images;
    CEAExtensionBlock page(nullptr);
    ModalCloser closer;
    // A wrong extension checksum is made right: the blocks are what counts here.
    QByteArray image = sampleImage(sample);
    fixChecksum(image, 128);
    images.set(image);
    _EDID_CEA_EXTENSION_INFO info{};
    const int result = EDIDGetExtensionInfo(images.reference, &info);
    QVERIFY(result == 0 || result == 2);
    page.initFields(&info, images.reference, images.working);

    CEASpeakerAllocationBlock *block = nullptr;
    for (CEABlock *b : page.getBlocks())
        if (block == nullptr)
            block = qobject_cast<CEASpeakerAllocationBlock *>(b);
    QVERIFY(block != nullptr);

    QStringList expected;
    for (const auto &button : speakerButtons)
        if (speakers.contains(button[1]))
            expected << button[0];
    QStringList shown = checkedButtons(block);
    expected.sort();
    shown.sort();
    QCOMPARE(shown, expected);
    QCOMPARE(page.getEDIDData(), image.mid(128, 128));
}

QTEST_MAIN(TestCEASpeakerAllocationBlock)
#include "tst_ceaspeakerallocationblock.moc"
