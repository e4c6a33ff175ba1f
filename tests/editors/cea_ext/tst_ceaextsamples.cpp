// Colorimetry, video capability and InfoFrame blocks through the extension
// page. The samples that hold them: each block lands in its editor, which
// shows what edid-decode reads from it, and the extension is assembled back
// to the file's bytes, also after edits that change nothing. Then blocks
// built here, and blocks added with "+".

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QtTest>

#include "ceacolorimetryblock.h"
#include "ceaextensionblock.h"
#include "ceainfoframe.h"
#include "ceavideocapability.h"
#include "testsupport.h"

namespace {

// edid-decode's reading of a sample: the lines under each data block title
// (two-space indent), one entry per block, in the order of the file.
QList<QStringList> decodedBlocks(const QString &sample, const QString &title)
{
    QFile file(QStringLiteral(VOZEVU_TEST_DATA "/") + sample + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QStringList> blocks;
    bool inside = false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (const QString &line : lines) {
        if (line.startsWith(QStringLiteral("  ")) && !line.startsWith(QStringLiteral("   "))) {
            inside = line == QStringLiteral("  ") + title + QLatin1Char(':');
            if (inside)
                blocks.append(QStringList());
        } else if (inside && line.startsWith(QStringLiteral("    "))) {
            blocks.last() << line.trimmed();
        } else {
            inside = false;
        }
    }
    return blocks;
}

template <typename T> QList<T *> editorsOf(CEAExtensionBlock &page)
{
    QList<T *> found;
    for (CEABlock *block : page.getBlocks())
        if (auto *editor = qobject_cast<T *>(block))
            found << editor;
    return found;
}

// edid-decode's names of the colorimetry flags, bit 0 first, and the boxes.
const char *const colorimetryNames[8] = {"xvYCC601", "xvYCC709", "sYCC601", "opYCC601",
                                         "opRGB", "BT2020cYCC", "BT2020YCC", "BT2020RGB"};
const char *const colorimetryBoxes[8] = {"xvycc601CB", "xvycc709CB", "sycc501CB", "adobeycc601CB",
                                         "adobergbCB", "bt2020cyccCB", "bt2020yccCB", "bt2020rgbCB"};

// The combo row of an edid-decode scan behaviour line.
int scanRow(const QString &text)
{
    if (text.startsWith(QStringLiteral("Always Overscanned")))
        return 1;
    if (text.startsWith(QStringLiteral("Always Underscanned")))
        return 2;
    if (text.startsWith(QStringLiteral("Supports both")))
        return 3;
    return 0;  // "No Data", "... video formats not supported"
}

QString valueOf(const QStringList &lines, const QString &label)
{
    for (const QString &line : lines)
        if (line.startsWith(label + QStringLiteral(": ")))
            return line.mid(label.size() + 2);
    return QString();
}

} // namespace

class TestCEAExtSamples : public QObject
{
    Q_OBJECT

private slots:
    void samples_data();
    void samples();
    void craftedBlocks_data();
    void craftedBlocks();
    void addedBlocks();
};

void TestCEAExtSamples::samples_data()
{
    QTest::addColumn<QString>("sample");
    int colorimetry = 0, capability = 0, infoFrame = 0;
    for (const QString &name : sampleNames()) {
        const int c = decodedBlocks(name, "Colorimetry Data Block").size();
        const int v = decodedBlocks(name, "Video Capability Data Block").size();
        const int i = decodedBlocks(name, "InfoFrame Data Block").size();
        if (c + v + i == 0)
            continue;
        colorimetry += c;
        capability += v;
        infoFrame += i;
        QTest::newRow(qPrintable(name)) << name;
    }
    QVERIFY(colorimetry >= 5 && capability >= 5 && infoFrame >= 1);
}

void TestCEAExtSamples::samples()
{
    QFETCH(QString, sample);

    // A bad extension checksum (cea-bad-checksum) is made right first: the
    // application would not show the extension otherwise. Its timings are
    // 0xFF fill that the timing editor does not keep: there, only the data
    // block collection is compared.
    QByteArray image = sampleImage(sample);
    const bool whole = blockSum(image, 128) == 0;
    fixChecksum(image, 128);
    const int compared = whole ? 128 : static_cast<unsigned char>(image.at(130));
    const QByteArray file = image.mid(128, compared);

    EdidImages images;
    images.set(image);
    _EDID_CEA_EXTENSION_INFO info{};
    const int result = EDIDGetExtensionInfo(images.reference, &info);
    QVERIFY(result == 0 || result == 2);
    ModalCloser closer;
    CEAExtensionBlock page(nullptr);
    page.initFields(&info, images.reference, images.working);
    QCOMPARE(page.getEDIDData().left(compared).toHex(' '), file.toHex(' '));

    const QList<QStringList> colorimetry = decodedBlocks(sample, "Colorimetry Data Block");
    const QList<CEAColorimetryBlock *> colorimetryEditors = editorsOf<CEAColorimetryBlock>(page);
    QCOMPARE(colorimetryEditors.size(), colorimetry.size());
    for (int b = 0; b < colorimetry.size(); ++b) {
        for (int bit = 0; bit < 8; ++bit)
            QCOMPARE(child<QCheckBox>(colorimetryEditors[b], colorimetryBoxes[bit])->isChecked(),
                     colorimetry[b].contains(colorimetryNames[bit]));
    }

    const QList<QStringList> capability = decodedBlocks(sample, "Video Capability Data Block");
    const QList<CEAVideoCapability *> capabilityEditors = editorsOf<CEAVideoCapability>(page);
    QCOMPARE(capabilityEditors.size(), capability.size());
    for (int b = 0; b < capability.size(); ++b) {
        CEAVideoCapability *editor = capabilityEditors[b];
        const QStringList &lines = capability[b];
        QCOMPARE(child<QCheckBox>(editor, "quantizationYCC")->isChecked(),
                 valueOf(lines, "YCbCr quantization").startsWith("Selectable"));
        QCOMPARE(child<QCheckBox>(editor, "quantizationRGB")->isChecked(),
                 valueOf(lines, "RGB quantization").startsWith("Selectable"));
        QCOMPARE(child<QComboBox>(editor, "overUnderPrefFormat")->currentIndex(),
                 scanRow(valueOf(lines, "PT scan behavior")));
        QCOMPARE(child<QComboBox>(editor, "overUnderITFormat")->currentIndex(),
                 scanRow(valueOf(lines, "IT scan behavior")));
        QCOMPARE(child<QComboBox>(editor, "overUnderCEFormat")->currentIndex(),
                 scanRow(valueOf(lines, "CE scan behavior")));
    }

    const QList<QStringList> infoFrames = decodedBlocks(sample, "InfoFrame Data Block");
    const QList<CEAInfoFrame *> infoFrameEditors = editorsOf<CEAInfoFrame>(page);
    QCOMPARE(infoFrameEditors.size(), infoFrames.size());
    for (int b = 0; b < infoFrames.size(); ++b) {
        CEAInfoFrame *editor = infoFrameEditors[b];
        QCOMPARE(child<QSpinBox>(editor, "VSIFSpinBox")->value(), valueOf(infoFrames[b], "VSIFs").toInt());
        const QStringList codes = infoFrames[b].filter(QRegularExpression("^InfoFrame Type Code \\d+"));
        auto *rows = child<QListWidget>(editor, "infoBlocks");
        QCOMPARE(rows->count(), codes.size());
        for (int r = 0; r < codes.size(); ++r) {
            const int code = codes[r].mid(20).section(',', 0, 0).toInt();
            QCOMPARE(rows->item(r)->text(), CEAInfoFrame::infoFrameBlockName[code]);
        }
    }

    // Every block shown, every box clicked twice, every combo row re-picked.
    auto *list = child<QListWidget>(&page, "listWidget");
    for (int row = 0; row < list->count(); ++row) {
        list->setCurrentRow(row);
        CEABlock *block = page.getBlocks().at(row);
        for (QCheckBox *box : block->findChildren<QCheckBox *>()) {
            box->click();
            box->click();
        }
        for (QComboBox *combo : block->findChildren<QComboBox *>())
            pick(combo, combo->currentIndex());
    }
    QCOMPARE(page.getEDIDData().left(compared).toHex(' '), file.toHex(' '));
    QVERIFY(closer.titles.isEmpty());
}

// Blocks built here (header byte first) go through the page into their
// editors and come back byte for byte.
// Blocks built here (header byte first) go through the page into their
// editors and come back byte for byte; then one edit (InfoFrame: VSIF count
// + 1; colorimetry: BT2020 rgb toggled; video capability: QY toggled)
// gives `edited`.
void TestCEAExtSamples::craftedBlocks_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QByteArray>("edited");

    QTest::newRow("InfoFrame, processing and VSIF payloads")
        << hexBytes("ed 20 40 01 aabb 41 d85dc4 0102 2205") << "CEAInfoFrame"
        << hexBytes("ed 20 40 02 aabb 41 d85dc4 0102 2205");
    QTest::newRow("InfoFrame 22 05") << hexBytes("e5 20 00 00 2205") << "CEAInfoFrame"
                                     << hexBytes("e5 20 00 01 2205");
    QTest::newRow("InfoFrame, OUI past the end") << hexBytes("e5 20 00 00 0103") << "CEAInfoFrame"
                                                 << hexBytes("e5 20 00 01 0103");
    QTest::newRow("InfoFrame, no VSIF count") << hexBytes("e2 20 00") << "CEAInfoFrame"
                                              << hexBytes("e3 20 00 01");
    QTest::newRow("InfoFrame, 30 bytes") << hexBytes("ff 20 0000") + QByteArray(28, 0x04) << "CEAInfoFrame"
                                         << hexBytes("ff 20 0001") + QByteArray(28, 0x04);
    QTest::newRow("colorimetry, no metadata byte") << hexBytes("e2 05 81") << "CEAColorimetryBlock"
                                                   << hexBytes("e3 05 01 00");
    QTest::newRow("colorimetry, longer") << hexBytes("e5 05 81 8f 0102") << "CEAColorimetryBlock"
                                         << hexBytes("e5 05 01 8f 0102");
    QTest::newRow("video capability, no capability byte") << hexBytes("e1 00") << "CEAVideoCapability"
                                                          << hexBytes("e2 00 80");
    QTest::newRow("video capability, longer") << hexBytes("e4 00 7f aabb") << "CEAVideoCapability"
                                              << hexBytes("e4 00 ff aabb");
}

void TestCEAExtSamples::craftedBlocks()
{
    QFETCH(QByteArray, block);
    QFETCH(QString, editor);
    QFETCH(QByteArray, edited);

    // Between two other blocks, so that a wrong length shows in its neighbour.
    const QByteArray before = hexBytes("4210 04");
    const QByteArray after = hexBytes("2309 0707");
    const QByteArray image = ceaExtensionImage(before + block + after);
    EdidImages images;
    images.set(image);
    _EDID_CEA_EXTENSION_INFO info{};
    QCOMPARE(EDIDGetExtensionInfo(images.reference, &info), 0);
    ModalCloser closer;
    CEAExtensionBlock page(nullptr);
    page.initFields(&info, images.reference, images.working);
    QVERIFY(page.getBlocks().size() >= 2);
    CEABlock *shown = page.getBlocks().at(1);
    QCOMPARE(QString::fromLatin1(shown->metaObject()->className()), editor);
    QCOMPARE(page.getEDIDData().toHex(' '), image.mid(128).toHex(' '));

    if (auto *spin = shown->findChild<QSpinBox *>("VSIFSpinBox"))
        spin->setValue(spin->value() + 1);
    else if (auto *box = shown->findChild<QCheckBox *>("bt2020rgbCB"))
        box->click();
    else
        child<QCheckBox>(shown, "quantizationYCC")->click();
    QCOMPARE(page.getEDIDData().toHex(' '), ceaExtensionImage(before + edited + after).mid(128).toHex(' '));
    QVERIFY(closer.titles.isEmpty());
}

// "+" on each kind's name in the type list: the new blocks in the extension.
void TestCEAExtSamples::addedBlocks()
{
    EdidImages images;
    ModalCloser closer;
    CEAExtensionBlock page(nullptr);
    page.resetFields(images.reference, images.working);
    auto *types = child<QListWidget>(&page, "blockTypeList");
    for (const char *name : {"Info frame", "Colorimetry", "Video capability"}) {
        const QList<QListWidgetItem *> items = types->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        types->setCurrentItem(items.first());
        child<QPushButton>(&page, "addBlockButton")->click();
    }
    QCOMPARE(page.getEDIDData().mid(2, 12).toHex(' '),
             QByteArray("0f 00 e3 20 00 00 e3 05 00 00 e2 00"));
    QCOMPARE(page.getEDIDData().at(14), '\0');
    QVERIFY(closer.titles.isEmpty());
}

QTEST_MAIN(TestCEAExtSamples)
#include "tst_ceaextsamples.moc"
