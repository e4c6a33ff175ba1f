#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "displayfeaturesupport.h"
#include "displayvideoninput.h"
#include "edidwriter.h"
#include "hexaviewer.h"
#include "testsupport.h"

using Row = QPair<QString, QString>;

// The video input and feature support panels wired as the page wires them.
struct InputPanels
{
    DisplayVideonInput input;
    DisplayFeatureSupport features;
    EdidImages images;

    InputPanels()
    {
        QObject::connect(&input, SIGNAL(inputTypeChanged(Bool)), &features, SLOT(inputTypeChanged(Bool)));
    }

    // Shows a sample as the page does, then hands the panels its revision.
    bool show(const QString &name, BytePatches patches = {})
    {
        _EDID_MANDATORY_INFO info;
        if (!images.loadDecoded(name, &info, patches))
            return false;
        input.initFields(info.displayParameters.videoInput, images.reference, images.working);
        features.initFields(info.displayParameters.featureSupport, images.reference, images.working);
        input.adaptToEDIDVersion(info.version.revision);
        features.adaptToEDIDVersion(info.version.revision);
        return true;
    }

    void newImage(Word revision)
    {
        images.set(QByteArray());
        images.working[19] = images.reference[19] = Byte(revision);
        EDIDGetVersionRevision(images.working);
        input.adaptToEDIDVersion(revision);
        features.adaptToEDIDVersion(revision);
        input.resetFields(images.reference, images.working);
        features.resetFields(images.reference, images.working);
    }

    template <class T>
    T *in(const char *name) { return child<T>(&input, name); }
    template <class T>
    T *fs(const char *name) { return child<T>(&features, name); }
};

class TestDisplayInputFeatures : public QObject
{
    Q_OBJECT

private slots:
    void showsAnalogImage();
    void analogToDigitalAndBack();
    void digitalRevision3();
    void digitalDescriptions();
    void reservedCodesKept_data();
    void reservedCodesKept();
    void encodingsAtRevision4();
    void colourTypes_data();
    void colourTypes();
    void revision3DigitalKeepsColourBits_data();
    void revision3DigitalKeepsColourBits();
    void featureDescriptions();
    void newImageStandby();
};

void TestDisplayInputFeatures::showsAnalogImage()
{
    InputPanels panels;
    QSignalSpy spy(&panels.input, SIGNAL(inputTypeChanged(Bool)));
    HexaViewer::getInstance()->setDisplayParamsStringInfo({Row("marker", "kept")});
    QVERIFY(panels.show("analog-1.3"));  // byte 20 = 0x68, byte 24 = 0xEA
    QCOMPARE(spy.count(), 1);
    QVERIFY(panels.in<QRadioButton>("analogRB")->isChecked());
    QCOMPARE(panels.in<QComboBox>("signalLevelMulti")->currentText(), QString(".700 : .000 Vp-p"));
    QVERIFY(panels.in<QCheckBox>("sepSyncCB")->isChecked());
    QVERIFY(!panels.in<QCheckBox>("blankSetupCB")->isChecked());
    QVERIFY(panels.fs<QCheckBox>("standbyModeCB")->isChecked());
    QCOMPARE(panels.fs<QComboBox>("colorTypeMulti")->currentText(), QString("RGB"));
    QVERIFY(panels.fs<QCheckBox>("prefTimingModeCB")->isChecked());
    QVERIFY(panels.fs<QGroupBox>("colorTypeGB")->isEnabled());
    QCOMPARE(panels.fs<QCheckBox>("contFreqCB")->text(), QString("Default GTF (1.3)"));
    QVERIFY(panels.images.changedBytes().isEmpty());

    // Loading leaves the viewer's description alone; the first edit replaces it.
    QCOMPARE(ViewerPane::now().labels, QStringList{"marker"});
    panels.in<QCheckBox>("serrationCB")->click();
    QCOMPARE(panels.images.working[20], Byte(0x69));
    const ViewerPane pane = ViewerPane::now();
    QCOMPARE(pane.title, QString("Display Parameters"));
    QCOMPARE(pane.labels, (QStringList{"Video Input Signal", "Signal Level", "Blank Setup", "Separate Sync",
                                       "Composite Sync", "Sync On Green", "Serration"}));
    QCOMPARE(pane.values, (QStringList{"Analog", ".700 : .000 Vp-p", "no", "YES", "no", "no", "YES"}));
    QVERIFY(panels.images.checksumOk());
}

void TestDisplayInputFeatures::analogToDigitalAndBack()
{
    InputPanels panels;
    QVERIFY(panels.show("analog-1.3", {{19, 4}}));
    panels.in<QRadioButton>("digitalRB")->click();
    QCOMPARE(panels.in<QComboBox>("cbdMulti")->currentText(), QString("6 Bits"));
    QCOMPARE(panels.in<QComboBox>("interfaceMulti")->currentText(), QString("Undefined"));
    QCOMPARE(panels.images.working[20], Byte(0x90));
    QVERIFY(panels.fs<QGroupBox>("colorEncoFormatGB")->isEnabled());
    QVERIFY(!panels.fs<QGroupBox>("colorTypeGB")->isEnabled());

    panels.in<QRadioButton>("analogRB")->click();
    QCOMPARE(panels.images.working[20], Byte(0x68));
    QVERIFY(panels.images.changedBytes().isEmpty());
    QVERIFY(panels.images.checksumOk());
}

void TestDisplayInputFeatures::digitalRevision3()
{
    InputPanels panels;
    panels.newImage(3);
    panels.in<QRadioButton>("digitalRB")->click();
    QCOMPARE(panels.images.working[20], Byte(0x80));
    QVERIFY(!panels.fs<QGroupBox>("colorEncoFormatGB")->isEnabled());
    QVERIFY(!panels.fs<QGroupBox>("colorTypeGB")->isEnabled());
    panels.in<QCheckBox>("dfpSupportCB")->click();
    QCOMPARE(panels.images.working[20], Byte(0x81));
    QVERIFY(panels.images.checksumOk());

    // A revision switch writes nothing; the next edit uses the new layout.
    EDIDUpdateVersionRevision({1, 4}, panels.images.working);
    panels.input.adaptToEDIDVersion(4);
    QCOMPARE(panels.images.working[20], Byte(0x81));
    pick(panels.in<QComboBox>("interfaceMulti"), 5);
    QCOMPARE(panels.images.working[20], Byte(0x85));
}

void TestDisplayInputFeatures::digitalDescriptions()
{
    InputPanels panels;
    QVERIFY(panels.show("hdmi-tv"));  // digital, revision 3
    QCOMPARE(panels.input.getStringInfo(),
             StringInfo({Row("Video Input Signal", "Digital"), Row("DFP 1.X Compatible", "no")}));
    QVERIFY(panels.show("displayport-1.4"));  // 0xA5: 8 bits, DisplayPort
    QCOMPARE(panels.input.getStringInfo(),
             StringInfo({Row("Video Input Signal", "Digital"), Row("Color Bit Depth", "8 Bits"),
                         Row("Interface", "DisplayPort")}));
    // Clicking the checked button is no edit: nothing written, nothing told.
    QSignalSpy spy(&panels.input, SIGNAL(inputTypeChanged(Bool)));
    panels.in<QRadioButton>("digitalRB")->click();
    QCOMPARE(spy.count(), 0);
    QVERIFY(panels.images.changedBytes().isEmpty());
}

// Reserved colour depth and interface codes are shown as such and kept until
// their own combo box is changed; the other one keeps its code meanwhile.
void TestDisplayInputFeatures::reservedCodesKept_data()
{
    QTest::addColumn<int>("byte20");
    QTest::addColumn<QString>("depthText");
    QTest::addColumn<QString>("interfaceText");
    QTest::newRow("interface 14") << 0xAE << "8 Bits" << "Reserved (14)";
    QTest::newRow("depth 7") << 0xF5 << "Reserved (7)" << "DisplayPort";
    QTest::newRow("both") << 0xF6 << "Reserved (7)" << "Reserved (6)";
}

void TestDisplayInputFeatures::reservedCodesKept()
{
    QFETCH(int, byte20);
    QFETCH(QString, depthText);
    QFETCH(QString, interfaceText);
    InputPanels panels;
    QVERIFY(panels.show("displayport-1.4", {{20, Byte(byte20)}}));
    QComboBox *depth = panels.in<QComboBox>("cbdMulti");
    QComboBox *iface = panels.in<QComboBox>("interfaceMulti");
    QCOMPARE(depth->currentText(), depthText);
    QCOMPARE(iface->currentText(), interfaceText);
    QCOMPARE(panels.input.getStringInfo().last(), Row("Interface", interfaceText));

    // No-ops: the checked button, each entry shown picked again.
    panels.in<QRadioButton>("digitalRB")->click();
    pick(depth, depth->currentIndex());
    pick(iface, iface->currentIndex());
    QVERIFY(panels.images.changedBytes().isEmpty());

    // DVI picked: bits 3-0 change, the depth bits stay as loaded.
    pick(iface, 1);
    QCOMPARE(int(panels.images.working[20]), (byte20 & 0xF0) | 0x01);
    QCOMPARE(iface->currentText(), QStringLiteral("DVI"));
    QVERIFY(panels.images.checksumOk());
}

void TestDisplayInputFeatures::encodingsAtRevision4()
{
    InputPanels panels;
    QVERIFY(panels.show("displayport-1.4"));  // byte 24 = 0x0A... digital, revision 4
    auto bits = [&] { return (panels.images.working[24] >> 3) & 3; };
    auto *y444 = panels.fs<QCheckBox>("ycrcb444CB");
    auto *y422 = panels.fs<QCheckBox>("ycrcb422CB");
    if (y444->isChecked())
        y444->click();
    if (y422->isChecked())
        y422->click();
    QCOMPARE(bits(), 0);
    y444->click();
    QCOMPARE(bits(), 1);
    y422->click();
    QCOMPARE(bits(), 3);
    y444->click();
    QCOMPARE(bits(), 2);
    y422->click();
    QCOMPARE(bits(), 0);
    QVERIFY(panels.fs<QCheckBox>("rgb444CB")->isChecked());
    QVERIFY(!panels.fs<QCheckBox>("rgb444CB")->isEnabled());
    QVERIFY(panels.images.checksumOk());

    // Analog image at revision 4 switched to digital: encodings are written.
    QVERIFY(panels.show("analog-1.3", {{19, 4}}));
    panels.in<QRadioButton>("digitalRB")->click();
    panels.fs<QCheckBox>("ycrcb444CB")->click();
    QCOMPARE(bits(), 1);
}

void TestDisplayInputFeatures::colourTypes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("bits");
    QTest::newRow("Undefined") << 0 << 3;
    QTest::newRow("Monochrome") << 1 << 0;
    QTest::newRow("RGB") << 2 << 1;
    QTest::newRow("Non-RGB") << 3 << 2;
}

void TestDisplayInputFeatures::colourTypes()
{
    QFETCH(int, index);
    InputPanels panels;
    QVERIFY(panels.show("analog-1.3"));
    pick(panels.fs<QComboBox>("colorTypeMulti"), index);
    QTEST(int((panels.images.working[24] >> 3) & 3), "bits");
    QCOMPARE(panels.images.working[24] & 0xE7, 0xE2);
    QVERIFY(panels.images.checksumOk());
}

void TestDisplayInputFeatures::revision3DigitalKeepsColourBits_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("colourBits");
    QTest::newRow("digital 1.3, bits 01") << "digital-1.3-colour-bits" << -1;
    QTest::newRow("bits 11") << "hdmi-tv" << 3;
    QTest::newRow("bits 10") << "hdmi-tv" << 2;
    QTest::newRow("bits 00") << "hdmi-tv" << 0;
}

void TestDisplayInputFeatures::revision3DigitalKeepsColourBits()
{
    QFETCH(QString, sample);
    QFETCH(int, colourBits);
    InputPanels panels;
    if (colourBits < 0) {
        QVERIFY(panels.show(sample));
    } else {
        EdidImages probe;
        _EDID_MANDATORY_INFO info;
        QVERIFY(probe.loadDecoded(sample, &info));
        QVERIFY(panels.show(sample, {{24, Byte((probe.reference[24] & 0xE7) | (colourBits << 3))}}));
    }
    const Byte loaded = panels.images.reference[24];
    for (const char *name : {"standbyModeCB", "suspendModeCB", "activeOffCB", "srgbCB", "contFreqCB",
                             "prefTimingModeCB"}) {
        auto *box = panels.fs<QCheckBox>(name);
        box->click();
        QCOMPARE(panels.images.working[24] & 0x18, loaded & 0x18);
        QVERIFY(panels.images.working[24] != loaded);
        box->click();
        QCOMPARE(panels.images.working[24], loaded);
    }
    // Switching the input to analog and back to digital keeps them too.
    panels.in<QRadioButton>("analogRB")->click();
    panels.in<QRadioButton>("digitalRB")->click();
    panels.fs<QCheckBox>("srgbCB")->click();
    panels.fs<QCheckBox>("srgbCB")->click();
    QCOMPARE(panels.images.working[24], loaded);
    QVERIFY(panels.images.checksumOk());
}

void TestDisplayInputFeatures::featureDescriptions()
{
    InputPanels panels;
    QVERIFY(panels.show("analog-1.3"));
    QCOMPARE(panels.features.getStringInfo(),
             StringInfo({Row("Standby Mode", "YES"), Row("Suspend Mode", "YES"), Row("Active off", "YES"),
                         Row("Standard RGB", "no"), Row("Continuous Frequency", "no"),
                         Row("Preferred Timing Mode", "YES")}));
    panels.features.adaptToEDIDVersion(4);
    QCOMPARE(panels.fs<QCheckBox>("contFreqCB")->text(), QString("Continuous Frequency (1.4)"));
    QCOMPARE(panels.features.getStringInfo().size(), 7);
    QCOMPARE(panels.features.getStringInfo().at(3), Row("Color Type", "RGB"));

    QVERIFY(panels.show("displayport-1.4"));
    QCOMPARE(panels.features.getStringInfo().at(3), Row("Color Encoding Format", "Specified"));
}

void TestDisplayInputFeatures::newImageStandby()
{
    InputPanels panels;
    QVERIFY(panels.show("displayport-1.4"));
    panels.newImage(4);
    panels.fs<QCheckBox>("standbyModeCB")->click();
    QCOMPARE(panels.images.working[24], Byte(0x80));
    panels.in<QRadioButton>("digitalRB")->click();
    QCOMPARE(panels.images.working[20], Byte(0x80));
    QVERIFY(panels.images.checksumOk());
}

QTEST_MAIN(TestDisplayInputFeatures)
#include "tst_displayinputfeatures.moc"
