#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

#include "ceabuilder.h"
#include "ceavideocapability.h"
#include "exteditortest.h"

namespace {

const char *const combos[3] = {"overUnderPrefFormat", "overUnderITFormat", "overUnderCEFormat"};

// The capability byte the widgets show.
int shownByte(const CEAVideoCapability &editor)
{
    int value = 0;
    value |= child<QCheckBox>(&editor, "quantizationYCC")->isChecked() ? 0x80 : 0;
    value |= child<QCheckBox>(&editor, "quantizationRGB")->isChecked() ? 0x40 : 0;
    for (int i = 0; i < 3; ++i)
        value |= child<QComboBox>(&editor, combos[i])->currentIndex() << (4 - 2 * i);
    return value;
}

} // namespace

class TestCEAVideoCapability : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void load_data();
    void load();
    void edit_data();
    void edit();
    void noOpEditsKeepLoadedBytes();
};

void TestCEAVideoCapability::form()
{
    QScopedPointer<CEABlock> block(CEABuilder::make(CEA_VIDEO_CAPABILITY));
    auto *editor = qobject_cast<CEAVideoCapability *>(block.data());
    verifyIdentity(editor, 0, "Video capability", "CEA video capability",
                   "This block defines if the formats defined in this EDID support the overscan, "
                   "underscan or both.\n\nIt also let you define if the source can override the "
                   "pixel color range for the YCC and RGB formats.");
    if (QTest::currentTestFailed())
        return;

    // Code 0 is "No data" for the preferred format, "Not supported" for the
    // IT and CE formats; each kind of row list is one model for every editor.
    const QStringList rest = {"Always overscan", "Always underscan", "Support both over and underscan"};
    const QStringList rows[3] = {QStringList("No data") + rest, QStringList("Not supported") + rest,
                                 QStringList("Not supported") + rest};
    CEAVideoCapability other(nullptr);
    for (int c = 0; c < 3; ++c) {
        auto *combo = child<QComboBox>(editor, combos[c]);
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        QCOMPARE(texts, rows[c]);
        QCOMPARE(child<QComboBox>(&other, combos[c])->model(), combo->model());
    }
    QCOMPARE(child<QComboBox>(editor, combos[2])->model(), child<QComboBox>(editor, combos[1])->model());
}

// The payload starts with the extended tag 0.
void TestCEAVideoCapability::load_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("shown");

    QTest::newRow("E2 00 7F") << hexBytes("007f") << 0x7F;
    QTest::newRow("QY, IT and CE both") << hexBytes("00cf") << 0xCF;
    QTest::newRow("every bit") << hexBytes("00ff") << 0xFF;
    QTest::newRow("longer block kept whole") << hexBytes("0088aabb") << 0x88;
    QTest::newRow("no capability byte") << hexBytes("00") << 0;
}

void TestCEAVideoCapability::load()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, shown);

    EdidImages images;
    CEAVideoCapability editor(nullptr);
    QVERIFY(loadQuietly(editor, images, payload));
    QCOMPARE(shownByte(editor), shown);
    QCOMPARE(editor.getEDIDData().toHex(' '), payload.toHex(' '));
}

// An empty payload resets; then each edit, in order.
void TestCEAVideoCapability::edit_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("edits");   // "box" clicks it, "combo=row" picks that row
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("new block") << QByteArray() << QStringList() << hexBytes("0000");
    QTest::newRow("new, QY") << QByteArray() << QStringList{"quantizationYCC"} << hexBytes("0080");
    QTest::newRow("new, QY, IT always underscan")
        << QByteArray() << QStringList{"quantizationYCC", "overUnderITFormat=2"} << hexBytes("0088");
    QTest::newRow("QS off") << hexBytes("007f") << QStringList{"quantizationRGB"} << hexBytes("003f");
    QTest::newRow("PT always overscan") << hexBytes("00cf") << QStringList{"overUnderPrefFormat=1"}
                                        << hexBytes("00df");
    QTest::newRow("CE not supported") << hexBytes("00cf") << QStringList{"overUnderCEFormat=0"} << hexBytes("00cc");
    QTest::newRow("longer block keeps its tail") << hexBytes("0000aabb") << QStringList{"quantizationRGB"}
                                                 << hexBytes("0040aabb");
    QTest::newRow("short block completed") << hexBytes("00") << QStringList{"overUnderCEFormat=3"}
                                           << hexBytes("0003");
}

void TestCEAVideoCapability::edit()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, edits);
    QFETCH(QByteArray, written);

    EdidImages images;
    CEAVideoCapability editor(nullptr);
    if (payload.isEmpty()) {
        QSignalSpy changes(&editor, &CEABlock::valueChanged);
        editor.resetFields(images.reference, images.working);
        QCOMPARE(changes.count(), 1);
    } else {
        loadQuietly(editor, images, payload);
    }
    for (const QString &edit : edits) {
        QSignalSpy changes(&editor, &CEABlock::valueChanged);
        const QStringList parts = edit.split('=');
        if (parts.size() == 2)
            pick(child<QComboBox>(&editor, parts[0]), parts[1].toInt());
        else
            child<QCheckBox>(&editor, parts[0])->click();
        QCOMPARE(changes.count(), 1);
    }
    QCOMPARE(editor.getEDIDData().toHex(' '), written.toHex(' '));
    QCOMPARE(shownByte(editor), int(static_cast<unsigned char>(written.at(1))));
}

// Re-picked rows and boxes clicked twice hand the loaded block back.
void TestCEAVideoCapability::noOpEditsKeepLoadedBytes()
{
    for (const QByteArray &payload : {hexBytes("00cf"), hexBytes("00"), hexBytes("0000aa")}) {
        EdidImages images;
        CEAVideoCapability editor(nullptr);
        loadQuietly(editor, images, payload);
        for (const char *name : combos) {
            auto *combo = child<QComboBox>(&editor, name);
            pick(combo, combo->currentIndex());
        }
        QCOMPARE(editor.getEDIDData(), payload);
        for (const char *name : {"quantizationYCC", "quantizationRGB"}) {
            child<QCheckBox>(&editor, name)->click();
            QVERIFY(editor.getEDIDData() != payload);
            child<QCheckBox>(&editor, name)->click();
        }
        editor.updateUI();
        QCOMPARE(editor.getEDIDData(), payload);
    }
}

QTEST_MAIN(TestCEAVideoCapability)
#include "tst_ceavideocapability.moc"
