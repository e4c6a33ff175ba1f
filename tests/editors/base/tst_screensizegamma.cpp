#include <QGroupBox>
#include <QRadioButton>
#include <QtTest>

#include "displayscreensize.h"
#include "displaytransfertcharacteristics.h"
#include "testsupport.h"

using Row = QPair<QString, QString>;

class TestScreenSizeGamma : public QObject
{
    Q_OBJECT

private slots:
    void showsSizes();
    void sizeEdits_data();
    void sizeEdits();
    void aspectRatio_data();
    void aspectRatio();
    void revision3KeepsUndefinedSizes_data();
    void revision3KeepsUndefinedSizes();
    void revisionSwitch();
    void checkedButtonClickedAgain_data();
    void checkedButtonClickedAgain();
    void gamma_data();
    void gamma();
    void gammaShowsLoadedValue_data();
    void gammaShowsLoadedValue();

private:
    // Shows a sample in the screen panel as the page does.
    static bool show(DisplayScreenSize &panel, EdidImages &images, const QString &name,
                     BytePatches patches = {})
    {
        _EDID_MANDATORY_INFO info;
        if (!images.loadDecoded(name, &info, patches))
            return false;
        panel.initFields(info.displayParameters.screenSize, images.reference, images.working);
        panel.adaptToEDIDVersion(info.version.revision);
        return true;
    }
};

void TestScreenSizeGamma::showsSizes()
{
    EdidImages images;
    DisplayScreenSize panel;
    QVERIFY(show(panel, images, "established-timings-iii"));  // 52 x 32 cm, revision 4
    QCOMPARE(child<QLineEdit>(&panel, "hSizeField")->text(), QString("52"));
    QCOMPARE(child<QLineEdit>(&panel, "vSizeField")->text(), QString("32"));
    QVERIFY(child<QRadioButton>(&panel, "dimensionsRB")->isChecked());
    QVERIFY(child<QRadioButton>(&panel, "aspectRatioRB")->isEnabled());
    QCOMPARE(panel.getStringInfo(), StringInfo({Row("H. Size", "52"), Row("V. Size", "32")}));
    QVERIFY(images.changedBytes().isEmpty());
}

void TestScreenSizeGamma::sizeEdits_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<QString>("message");
    QTest::newRow("h 60") << "hSizeField" << "60" << "60" << 60 << 32 << "";
    QTest::newRow("h 255") << "hSizeField" << "255" << "255" << 255 << 32 << "";
    QTest::newRow("h 300") << "hSizeField" << "300" << "0" << 0 << 32
                           << "Horizontal Size must be in range of 0 to 255 cm";
    QTest::newRow("v empty") << "vSizeField" << "" << "0" << 52 << 0
                             << "Vertical Size must be in range of 0 to 255 cm";
    QTest::newRow("v 9999") << "vSizeField" << "9999" << "0" << 52 << 0
                            << "Vertical Size must be in range of 0 to 255 cm";
}

void TestScreenSizeGamma::sizeEdits()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    EdidImages images;
    DisplayScreenSize panel;
    QVERIFY(show(panel, images, "established-timings-iii"));
    QLineEdit *edit = child<QLineEdit>(&panel, field);
    ModalCloser boxes;
    typeAndReturn(edit, typed);
    QCOMPARE(boxes.titles, message.isEmpty() ? QStringList() : QStringList{"Format error"});
    QCOMPARE(boxes.texts, message.isEmpty() ? QStringList() : QStringList{message});
    QTEST(edit->text(), "shown");
    QTEST(int(images.working[21]), "h");
    QTEST(int(images.working[22]), "v");
    QVERIFY(images.checksumOk());
    QCOMPARE(ViewerPane::now().labels, (QStringList{"H. Size", "V. Size"}));
}

void TestScreenSizeGamma::aspectRatio_data()
{
    // Revision 4 image showing 52 x 32 cm; the ratio field is typed, then a button clicked.
    QTest::addColumn<QString>("ratioText");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("byte21");
    QTest::addColumn<int>("byte22");
    QTest::addColumn<QString>("message");
    QTest::newRow("landscape 1.78") << "1.78" << "aspectRatioRB" << "1.78" << 79 << 0 << "";
    QTest::newRow("landscape 1.15") << "1.15" << "aspectRatioRB" << "1.15" << 16 << 0 << "";
    QTest::newRow("landscape 2.30") << "2.30" << "aspectRatioRB" << "2.30" << 131 << 0 << "";
    QTest::newRow("aspect, landscape out of range") << "0.5" << "aspectRatioRB" << "1.00" << 1 << 0
                                                    << "Aspect Ratio not in range for Landscape Orientation";
    QTest::newRow("aspect, not a number") << "abc" << "aspectRatioRB" << "1.00" << 1 << 0
                                          << "Aspect Ratio not in range for Landscape Orientation";
    QTest::newRow("aspect, empty") << "" << "aspectRatioRB" << "1.00" << 1 << 0
                                   << "Aspect Ratio not in range for Landscape Orientation";
    QTest::newRow("portrait 1.78") << "1.78" << "portraitRB" << "0.28" << 0 << 255
                                   << "Aspect Ratio not in range for Portrait Orientation";
    QTest::newRow("portrait 0.75") << "0.75" << "portraitRB" << "0.75" << 0 << 34 << "";
}

void TestScreenSizeGamma::aspectRatio()
{
    QFETCH(QString, ratioText);
    QFETCH(QString, click);
    QFETCH(QString, message);
    EdidImages images;
    DisplayScreenSize panel;
    QVERIFY(show(panel, images, "established-timings-iii"));
    QLineEdit *ratio = child<QLineEdit>(&panel, "ratioField");
    ratio->setText(ratioText);  // the field is disabled in dimension mode
    ModalCloser boxes;
    if (click == "portraitRB") {
        child<QRadioButton>(&panel, "aspectRatioRB")->click();
        ratio->setText(ratioText);
        boxes.clear();
    }
    child<QRadioButton>(&panel, click)->click();
    QCOMPARE(boxes.titles, message.isEmpty() ? QStringList() : QStringList{"Format error"});
    QCOMPARE(boxes.texts, message.isEmpty() ? QStringList() : QStringList{message});
    QTEST(ratio->text(), "shown");
    QTEST(int(images.working[21]), "byte21");
    QTEST(int(images.working[22]), "byte22");
    QVERIFY(images.checksumOk());
    QCOMPARE(panel.getStringInfo().size(), 1);
}

void TestScreenSizeGamma::revision3KeepsUndefinedSizes_data()
{
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::newRow("0 x 0") << 0 << 0;
    QTest::newRow("50 x 0") << 50 << 0;
    QTest::newRow("0 x 40") << 0 << 40;
    QTest::newRow("0 x 1") << 0 << 1;
}

void TestScreenSizeGamma::revision3KeepsUndefinedSizes()
{
    QFETCH(int, h);
    QFETCH(int, v);
    EdidImages images;
    DisplayScreenSize panel;
    // A previous image leaves sizes behind in the panel.
    QVERIFY(show(panel, images, "displayport-1.4"));
    QVERIFY(show(panel, images, "screen-size-zero", {{21, Byte(h)}, {22, Byte(v)}}));
    QCOMPARE(child<QLineEdit>(&panel, "hSizeField")->text(), QString::number(h));
    QCOMPARE(child<QLineEdit>(&panel, "vSizeField")->text(), QString::number(v));
    QVERIFY(!child<QRadioButton>(&panel, "aspectRatioRB")->isEnabled());

    commitUnchanged(child<QLineEdit>(&panel, "hSizeField"));
    commitUnchanged(child<QLineEdit>(&panel, "vSizeField"));
    QVERIFY(images.changedBytes().isEmpty());

    // Editing one size writes the other as loaded.
    typeAndReturn(child<QLineEdit>(&panel, "hSizeField"), "7");
    QCOMPARE(int(images.working[21]), 7);
    QCOMPARE(int(images.working[22]), v);
    typeAndReturn(child<QLineEdit>(&panel, "hSizeField"), QString::number(h));
    QVERIFY(images.changedBytes().isEmpty());
    QVERIFY(images.checksumOk());
}

void TestScreenSizeGamma::revisionSwitch()
{
    EdidImages images;
    DisplayScreenSize panel;
    // Revision 4, 79 x 0: a landscape ratio of 1.78.
    QVERIFY(show(panel, images, "established-timings-iii", {{21, 79}, {22, 0}}));
    QVERIFY(child<QRadioButton>(&panel, "aspectRatioRB")->isChecked());
    QVERIFY(child<QRadioButton>(&panel, "landscapeRB")->isChecked());
    QCOMPARE(child<QLineEdit>(&panel, "ratioField")->text(), QString("1.78"));
    QCOMPARE(panel.getStringInfo(), StringInfo({Row("Landscape Ratio", "1.78")}));
    commitUnchanged(child<QLineEdit>(&panel, "ratioField"));
    QVERIFY(images.changedBytes().isEmpty());

    // At revision 3 the same bytes are the sizes; nothing is written by the switch.
    panel.adaptToEDIDVersion(3);
    QVERIFY(child<QRadioButton>(&panel, "dimensionsRB")->isChecked());
    QVERIFY(!child<QRadioButton>(&panel, "aspectRatioRB")->isEnabled());
    QCOMPARE(child<QLineEdit>(&panel, "hSizeField")->text(), QString("79"));
    QCOMPARE(child<QLineEdit>(&panel, "vSizeField")->text(), QString("0"));
    QVERIFY(images.changedBytes().isEmpty());
    typeAndReturn(child<QLineEdit>(&panel, "vSizeField"), "44");
    QCOMPARE(int(images.working[21]), 79);
    QCOMPARE(int(images.working[22]), 44);

    // A revision-4 image with 00 00 shows a landscape ratio of 0.99; finishing
    // the field untouched keeps 00 00.
    QVERIFY(show(panel, images, "established-timings-iii", {{21, 0}, {22, 0}}));
    QCOMPARE(child<QLineEdit>(&panel, "ratioField")->text(), QString("0.99"));
    ModalCloser boxes;
    commitUnchanged(child<QLineEdit>(&panel, "ratioField"));
    QVERIFY(boxes.titles.isEmpty());
    QVERIFY(images.changedBytes().isEmpty());
    // The ratio field logs what it is given before checking it.
    QTest::ignoreMessage(QtDebugMsg, "value : 0.98");
    typeAndReturn(child<QLineEdit>(&panel, "ratioField"), "0.98");
    QCOMPARE(boxes.texts, QStringList{"In Landscape Orientation, Aspect Ratio must be in range of 1.00 to 3.54"});
    QCOMPARE(int(images.working[21]), 1);

    // Portrait ratio typed into the field is checked against the portrait range.
    child<QRadioButton>(&panel, "portraitRB")->click();
    QCOMPARE(boxes.texts.last(), QString("Aspect Ratio not in range for Portrait Orientation"));
    typeAndReturn(child<QLineEdit>(&panel, "ratioField"), "3");
    QCOMPARE(boxes.texts.last(), QString("In Portrait Orientation, Aspect Ratio must be in range of 0.28 to 0.99"));
    QCOMPARE(int(images.working[22]), 255);
    QCOMPARE(int(images.working[21]), 0);
    QVERIFY(images.checksumOk());
}

void TestScreenSizeGamma::checkedButtonClickedAgain_data()
{
    // Revision 4 images: 52 x 32 cm, and a landscape ratio of 1.78 (byte 21 = 79).
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("byte21");
    QTest::addColumn<QString>("button");
    QTest::newRow("dimensions") << "established-timings-iii" << -1 << "dimensionsRB";
    QTest::newRow("aspect ratio") << "established-timings-iii" << 79 << "aspectRatioRB";
    QTest::newRow("landscape") << "established-timings-iii" << 79 << "landscapeRB";
    // 00 00, an undefined size, shows as landscape 0.99: clicking the shown
    // choice again neither warns nor writes a ratio.
    QTest::newRow("undefined, aspect ratio") << "established-timings-iii" << 0 << "aspectRatioRB";
    QTest::newRow("undefined, landscape") << "established-timings-iii" << 0 << "landscapeRB";
}

// The mode buttons and the orientation buttons are two separate pairs: the
// checked button of either, clicked again, stays checked and the bytes stay.
void TestScreenSizeGamma::checkedButtonClickedAgain()
{
    QFETCH(QString, sample);
    QFETCH(int, byte21);
    QFETCH(QString, button);
    EdidImages images;
    DisplayScreenSize panel;
    if (byte21 < 0)
        QVERIFY(show(panel, images, sample));
    else
        QVERIFY(show(panel, images, sample, {{21, Byte(byte21)}, {22, 0}}));
    QRadioButton *clicked = child<QRadioButton>(&panel, button);
    QVERIFY(clicked->isChecked());
    const QStringList checked = {"dimensionsRB", "aspectRatioRB", "portraitRB", "landscapeRB"};
    QMap<QString, bool> before;
    for (const QString &name : checked)
        before[name] = child<QRadioButton>(&panel, name)->isChecked();
    ModalCloser boxes;
    clicked->click();
    QVERIFY(boxes.titles.isEmpty());
    for (const QString &name : checked)
        QCOMPARE(child<QRadioButton>(&panel, name)->isChecked(), before[name]);
    QVERIFY(images.changedBytes().isEmpty());
}

void TestScreenSizeGamma::gamma_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("byte23");
    QTest::addColumn<bool>("refused");
    QTest::newRow("2.2") << "2.2" << "2.2" << 120 << false;
    QTest::newRow("1") << "1" << "1" << 0 << false;
    QTest::newRow("3.54") << "3.54" << "3.54" << 254 << false;
    QTest::newRow("2.30") << "2.30" << "2.30" << 130 << false;
    QTest::newRow("1.15") << "1.15" << "1.15" << 15 << false;
    QTest::newRow("3.55") << "3.55" << "1.00" << 0 << true;
    QTest::newRow("0.9") << "0.9" << "1.00" << 0 << true;
    QTest::newRow("4") << "4" << "1.00" << 0 << true;
    QTest::newRow("empty") << "" << "1.00" << 0 << true;
    QTest::newRow("two points") << "..5" << "1.00" << 0 << true;
}

void TestScreenSizeGamma::gamma()
{
    QFETCH(bool, refused);
    EdidImages images;
    _EDID_MANDATORY_INFO info;
    QVERIFY(images.loadDecoded("analog-1.3", &info));
    DisplayTransfertCharacteristics panel;
    panel.initFields(info.displayParameters.gamma, images.reference, images.working);
    QLineEdit *field = child<QLineEdit>(&panel, "gammaField");
    ModalCloser boxes;
    QFETCH(QString, typed);
    typeAndReturn(field, typed);
    QCOMPARE(boxes.titles, refused ? QStringList{"Format error"} : QStringList());
    QCOMPARE(boxes.texts, refused ? QStringList{"Gamma must be in range of 1.00 to 3.54"} : QStringList());
    QTEST(field->text(), "shown");
    QTEST(int(images.working[23]), "byte23");
    QCOMPARE(images.changedBytes().size(), images.working[23] == images.reference[23] ? 0 : 1);
    QVERIFY(images.checksumOk());
    const ViewerPane pane = ViewerPane::now();
    QCOMPARE(pane.labels, QStringList{"Gamma"});
    QCOMPARE(pane.values, QStringList{field->text()});
}

void TestScreenSizeGamma::gammaShowsLoadedValue_data()
{
    QTest::addColumn<int>("byte23");
    QTest::addColumn<QString>("shown");
    QTest::newRow("2.20") << 0x78 << "2.20";
    QTest::newRow("0xFF, above the typed range") << 0xFF << "3.55";
}

void TestScreenSizeGamma::gammaShowsLoadedValue()
{
    QFETCH(int, byte23);
    EdidImages images;
    _EDID_MANDATORY_INFO info;
    QVERIFY(images.loadDecoded("analog-1.3", &info, {{23, Byte(byte23)}}));
    DisplayTransfertCharacteristics panel;
    panel.initFields(info.displayParameters.gamma, images.reference, images.working);
    panel.adaptToEDIDVersion(3);
    QTEST(child<QLineEdit>(&panel, "gammaField")->text(), "shown");
    ModalCloser boxes;
    commitUnchanged(child<QLineEdit>(&panel, "gammaField"));
    QVERIFY(boxes.titles.isEmpty());
    QVERIFY(images.changedBytes().isEmpty());
}

QTEST_MAIN(TestScreenSizeGamma)
#include "tst_screensizegamma.moc"
