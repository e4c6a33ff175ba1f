#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "ceacapabilitymapdescriptor.h"
#include "ceapage.h"

namespace {

// The bitmap as the page hands it over: after the extended tag byte.
_EDID_CEA_DATA_BLOCK_INFO mapPayload(EdidImages &images, const QByteArray &bitmap)
{
    images.set(ceaExtensionImage(QByteArray(1, char(0xE0 | (bitmap.size() + 1))) + '\x0F' + bitmap));
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.tag = 7;
    info.length = bitmap.size();
    info.payload = images.reference + 134;
    return info;
}

QStringList rows(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// An editor loaded with `bitmap` whose working image holds `collection`.
struct MapEditor {
    EdidImages images;
    CEACapabilityMapDescriptor editor{nullptr};
    QSignalSpy changes{&editor, &CEABlock::valueChanged};

    MapEditor(const QByteArray &bitmap, const QByteArray &collection)
    {
        const _EDID_CEA_DATA_BLOCK_INFO info = mapPayload(images, bitmap);
        const QByteArray working = ceaExtensionImage(collection);
        std::memcpy(images.working, working.constData(), 256);
        editor.initFields(info, images.reference, images.working);
        changes.clear();
    }
    // A block added by the user, the working image holding `collection`.
    explicit MapEditor(const QByteArray &collection)
    {
        const QByteArray working = ceaExtensionImage(collection);
        std::memcpy(images.working, working.constData(), 256);
        editor.resetFields(images.reference, images.working);
        changes.clear();
    }
    QComboBox *combo() { return child<QComboBox>(&editor, "definedFomatCombo"); }
    QListWidget *list() { return child<QListWidget>(&editor, "formatList"); }
    void add(int comboRow)
    {
        combo()->setCurrentIndex(comboRow);
        child<QPushButton>(&editor, "addButton")->click();
    }
    void remove(int listRow)
    {
        list()->setCurrentRow(listRow);
        child<QPushButton>(&editor, "removeButton")->click();
    }
};

const QByteArray threeFormats = QByteArray::fromHex("43109004");
const QString noSuchFormat = QStringLiteral(" - (no such format in the video block)");

} // namespace

class TestCEACapabilityMapDescriptor : public QObject
{
    Q_OBJECT

private slots:
    void names();
    void load_data();
    void load();
    void newBlockIsAnEmptyMap();
    void comboFromWorkingVideoBlock();
    void descriptorLabels_data();
    void descriptorLabels();
    void videoBlockBounds_data();
    void videoBlockBounds();
    void everyFormatMap();
    void positionsPastTheVideoBlock();
    void noVideoBlock();
    void editsAndKeptBytes();
    void emptyMapWarning_data();
    void emptyMapWarning();
    void sampleRoundTrip();
};

void TestCEACapabilityMapDescriptor::names()
{
    const QStringList &names = CEACapabilityMapDescriptor::formatListNames;
    QCOMPARE(names.size(), 108);
    QCOMPARE(names.first(), vicName(1));
    QCOMPARE(names.at(106), vicName(107));
    QCOMPARE(names.at(42), QStringLiteral("720x576p 100Hz 16:9 "));
    QCOMPARE(names.last(), QStringLiteral("other"));
}

void TestCEACapabilityMapDescriptor::load_data()
{
    QTest::addColumn<QByteArray>("bitmap");   // after the extended tag
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<bool>("everyFormat");

    QTest::newRow("E3 0F 05 02") << QByteArray::fromHex("0502") << QList<int>{0, 2, 9} << false;
    // Trailing zero bytes and an all-zero bitmap are written back as loaded.
    QTest::newRow("E4 0F 01 00 00") << QByteArray::fromHex("010000") << QList<int>{0} << false;
    QTest::newRow("E2 0F 00") << QByteArray::fromHex("00") << QList<int>{} << false;
    // No bitmap byte: every short video descriptor (CTA-861-F).
    QTest::newRow("E1 0F") << QByteArray() << QList<int>{} << true;
    QList<int> all;
    for (int p = 0; p < 240; ++p)
        all << p;
    QTest::newRow("30 bytes FF") << QByteArray(30, char(0xFF)) << all << false;
    QTest::newRow("last bit of byte 30") << QByteArray(29, '\0') + '\x80' << QList<int>{239} << false;
}

void TestCEACapabilityMapDescriptor::load()
{
    QFETCH(QByteArray, bitmap);
    QFETCH(QList<int>, positions);
    QFETCH(bool, everyFormat);

    EdidImages images;
    CEACapabilityMapDescriptor editor(nullptr);
    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    editor.initFields(mapPayload(images, bitmap), images.reference, images.working);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(editor.positions(), positions);
    QCOMPARE(editor.mapsEveryFormat(), everyFormat);
    QCOMPARE(editor.getEDIDData(), '\x0F' + bitmap);
    QCOMPARE(images.workingBytes(), images.referenceBytes());
}

// A map with no bit set says "no format", so it keeps one zero byte: the
// extended tag alone would mean every format.
void TestCEACapabilityMapDescriptor::newBlockIsAnEmptyMap()
{
    EdidImages images;
    CEACapabilityMapDescriptor editor(nullptr);
    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    editor.resetFields(images.reference, images.working);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(editor.getEDIDData(), QByteArray::fromHex("0f00"));
    QCOMPARE(editor.getType(), 7);
    QCOMPARE(editor.getDisplayName(), QStringLiteral("YCbCr 4:2:0 capability map"));
}

void TestCEACapabilityMapDescriptor::comboFromWorkingVideoBlock()
{
    MapEditor m(QByteArray::fromHex("00"), threeFormats);
    const QStringList expected = {"1 - " + vicName(16), "2 - " + vicName(16) + " (native)",
                                  "3 - " + vicName(4)};
    QCOMPARE(rows(m.combo()), expected);
    QCOMPARE(m.combo()->currentIndex(), 0);

    m.add(2);
    m.add(0);
    QCOMPARE(listRows(m.list()), QStringList({expected.at(0), expected.at(2)}));
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f05"));
    QCOMPARE(m.changes.count(), 2);

    // Adding a position already in the map changes nothing.
    m.add(2);
    QCOMPARE(m.changes.count(), 2);
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f05"));

    // The last row removed while current: the new last row becomes current.
    m.remove(1);
    QCOMPARE(listRows(m.list()), QStringList({expected.at(0)}));
    QCOMPARE(m.list()->currentRow(), 0);
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f01"));
}

void TestCEACapabilityMapDescriptor::descriptorLabels_data()
{
    QTest::addColumn<int>("svd");
    QTest::addColumn<QString>("text");   // as the fifth descriptor

    const QString other = QStringLiteral("5 - other");
    QTest::newRow("VIC 1") << 0x01 << "5 - " + vicName(1);
    QTest::newRow("VIC 107") << 0x6B << "5 - " + vicName(107);
    QTest::newRow("VIC 108") << 0x6C << other;
    QTest::newRow("VIC 127") << 0x7F << other;
    QTest::newRow("VIC 1 native") << 0x81 << "5 - " + vicName(1) + " (native)";
    QTest::newRow("VIC 64 native") << 0xC0 << "5 - " + vicName(64) + " (native)";
    // Bytes 193-255 are VICs 193-255, without native flag.
    QTest::newRow("VIC 193") << 0xC1 << other;
    QTest::newRow("VIC 236") << 0xEC << other;
    QTest::newRow("reserved 0") << 0x00 << other;
    QTest::newRow("reserved 128") << 0x80 << other;
}

void TestCEACapabilityMapDescriptor::descriptorLabels()
{
    QFETCH(int, svd);
    QFETCH(QString, text);
    MapEditor m(QByteArray::fromHex("10"),
                QByteArray::fromHex("4501020304") + char(svd));
    QCOMPARE(m.combo()->count(), 5);
    QCOMPARE(m.combo()->itemText(4), text);
    QCOMPARE(listRows(m.list()), QStringList({text}));
}

void TestCEACapabilityMapDescriptor::videoBlockBounds_data()
{
    QTest::addColumn<QByteArray>("collection");
    QTest::addColumn<int>("offset");   // of byte 130 from the collection's size, 0: exact
    QTest::addColumn<QStringList>("combo");

    const QStringList one = {"1 - " + vicName(1)};
    QTest::newRow("first of two video blocks")
        << QByteArray::fromHex("4101420203") << 0 << one;
    QTest::newRow("after another block") << QByteArray::fromHex("2209094101") << 0 << one;
    // A length running past the collection: only the descriptors inside it.
    QTest::newRow("length past collection") << QByteArray::fromHex("450102") << 0
                                            << QStringList({one.at(0), "2 - " + vicName(2)});
    QTest::newRow("collection ends before the block") << QByteArray::fromHex("22090941") << -1
                                                      << QStringList();
}

void TestCEACapabilityMapDescriptor::videoBlockBounds()
{
    QFETCH(QByteArray, collection);
    QFETCH(int, offset);
    QFETCH(QStringList, combo);
    MapEditor m(QByteArray::fromHex("01"), QByteArray());
    QByteArray working = ceaExtensionImage(collection);
    working[130] = char(working[130] + offset);
    std::memcpy(m.images.working, working.constData(), 256);
    m.editor.updateUI();
    QCOMPARE(rows(m.combo()), combo);
}

// A map without bitmap stands for every descriptor: all are listed, and the
// map keeps that form until a descriptor is taken out of it.
void TestCEACapabilityMapDescriptor::everyFormatMap()
{
    MapEditor m(QByteArray(), threeFormats);
    QCOMPARE(m.list()->count(), 3);
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f"));

    m.add(1);
    QCOMPARE(m.changes.count(), 0);
    m.remove(-1);
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f"));

    m.remove(1);
    QCOMPARE(m.editor.positions(), QList<int>({0, 2}));
    QVERIFY(!m.editor.mapsEveryFormat());
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f05"));
}

// A bit past the video block's formats is listed by its position, marked,
// written back, and can be removed.
void TestCEACapabilityMapDescriptor::positionsPastTheVideoBlock()
{
    MapEditor m(QByteArray::fromHex("0a"), threeFormats);
    QCOMPARE(listRows(m.list()), QStringList({"2 - " + vicName(16) + " (native)", "4" + noSuchFormat}));
    QCOMPARE(m.list()->item(0)->background().style(), Qt::NoBrush);
    QCOMPARE(m.list()->item(1)->foreground().color(), QColor(Qt::black));
    QCOMPARE(m.list()->item(1)->background().color(), QColor(Qt::red));
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f0a"));

    m.remove(1);
    QCOMPARE(listRows(m.list()), QStringList({"2 - " + vicName(16) + " (native)"}));
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f02"));
}

void TestCEACapabilityMapDescriptor::noVideoBlock()
{
    MapEditor m(QByteArray::fromHex("0502"), QByteArray::fromHex("2209"));
    QCOMPARE(m.combo()->count(), 0);
    QCOMPARE(listRows(m.list()), QStringList({"1" + noSuchFormat, "3" + noSuchFormat,
                                              "10" + noSuchFormat}));
    m.add(0);
    QCOMPARE(m.changes.count(), 0);
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f0502"));
}

// Trailing zero bytes stay until the map changes; an action that changes
// nothing keeps them.
void TestCEACapabilityMapDescriptor::editsAndKeptBytes()
{
    MapEditor m(QByteArray::fromHex("010000"), threeFormats);
    m.list()->setCurrentRow(-1);
    child<QPushButton>(&m.editor, "removeButton")->click();
    QCOMPARE(m.changes.count(), 1);
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f010000"));
    m.editor.updateUI();
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f010000"));

    m.add(2);
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f05"));
    m.remove(0);
    m.remove(0);
    QCOMPARE(m.list()->count(), 0);
    QCOMPARE(m.list()->currentRow(), -1);
    QCOMPARE(m.editor.getEDIDData(), QByteArray::fromHex("0f00"));
}

// The panel's warning line is shown exactly while the map lists no format;
// the map is still written.
void TestCEACapabilityMapDescriptor::emptyMapWarning_data()
{
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QByteArray>("bitmap");   // loaded, after the extended tag
    QTest::addColumn<QString>("steps");       // "add=ROW" or "remove=ROW", ';'-separated
    QTest::addColumn<bool>("warned");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("new block") << true << QByteArray() << "" << true << QByteArray::fromHex("0f00");
    QTest::newRow("loaded 00") << false << QByteArray::fromHex("00") << "" << true
                               << QByteArray::fromHex("0f00");
    QTest::newRow("loaded 05") << false << QByteArray::fromHex("05") << "" << false
                               << QByteArray::fromHex("0f05");
    // Only a bit past the video block's three formats: still not empty.
    QTest::newRow("loaded 08") << false << QByteArray::fromHex("08") << "" << false
                               << QByteArray::fromHex("0f08");
    QTest::newRow("no bitmap: every format") << false << QByteArray() << "" << false
                                             << QByteArray::fromHex("0f");
    QTest::newRow("new block, one added") << true << QByteArray() << "add=1" << false
                                          << QByteArray::fromHex("0f02");
    QTest::newRow("every entry removed") << false << QByteArray::fromHex("05") << "remove=0;remove=0"
                                         << true << QByteArray::fromHex("0f00");
    QTest::newRow("every format removed") << false << QByteArray() << "remove=0;remove=0;remove=0"
                                          << true << QByteArray::fromHex("0f00");
    QTest::newRow("removed, then added") << false << QByteArray::fromHex("01") << "remove=0;add=2"
                                         << false << QByteArray::fromHex("0f04");
}

void TestCEACapabilityMapDescriptor::emptyMapWarning()
{
    QFETCH(bool, reset);
    QFETCH(QByteArray, bitmap);
    QFETCH(QString, steps);
    QFETCH(bool, warned);
    QFETCH(QByteArray, written);

    ModalCloser closer;
    std::unique_ptr<MapEditor> m(reset ? new MapEditor(threeFormats) : new MapEditor(bitmap, threeFormats));
    m->editor.show();
    for (const QString &step : steps.split(';', Qt::SkipEmptyParts)) {
        const QStringList parts = step.split('=');
        if (parts[0] == QLatin1String("add"))
            m->add(parts[1].toInt());
        else
            m->remove(parts[1].toInt());
    }
    auto *label = child<QLabel>(&m->editor, "emptyMapLabel");
    QCOMPARE(label->isVisible(), warned);
    QCOMPARE(label->text(), QStringLiteral("Warning: this block lists no format, which says that no "
                                           "video format supports YCbCr 4:2:0."));
    QCOMPARE(m->editor.getEDIDData().toHex(' '), written.toHex(' '));
    QVERIFY(closer.titles.isEmpty());
}

// The sample's map (E2 0F 7F) through the page: written back, and still
// after its row is shown; its combo lists the first video block.
void TestCEACapabilityMapDescriptor::sampleRoundTrip()
{
    CEAPage p;
    const QByteArray image = readSample("ycbcr420-capability-map");
    QCOMPARE(p.load(image), 0);
    int row = -1;
    CEACapabilityMapDescriptor *editor = p.editor<CEACapabilityMapDescriptor>(&row);
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->getEDIDData(), QByteArray::fromHex("0f7f"));
    QCOMPARE(editor->positions(), QList<int>({0, 1, 2, 3, 4, 5, 6}));
    QCOMPARE(p.page.getEDIDData(), image.mid(128, 128));

    p.select(row);
    QComboBox *combo = child<QComboBox>(editor, "definedFomatCombo");
    QCOMPARE(combo->count(), 13);
    QCOMPARE(combo->itemText(0), "1 - " + vicName(97));
    emit combo->activated(combo->currentIndex());
    QCOMPARE(p.images.workingBytes(128, 128), image.mid(128, 128));
    QCOMPARE(p.page.getEDIDData(), image.mid(128, 128));
}

QTEST_MAIN(TestCEACapabilityMapDescriptor)
#include "tst_ceacapabilitymapdescriptor.moc"
