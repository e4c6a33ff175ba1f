#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "ceapage.h"
#include "ceavideoformatpreference.h"

namespace {

const QString dtd = QStringLiteral("DTD n\u00B0");
const QString noSuchDtd = QStringLiteral(" (no such DTD)");

// 18 bytes of a detailed timing (pixel clock 74.25 MHz) and of a display
// descriptor (pixel clock 0).
const QByteArray timing = QByteArray::fromHex("011d008051d01c204080350000000000001e");
const QByteArray nameDescriptor = QByteArray::fromHex("000000fc0054560a202020202020202020");

// An image whose base block holds a detailed timing in the slots of
// `baseSlots` and a display descriptor in the others, and whose extension
// holds `collection`, then `timings`.
QByteArray timingImage(const QList<int> &baseSlots, const QByteArray &collection, const QByteArray &timings)
{
    QByteArray image = ceaExtensionImage(collection, timings);
    for (int slot = 0; slot < 4; ++slot)
        image.replace(54 + 18 * slot, 18, baseSlots.contains(slot) ? timing : nameDescriptor + '\x20');
    return image;
}

// The rows that show the "no such DTD" mark, checked to be black on red,
// and the others in the list's own colours.
QList<int> markedRows(const QListWidget *list)
{
    QList<int> marked;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem *item = list->item(row);
        const bool red = item->background() == QBrush(Qt::red) && item->foreground() == QBrush(Qt::black);
        if (item->text().endsWith(noSuchDtd) && red)
            marked << row;
        else if (item->text().endsWith(noSuchDtd) || item->data(Qt::BackgroundRole).isValid())
            marked << -1 - row;   // a half mark
    }
    return marked;
}

// An editor loaded with `references` (the payload after the extended tag).
struct PreferenceEditor {
    EdidImages images;
    CEAVideoFormatPreference editor{nullptr};
    QSignalSpy changes{&editor, &CEABlock::valueChanged};

    explicit PreferenceEditor(const QByteArray &references)
    {
        images.set(ceaExtensionImage(QByteArray(1, char(0xE0 | (references.size() + 1))) + '\x0D'
                                     + references));
        _EDID_CEA_DATA_BLOCK_INFO info{};
        info.tag = 7;
        info.length = references.size();
        info.payload = images.reference + 134;
        editor.initFields(info, images.reference, images.working);
        changes.clear();
    }
    QListWidget *list() { return child<QListWidget>(&editor, "preferedFormatList"); }
    QComboBox *formats() { return child<QComboBox>(&editor, "formatMulti"); }
    QSpinBox *code() { return child<QSpinBox>(&editor, "codeField"); }
    void click(const char *button) { child<QPushButton>(&editor, button)->click(); }
    QStringList rows() { return listRows(list()); }
};

// An editor loaded with `references`, its images holding `image`.
struct ImageEditor {
    EdidImages images;
    CEAVideoFormatPreference editor{nullptr};
    QByteArray references;

    ImageEditor(const QByteArray &image, const QByteArray &references) : references(references)
    {
        images.set(image);
        _EDID_CEA_DATA_BLOCK_INFO info{};
        info.tag = 7;
        info.length = this->references.size();
        info.payload = reinterpret_cast<unsigned char *>(this->references.data());
        editor.initFields(info, images.reference, images.working);
    }
    QListWidget *list() { return child<QListWidget>(&editor, "preferedFormatList"); }
};

} // namespace

class TestCEAVideoFormatPreference : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void missingTimingsMarked_data();
    void missingTimingsMarked();
    void missingTimingsFollowTheImage();
    void newBlock();
    void add_data();
    void add();
    void move();
    void remove();
    void thirtyReferencesAtMost();
    void sampleRoundTrip();
};

// Short video references as CTA-861-G codes them; every code is written back.
void TestCEAVideoFormatPreference::load_data()
{
    QTest::addColumn<QByteArray>("references");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("10 81") << QByteArray::fromHex("1081") << QStringList({vicName(16), dtd + "1"});
    QTest::newRow("edges of the VIC table")
        << QByteArray::fromHex("016b6c6d7f")
        << QStringList({vicName(1), vicName(107), "VIC 108", "VIC 109", "VIC 127"});
    QTest::newRow("DTD 1 and 16") << QByteArray::fromHex("8190")
                                  << QStringList({dtd + "1", dtd + "16" + noSuchDtd});
    // 0, 128, 145-192, 254 and 255 are reserved; 193-253 are VICs beyond the table.
    QTest::newRow("reserved and high VICs")
        << QByteArray::fromHex("008091c0c1fdfeff")
        << QStringList({"Reserved code 0", "Reserved code 128", "Reserved code 145",
                        "Reserved code 192", "VIC 193", "VIC 253", "Reserved code 254",
                        "Reserved code 255"});
    QTest::newRow("nothing") << QByteArray() << QStringList();
    QStringList sixteens;
    for (int i = 0; i < 30; ++i)
        sixteens << dtd + "16" + noSuchDtd;
    QTest::newRow("30 references") << QByteArray(30, char(0x90)) << sixteens;
}

void TestCEAVideoFormatPreference::load()
{
    QFETCH(QByteArray, references);
    QFETCH(QStringList, rows);
    // One detailed timing in the image.
    EdidImages images;
    images.set(timingImage({0}, QByteArray(), QByteArray()));
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.length = references.size();
    info.payload = reinterpret_cast<unsigned char *>(references.data());

    CEAVideoFormatPreference editor(nullptr);
    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    editor.initFields(info, images.reference, images.working);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(listRows(child<QListWidget>(&editor, "preferedFormatList")), rows);
    QCOMPARE(editor.getEDIDData(), '\x0D' + references);
}

// A DTD number beyond the detailed timings of the working image is kept, its
// row marked: the base block's timings count first (display descriptors do
// not count), then the extension's, from its offset byte up to the first
// all-zero unit.
void TestCEAVideoFormatPreference::missingTimingsMarked_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QByteArray>("references");
    QTest::addColumn<QList<int>>("marked");

    const QByteArray none;
    const QByteArray videoBlock = QByteArray::fromHex("42 10 04");
    QTest::newRow("no timing") << timingImage({}, none, none) << QByteArray::fromHex("10 81")
                               << QList<int>{1};
    QTest::newRow("base slots 0 and 2") << timingImage({0, 2}, none, none) << QByteArray::fromHex("81 82 83")
                                        << QList<int>{2};
    QTest::newRow("base 1, extension 2")
        << timingImage({3}, videoBlock, timing + timing) << QByteArray::fromHex("84 83 81 82 10")
        << QList<int>{0};
    QTest::newRow("all ten") << timingImage({0, 1, 2, 3}, none, timing.repeated(6))
                             << QByteArray::fromHex("8a 8b 90 81") << QList<int>{1, 2};
    QTest::newRow("a zero unit ends the extension's")
        << timingImage({}, videoBlock, timing + QByteArray(18, '\0') + timing)
        << QByteArray::fromHex("81 82") << QList<int>{1};
    QByteArray noOffset = timingImage({0}, none, timing);
    noOffset[130] = 0;
    QTest::newRow("offset 0: no extension timing") << noOffset << QByteArray::fromHex("81 82")
                                                   << QList<int>{1};
    QByteArray notCea = timingImage({0}, none, timing);
    notCea[128] = 0x10;
    QTest::newRow("not a CEA extension") << notCea << QByteArray::fromHex("81 82") << QList<int>{1};
    // A unit that ends past byte 254 is not a timing.
    QByteArray tail = timingImage({}, none, none);
    tail[130] = char(255 - 128 - 17);
    tail.replace(255 - 17, 17, timing.left(17));
    QTest::newRow("unit past the checksum") << tail << QByteArray::fromHex("81") << QList<int>{0};
}

void TestCEAVideoFormatPreference::missingTimingsMarked()
{
    QFETCH(QByteArray, image);
    QFETCH(QByteArray, references);
    QFETCH(QList<int>, marked);

    ImageEditor e(image, references);
    QCOMPARE(markedRows(e.list()), marked);
    for (int row : marked)
        QVERIFY(e.list()->item(row)->text().startsWith(dtd));
    QCOMPARE(e.editor.getEDIDData(), '\x0D' + references);
    e.editor.show();
    QCOMPARE(markedRows(e.list()), marked);
    QCOMPARE(e.editor.getEDIDData(), '\x0D' + references);
}

// The mark follows the working image: on updateUI, when the panel is shown
// again, and on each edit of the list.
void TestCEAVideoFormatPreference::missingTimingsFollowTheImage()
{
    const QByteArray image = timingImage({0}, QByteArray(), QByteArray());
    ImageEditor e(image, QByteArray::fromHex("82 81"));
    QCOMPARE(markedRows(e.list()), QList<int>{0});

    // A second timing in the base block.
    e.images.working[72] = 0x01;
    e.editor.updateUI();
    QCOMPARE(markedRows(e.list()), QList<int>());
    QCOMPARE(e.list()->item(0)->text(), dtd + "2");

    // Gone again while the panel was hidden.
    e.editor.show();
    e.editor.hide();
    e.images.working[72] = 0x00;
    e.editor.show();
    QCOMPARE(markedRows(e.list()), QList<int>{0});

    e.list()->setCurrentRow(0);
    child<QPushButton>(&e.editor, "downButton")->click();
    QCOMPARE(markedRows(e.list()), QList<int>{1});
    child<QSpinBox>(&e.editor, "DTDPSpinBox")->setValue(3);
    child<QPushButton>(&e.editor, "addDTDButton")->click();
    QCOMPARE(markedRows(e.list()), (QList<int>{1, 2}));
    QCOMPARE(e.editor.getEDIDData(), QByteArray::fromHex("0d818283"));
}

void TestCEAVideoFormatPreference::newBlock()
{
    EdidImages images;
    CEAVideoFormatPreference editor(nullptr);
    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    editor.resetFields(images.reference, images.working);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(editor.getEDIDData(), QByteArray::fromHex("0d"));
    QCOMPARE(child<QComboBox>(&editor, "formatMulti")->count(), 108);
    QCOMPARE(child<QComboBox>(&editor, "formatMulti")->currentIndex(), 0);
    QCOMPARE(child<QSpinBox>(&editor, "codeField")->value(), 1);
}

void TestCEAVideoFormatPreference::add_data()
{
    QTest::addColumn<int>("formatRow");   // -1: set the code field instead
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("dtdNumber");   // 0: add a VIC
    QTest::addColumn<QString>("row");
    QTest::addColumn<QByteArray>("written");

    // "Other" names no VIC: its row shows the code written.
    QTest::newRow("Other") << 107 << 108 << 0 << "VIC 108" << QByteArray::fromHex("0d6c");
    QTest::newRow("code 5") << -1 << 5 << 0 << vicName(5) << QByteArray::fromHex("0d05");
    QTest::newRow("DTD 16") << 0 << 1 << 16 << dtd + "16" + noSuchDtd << QByteArray::fromHex("0d90");
}

void TestCEAVideoFormatPreference::add()
{
    QFETCH(int, formatRow);
    QFETCH(int, code);
    QFETCH(int, dtdNumber);
    QFETCH(QString, row);
    QFETCH(QByteArray, written);

    PreferenceEditor e{QByteArray()};
    if (formatRow >= 0)
        e.formats()->setCurrentIndex(formatRow);
    else
        e.code()->setValue(code);
    QCOMPARE(e.code()->value(), code);
    QCOMPARE(e.formats()->currentIndex(), code - 1);

    if (dtdNumber > 0) {
        child<QSpinBox>(&e.editor, "DTDPSpinBox")->setValue(dtdNumber);
        e.click("addDTDButton");
    } else {
        e.click("addVICButton");
    }
    QCOMPARE(e.changes.count(), 1);
    QCOMPARE(e.rows(), QStringList({row}));
    QCOMPARE(e.list()->currentRow(), -1);
    QCOMPARE(e.editor.getEDIDData(), written);
}

void TestCEAVideoFormatPreference::move()
{
    PreferenceEditor e{QByteArray::fromHex("010203")};
    e.list()->setCurrentRow(1);
    e.click("upButton");
    QCOMPARE(e.editor.getEDIDData(), QByteArray::fromHex("0d020103"));
    QCOMPARE(e.list()->currentRow(), 0);
    e.click("upButton");
    QCOMPARE(e.editor.getEDIDData(), QByteArray::fromHex("0d020103"));
    QCOMPARE(e.list()->currentRow(), -1);
    e.click("downButton");
    QCOMPARE(e.editor.getEDIDData(), QByteArray::fromHex("0d020103"));
    QCOMPARE(e.list()->currentRow(), 0);
    e.click("downButton");
    QCOMPARE(e.editor.getEDIDData(), QByteArray::fromHex("0d010203"));
    QCOMPARE(e.list()->currentRow(), 1);
    e.list()->setCurrentRow(2);
    e.click("downButton");
    QCOMPARE(e.editor.getEDIDData(), QByteArray::fromHex("0d010203"));
    QCOMPARE(e.list()->currentRow(), -1);
    QCOMPARE(e.changes.count(), 5);
}

void TestCEAVideoFormatPreference::remove()
{
    PreferenceEditor e{QByteArray::fromHex("0102ff")};
    e.list()->setCurrentRow(-1);
    e.click("removeButton");
    QCOMPARE(e.editor.getEDIDData(), QByteArray::fromHex("0d0102ff"));

    e.list()->setCurrentRow(0);
    e.click("removeButton");
    QCOMPARE(e.rows(), QStringList({vicName(2), "Reserved code 255"}));
    QCOMPARE(e.list()->currentRow(), 0);
    e.list()->setCurrentRow(1);
    e.click("removeButton");
    QCOMPARE(e.list()->currentRow(), -1);
    QCOMPARE(e.editor.getEDIDData(), QByteArray::fromHex("0d02"));
    QCOMPARE(e.changes.count(), 3);
}

// The block's length field holds the extended tag and 30 references.
void TestCEAVideoFormatPreference::thirtyReferencesAtMost()
{
    PreferenceEditor e{QByteArray(29, char(0x10))};
    QPushButton *addVIC = child<QPushButton>(&e.editor, "addVICButton");
    QPushButton *addDTD = child<QPushButton>(&e.editor, "addDTDButton");
    QVERIFY(addVIC->isEnabled());
    e.click("addDTDButton");
    QCOMPARE(e.editor.getEDIDData().size(), 31);
    QVERIFY(!addVIC->isEnabled() && !addDTD->isEnabled());
    QMetaObject::invokeMethod(&e.editor, "on_addVICButton_clicked");
    QCOMPARE(e.editor.getEDIDData(), '\x0D' + QByteArray(29, char(0x10)) + '\x81');

    e.list()->setCurrentRow(0);
    e.click("removeButton");
    QVERIFY(addVIC->isEnabled() && addDTD->isEnabled());
}

// The sample's block (E2 0D 81) through the page: written back, and still
// after its row is shown and its fields are re-picked without a change.
void TestCEAVideoFormatPreference::sampleRoundTrip()
{
    CEAPage p;
    const QByteArray image = readSample("video-format-preference");
    QCOMPARE(p.load(image), 0);
    int row = -1;
    CEAVideoFormatPreference *editor = p.editor<CEAVideoFormatPreference>(&row);
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->getEDIDData(), QByteArray::fromHex("0d81"));
    QCOMPARE(p.page.getEDIDData(), image.mid(128, 128));

    p.select(row);
    QCOMPARE(child<QListWidget>(editor, "preferedFormatList")->item(0)->text(), dtd + "1");
    QComboBox *formats = child<QComboBox>(editor, "formatMulti");
    emit formats->activated(formats->currentIndex());
    QSpinBox *code = child<QSpinBox>(editor, "codeField");
    code->setFocus();
    QTest::keyClick(code, Qt::Key_Return);
    QCOMPARE(p.images.workingBytes(128, 128), image.mid(128, 128));
    QCOMPARE(p.page.getEDIDData(), image.mid(128, 128));
}

QTEST_MAIN(TestCEAVideoFormatPreference)
#include "tst_ceavideoformatpreference.moc"
