#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QtTest>

#include "edidpage.h"
#include "testsupport.h"

// The base panels inside the page object: a real image shown through the page,
// then edited, changes the right bytes and the viewer's description.
class TestBasePanelsPage : public QObject
{
    Q_OBJECT

private slots:
    void editsThroughThePage();
};

void TestBasePanelsPage::editsThroughThePage()
{
    EdidImages images;
    _EDID_MANDATORY_INFO info;
    QVERIFY(images.loadDecoded("analog-1.3", &info));
    Edid page;
    page.setDataBytes(images.reference, images.working);
    page.displayEDIDInfo(&info);
    page.adaptToEDIDVersion(false);
    QVERIFY(images.changedBytes().isEmpty());

    typeAndReturn(child<QLineEdit>(&page.vendorProductID, "weekField"), "30");
    QCOMPARE(images.working[16], Byte(30));
    ViewerPane pane = ViewerPane::now();
    QCOMPARE(pane.title, QString("Vendor & Product ID"));
    QCOMPARE(pane.values.at(3), QString("30"));

    typeAndReturn(child<QLineEdit>(&page.transfertCharacteristics, "gammaField"), "2.4");
    QCOMPARE(images.working[23], Byte(140));
    QCOMPARE(ViewerPane::now().title, QString("Display Parameters"));

    typeAndReturn(child<QLineEdit>(&page.screenSize, "hSizeField"), "60");
    QCOMPARE(images.working[21], Byte(60));

    typeAndReturn(child<QLineEdit>(&page.colorCharacteristics, "whiteXField"), "0.3127");
    QCOMPARE(ViewerPane::now().title, QString("Color Characteristics"));
    QCOMPARE(ViewerPane::now().values.at(10), QString("0.3127"));

    // The video input panel tells the feature panel about the input type.
    child<QRadioButton>(&page.videoInput, "digitalRB")->click();
    QCOMPARE(images.working[20], Byte(0x80));
    QVERIFY(!child<QGroupBox>(&page.featureSupport, "colorTypeGB")->isEnabled());
    child<QCheckBox>(&page.featureSupport, "srgbCB")->click();
    QCOMPARE(images.working[24] & 0x18, images.reference[24] & 0x18);
    QCOMPARE(images.working[24] & 0x04, 0x04);

    for (int i : images.changedBytes())
        QVERIFY2(i == 16 || (i >= 20 && i <= 34), qPrintable(QString::number(i)));
    QVERIFY(images.checksumOk());
}

QTEST_MAIN(TestBasePanelsPage)
#include "tst_basepanelspage.moc"
