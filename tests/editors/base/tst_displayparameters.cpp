#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QtTest>

#include "displayparameters.h"
#include "testsupport.h"

using Row = QPair<QString, QString>;

class TestDisplayParameters : public QObject
{
    Q_OBJECT

private slots:
    void gammaEdit_data();
    void gammaEdit();
    void describesEverySection();
    void digitalAtRevision4();
    void aspectRatioChecked();
    void revision3DigitalKeepsColourBits();
    void untouchedEdits_data();
    void untouchedEdits();

private:
    static bool show(DisplayParameters &panel, EdidImages &images, const QString &name,
                     BytePatches patches = {})
    {
        _EDID_MANDATORY_INFO info;
        if (!images.loadDecoded(name, &info, patches))
            return false;
        panel.initFields(info.displayParameters, images.reference, images.working);
        panel.adaptToEDIDVersion(info.version.revision);
        return true;
    }
};

void TestDisplayParameters::gammaEdit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("byte23");
    QTest::addColumn<QString>("message");
    QTest::newRow("1.15") << "1.15" << 15 << "";
    QTest::newRow("4") << "4" << 0 << "Gamma must be in range of 1.00 to 3.54";
}

void TestDisplayParameters::gammaEdit()
{
    QFETCH(QString, message);
    EdidImages images;
    DisplayParameters panel;
    QVERIFY(show(panel, images, "analog-1.3"));
    ModalCloser boxes;
    QFETCH(QString, typed);
    typeAndReturn(child<QLineEdit>(&panel, "gammaField"), typed);
    QCOMPARE(boxes.texts, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(boxes.titles, message.isEmpty() ? QStringList() : QStringList{"Format error"});
    QTEST(int(images.working[23]), "byte23");
    // Bytes 20-22 and 24 are rewritten from the panel, which holds the image's values.
    for (int i : images.changedBytes())
        QCOMPARE(i, 23);
    QVERIFY(images.checksumOk());
}

void TestDisplayParameters::describesEverySection()
{
    EdidImages images;
    DisplayParameters panel;
    QVERIFY(show(panel, images, "analog-1.3"));
    child<QCheckBox>(&panel, "srgbCB")->click();
    QCOMPARE(images.working[24], Byte(0xEE));
    const QStringList labels = {"Video Input Signal", "Signal Level", "Blank Setup", "Separate Sync",
                                "Composite Sync", "Sync On Green", "Serration", "Gamma", "H. Size", "V. Size",
                                "Standby Mode", "Suspend Mode", "Active off", "Standard RGB",
                                "Continuous Frequency", "Preferred Timing Mode"};
    QCOMPARE(ViewerPane::now().labels, labels);  // no colour row at revision 3
    QCOMPARE(ViewerPane::now().values.at(7), QString("2.20"));
    panel.adaptToEDIDVersion(4);
    QCOMPARE(panel.getStringInfo().at(13), Row("Color Type", "RGB"));
}

void TestDisplayParameters::digitalAtRevision4()
{
    EdidImages images;
    DisplayParameters panel;
    QVERIFY(show(panel, images, "analog-1.3", {{19, 4}}));
    child<QRadioButton>(&panel, "digitalRB")->click();
    QVERIFY(child<QGroupBox>(&panel, "colorEncoFormatGB")->isEnabled());
    QVERIFY(!child<QGroupBox>(&panel, "colorTypeGB")->isEnabled());
    QCOMPARE(images.working[20], Byte(0x90));
    child<QCheckBox>(&panel, "ycrcb444CB")->click();
    QCOMPARE((images.working[24] >> 3) & 3, 1);

    EdidImages rev3;
    QVERIFY(show(panel, rev3, "analog-1.3"));
    child<QRadioButton>(&panel, "digitalRB")->click();
    QVERIFY(!child<QGroupBox>(&panel, "colorEncoFormatGB")->isEnabled());
    QVERIFY(!child<QGroupBox>(&panel, "colorTypeGB")->isEnabled());
}

void TestDisplayParameters::aspectRatioChecked()
{
    EdidImages images;
    DisplayParameters panel;
    QVERIFY(show(panel, images, "established-timings-iii"));  // revision 4, 52 x 32 cm
    QCOMPARE(child<QLineEdit>(&panel, "ratioField")->text(), QString("1.60"));
    ModalCloser boxes;
    child<QRadioButton>(&panel, "portraitRB")->setChecked(true);
    child<QRadioButton>(&panel, "aspectRatioRB")->click();
    QCOMPARE(boxes.texts, QStringList{"Aspect Ratio not in range for Portrait Orientation"});
    QCOMPARE(images.working[21], Byte(0));
    QCOMPARE(images.working[22], Byte(255));
    child<QRadioButton>(&panel, "landscapeRB")->click();
    QCOMPARE(boxes.texts.last(), QString("Aspect Ratio not in range for Landscape Orientation"));
    QCOMPARE(images.working[21], Byte(1));
    QCOMPARE(images.working[22], Byte(0));
    typeAndReturn(child<QLineEdit>(&panel, "ratioField"), "1.78");
    QCOMPARE(images.working[21], Byte(79));
    QVERIFY(images.checksumOk());
}

void TestDisplayParameters::revision3DigitalKeepsColourBits()
{
    EdidImages images;
    DisplayParameters panel;
    QVERIFY(show(panel, images, "digital-1.3-colour-bits"));
    auto *standby = child<QCheckBox>(&panel, "standbyModeCB");
    standby->click();
    QCOMPARE(images.working[24] & 0x18, images.reference[24] & 0x18);
    standby->click();
    QVERIFY(images.changedBytes().isEmpty());
}

void TestDisplayParameters::untouchedEdits_data()
{
    QTest::addColumn<QString>("sample");
    for (const QString &name : sampleNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestDisplayParameters::untouchedEdits()
{
    QFETCH(QString, sample);
    EdidImages previous;
    DisplayParameters panel;
    QVERIFY(show(panel, previous, "displayport-1.4"));
    EdidImages images;
    QVERIFY(show(panel, images, sample));
    ModalCloser boxes;
    for (QLineEdit *field : panel.findChildren<QLineEdit *>())
        if (field->isEnabled())
            commitUnchanged(field);
    // Any write rewrites byte 20; outside revision 4 a digital byte with
    // reserved bits set is written as 0x80 or 0x81.
    const bool byte20Exact = images.reference[19] == 4 || !(images.reference[20] & 0x80)
                             || (images.reference[20] & 0x7E) == 0;
    if (byte20Exact)
        for (const char *name : {"standbyModeCB", "srgbCB", "prefTimingModeCB"}) {
            child<QCheckBox>(&panel, name)->click();
            child<QCheckBox>(&panel, name)->click();
        }
    QVERIFY(boxes.titles.isEmpty());
    QCOMPARE(images.changedBytes(), QList<int>());
    QVERIFY(images.checksumOk());
}

QTEST_MAIN(TestDisplayParameters)
#include "tst_displayparameters.moc"
