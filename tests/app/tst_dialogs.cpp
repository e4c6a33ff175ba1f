#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "about.h"
#include "newfiledialog.h"
#include "registryextractor.h"
#include "testsupport.h"

// Receives the addresses the dialogs hand to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void newFileRevision_data();
    void newFileRevision();
    void registryExtractorSelectsNothing_data();
    void registryExtractorSelectsNothing();
    void aboutTexts();
    void aboutLicenceCopy_data();
    void aboutLicenceCopy();
    void aboutLogoFollowsResize();

private:
    UrlCatcher catcher;
};

void TestDialogs::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
}

void TestDialogs::newFileRevision_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("revision");
    QTest::newRow("ok untouched") << "ok" << 4;
    QTest::newRow("ok with 1.3") << "rev3" << 3;
    QTest::newRow("cancel") << "cancel" << 0;
    QTest::newRow("closed") << "close" << 0;
}

void TestDialogs::newFileRevision()
{
    QFETCH(QString, action);
    QFETCH(int, revision);

    NewFileDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New File"));
    QCOMPARE(child<QLabel>(&dialog, "messageLabel")->text(),
             QStringLiteral("Choose E-EDID Version:"));
    QCOMPARE(child<QRadioButton>(&dialog, "rev3RB")->text(), QStringLiteral("E-EDID V1.3"));
    QCOMPARE(child<QRadioButton>(&dialog, "rev4RB")->text(), QStringLiteral("E-EDID V1.4"));

    QTimer::singleShot(0, &dialog, [&] {
        auto *box = dialog.findChild<QDialogButtonBox *>("buttonBox");
        if (action == "rev3") {
            child<QRadioButton>(&dialog, "rev3RB")->setChecked(true);
            box->button(QDialogButtonBox::Ok)->click();
        } else if (action == "ok") {
            box->button(QDialogButtonBox::Ok)->click();
        } else if (action == "cancel") {
            box->button(QDialogButtonBox::Cancel)->click();
        } else {
            dialog.close();
        }
    });
    dialog.exec();
    QCOMPARE(dialog.getRevision(), revision);
}

void TestDialogs::registryExtractorSelectsNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("extract") << "extractButton";
    QTest::newRow("cancel") << "cancelButton";
}

void TestDialogs::registryExtractorSelectsNothing()
{
    QFETCH(QString, button);
    RegistryExtractor dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Extract E-EDID From Registry"));
    QCOMPARE(child<QLabel>(&dialog, "titleLabel")->text(),
             QStringLiteral("Extract E-EDID from registry"));
    u8 edid[256] = {};
    dialog.extractFromRegistry(edid);
    QCOMPARE(child<QListView>(&dialog, "edidList")->model()->rowCount(), 0);

    QTimer::singleShot(0, &dialog, [&] { child<QPushButton>(&dialog, button)->click(); });
    dialog.exec();
    QVERIFY(!dialog.getSelected());
    QVERIFY(dialog.getName().isEmpty());
    for (int i = 0; i < 256; ++i)
        QCOMPARE(edid[i], u8(0));
}

void TestDialogs::aboutTexts()
{
    About about("QB DUZO Vozevu", "02.00.13", QPixmap(), "#0095ff", ":/Licenses/resources/Licenses/");
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QVERIFY(!(about.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(child<QLabel>(&about, "label_Name")->text(), QStringLiteral("QB DUZO Vozevu"));
    QCOMPARE(child<QLabel>(&about, "label_Version")->text(), QStringLiteral("02.00.13"));
    QCOMPARE(child<QLabel>(&about, "label_4")->text(), QStringLiteral("Version:"));
    QCOMPARE(child<QLabel>(&about, "label_7")->text(),
             QStringLiteral("Open Source Components / Libraries"));
    const QString eula = child<QLabel>(&about, "label_EULA")->text();
    QVERIFY(eula.contains("href=\"#browse_EULA\""));
    QVERIFY(eula.contains("View End-User License Agreement"));
    QVERIFY(eula.contains("#0095ff"));
    const QString lgpl = child<QLabel>(&about, "label_LGPL")->text();
    QVERIFY(lgpl.contains("href=\"#browse_LGPL\""));
    QVERIFY(lgpl.contains("(LPGL v3)"));
}

void TestDialogs::aboutLicenceCopy_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("page");
    QTest::newRow("eula") << "#browse_EULA" << "QB_EULA.html";
    QTest::newRow("lgpl") << "#browse_LGPL" << "lgpl.html";
}

void TestDialogs::aboutLicenceCopy()
{
    QFETCH(QString, link);
    QFETCH(QString, page);
    const QString resource = ":/Licenses/resources/Licenses/" + page;
    QFile original(resource);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray content = original.readAll();

    About about("QB DUZO Vozevu", "02.00.13", QPixmap(), "#0095ff", ":/Licenses/resources/Licenses/");
    catcher.urls.clear();
    // Twice: the second copy replaces the first, read-only one.
    for (int i = 0; i < 2; ++i)
        about.onLinkActivated(link);
    QCOMPARE(catcher.urls.size(), 2);
    const QString target = catcher.urls.last().toLocalFile();
    QCOMPARE(QFileInfo(target).fileName(), page);
    QVERIFY(!target.startsWith(QDir::tempPath() + "/" + page)); // not a shared fixed name
    QCOMPARE(QFileInfo(QFileInfo(target).path()).permissions()
                 & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
             QFile::Permissions());
    QFile copy(target);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), content);

    about.onLinkActivated("#elsewhere");
    QCOMPARE(catcher.urls.size(), 2);

    // A page that cannot be copied is not opened.
    About broken("QB DUZO Vozevu", "02.00.13", QPixmap(), "#0095ff", ":/missing/");
    broken.onLinkActivated(link);
    QCOMPARE(catcher.urls.size(), 2);
}

void TestDialogs::aboutLogoFollowsResize()
{
    QPixmap logo(200, 100);
    logo.fill(Qt::blue);
    About about("QB DUZO Vozevu", "02.00.13", logo, "#0095ff", ":/Licenses/resources/Licenses/");
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    about.resize(700, 500);
    QTest::qWait(10);
    auto *label = about.findChild<QLabel *>("label");
    const QPixmap shown = label->pixmap(Qt::ReturnByValue);
    QVERIFY(!shown.isNull());
    QVERIFY(shown.width() <= label->width() && shown.height() <= label->height());
    QVERIFY(shown.width() == label->width() || shown.height() == label->height());
    QVERIFY(qAbs(shown.width() - 2 * shown.height()) <= 1); // aspect ratio kept
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
