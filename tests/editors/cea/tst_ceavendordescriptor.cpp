#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "ceabuilder.h"
#include "ceaextensionblock.h"
#include "ceavendorrow.h"
#include "ceavendordescriptor.h"
#include "ceapage.h"
#include "testsupport.h"

namespace {

// A vendor-specific editor as the factory makes it, loaded or reset as the
// page does. The payload is its own heap block, so that a read past its
// length is caught.
struct Editor {
    EdidImages images;
    std::unique_ptr<CEABlock> block;
    std::unique_ptr<QSignalSpy> changes;

    explicit Editor(int type) : block(CEABuilder::make(type))
    {
        changes.reset(new QSignalSpy(block.get(), &CEABlock::valueChanged));
    }

    void load(const QByteArray &payload)
    {
        std::vector<unsigned char> bytes(payload.begin(), payload.end());
        _EDID_CEA_DATA_BLOCK_INFO info{};
        info.tag = static_cast<unsigned>(block->getType());
        info.length = static_cast<int>(bytes.size());
        info.payload = bytes.empty() ? nullptr : bytes.data();
        block->initFields(info, images.reference, images.working);
        block->updateUI();
        block->show();
    }

    void reset()
    {
        block->resetFields(images.reference, images.working);
        block->show();
    }

    QByteArray data() { return block->getEDIDData(); }
    QLineEdit *oui() { return child<QLineEdit>(block.get(), "regIDField"); }
    QLabel *noBlockLabel() { return child<QLabel>(block.get(), "noVSDBLabel"); }
    void add() { child<QPushButton>(block.get(), "addVSDBButton")->click(); }
    void remove() { child<QPushButton>(block.get(), "delVSDBButton")->click(); }

    // The rows shown, in order.
    QList<CEAVendorSpecificBlock *> rows()
    {
        QList<CEAVendorSpecificBlock *> shown;
        const auto all = block->findChildren<CEAVendorSpecificBlock *>();
        for (CEAVendorSpecificBlock *row : all)
            if (row->isVisibleTo(block.get()))
                shown << row;
        return shown;
    }
    // "number:text" of each row shown.
    QString rowText()
    {
        QStringList texts;
        for (CEAVendorSpecificBlock *row : rows())
            texts << child<QLabel>(row, "indexLabel")->text() + QLatin1Char(':')
                         + child<QLineEdit>(row, "blockField")->text();
        return texts.join(QLatin1Char(' '));
    }
    QLineEdit *rowField(int k) { return child<QLineEdit>(rows().at(k), "blockField"); }
};

void pressReturn(QLineEdit *field)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
}

void retype(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

QByteArray counting(int first, int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes.append(static_cast<char>(first + i));
    return bytes;
}

QString countingRows(int n)
{
    QStringList rows;
    for (int k = 0; k < n; ++k)
        rows << QStringLiteral("%1:%2").arg(k + 4).arg(k + 3, 2, 16, QLatin1Char('0')).toUpper();
    return rows.join(QLatin1Char(' '));
}

// The page as the application drives it; loads must decode cleanly.
struct Page : CEAPage {
    void load(const QByteArray &image) { QCOMPARE(CEAPage::load(image), 0); }
    QList<CEAVendorSpecificDescriptor *> vendorEditors() { return editors<CEAVendorSpecificDescriptor>(); }
};

} // namespace

class TestCEAVendorSpecificDescriptor : public QObject
{
    Q_OBJECT

private slots:
    void factory();
    void load_data();
    void load();
    void resetThenAdd();
    void buttons_data();
    void buttons();
    void removedRowsComeBack();
    void hexFields_data();
    void hexFields();
    void incompleteOui_data();
    void incompleteOui();
    void assembled_data();
    void assembled();
    void rawReason();
    void samples_data();
    void samples();
};

void TestCEAVendorSpecificDescriptor::factory()
{
    const char *names[] = {"Vendor specific", "Vendor specific video", "Vendor specific audio"};
    const int types[] = {CEA_VENDOR_SPECIFIC, CEA_VENDOR_SPECIFIC_VIDEO, CEA_VENDOR_SPECIFIC_AUDIO};
    const int tags[] = {3, 7, 7};
    const int extTags[] = {0, 1, 17};
    for (int i = 0; i < 3; ++i) {
        std::unique_ptr<CEABlock> block(CEABuilder::make(types[i]));
        QVERIFY(qobject_cast<CEAVendorSpecificDescriptor *>(block.get()) != nullptr);
        QCOMPARE(block->getDisplayName(), QString::fromLatin1(names[i]));
        QCOMPARE(block->getType(), tags[i]);
        QCOMPARE(block->getSubType(), extTags[i]);
        QCOMPARE(child<QLabel>(block.get(), "titleLabel")->text(), QString::fromLatin1(names[i]));
        QVERIFY(block->getHelpMessage().startsWith(QLatin1String("I can't help you")));
    }
}

// A loaded block: what it shows, that loading reports nothing, that it is
// written back as loaded, and that Return in each field shown changes nothing.
void TestCEAVendorSpecificDescriptor::load_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("oui");   // empty: the OUI row is hidden
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QByteArray>("written");

    const QByteArray full = counting(0, 31);
    QTest::newRow("HDMI, two rows") << 4 << hexBytes("03 0C 00 10 00") << "000C03" << "4:10 5:00"
                                    << hexBytes("03 0C 00 10 00");
    QTest::newRow("HDMI Forum") << 4 << hexBytes("D8 5D C4 01 78 80 03") << "C45DD8"
                                << "4:01 5:78 6:80 7:03" << hexBytes("D8 5D C4 01 78 80 03");
    QTest::newRow("OUI only") << 4 << hexBytes("1A 00 00") << "00001A" << "" << hexBytes("1A 00 00");
    QTest::newRow("empty") << 4 << QByteArray() << "" << "" << QByteArray();
    QTest::newRow("one byte") << 4 << hexBytes("AB") << "AB" << "" << hexBytes("AB");
    QTest::newRow("two bytes") << 4 << hexBytes("AB CD") << "CDAB" << "" << hexBytes("AB CD");
    QTest::newRow("31 bytes") << 4 << full << "020100" << countingRows(28) << full;
    QTest::newRow("video HDR10+") << 7 << hexBytes("8B 84 90 01") << "90848B" << "4:01"
                                  << hexBytes("01 8B 84 90 01");
    QTest::newRow("video empty") << 7 << QByteArray() << "" << "" << hexBytes("01");
    QTest::newRow("video 30 bytes") << 7 << full.left(30) << "020100" << countingRows(27)
                                    << QByteArray(1, '\x01') + full.left(30);
    // Past what the header can count with the extended tag: never written.
    QTest::newRow("video 31 bytes") << 7 << full << "020100" << countingRows(27)
                                    << QByteArray(1, '\x01') + full.left(30);
    QTest::newRow("audio Dolby") << 8 << hexBytes("46 D0 00 70 80") << "00D046" << "4:70 5:80"
                                 << hexBytes("11 46 D0 00 70 80");
    QTest::newRow("audio one byte") << 8 << hexBytes("46") << "46" << "" << hexBytes("11 46");
}

void TestCEAVendorSpecificDescriptor::load()
{
    QFETCH(int, type);
    QFETCH(QByteArray, payload);
    QFETCH(QString, oui);
    QFETCH(QString, rows);
    QFETCH(QByteArray, written);

    Editor e(type);
    e.load(payload);
    QCOMPARE(e.changes->count(), 0);
    QCOMPARE(e.data().toHex(' '), written.toHex(' '));
    QCOMPARE(e.oui()->isVisibleTo(e.block.get()), !payload.isEmpty());
    if (!payload.isEmpty())
        QCOMPARE(e.oui()->text(), oui);
    QCOMPARE(e.rowText(), rows);
    QCOMPARE(e.noBlockLabel()->isVisibleTo(e.block.get()), payload.size() < 4);

    if (!payload.isEmpty())
        pressReturn(e.oui());
    for (int k = 0; k < e.rows().size(); ++k)
        pressReturn(e.rowField(k));
    QCOMPARE(e.data().toHex(' '), written.toHex(' '));
    QCOMPARE(e.oui()->text(), payload.isEmpty() ? QString() : oui);
}

void TestCEAVendorSpecificDescriptor::resetThenAdd()
{
    Editor e(CEA_VENDOR_SPECIFIC);
    e.reset();
    QCOMPARE(e.changes->count(), 1);
    QCOMPARE(e.data(), QByteArray());
    QVERIFY(!e.oui()->isVisibleTo(e.block.get()));
    QVERIFY(e.noBlockLabel()->isVisibleTo(e.block.get()));

    e.add();
    QCOMPARE(e.data(), hexBytes("00 00 00"));
    QVERIFY(e.oui()->isVisibleTo(e.block.get()));
    QCOMPARE(e.oui()->text(), QStringLiteral("000000"));
    QVERIFY(e.noBlockLabel()->isVisibleTo(e.block.get()));
    QCOMPARE(e.rowText(), QString());

    e.add();
    QCOMPARE(e.data(), hexBytes("00 00 00 00"));
    QVERIFY(!e.noBlockLabel()->isVisibleTo(e.block.get()));
    QCOMPARE(e.rowText(), QStringLiteral("0:00"));
    QCOMPARE(e.changes->count(), 3);
}

// "+" up to the cap and one more, then "-" down to nothing and one more.
void TestCEAVendorSpecificDescriptor::buttons_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("cap");      // data bytes, OUI included
    QTest::addColumn<QByteArray>("first");   // extended tag

    QTest::newRow("vendor specific") << 4 << 31 << QByteArray();
    QTest::newRow("video") << 7 << 30 << hexBytes("01");
    QTest::newRow("audio") << 8 << 30 << hexBytes("11");
}

void TestCEAVendorSpecificDescriptor::buttons()
{
    QFETCH(int, type);
    QFETCH(int, cap);
    QFETCH(QByteArray, first);

    Editor e(type);
    e.reset();
    QCOMPARE(e.data(), first);
    const QList<int> counts = [cap] {
        QList<int> c{3};
        for (int n = 4; n <= cap; ++n)
            c << n;
        return c;
    }();
    for (int n : counts) {
        e.add();
        QCOMPARE(e.data(), first + QByteArray(n, '\0'));
        QCOMPARE(e.rows().size(), n - 3);
    }
    QVERIFY(e.data().size() <= 31);
    const int reports = e.changes->count();
    e.add();
    QCOMPARE(e.changes->count(), reports);
    QCOMPARE(e.data().size(), first.size() + cap);
    QCOMPARE(e.rowText().section(QLatin1Char(' '), -1), QStringLiteral("%1:00").arg(cap - 4));

    for (int i = counts.size() - 2; i >= 0; --i) {
        e.remove();
        QCOMPARE(e.data().size(), first.size() + counts[i]);
    }
    e.remove();
    QCOMPARE(e.data(), first);
    QVERIFY(!e.oui()->isVisibleTo(e.block.get()));
    const int emptied = e.changes->count();
    e.remove();
    QCOMPARE(e.changes->count(), emptied);
}

// "-" hides the OUI or a row with its value, "+" shows it again with it.
void TestCEAVendorSpecificDescriptor::removedRowsComeBack()
{
    Editor e(CEA_VENDOR_SPECIFIC);
    e.load(hexBytes("03 0C 00 10 20"));
    e.remove();
    QCOMPARE(e.data(), hexBytes("03 0C 00 10"));
    e.add();
    QCOMPARE(e.data(), hexBytes("03 0C 00 10 20"));
    e.add();
    QCOMPARE(e.rowText(), QStringLiteral("4:10 5:20 0:00"));

    e.remove();
    e.remove();
    e.remove();
    QCOMPARE(e.data(), hexBytes("03 0C 00"));
    e.remove();
    QCOMPARE(e.data(), QByteArray());
    e.add();
    QCOMPARE(e.oui()->text(), QStringLiteral("000C03"));
    QCOMPARE(e.data(), hexBytes("03 0C 00"));
}

// Text typed into the OUI field or a row's field of 03 0C 00 10: hex digits
// only, lower-case letters taken upper-cased, other keys refused, at most six
// (OUI) or two (row) digits; an empty field is filled with zeros.
void TestCEAVendorSpecificDescriptor::hexFields_data()
{
    QTest::addColumn<bool>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("OUI 1A") << false << "1A" << "1A" << hexBytes("1A 00 00 10");
    QTest::newRow("OUI cleared") << false << "" << "000000" << hexBytes("00 00 00 10");
    QTest::newRow("OUI lower case") << false << "c45dd8" << "C45DD8" << hexBytes("D8 5D C4 10");
    QTest::newRow("OUI mixed, non-hex refused") << false << "c4G5DzD8FF" << "C45DD8"
                                                << hexBytes("D8 5D C4 10");
    QTest::newRow("OUI nothing hex") << false << "xyz!" << "000000" << hexBytes("00 00 00 10");
    QTest::newRow("row 7") << true << "7" << "7" << hexBytes("03 0C 00 07");
    QTest::newRow("row lower case") << true << "ab" << "AB" << hexBytes("03 0C 00 AB");
    QTest::newRow("row xf") << true << "xf" << "F" << hexBytes("03 0C 00 0F");
    QTest::newRow("row nothing hex") << true << "g!" << "00" << hexBytes("03 0C 00 00");
}

void TestCEAVendorSpecificDescriptor::hexFields()
{
    QFETCH(bool, row);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, written);

    Editor e(CEA_VENDOR_SPECIFIC);
    e.load(hexBytes("03 0C 00 10"));
    QLineEdit *field = row ? e.rowField(0) : e.oui();
    retype(field, typed);
    QCOMPARE(field->text(), shown);
    QCOMPARE(e.data().toHex(' '), written.toHex(' '));
    QVERIFY(e.changes->count() > 0);
}

// A block too short for its OUI keeps its bytes until more digits are typed
// than it holds; then it is a whole OUI.
void TestCEAVendorSpecificDescriptor::incompleteOui_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("one byte, Return") << hexBytes("AB") << "AB" << hexBytes("AB");
    QTest::newRow("one byte, leading zero") << hexBytes("0A") << "0A" << hexBytes("0A");
    QTest::newRow("one byte, one digit") << hexBytes("AB") << "5" << hexBytes("05");
    QTest::newRow("one byte, whole OUI") << hexBytes("AB") << "000C03" << hexBytes("03 0C 00");
    QTest::newRow("one byte, cleared") << hexBytes("AB") << "" << hexBytes("00 00 00");
    QTest::newRow("two bytes, Return") << hexBytes("AB CD") << "CDAB" << hexBytes("AB CD");
    QTest::newRow("two bytes, two digits") << hexBytes("AB CD") << "12" << hexBytes("12 00");
    QTest::newRow("two bytes, five digits") << hexBytes("AB CD") << "C5DD8" << hexBytes("D8 5D 0C");
}

void TestCEAVendorSpecificDescriptor::incompleteOui()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, typed);
    QFETCH(QByteArray, written);

    Editor e(CEA_VENDOR_SPECIFIC_VIDEO);
    e.load(payload);
    retype(e.oui(), typed);
    QCOMPARE(e.data().toHex(' '), (hexBytes("01") + written).toHex(' '));

    // "+" completes the OUI, "-" then removes it.
    Editor f(CEA_VENDOR_SPECIFIC);
    f.load(payload);
    f.add();
    QCOMPARE(f.data().size(), 3);
    QCOMPARE(f.data().left(payload.size()), payload);
    f.remove();
    QCOMPARE(f.data(), QByteArray());
}

// Added from the page and edited: the block as the page writes it, header
// byte first, and "No Vendor Specific Block Defined" until a row is shown.
void TestCEAVendorSpecificDescriptor::assembled_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("adds");
    QTest::addColumn<QString>("oui");   // typed when not empty
    QTest::addColumn<QString>("row");   // typed into the first row when not empty
    QTest::addColumn<QByteArray>("block");

    QTest::newRow("new") << "Vendor specific" << 0 << "" << "" << hexBytes("60");
    QTest::newRow("+") << "Vendor specific" << 1 << "" << "" << hexBytes("63 00 00 00");
    QTest::newRow("+ +") << "Vendor specific" << 2 << "" << "" << hexBytes("64 00 00 00 00");
    QTest::newRow("HDMI") << "Vendor specific" << 3 << "000C03" << "10"
                          << hexBytes("65 03 0C 00 10 00");
    QTest::newRow("video") << "Vendor specific video" << 2 << "000C03" << "01"
                           << hexBytes("E5 01 03 0C 00 01");
    QTest::newRow("audio, new") << "Vendor specific audio" << 0 << "" << "" << hexBytes("E1 11");
}

void TestCEAVendorSpecificDescriptor::assembled()
{
    QFETCH(QString, kind);
    QFETCH(int, adds);
    QFETCH(QString, oui);
    QFETCH(QString, row);
    QFETCH(QByteArray, block);

    ModalCloser closer;
    Page p;
    p.images.set(ceaExtensionImage(QByteArray()));
    p.page.resetFields(p.images.reference, p.images.working);
    QListWidget *types = p.page.findChild<QListWidget *>(QStringLiteral("blockTypeList"));
    const auto items = types->findItems(kind, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    types->setCurrentItem(items.first());
    child<QPushButton>(&p.page, QStringLiteral("addBlockButton"))->click();
    QCOMPARE(p.vendorEditors().size(), 1);
    CEAVendorSpecificDescriptor *editor = p.vendorEditors().first();
    editor->show();

    for (int i = 0; i < adds; ++i)
        child<QPushButton>(editor, QStringLiteral("addVSDBButton"))->click();
    if (!oui.isEmpty())
        retype(child<QLineEdit>(editor, QStringLiteral("regIDField")), oui);
    if (!row.isEmpty()) {
        const auto rows = editor->findChildren<CEAVendorSpecificBlock *>();
        QVERIFY(!rows.isEmpty());
        retype(child<QLineEdit>(rows.first(), QStringLiteral("blockField")), row);
    }

    const QByteArray extension = p.page.getEDIDData();
    QCOMPARE(static_cast<int>(static_cast<unsigned char>(extension[2])), 4 + block.size());
    QCOMPARE(extension.mid(4, block.size()).toHex(' '), block.toHex(' '));
    // No row before the second "+".
    QCOMPARE(child<QLabel>(editor, QStringLiteral("noVSDBLabel"))->isVisibleTo(editor), adds < 2);
    QVERIFY(closer.titles.isEmpty());
}

void TestCEAVendorSpecificDescriptor::rawReason()
{
    QVERIFY(CEABuilder::rawReason(CEA_VENDOR_SPECIFIC, counting(0, 31)).isEmpty());
    QVERIFY(CEABuilder::rawReason(CEA_VENDOR_SPECIFIC, QByteArray()).isEmpty());
    QVERIFY(CEABuilder::rawReason(CEA_VENDOR_SPECIFIC_VIDEO, counting(0, 30)).isEmpty());
    QVERIFY(!CEABuilder::rawReason(CEA_VENDOR_SPECIFIC_VIDEO, counting(0, 31)).isEmpty());
    QVERIFY(!CEABuilder::rawReason(CEA_VENDOR_SPECIFIC_AUDIO, counting(0, 31)).isEmpty());
}

// The vendor blocks of real images, as edid-decode reads them: loaded by the
// page in order, assembled back to the file, also after Return in each field.
void TestCEAVendorSpecificDescriptor::samples_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QStringList>("ouis");

    const QString vsdb = QStringLiteral("Vendor specific");
    QTest::newRow("hdmi-tv") << "hdmi-tv" << QStringList{vsdb} << QStringList{"000C03"};
    QTest::newRow("ycbcr420-video") << "ycbcr420-video"
                                    << QStringList{vsdb, QStringLiteral("Vendor specific video")}
                                    << QStringList{"000C03", "90848B"};
    QTest::newRow("more-than-ten-blocks") << "more-than-ten-blocks" << QStringList{vsdb, vsdb, vsdb}
                                          << QStringList{"000C03", "C45DD8", "00001A"};
    QTest::newRow("infoframe-block")
        << "infoframe-block"
        << QStringList{vsdb, vsdb, QStringLiteral("Vendor specific video"),
                       QStringLiteral("Vendor specific audio")}
        << QStringList{"000C03", "C45DD8", "00D046", "00D046"};
}

void TestCEAVendorSpecificDescriptor::samples()
{
    QFETCH(QString, sample);
    QFETCH(QStringList, kinds);
    QFETCH(QStringList, ouis);

    ModalCloser closer;
    Page p;
    const QByteArray image = sampleImage(sample);
    p.load(image);
    const QByteArray file = image.mid(128, 128);

    const QList<CEAVendorSpecificDescriptor *> editors = p.vendorEditors();
    QStringList shownKinds, shownOuis;
    for (CEAVendorSpecificDescriptor *editor : editors) {
        editor->updateUI();
        shownKinds << editor->getDisplayName();
        shownOuis << child<QLineEdit>(editor, QStringLiteral("regIDField"))->text();
    }
    QCOMPARE(shownKinds, kinds);
    QCOMPARE(shownOuis, ouis);
    QCOMPARE(p.page.getEDIDData().toHex(' '), file.toHex(' '));

    p.page.show();
    for (CEAVendorSpecificDescriptor *editor : editors) {
        editor->show();
        const auto fields = editor->findChildren<QLineEdit *>();
        for (QLineEdit *field : fields)
            if (field->isVisibleTo(editor))
                pressReturn(field);
    }
    QCOMPARE(p.page.getEDIDData().toHex(' '), file.toHex(' '));
    QVERIFY(closer.titles.isEmpty());
}

QTEST_MAIN(TestCEAVendorSpecificDescriptor)
#include "tst_ceavendordescriptor.moc"
