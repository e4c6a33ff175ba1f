#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "ceapage.h"
#include "ceavideoformatpreference.h"

namespace {

const QString dtd = QStringLiteral("DTD n\u00B0");

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

} // namespace

class TestCEAVideoFormatPreference : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
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
        << QByteArray::fromHex("016b6c6d7f") << QStringList({vicName(1), vicName(107), "Other", "", ""});
    QTest::newRow("DTD 1 and 16") << QByteArray::fromHex("8190") << QStringList({dtd + "1", dtd + "16"});
    // 0, 128, 145-192, 254 and 255 are reserved; 193-253 are VICs beyond the table.
    QTest::newRow("reserved and high VICs")
        << QByteArray::fromHex("008091c0c1fdfeff") << QStringList({"", "", "", "", "", "", "", ""});
    QTest::newRow("nothing") << QByteArray() << QStringList();
    QStringList sixteens;
    for (int i = 0; i < 30; ++i)
        sixteens << dtd + "16";
    QTest::newRow("30 references") << QByteArray(30, char(0x90)) << sixteens;
}

void TestCEAVideoFormatPreference::load()
{
    QFETCH(QByteArray, references);
    QFETCH(QStringList, rows);
    EdidImages images;
    images.set(ceaExtensionImage(QByteArray()));
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

    QTest::newRow("Other") << 107 << 108 << 0 << "Other" << QByteArray::fromHex("0d6c");
    QTest::newRow("code 5") << -1 << 5 << 0 << vicName(5) << QByteArray::fromHex("0d05");
    QTest::newRow("DTD 16") << 0 << 1 << 16 << dtd + "16" << QByteArray::fromHex("0d90");
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
    QCOMPARE(e.rows(), QStringList({vicName(2), ""}));
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
