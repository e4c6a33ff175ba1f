#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextStream>
#include <QtTest>

#include "ceaaudiodescriptor.h"
#include "ceaaudioshortblock.h"
#include "ceaextensionblock.h"
#include "ceapage.h"
#include "testsupport.h"

namespace {

const char *const byte2Groups[] = {"compressedGB", "notCompressedGB", "audioFormatCodeGB",
                                   "AACAudioLengthGB", "profileGB", "MPSGB"};

// Byte 1 bits 0-6, and the rate as edid-decode writes it.
const char *const rateBoxes[][2] = {
    {"freq32CB", "32"}, {"freq44CB", "44.1"}, {"freq48CB", "48"}, {"freq88CB", "88.2"},
    {"freq96CB", "96"}, {"freq176CB", "176.4"}, {"freq192CB", "192"},
};

// edid-decode's format names, as the combo box names them.
QString comboName(const QString &decoded)
{
    static const QMap<QString, QString> names = {
        {"Linear PCM", "Linear PCM"}, {"AC-3", "AC-3"}, {"DTS", "DTS"},
        {"Enhanced AC-3 (DD+)", "Enhanced AC-3"}, {"MAT (MLP)", "MAT"}, {"DTS-HD", "DTS-HD"},
        {"MPEG 1 (Layers 1 & 2)", "MPEG-1"}, {"MPEG 1 Layer 3 (MP3)", "MP3"},
        {"MPEG2 (multichannel)", "MPEG2"}, {"AAC LC", "AAC"}, {"ATRAC", "ATRAC"},
        {"One Bit Audio", "One Bit Audio"}, {"DST", "DST"}, {"WMA Pro", "WMA PRO"},
    };
    return names.value(decoded, QStringLiteral("? ") + decoded);
}

QByteArray bytes3(int b0, int b1, int b2)
{
    const char data[3] = {char(b0), char(b1), char(b2)};
    return QByteArray(data, 3);
}

// Types `text` into a spin box and presses Return, as a user does.
void typeInto(QSpinBox *spin, const QString &text)
{
    spin->setFocus();
    spin->findChild<QLineEdit *>()->selectAll();
    QTest::keyClicks(spin, text);
    QTest::keyClick(spin, Qt::Key_Return);
}

// A descriptor editor on its own, loaded with three bytes (none: reset).
struct Descriptor {
    EdidImages images;
    CEAAudioShortBlock editor{nullptr};

    explicit Descriptor(const QByteArray &bytes)
    {
        if (bytes.isEmpty())
            editor.resetFields(images.reference, images.working);
        else
            editor.initFields(reinterpret_cast<const unsigned char *>(bytes.constData()),
                              images.reference, images.working);
    }
    template <typename T> T *w(const QString &name) { return child<T>(&editor, name); }
    QComboBox *combo() { return w<QComboBox>("audioFormatCB"); }
    QByteArray bytes() const { return editor.getEDIDValue(); }
    QStringList enabledGroups()
    {
        QStringList names;
        for (const char *name : byte2Groups)
            if (w<QGroupBox>(name)->isEnabled())
                names << name;
        return names;
    }

    // One step of a script: "format=NAME", "set=SPIN=VALUE" (no commit),
    // "type=SPIN=TEXT" (typed, then Return), "click=BOX", "repick".
    void run(const QString &step)
    {
        const QStringList parts = step.split('=');
        if (parts[0] == "format") {
            const int index = combo()->findText(parts[1]);
            QVERIFY2(index >= 0, qPrintable(step));
            pick(combo(), index);
        } else if (parts[0] == "set") {
            w<QSpinBox>(parts[1])->setValue(parts[2].toInt());
        } else if (parts[0] == "type") {
            typeInto(w<QSpinBox>(parts[1]), parts[2]);
        } else if (parts[0] == "click") {
            w<QCheckBox>(parts[1])->click();
        } else if (parts[0] == "repick") {
            pick(combo(), combo()->currentIndex());
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
};

// The page as the application drives it; loads must decode.
struct Page : CEAPage {
    void load(const QByteArray &image)
    {
        const int result = CEAPage::load(image);
        QVERIFY(result == 0 || result == 2);
    }
    template <typename T> T *editor(int row) { return editorAt<T>(row); }
};

// The descriptors of an Audio block editor, in tab order.
QList<CEAAudioShortBlock *> descriptorsOf(CEAAudioDescriptor *block)
{
    QList<CEAAudioShortBlock *> list;
    auto *tabs = child<QTabWidget>(block, "shortAudioTabs");
    for (int i = 0; i < tabs->count(); ++i)
        list << qobject_cast<CEAAudioShortBlock *>(tabs->widget(i));
    return list;
}

QStringList tabTitles(CEAAudioDescriptor *block)
{
    auto *tabs = child<QTabWidget>(block, "shortAudioTabs");
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    return titles;
}

void load(CEAAudioDescriptor &block, EdidImages &images, const QByteArray &payload)
{
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.tag = 1;
    info.length = payload.size();
    info.payload = reinterpret_cast<unsigned char *>(const_cast<char *>(payload.constData()));
    block.initFields(info, images.reference, images.working);
}

// The first Audio data block of edid-decode's reading: one entry per
// descriptor, the format line followed by its detail lines.
QList<QStringList> decodedAudio(const QString &sample)
{
    QFile file(QStringLiteral(VOZEVU_TEST_DATA "/") + sample + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QStringList> entries;
    bool inBlock = false;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line == QLatin1String("  Audio Data Block:")) {
            inBlock = true;
        } else if (inBlock && line.startsWith(QLatin1String("      "))) {
            entries.last() << line.trimmed();
        } else if (inBlock && line.startsWith(QLatin1String("    "))) {
            entries << QStringList(line.trimmed().chopped(1));
        } else if (inBlock) {
            break;
        }
    }
    return entries;
}

} // namespace

class TestCEAAudio : public QObject
{
    Q_OBJECT

private slots:
    void descriptorEdits_data();
    void descriptorEdits();
    void groupsByFormat_data();
    void groupsByFormat();
    void noOpEditsKeepBytes_data();
    void noOpEditsKeepBytes();
    void formatTable();
    void unnamedFormats_data();
    void unnamedFormats();
    void unnamedFormatOnThePage();

    void deleteMovesEditorToFirstFreePosition();
    void addBringsBackOrResets();
    void tenDescriptors();
    void emptyBlocks_data();
    void emptyBlocks();
    void newBlockOnThePage();
    void lengthNotMultipleOfThreeStaysRaw_data();
    void lengthNotMultipleOfThreeStaysRaw();
    void samples_data();
    void samples();
};

// Loaded bytes (empty: reset), steps, bytes after them.
void TestCEAAudio::descriptorEdits_data()
{
    QTest::addColumn<QByteArray>("loaded");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("reset") << QByteArray() << QString() << hexBytes("09 00 00");
    QTest::newRow("loaded as is") << hexBytes("09 7F 07") << QString() << hexBytes("09 7F 07");
    QTest::newRow("AC-3 takes the bit rate shown")
        << hexBytes("09 7F 07") << "set=maxBitRateField=640;format=AC-3" << hexBytes("11 7F 50");
    QTest::newRow("L-PCM again brings its depths back")
        << hexBytes("09 7F 07") << "set=maxBitRateField=640;format=AC-3;format=Linear PCM"
        << hexBytes("09 7F 07");
    QTest::newRow("bit rate 13 is 8 kHz") << hexBytes("15 07 50") << "type=maxBitRateField=13"
                                          << hexBytes("15 07 01");
    QTest::newRow("bit rate 2040") << hexBytes("15 07 50") << "type=maxBitRateField=2040"
                                   << hexBytes("15 07 FF");
    QTest::newRow("HE AAC + MPEG surround") << QByteArray() << "format=MPEG 4 HE AAC + MPEG surround"
                                            << hexBytes("79 00 40");
    QTest::newRow("MPS set") << QByteArray() << "format=MPEG 4 HE AAC + MPEG surround;click=MPSCB"
                             << hexBytes("79 00 41");
    QTest::newRow("DRA clears MPS")
        << QByteArray() << "format=MPEG 4 HE AAC + MPEG surround;click=MPSCB;click=AACFL960CB;format=DRA"
        << hexBytes("79 00 38");
    QTest::newRow("frame lengths") << hexBytes("79 07 30") << "click=AACFL1024CB;click=AACFL960CB"
                                   << hexBytes("79 07 36");
    QTest::newRow("channels 8") << QByteArray() << "type=nbOfChannelsSB=8" << hexBytes("0F 00 00");
    QTest::newRow("sampling rate") << QByteArray() << "click=freq192CB;click=freq44CB"
                                   << hexBytes("09 42 00");
    // Reserved bits stay through the edits of the bits beside them.
    QTest::newRow("reserved bits of bytes 0 and 1")
        << hexBytes("89 80 07") << "type=nbOfChannelsSB=6;click=freq32CB" << hexBytes("8D 81 07");
    QTest::newRow("reserved bits of an L-PCM byte 2")
        << hexBytes("09 07 F8") << "click=format24BitCB" << hexBytes("09 07 FC");
    QTest::newRow("reserved bits of a WMA Pro byte 2")
        << hexBytes("71 07 FB") << "type=profileSB=5" << hexBytes("71 07 FD");
    QTest::newRow("reserved bit 0 of HE AAC") << hexBytes("79 07 21") << "click=AACFL960CB"
                                              << hexBytes("79 07 23");
    QTest::newRow("a new format rebuilds byte 2")
        << hexBytes("89 87 FF") << "format=MAT" << hexBytes("E1 87 00");
    // A format no row names (code 0, or an extension type without a row) is
    // kept, byte 2 whole, through the channel and rate edits, until the combo
    // picks a real format; its byte-2 widgets are disabled.
    QTest::newRow("extension 9 kept") << hexBytes("79 07 4E") << "repick" << hexBytes("79 07 4E");
    QTest::newRow("extension 9 frame length disabled") << hexBytes("79 07 4E") << "click=AACFL960CB"
                                                       << hexBytes("79 07 4E");
    QTest::newRow("extension 9 to HE AAC") << hexBytes("79 07 4E") << "format=MPEG 4 HE AAC"
                                           << hexBytes("79 07 20");
    QTest::newRow("extension 9 to L-PCM") << hexBytes("79 07 4E") << "format=AC-3;format=Linear PCM"
                                          << hexBytes("09 07 00");
    QTest::newRow("extension 12 channels and rates")
        << hexBytes("FA 87 65") << "type=nbOfChannelsSB=6;click=freq32CB;click=freq96CB"
        << hexBytes("FD 96 65");
    QTest::newRow("extension 12 to DTS") << hexBytes("7A 07 65") << "set=maxBitRateField=96;format=DTS"
                                         << hexBytes("3A 07 0C");
    QTest::newRow("format code 0") << hexBytes("02 07 33") << "type=maxBitRateField=640"
                                   << hexBytes("02 07 33");
    QTest::newRow("format code 0 to L-PCM") << hexBytes("82 07 33") << "format=Linear PCM"
                                            << hexBytes("8A 07 00");
}

void TestCEAAudio::descriptorEdits()
{
    QFETCH(QByteArray, loaded);
    QFETCH(QString, steps);
    QFETCH(QByteArray, expected);

    Descriptor d(loaded);
    d.editor.show();
    QSignalSpy changed(&d.editor, &CEAAudioShortBlock::valueChanged);
    for (const QString &step : steps.split(';', Qt::SkipEmptyParts)) {
        d.run(step);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(d.bytes().toHex(' '), expected.toHex(' '));
    if (steps.isEmpty() || steps == QLatin1String("repick"))
        QCOMPARE(changed.count(), 0);
}

void TestCEAAudio::groupsByFormat_data()
{
    QTest::addColumn<QByteArray>("loaded");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("enabled");

    QTest::newRow("reset") << QByteArray() << "Linear PCM" << QStringList{"notCompressedGB"};
    QTest::newRow("AC-3") << hexBytes("15 07 50") << "AC-3" << QStringList{"compressedGB"};
    QTest::newRow("DTS-HD") << hexBytes("5F 7E 01") << "DTS-HD" << QStringList{"audioFormatCodeGB"};
    QTest::newRow("WMA Pro") << hexBytes("71 07 03") << "WMA PRO" << QStringList{"profileGB"};
    QTest::newRow("HE AAC V2") << hexBytes("79 07 28") << "MPEG 4 HE AAC V2"
                               << QStringList{"AACAudioLengthGB"};
    QTest::newRow("AAC LC + MPS") << hexBytes("79 07 50") << "MPEG 4 AAC LC + MPEG surround"
                                  << QStringList{"AACAudioLengthGB", "MPSGB"};
    QTest::newRow("DRA") << hexBytes("79 07 38") << "DRA" << QStringList();
    // A format no row names: an entry of its own, named by its codes.
    QTest::newRow("extension 9") << hexBytes("79 07 4E") << "Format 15, extension 9" << QStringList();
    QTest::newRow("extension 12") << hexBytes("7A 07 65") << "Format 15, extension 12" << QStringList();
    QTest::newRow("format code 0") << hexBytes("02 07 33") << "Format 0" << QStringList();
}

void TestCEAAudio::groupsByFormat()
{
    QFETCH(QByteArray, loaded);
    QFETCH(QString, format);
    QFETCH(QStringList, enabled);

    Descriptor d(loaded);
    QCOMPARE(d.combo()->currentText(), format);
    QCOMPARE(d.enabledGroups(), enabled);
    QVERIFY(d.w<QGroupBox>("nbrChannelsGB")->isEnabled());
}

// Every format with every byte-2 bit its layout holds set, and with none:
// re-picking the format, Return in each enabled spin box and each enabled
// check box clicked twice leave the bytes as loaded.
void TestCEAAudio::noOpEditsKeepBytes_data()
{
    QTest::addColumn<QByteArray>("loaded");
    for (int row = 0; row < CEAAudioShortBlock::audioFormatCount; ++row) {
        const CEAAudioShortBlock::AudioFormat &format = CEAAudioShortBlock::audioFormatsCodes[row];
        const char ext = char(format.ext << 3);
        for (const char low : {char(0x00), char(0xFF)}) {
            const char byte2 = format.code == 15 ? char(ext | (low & 0x07)) : low;
            QTest::addRow("%s %02X", format.name, quint8(low))
                << bytes3(0x80 | int(format.code << 3) | 5, 0xD5, byte2);
        }
    }
    QTest::newRow("extension 9") << hexBytes("79 07 4F");
    QTest::newRow("extension 31") << hexBytes("7F FF FF");
    QTest::newRow("format code 0") << hexBytes("87 FF FF");
}

void TestCEAAudio::noOpEditsKeepBytes()
{
    QFETCH(QByteArray, loaded);
    Descriptor d(loaded);
    d.editor.show();
    d.run("repick");
    QCOMPARE(d.bytes().toHex(' '), loaded.toHex(' '));
    for (QSpinBox *spin : d.editor.findChildren<QSpinBox *>()) {
        if (!spin->isEnabled())
            continue;
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_Return);
        QVERIFY2(d.bytes() == loaded, qPrintable(spin->objectName()));
    }
    for (QCheckBox *box : d.editor.findChildren<QCheckBox *>()) {
        if (!box->isEnabled())
            continue;
        box->click();
        box->click();
        QVERIFY2(d.bytes() == loaded, qPrintable(box->objectName()));
    }
}

// Codes of CTA-861-F: audio format codes 1-14, then code 15 with the
// extension types 4-8 and 10.
void TestCEAAudio::formatTable()
{
    QList<quint32> codes, exts;
    for (const CEAAudioShortBlock::AudioFormat &format : CEAAudioShortBlock::audioFormatsCodes) {
        codes << format.code;
        exts << format.ext;
    }
    QCOMPARE(codes, (QList<quint32>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 15, 15, 15, 15, 15}));
    QCOMPARE(exts, (QList<quint32>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 5, 6, 7, 8, 10}));

    // Two editors, one model.
    Descriptor a{QByteArray()}, b{QByteArray()};
    QCOMPARE(a.combo()->model(), b.combo()->model());
    QCOMPARE(a.combo()->count(), 20);
    QCOMPARE(a.combo()->itemText(18), QStringLiteral("MPEG 4 HE AAC + MPEG surround"));
}

// A format no row names shows its codes in an entry of the editor's own;
// re-picking it writes nothing, a real format then leaves the shared list.
void TestCEAAudio::unnamedFormats_data()
{
    QTest::addColumn<QByteArray>("loaded");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("asLPCM");   // after "Linear PCM" is picked

    QTest::newRow("format code 0") << hexBytes("02 07 33") << "Format 0" << hexBytes("0A 07 00");
    QTest::newRow("extension 0") << hexBytes("78 07 05") << "Format 15, extension 0" << hexBytes("08 07 00");
    QTest::newRow("extension 11") << hexBytes("7F 7F 58") << "Format 15, extension 11" << hexBytes("0F 7F 00");
    QTest::newRow("extension 12") << hexBytes("7A 07 65") << "Format 15, extension 12" << hexBytes("0A 07 00");
    QTest::newRow("extension 13") << hexBytes("79 01 68") << "Format 15, extension 13" << hexBytes("09 01 00");
    QTest::newRow("extension 31, every bit") << hexBytes("FF FF FF") << "Format 15, extension 31"
                                             << hexBytes("8F FF 00");
}

void TestCEAAudio::unnamedFormats()
{
    QFETCH(QByteArray, loaded);
    QFETCH(QString, text);
    QFETCH(QByteArray, asLPCM);

    Descriptor d(loaded), other{QByteArray()};
    d.editor.show();
    QSignalSpy changed(&d.editor, &CEAAudioShortBlock::valueChanged);
    QCOMPARE(d.combo()->currentText(), text);
    QCOMPARE(d.combo()->count(), CEAAudioShortBlock::audioFormatCount + 1);
    QCOMPARE(other.combo()->count(), CEAAudioShortBlock::audioFormatCount);
    QCOMPARE(d.enabledGroups(), QStringList());
    QVERIFY(d.w<QGroupBox>("nbrChannelsGB")->isEnabled());
    QVERIFY(d.w<QCheckBox>("freq192CB")->isEnabled());

    d.run("repick");
    d.editor.updateUI();
    QCOMPARE(d.bytes().toHex(' '), loaded.toHex(' '));
    QCOMPARE(changed.count(), 0);

    d.run("format=Linear PCM");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(d.bytes().toHex(' '), asLPCM.toHex(' '));
    QCOMPARE(d.combo()->currentText(), QStringLiteral("Linear PCM"));
    QCOMPARE(d.combo()->model(), other.combo()->model());
    QCOMPARE(d.enabledGroups(), QStringList{"notCompressedGB"});
}

// An Audio block with an extension type 12 descriptor, shown on the page:
// handed back byte for byte.
void TestCEAAudio::unnamedFormatOnThePage()
{
    const QByteArray image = ceaExtensionImage(hexBytes("26 7A 07 65 09 07 07"));
    Page p;
    p.load(image);
    auto *block = p.editor<CEAAudioDescriptor>(0);
    QVERIFY(block != nullptr);
    p.select(0);
    const QList<CEAAudioShortBlock *> descriptors = descriptorsOf(block);
    QCOMPARE(descriptors.size(), 2);
    QCOMPARE(descriptors[0]->findChild<QComboBox *>("audioFormatCB")->currentText(),
             QStringLiteral("Format 15, extension 12"));
    QCOMPARE(descriptors[1]->findChild<QComboBox *>("audioFormatCB")->currentText(),
             QStringLiteral("Linear PCM"));
    QCOMPARE(p.page.getEDIDData().toHex(' '), image.mid(128, 128).toHex(' '));
    QCOMPARE(p.images.workingBytes(128, 128).toHex(' '), image.mid(128, 128).toHex(' '));
}

void TestCEAAudio::deleteMovesEditorToFirstFreePosition()
{
    EdidImages images;
    CEAAudioDescriptor block;
    const QByteArray a = hexBytes("09 07 07"), b = hexBytes("15 07 50"), c = hexBytes("57 06 00");
    load(block, images, a + b + c);
    QCOMPARE(block.getEDIDData(), a + b + c);
    QCOMPARE(tabTitles(&block), (QStringList{"n°1", "n°2", "n°3"}));

    QSignalSpy changed(&block, &CEABlock::valueChanged);
    child<QTabWidget>(&block, "shortAudioTabs")->setCurrentIndex(1);
    child<QPushButton>(&block, "delAudioTabButton")->click();
    QCOMPARE(block.getEDIDData(), a + c);
    QCOMPARE(tabTitles(&block), (QStringList{"n°1", "n°2"}));

    child<QPushButton>(&block, "addAudioTabButton")->click();
    QCOMPARE(block.getEDIDData(), a + c + b);
    QCOMPARE(tabTitles(&block), (QStringList{"n°1", "n°2", "n°3"}));
    QCOMPARE(child<QTabWidget>(&block, "shortAudioTabs")->currentIndex(), 2);
    QCOMPARE(changed.count(), 2);
}

void TestCEAAudio::addBringsBackOrResets()
{
    EdidImages images;
    CEAAudioDescriptor block;
    const QByteArray a = hexBytes("09 07 07"), b = hexBytes("15 07 50");
    load(block, images, a + b);
    auto *add = child<QPushButton>(&block, "addAudioTabButton");
    auto *del = child<QPushButton>(&block, "delAudioTabButton");

    del->click();   // the current tab is the first
    QCOMPARE(block.getEDIDData(), b);
    add->click();
    QCOMPARE(block.getEDIDData(), b + a);
    add->click();   // never used position
    QCOMPARE(block.getEDIDData(), b + a + hexBytes("09 00 00"));

    block.resetFields(images.reference, images.working);
    QCOMPARE(block.getEDIDData(), QByteArray());
    QVERIFY(!del->isEnabled());
    QVERIFY(!child<QLabel>(&block, "noBlocksLabel")->isHidden());
    del->click();
    QCOMPARE(block.getEDIDData(), QByteArray());
    add->click();
    add->click();
    QCOMPARE(block.getEDIDData(), hexBytes("09 00 00 09 00 00"));
    QVERIFY(del->isEnabled());
    QVERIFY(child<QLabel>(&block, "noBlocksLabel")->isHidden());
}

void TestCEAAudio::tenDescriptors()
{
    EdidImages images;
    CEAAudioDescriptor block;
    QByteArray payload;
    for (int i = 0; i < 10; ++i)
        payload += bytes3(0x08 | (i % 8), 1 << (i % 7), i);
    load(block, images, payload);
    QCOMPARE(block.getEDIDData(), payload);
    QCOMPARE(block.descriptorCount(), 10);
    auto *add = child<QPushButton>(&block, "addAudioTabButton");
    QVERIFY(!add->isEnabled());
    child<QPushButton>(&block, "delAudioTabButton")->click();
    QVERIFY(add->isEnabled());
    QCOMPARE(block.getEDIDData(), payload.mid(3));
}

void TestCEAAudio::emptyBlocks_data()
{
    QTest::addColumn<bool>("reset");
    QTest::newRow("loaded, length 0") << false;
    QTest::newRow("reset") << true;
}

void TestCEAAudio::emptyBlocks()
{
    QFETCH(bool, reset);
    EdidImages images;
    CEAAudioDescriptor block;
    if (reset)
        block.resetFields(images.reference, images.working);
    else
        load(block, images, QByteArray());
    block.show();
    QCOMPARE(block.getEDIDData(), QByteArray());
    auto *label = child<QLabel>(&block, "noBlocksLabel");
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QStringLiteral("No audio descriptor defined"));
    QVERIFY(!child<QTabWidget>(&block, "shortAudioTabs")->isVisible());
    QCOMPARE(block.getType(), 1);
    QCOMPARE(block.getDisplayName(), QStringLiteral("Audio"));
}

// "+" on the page, then "+" in the block: 23 09 00 00 in the collection.
void TestCEAAudio::newBlockOnThePage()
{
    Page p;
    p.page.resetFields(p.images.reference, p.images.working);
    auto *types = child<QListWidget>(&p.page, "blockTypeList");
    types->setCurrentItem(types->findItems("Audio", Qt::MatchExactly).first());
    child<QPushButton>(&p.page, "addBlockButton")->click();
    auto *block = p.editor<CEAAudioDescriptor>(0);
    QVERIFY(block != nullptr);
    QCOMPARE(p.page.getEDIDData().mid(2, 1), QByteArray(1, 0x05));
    child<QPushButton>(block, "addAudioTabButton")->click();
    const QByteArray ext = p.images.workingBytes(128, 128);
    QCOMPARE(ext.mid(2, 1), QByteArray(1, 0x08));
    QCOMPARE(ext.mid(4, 4).toHex(' '), QByteArray("23 09 00 00"));
    QCOMPARE(tabTitles(block), QStringList{"n°1"});
    QCOMPARE(descriptorsOf(block).first()->findChild<QComboBox *>("audioFormatCB")->currentText(),
             QStringLiteral("Linear PCM"));
}

// A block that is not whole descriptors is kept byte for byte, its row
// saying why.
void TestCEAAudio::lengthNotMultipleOfThreeStaysRaw_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::newRow("length 1") << hexBytes("21 09");
    QTest::newRow("length 2") << hexBytes("22 09 07");
    QTest::newRow("length 7") << hexBytes("27 09 07 07 15 07 50 AA");
    QByteArray length31 = QByteArray(1, char(0x3F));
    for (int i = 0; i < 31; ++i)
        length31 += char(0x09 + i);
    QTest::newRow("length 31") << length31;
}

void TestCEAAudio::lengthNotMultipleOfThreeStaysRaw()
{
    QFETCH(QByteArray, block);
    const QByteArray image = ceaExtensionImage(block + hexBytes("83 01 00 00"));
    Page p;
    p.load(image);
    QCOMPARE(p.page.getEDIDData(), image.mid(128, 128));
    QVERIFY(p.editor<CEAAudioDescriptor>(0) == nullptr);
    const int length = block.size() - 1;
    QVERIFY2(p.rows().at(0).contains(QStringLiteral("length %1 is not a multiple of 3").arg(length)),
             qPrintable(p.rows().at(0)));
    QCOMPARE(p.page.getEDIDData(), image.mid(128, 128));
}

// The Audio blocks of the samples load into the editor, show what
// edid-decode reads in them, and are written back as they are.
void TestCEAAudio::samples_data()
{
    QTest::addColumn<QString>("sample");
    int rows = 0;
    for (const QString &name : sampleNames()) {
        if (decodedAudio(name).isEmpty())
            continue;
        QTest::newRow(qPrintable(name)) << name;
        ++rows;
    }
    QVERIFY(rows >= 5);
}

void TestCEAAudio::samples()
{
    QFETCH(QString, sample);
    const QList<QStringList> decoded = decodedAudio(sample);
    // A wrong extension checksum is made right: the blocks are what counts here.
    QByteArray image = sampleImage(sample);
    fixChecksum(image, 128);
    Page p;
    ModalCloser closer;
    p.load(image);

    CEAAudioDescriptor *block = nullptr;
    for (int row = 0; row < p.rows().size() && block == nullptr; ++row)
        block = p.editor<CEAAudioDescriptor>(row);
    QVERIFY(block != nullptr);
    const QList<CEAAudioShortBlock *> descriptors = descriptorsOf(block);
    QCOMPARE(descriptors.size(), decoded.size());

    for (int i = 0; i < descriptors.size(); ++i) {
        CEAAudioShortBlock *d = descriptors[i];
        const QStringList &entry = decoded[i];
        QCOMPARE(d->findChild<QComboBox *>("audioFormatCB")->currentText(), comboName(entry[0]));
        for (const QString &line : entry) {
            const QString value = line.section(QLatin1String(": "), 1);
            if (line.startsWith(QLatin1String("Max channels:"))) {
                QCOMPARE(d->findChild<QSpinBox *>("nbOfChannelsSB")->value(), value.toInt());
            } else if (line.startsWith(QLatin1String("Supported sample rates"))) {
                const QStringList rates = value.split(' ');
                for (const auto &box : rateBoxes)
                    QCOMPARE(d->findChild<QCheckBox *>(box[0])->isChecked(), rates.contains(box[1]));
            } else if (line.startsWith(QLatin1String("Supported sample sizes"))) {
                const QStringList sizes = value.split(' ');
                for (const char *bits : {"16", "20", "24"})
                    QCOMPARE(d->findChild<QCheckBox *>(QStringLiteral("format%1BitCB").arg(bits))->isChecked(),
                             sizes.contains(bits));
            } else if (line.startsWith(QLatin1String("Maximum bit rate:"))) {
                QCOMPARE(d->findChild<QSpinBox *>("maxBitRateField")->value(),
                         value.section(' ', 0, 0).toInt());
            } else if (line.startsWith(QLatin1String("Audio Format Code dependent value:"))) {
                QCOMPARE(d->findChild<QSpinBox *>("audioFormatDependSB")->value(), value.toInt(nullptr, 16));
            }
        }
    }
    QCOMPARE(p.page.getEDIDData(), image.mid(128, 128));
}

QTEST_MAIN(TestCEAAudio)
#include "tst_ceaaudio.moc"
