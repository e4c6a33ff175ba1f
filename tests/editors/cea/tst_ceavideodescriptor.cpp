#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtTest>

#include "ceabuilder.h"
#include "ceaextensionblock.h"
#include "ceapage.h"
#include "ceashortvideoblock.h"
#include "ceavideodescriptor.h"
#include "testsupport.h"
#include "videoformatnames.h"

namespace {

// The views of one row.
struct Row {
    CEAShortVideoBlock *row;
    QCheckBox *native() const { return child<QCheckBox>(row, "nativeCB"); }
    QComboBox *format() const { return child<QComboBox>(row, "formatMulti"); }
    QSpinBox *code() const { return child<QSpinBox>(row, "codeField"); }
    QString label() const { return child<QLabel>(row, "indexLabel")->text(); }
    unsigned char byte() const { return row->getEDIDValue(); }

    // Return in the number field without typing.
    void returnInCode() const
    {
        code()->setFocus();
        QTest::keyClick(code(), Qt::Key_Return);
    }
    // The number typed over the field's text, then Return.
    void typeCode(const QString &text) const
    {
        code()->setFocus();
        code()->selectAll();
        QTest::keyClicks(code(), text);
        QTest::keyClick(code(), Qt::Key_Return);
    }
    // Every edit that leaves the byte as it is shown.
    void noOps() const
    {
        returnInCode();
        if (format()->currentIndex() >= 0)
            pick(format(), format()->currentIndex());
        if (native()->isEnabled()) {
            native()->click();
            native()->click();
        }
    }
};

// The rows of an editor in use, in order.
QList<Row> rows(CEAVideoDescriptor *editor)
{
    QList<Row> out;
    const auto all = child<QWidget>(editor, "scrollAreaWidgetContents")
                         ->findChildren<CEAShortVideoBlock *>(QString(), Qt::FindDirectChildrenOnly);
    for (int i = 0; i < editor->rowCount() && i < all.size(); ++i)
        out << Row{all.at(i)};
    return out;
}

QPushButton *addButton(QWidget *editor) { return child<QPushButton>(editor, "addVideoItemButton"); }
QPushButton *delButton(QWidget *editor) { return child<QPushButton>(editor, "delVideoItemButton"); }

// The block as the page hands it over: payload after the extended tag byte.
_EDID_CEA_DATA_BLOCK_INFO svdInfo(QByteArray &bytes)
{
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.length = bytes.size();
    info.payload = reinterpret_cast<unsigned char *>(bytes.data());
    return info;
}

// The extension page driven as the application drives it.
struct Page : CEAPage {
    QList<CEAVideoDescriptor *> videoEditors() { return editors<CEAVideoDescriptor>(); }
};

} // namespace

class TestCEAVideoDescriptor : public QObject
{
    Q_OBJECT

private slots:
    void namesTable();

    void rowShowsByte_data();
    void rowShowsByte();
    void rowEdits_data();
    void rowEdits();
    void rowIndexLabel();
    void formatPopup_data();
    void formatPopup();

    void newBlock_data();
    void newBlock();
    void loadedBlockHandedBack_data();
    void loadedBlockHandedBack();
    void rowsUpToTheLimit_data();
    void rowsUpToTheLimit();
    void deletedRowComesBack();
    void rowsCreatedWhenUsed();

    void samplesAssembleBack_data();
    void samplesAssembleBack();
    void builtBlockReadsBack();
};

void TestCEAVideoDescriptor::namesTable()
{
    QCOMPARE(videoFormatModel()->rowCount(), 108);
    QCOMPARE(QString(videoFormatNames[0]), QStringLiteral("640x480p 60Hz 4:3"));
    QCOMPARE(QString(videoFormatNames[42]), QStringLiteral("720x576p 100Hz 16:9 "));
    QCOMPARE(QString(videoFormatNames[45]), QStringLiteral("1920x1080i 120Hz 16:9 "));
    QCOMPARE(QString(videoFormatNames[59]), QStringLiteral("1280x720p 24Hz  16:9"));
    QCOMPARE(QString(videoFormatNames[106]), QStringLiteral("3840x2160p 60Hz 64:27"));
    QCOMPARE(videoFormatModel()->index(107, 0).data().toString(), QStringLiteral("Other"));
}

// A loaded byte (-1: a reset row) as the three views show it. Bytes 129-192
// are VIC 1-64 flagged native; 193-255 are VICs of their own; 0 and 128 are
// reserved. Only VIC 1-64 can be flagged native.
void TestCEAVideoDescriptor::rowShowsByte_data()
{
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("byte");
    QTest::addColumn<bool>("native");
    QTest::addColumn<bool>("nativeEnabled");
    QTest::addColumn<QString>("format");  // empty: no row selected
    QTest::addColumn<QString>("code");

    QTest::newRow("reset") << -1 << 0x01 << false << true << "640x480p 60Hz 4:3" << "1";
    QTest::newRow("0x90 native VIC 16") << 0x90 << 0x90 << true << true << "1920x1080p 60Hz 16:9" << "16";
    QTest::newRow("0x6C VIC 108") << 0x6C << 0x6C << false << false << "Other" << "108";
    QTest::newRow("0x80 reserved") << 0x80 << 0x80 << false << false << "" << "128";
    QTest::newRow("0x00 reserved") << 0x00 << 0x00 << false << false << "" << "0";
    QTest::newRow("0x7F VIC 127") << 0x7F << 0x7F << false << false << "Other" << "127";
    QTest::newRow("0x40 VIC 64") << 0x40 << 0x40 << false << true << "1920x1080p 100Hz 16:9" << "64";
    QTest::newRow("0xC0 native VIC 64") << 0xC0 << 0xC0 << true << true << "1920x1080p 100Hz 16:9" << "64";
    QTest::newRow("0x41 VIC 65") << 0x41 << 0x41 << false << false << "1280x720p 23.98Hz/24Hz 64:27" << "65";
    QTest::newRow("0xC1 VIC 193") << 0xC1 << 0xC1 << false << false << "Other" << "193";
    QTest::newRow("0xFF VIC 255") << 0xFF << 0xFF << false << false << "Other" << "255";
}

void TestCEAVideoDescriptor::rowShowsByte()
{
    QFETCH(int, loaded);
    QFETCH(int, byte);
    QFETCH(bool, native);
    QFETCH(bool, nativeEnabled);
    QFETCH(QString, format);
    QFETCH(QString, code);

    EdidImages images;
    CEAShortVideoBlock widget(nullptr);
    Row row{&widget};
    QSignalSpy changes(&widget, &CEAShortVideoBlock::valueChanged);
    unsigned char svd = static_cast<unsigned char>(loaded);
    if (loaded < 0)
        widget.resetFields(images.reference, images.working);
    else
        widget.initFields(&svd, images.reference, images.working);
    widget.show();
    widget.updateUI();

    QCOMPARE(changes.count(), 0);
    QCOMPARE(int(row.byte()), byte);
    QCOMPARE(row.native()->isChecked(), native);
    QCOMPARE(row.native()->isEnabled(), nativeEnabled);
    QCOMPARE(row.format()->currentText(), format);
    QCOMPARE(row.code()->text(), code);

    // Edits that change nothing keep the byte, whatever it is.
    row.noOps();
    QCOMPARE(int(row.byte()), byte);
    QCOMPARE(row.code()->text(), code);
    row.code()->clearFocus();
    QCOMPARE(int(row.byte()), byte);
}

// User edits: the byte they give and how often they report it.
void TestCEAVideoDescriptor::rowEdits_data()
{
    QTest::addColumn<int>("loaded");
    QTest::addColumn<QString>("action");  // native | pick:ROW | type:TEXT
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("reports");

    QTest::newRow("native on VIC 5") << 0x05 << "native" << 0x85 << "1920x1080i 60Hz 16:9" << "5" << 1;
    QTest::newRow("native off VIC 5") << 0x85 << "native" << 0x05 << "1920x1080i 60Hz 16:9" << "5" << 1;
    QTest::newRow("native on VIC 64") << 0x40 << "native" << 0xC0 << "1920x1080p 100Hz 16:9" << "64" << 1;
    QTest::newRow("Other on VIC 5") << 0x05 << "pick:107" << 0x05 << "Other" << "5" << 0;
    QTest::newRow("type 108") << 0x05 << "type:108" << 0x6C << "Other" << "108" << 1;
    QTest::newRow("pick keeps native within 1-64") << 0x90 << "pick:3" << 0x84 << "1280x720p 60Hz 16:9" << "4" << 1;
    QTest::newRow("pick VIC 65 drops native") << 0x90 << "pick:64" << 0x41
                                              << "1280x720p 23.98Hz/24Hz 64:27" << "65" << 1;
    QTest::newRow("type VIC 70 drops native") << 0x85 << "type:70" << 0x46 << "1280x720p 100Hz 64:27" << "70" << 1;
    QTest::newRow("pick on VIC 193") << 0xC1 << "pick:4" << 0x05 << "1920x1080i 60Hz 16:9" << "5" << 1;
    QTest::newRow("type 1 on VIC 193") << 0xC1 << "type:1" << 0x01 << "640x480p 60Hz 4:3" << "1" << 1;
    QTest::newRow("type 1 on reserved 0") << 0x00 << "type:1" << 0x01 << "640x480p 60Hz 4:3" << "1" << 1;
    QTest::newRow("type 12 on VIC 255") << 0xFF << "type:12" << 0x0C << "(2880)x240p 60Hz 4:3" << "12" << 1;
    // Typing the number already shown changes nothing.
    QTest::newRow("type 16 on VIC 16") << 0x90 << "type:16" << 0x90 << "1920x1080p 60Hz 16:9" << "16" << 1;
    QTest::newRow("Other on VIC 255") << 0xFF << "pick:107" << 0xFF << "Other" << "255" << 0;
}

void TestCEAVideoDescriptor::rowEdits()
{
    QFETCH(int, loaded);
    QFETCH(QString, action);
    QFETCH(int, byte);
    QFETCH(QString, format);
    QFETCH(QString, code);
    QFETCH(int, reports);

    EdidImages images;
    CEAShortVideoBlock widget(nullptr);
    Row row{&widget};
    unsigned char svd = static_cast<unsigned char>(loaded);
    widget.initFields(&svd, images.reference, images.working);
    widget.show();
    QSignalSpy changes(&widget, &CEAShortVideoBlock::valueChanged);

    if (action == QLatin1String("native"))
        row.native()->click();
    else if (action.startsWith(QLatin1String("pick:")))
        pick(row.format(), action.mid(5).toInt());
    else if (action.startsWith(QLatin1String("type:")))
        row.typeCode(action.mid(5));

    QCOMPARE(QByteArray(1, char(row.byte())).toHex(), QByteArray(1, char(byte)).toHex());
    QCOMPARE(row.format()->currentText(), format);
    QCOMPARE(row.code()->text(), code);
    QCOMPARE(changes.count(), reports);
    QCOMPARE(row.native()->isChecked(), CEAShortVideoBlock::isNative(row.byte()));

    // Leaving the field afterwards changes nothing more.
    row.code()->clearFocus();
    QCOMPARE(int(row.byte()), byte);
}

void TestCEAVideoDescriptor::rowIndexLabel()
{
    CEAShortVideoBlock widget(nullptr);
    widget.show();
    widget.setShortVideoBlockIndex(0);
    QCOMPARE(Row{&widget}.label(), QStringLiteral("1."));
    widget.setShortVideoBlockIndex(30);
    QCOMPARE(Row{&widget}.label(), QStringLiteral("31."));
}

// The popup of a row's combo box is built when first opened: it lists every
// name, the shown one current, and has taken the font and style changes
// made while it was not built, as a plain combo box's popup does.
void TestCEAVideoDescriptor::formatPopup_data()
{
    QTest::addColumn<QString>("styleSheet");
    QTest::newRow("font change") << QString();
    QTest::newRow("style change") << QStringLiteral("QComboBox { combobox-popup: 1; }");
}

void TestCEAVideoDescriptor::formatPopup()
{
    QFETCH(QString, styleSheet);
    QWidget window;
    auto *widget = new CEAShortVideoBlock(&window);
    unsigned char svd = 0x90;
    widget->initFields(&svd, nullptr, nullptr);
    auto *plain = new QComboBox(&window);
    plain->setModel(videoFormatModel());
    window.show();
    if (styleSheet.isEmpty()) {
        QFont small = window.font();
        small.setPixelSize(9);
        window.setFont(small);
    } else {
        window.setStyleSheet(styleSheet);
    }

    QComboBox *combo = Row{widget}.format();
    combo->showPopup();
    plain->showPopup();
    QVERIFY(combo->view()->isVisible());
    QCOMPARE(combo->view()->model()->rowCount(), 108);
    QCOMPARE(combo->view()->currentIndex().row(), 15);
    QCOMPARE(combo->view()->font(), plain->view()->font());
    if (styleSheet.isEmpty())
        QCOMPARE(combo->view()->font().pixelSize(), 9);
    QCOMPARE(combo->itemDelegate()->metaObject()->className(),
             plain->itemDelegate()->metaObject()->className());
    combo->hidePopup();
    plain->hidePopup();
    QCOMPARE(int(widget->getEDIDValue()), 0x90);

    // Once built, the popup follows later changes.
    QFont larger = window.font();
    larger.setPixelSize(13);
    window.setFont(larger);
    QCOMPARE(combo->view()->font(), plain->view()->font());
    if (styleSheet.isEmpty())
        QCOMPARE(combo->view()->font().pixelSize(), 13);
}

void TestCEAVideoDescriptor::newBlock_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("help");
    QTest::newRow("video") << int(CEA_VIDEO) << QByteArray() << "Video descriptor" << "Video"
                           << "This block defines the video formats supported by the sink.";
    QTest::newRow("ycbcr 4:2:0 video")
        << int(CEA_YCBCR420_VIDEO) << hexBytes("0e") << "YCbCr video descriptor" << "YCbCr 4:2:0 Video"
        << "This block defines the video formats supported by the sink allowing only the YCbCr 4:2:0 "
           "sampling mode (and nothing else).\n\nIf a video format also supports RGB, YCbCr 4:4:4 or "
           "YCbCr 4:2:2 sampling modes it should be defined in a regular \"video\" block, and should "
           "be tagged as YCbCr 4:2:0 compatible using a \"YCbCr 4:2:0 capability map\" block.";
}

// A block the user adds: empty, then rows appended with the reset byte.
void TestCEAVideoDescriptor::newBlock()
{
    QFETCH(int, type);
    QFETCH(QByteArray, payload);
    QFETCH(QString, title);
    QFETCH(QString, name);
    QFETCH(QString, help);

    EdidImages images;
    QScopedPointer<CEABlock> block(CEABuilder::make(type));
    auto *editor = qobject_cast<CEAVideoDescriptor *>(block.data());
    QVERIFY(editor != nullptr);
    QSignalSpy changes(editor, &CEABlock::valueChanged);
    editor->resetFields(images.reference, images.working);
    editor->show();

    QCOMPARE(changes.count(), 1);
    QCOMPARE(editor->getEDIDData(), payload);
    QCOMPARE(editor->getDisplayName(), name);
    QCOMPARE(child<QLabel>(editor, "titleLabel")->text(), title);
    QVERIFY(child<QLabel>(editor, "noShortVideoLabel")->isVisible());
    QVERIFY(!delButton(editor)->isEnabled());
    QVERIFY(addButton(editor)->isEnabled());
    QCOMPARE(editor->getHelpMessage(), help);

    for (int i = 0; i < 3; ++i)
        addButton(editor)->click();
    QCOMPARE(changes.count(), 4);
    QCOMPARE(editor->getEDIDData(), payload + hexBytes("010101"));
    QStringList labels;
    for (const Row &row : rows(editor))
        labels << row.label();
    QCOMPARE(labels, QStringList({"1.", "2.", "3."}));
    QVERIFY(!child<QLabel>(editor, "noShortVideoLabel")->isVisible());
    QVERIFY(delButton(editor)->isEnabled());

    // An edit in a row reaches the block.
    pick(rows(editor).at(1).format(), 15);
    QCOMPARE(changes.count(), 5);
    QCOMPARE(editor->getEDIDData(), payload + hexBytes("011001"));

    for (int i = 0; i < 3; ++i)
        delButton(editor)->click();
    QCOMPARE(editor->getEDIDData(), payload);
    QVERIFY(child<QLabel>(editor, "noShortVideoLabel")->isVisible());
    QVERIFY(!delButton(editor)->isEnabled());
}

// Loaded blocks come back byte for byte, bytes the combo cannot name included,
// also after every row was shown and edited without a change.
void TestCEAVideoDescriptor::loadedBlockHandedBack_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("svds");  // as the page hands them
    QTest::addColumn<QByteArray>("payload");

    QTest::newRow("video 90 04 03") << int(CEA_VIDEO) << hexBytes("900403") << hexBytes("900403");
    QTest::newRow("ycbcr 4:2:0 video 61") << int(CEA_YCBCR420_VIDEO) << hexBytes("61") << hexBytes("0e61");
    QTest::newRow("odd bytes") << int(CEA_VIDEO) << hexBytes("00807f6cc0c1fffe41")
                               << hexBytes("00807f6cc0c1fffe41");
    QTest::newRow("empty video") << int(CEA_VIDEO) << QByteArray() << QByteArray();
    QTest::newRow("empty ycbcr 4:2:0 video") << int(CEA_YCBCR420_VIDEO) << QByteArray() << hexBytes("0e");
}

void TestCEAVideoDescriptor::loadedBlockHandedBack()
{
    QFETCH(int, type);
    QFETCH(QByteArray, svds);
    QFETCH(QByteArray, payload);

    EdidImages images;
    CEAVideoDescriptor editor(static_cast<CEABlockType>(type), nullptr);
    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    QByteArray bytes = svds;
    editor.initFields(svdInfo(bytes), images.reference, images.working);
    editor.show();
    editor.updateUI();

    QCOMPARE(changes.count(), 0);
    QCOMPARE(editor.rowCount(), svds.size());
    QCOMPARE(editor.getEDIDData().toHex(), payload.toHex());
    for (const Row &row : rows(&editor))
        row.noOps();
    QCOMPARE(editor.getEDIDData().toHex(), payload.toHex());
    QCOMPARE(child<QLabel>(&editor, "noShortVideoLabel")->isVisible(), svds.isEmpty());
}

// A payload holds 31 bytes at most: 31 rows for a video block, 30 for the
// YCbCr 4:2:0 variant, whose extended tag takes one.
void TestCEAVideoDescriptor::rowsUpToTheLimit_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("limit");
    QTest::newRow("video") << int(CEA_VIDEO) << 31;
    QTest::newRow("ycbcr 4:2:0 video") << int(CEA_YCBCR420_VIDEO) << 30;
}

void TestCEAVideoDescriptor::rowsUpToTheLimit()
{
    QFETCH(int, type);
    QFETCH(int, limit);
    const int lead = type == CEA_YCBCR420_VIDEO ? 1 : 0;

    EdidImages images;
    // Loaded full.
    QByteArray full;
    for (int i = 0; i < limit; ++i)
        full.append(char(0x81 + i));
    {
        CEAVideoDescriptor editor(static_cast<CEABlockType>(type), nullptr);
        QByteArray bytes = full;
        editor.initFields(svdInfo(bytes), images.reference, images.working);
        editor.show();
        QCOMPARE(editor.rowCount(), limit);
        QCOMPARE(editor.getEDIDData().mid(lead), full);
        QVERIFY(!addButton(&editor)->isEnabled());
        QCOMPARE(rows(&editor).last().label(), QString::number(limit) + ".");
    }
    // Filled by the user: the add button stops at the limit.
    CEAVideoDescriptor editor(static_cast<CEABlockType>(type), nullptr);
    editor.resetFields(images.reference, images.working);
    for (int i = 0; i < limit; ++i) {
        QVERIFY(addButton(&editor)->isEnabled());
        addButton(&editor)->click();
    }
    QVERIFY(!addButton(&editor)->isEnabled());
    editor.addVideoShortBlock();
    QCOMPARE(editor.rowCount(), limit);
    QCOMPARE(editor.getEDIDData().size(), 31);
}

// A deleted row keeps its value until the next reset.
void TestCEAVideoDescriptor::deletedRowComesBack()
{
    EdidImages images;
    CEAVideoDescriptor editor(CEA_VIDEO, nullptr);
    QByteArray bytes = hexBytes("0102");
    editor.initFields(svdInfo(bytes), images.reference, images.working);
    editor.show();

    pick(rows(&editor).last().format(), 15);
    QCOMPARE(editor.getEDIDData(), hexBytes("0110"));
    delButton(&editor)->click();
    delButton(&editor)->click();
    QCOMPARE(editor.getEDIDData(), QByteArray());
    addButton(&editor)->click();
    addButton(&editor)->click();
    addButton(&editor)->click();
    QCOMPARE(editor.getEDIDData(), hexBytes("011001"));

    editor.resetFields(images.reference, images.working);
    addButton(&editor)->click();
    addButton(&editor)->click();
    QCOMPARE(editor.getEDIDData(), hexBytes("0101"));
}

// An editor holds rows only for the positions that have been used, and a
// row builds its form only when it is first shown; rows added to a shown
// editor are shown at once.
void TestCEAVideoDescriptor::rowsCreatedWhenUsed()
{
    EdidImages images;
    QWidget page;
    page.show();
    auto *editor = new CEAVideoDescriptor(CEA_VIDEO, nullptr);
    editor->hide();
    editor->setParent(&page);
    QCOMPARE(editor->findChildren<CEAShortVideoBlock *>().size(), 0);
    QByteArray bytes = hexBytes("900403");
    editor->initFields(svdInfo(bytes), images.reference, images.working);
    QCoreApplication::processEvents();
    QCOMPARE(editor->findChildren<CEAShortVideoBlock *>().size(), 3);
    QCOMPARE(editor->findChildren<QComboBox *>().size(), 0);
    QCOMPARE(editor->getEDIDData(), hexBytes("900403"));

    editor->show();
    QCOMPARE(editor->findChildren<QComboBox *>().size(), 3);
    QCOMPARE(rows(editor).at(0).format()->currentText(), QStringLiteral("1920x1080p 60Hz 16:9"));
    QVERIFY(rows(editor).at(0).native()->isChecked());
    QCOMPARE(rows(editor).at(2).label(), QStringLiteral("3."));

    delButton(editor)->click();
    addButton(editor)->click();
    addButton(editor)->click();
    QCOMPARE(editor->findChildren<CEAShortVideoBlock *>().size(), 4);
    QCOMPARE(editor->getEDIDData(), hexBytes("90040301"));
    for (const Row &row : rows(editor))
        QVERIFY(row.row->isVisible());
    QCOMPARE(rows(editor).at(3).label(), QStringLiteral("4."));
}

void TestCEAVideoDescriptor::samplesAssembleBack_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QList<int>>("rowCounts");  // of each video editor, in order
    QTest::newRow("hdmi-tv") << "hdmi-tv" << QList<int>{13};
    QTest::newRow("ycbcr420-video") << "ycbcr420-video" << QList<int>{19, 4};
    QTest::newRow("more-than-ten-blocks") << "more-than-ten-blocks" << QList<int>{20};
}

// Sample blocks load into the video editor; the page assembles the file's
// bytes back, also after every row was edited without a change.
void TestCEAVideoDescriptor::samplesAssembleBack()
{
    QFETCH(QString, sample);
    QFETCH(QList<int>, rowCounts);

    Page p;
    p.page.show();
    p.load(sampleImage(sample));
    const QByteArray file = sampleImage(sample).mid(128, 128);

    QList<int> counts;
    for (CEAVideoDescriptor *editor : p.videoEditors())
        counts << editor->rowCount();
    QCOMPARE(counts, rowCounts);
    QCOMPARE(p.page.getEDIDData().toHex(), file.toHex());

    auto *list = child<QListWidget>(&p.page, "listWidget");
    for (CEAVideoDescriptor *editor : p.videoEditors()) {
        list->setCurrentRow(p.page.getBlocks().indexOf(editor));
        for (const Row &row : rows(editor))
            row.noOps();
    }
    QCOMPARE(p.page.getEDIDData().toHex(), file.toHex());
    QCOMPARE(p.images.workingBytes(128, 128).toHex(), file.toHex());
}

// A video block built row by row in the page. edid-decode reads the
// assembled extension as:
//   Video Data Block:
//     VIC  16:  1920x1080   60.000000 Hz  16:9 ... (native)
//     VIC   4:  1280x720    60.000000 Hz  16:9 ...
//     VIC  97:  3840x2160   60.000000 Hz  16:9 ...
//     VIC 108:  1280x720    48.000000 Hz  16:9 ...
void TestCEAVideoDescriptor::builtBlockReadsBack()
{
    Page p;
    p.page.show();
    QByteArray image = ceaExtensionImage(QByteArray());
    image.replace(0, 128, readSample("hdmi-tv").left(128));
    p.load(image);

    QListWidget *types = child<QListWidget>(&p.page, "blockTypeList");
    types->setCurrentItem(types->findItems("Video", Qt::MatchExactly).first());
    child<QPushButton>(&p.page, "addBlockButton")->click();
    QCOMPARE(p.videoEditors().size(), 1);
    CEAVideoDescriptor *editor = p.videoEditors().first();
    for (int i = 0; i < 4; ++i)
        addButton(editor)->click();
    const QList<Row> r = rows(editor);
    pick(r[0].format(), 15);
    r[0].native()->click();
    pick(r[1].format(), 3);
    r[2].typeCode("97");
    r[3].typeCode("108");

    const QByteArray block = hexBytes("44 90 04 61 6c");
    QCOMPARE(p.images.workingBytes(132, 5).toHex(' '), block.toHex(' '));
    QCOMPARE(p.images.workingBytes(128, 128), ceaExtensionImage(block).mid(128));

    const QString decoder = QStandardPaths::findExecutable("edid-decode");
    if (decoder.isEmpty())
        return;
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(image.left(128) + p.images.workingBytes(128, 128));
    file.close();
    QProcess run;
    run.start(decoder, {file.fileName()});
    QVERIFY(run.waitForFinished(10000));
    QStringList vics;
    const QStringList lines = QString::fromLatin1(run.readAllStandardOutput()).split('\n');
    const int start = lines.indexOf("  Video Data Block:");
    QVERIFY(start >= 0);
    for (int i = start + 1; i < lines.size() && lines[i].startsWith("    VIC"); ++i)
        vics << lines[i].section(':', 0, 0).simplified() + (lines[i].endsWith("(native)") ? " native" : "");
    QCOMPARE(vics, QStringList({"VIC 16 native", "VIC 4", "VIC 97", "VIC 108"}));
}

QTEST_MAIN(TestCEAVideoDescriptor)
#include "tst_ceavideodescriptor.moc"
