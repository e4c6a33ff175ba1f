// End-to-end tests of the main window on real EDID files: opening (command
// line, drop, dialogs), titles, saving and exporting, their failures, the
// unsaved-changes question, the revision switch and the CEA-861 toggle, and
// whether every CEA block editor fits the window at its default size.

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyleOption>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>
#include <QtTest>
#include <cmath>
#include <memory>

#include "floatinghexaviewer.h"
#include "about.h"
#include "ceadetailedtimingdescriptor.h"
#include "ceaextensionblock.h"
#include "ceavendordescriptor.h"
#include "hexaviewer.h"
#include "httpfixture.h"
#include "mainwindow.h"
#include "testsupport.h"
#include "updatecheck.h"
#include "windowtest.h"

namespace {

// The export format, written independently of the program.
QByteArray expectedExport(const QByteArray &image)
{
    QByteArray text = "EDID BYTES:\r\n0x   00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\r\n    ";
    text += QByteArray(48, '-') + "\r\n";
    for (int row = 0; row < 16; ++row) {
        QStringList cells;
        for (int col = 0; col < 16; ++col)
            cells << QString::asprintf("%02X", static_cast<u8>(image.at(row * 16 + col)));
        text += QString::asprintf("%02X | ", row).toLatin1() + cells.join(' ').toLatin1() + "\r\n";
    }
    return text;
}

// Picks a file name in a file dialog (or cancels it with an empty name).
ModalCloser::Handler chooseFile(const QString &path)
{
    return [path](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        if (dialog == nullptr || path.isEmpty()) {
            ModalCloser::reject(w);
            return;
        }
        auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
        if (name == nullptr) {
            dialog->reject();
            return;
        }
        name->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    };
}

ModalCloser::Handler chooseRevision(int revision)
{
    return [revision](QWidget *w) {
        auto *dialog = qobject_cast<QDialog *>(w);
        if (dialog == nullptr)
            return;
        if (revision == 0) {
            dialog->reject();
            return;
        }
        if (auto *rb = dialog->findChild<QRadioButton *>(revision == 3 ? "rev3RB" : "rev4RB"))
            rb->setChecked(true);
        auto *buttons = dialog->findChild<QDialogButtonBox *>("buttonBox");
        if (buttons && buttons->button(QDialogButtonBox::Ok))
            buttons->button(QDialogButtonBox::Ok)->click();
        else
            dialog->accept();
    };
}

// ---------------------------------------------------------------------------
// Whether the controls of the CEA extension page show what they hold.

// Room between a button's text and each of its edges, border included.
const int kButtonTextRoom = 4;
// Room between a list row's text and the list's edges.
const int kItemTextMargin = 3;

int textWidth(const QFontMetrics &metrics, const QString &text)
{
    int width = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        width = qMax(width, metrics.horizontalAdvance(line));
    return width;
}

// The widest text a field may hold: its own, or for a short field with a
// validator, its maximum length of the widest digit the validator takes.
QString widestInput(const QLineEdit *field)
{
    const QFontMetrics metrics = field->fontMetrics();
    QString widest = field->text();
    if (field->validator() == nullptr || field->maxLength() > 16)
        return widest;
    for (const QChar digit : QStringLiteral("0123456789ABCDEF")) {
        QString candidate(field->maxLength(), digit);
        int position = 0;
        if (field->validator()->validate(candidate, position) != QValidator::Invalid
            && metrics.horizontalAdvance(candidate) > metrics.horizontalAdvance(widest))
            widest = candidate;
    }
    return widest;
}

// Where a line edit draws its text: inside its frame, less the two pixels
// it keeps on either side.
int textRoom(const QLineEdit *field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth = field->hasFrame()
        ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    const QRect contents = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;
}

// Where a combo box draws its current text: the style sheet's edit field,
// or the platform style's when that style draws the label, one pixel in from
// either side. The narrower of the two counts.
int comboTextRoom(const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    int room = QWIDGETSIZE_MAX;
    for (const QStyle *style : {combo->style(), QApplication::style()})
        room = qMin(room, style->subControlRect(QStyle::CC_ComboBox, &option,
                                                QStyle::SC_ComboBoxEditField, combo).width());
    return room - 2;
}

QString describe(const QWidget *w)
{
    return QStringLiteral("%1 %2 (%3x%4)")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
        .arg(w->width())
        .arg(w->height());
}

// Every visible control under `root` that is smaller than its minimum size
// hint or cuts its text, and every list whose rows do not fit its width. The
// help buttons are left out: their title bars keep them at 12 x 12.
QStringList cutControls(const QWidget *root)
{
    QStringList cut;
    for (const QWidget *w : root->findChildren<QWidget *>()) {
        const QWidget *parent = w->parentWidget();
        const bool editPart = qobject_cast<const QAbstractSpinBox *>(parent) != nullptr
            || qobject_cast<const QComboBox *>(parent) != nullptr;
        if (!w->isVisible() || editPart || w->objectName() == QLatin1String("helpButton"))
            continue;
        const auto *button = qobject_cast<const QAbstractButton *>(w);
        const auto *combo = qobject_cast<const QComboBox *>(w);
        const auto *field = qobject_cast<const QLineEdit *>(w);
        const auto *list = qobject_cast<const QListWidget *>(w);
        const QFontMetrics metrics = w->fontMetrics();
        if (button || combo || field || qobject_cast<const QAbstractSpinBox *>(w)) {
            const QSize hint = w->minimumSizeHint();
            if (w->width() < hint.width() || w->height() < hint.height())
                cut << describe(w) + QStringLiteral(" below its minimum size hint %1x%2")
                                         .arg(hint.width())
                                         .arg(hint.height());
        }
        if (qobject_cast<const QPushButton *>(w) || qobject_cast<const QToolButton *>(w)) {
            const QString text = button->text().remove(QLatin1Char('&'));
            if (button->icon().isNull() && !text.isEmpty()
                && textWidth(metrics, text) + 2 * kButtonTextRoom > w->width())
                cut << describe(w) + QStringLiteral(" has no room around \"%1\"").arg(text);
        } else if (combo) {
            const int room = comboTextRoom(combo);
            for (int i = 0; i < combo->count(); ++i) {
                if (metrics.horizontalAdvance(combo->itemText(i)) > room) {
                    cut << describe(w) + QStringLiteral(" cuts \"%1\"").arg(combo->itemText(i));
                    break;
                }
            }
        } else if (field) {
            const QString text = widestInput(field);
            if (metrics.horizontalAdvance(text) > textRoom(field))
                cut << describe(w) + QStringLiteral(" cuts \"%1\"").arg(text);
        } else if (list) {
            // A row's text between the item margins, wrapped when the list wraps.
            const int room = list->viewport()->width() - 2 * kItemTextMargin;
            const int flags = list->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
            for (int i = 0; i < list->count(); ++i) {
                const QListWidgetItem *item = list->item(i);
                const QRect text = metrics.boundingRect(QRect(0, 0, room, 1000), flags, item->text());
                if (!item->isHidden()
                    && (text.width() > room || text.height() > list->visualItemRect(item).height())) {
                    cut << describe(w) + QStringLiteral(" cuts \"%1\"").arg(item->text());
                    break;
                }
            }
        }
    }
    return cut;
}

// Relative luminance of an sRGB colour, as contrast ratios are reckoned.
double luminance(QRgb rgb)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double contrast(double a, double b)
{
    return (qMax(a, b) + 0.05) / (qMin(a, b) + 0.05);
}

// Every mark of `image` (a glyph or a shape: two neighbouring pixels that
// differ) must stand out from what is behind it: within `radius` of it, the
// darkest and the lightest pixels stand at least 4.5:1 apart. The marks that
// do not, "x,y ratio", at most a few.
QStringList faintMarks(const QImage &image, int radius)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width();
    const int h = rgb.height();
    QVector<double> lum(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            lum[y * w + x] = luminance(rgb.pixel(x, y));
    QStringList faint;
    for (int y = 0; y + 1 < h && faint.size() < 5; ++y) {
        for (int x = 0; x + 1 < w && faint.size() < 5; ++x) {
            const double here = lum[y * w + x];
            if (contrast(here, lum[y * w + x + 1]) < 1.1 && contrast(here, lum[(y + 1) * w + x]) < 1.1)
                continue;
            double dark = here;
            double light = here;
            for (int v = qMax(0, y - radius); v <= qMin(h - 1, y + radius); ++v) {
                for (int u = qMax(0, x - radius); u <= qMin(w - 1, x + radius); ++u) {
                    dark = qMin(dark, lum[v * w + u]);
                    light = qMax(light, lum[v * w + u]);
                }
            }
            if (contrast(dark, light) < 4.5)
                faint << QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(contrast(dark, light), 0, 'f', 2);
        }
    }
    return faint;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void startsEmpty();
    void opensFromCommandLine_data();
    void opensFromCommandLine();
    void loadWarnings_data();
    void loadWarnings();
    void shortFileStartsFromZeros();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void largeRawFileReadsFirstBlocks();
    void dropOpensEachFile();
    void exportThenImportIsExact();
    void saveWritesImage();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void saveAsksWhatIsLeftOut();
    void saveAsksNothingWhenNothingIsLost();
    void saveNamesBytesPastTimings();
    void guideReadsOnThePage();
    void unsavedQuestionOnlyWhenChanged();
    void yesThenCancelledSaveAsKeepsImage();
    void revisionSwitchRewritesVersionOnly();
    void revisionThreeDropsRevisionFourSlot();
    void forcedRevisionIsApplied();
    void ceaToggleAddsAndRemoves();
    void foreignExtensionNeedsConsent();
    void foreignExtensionKeptAfterCeaImage();
    void ceaPageBuiltWhenShown_data();
    void ceaPageBuiltWhenShown();
    void newImage_data();
    void newImage();
    void newCancelledKeepsImage();
    void viewerOutlivesWindows();
    void logos();
    void updateCheck();
    void updateCheckFailuresAreSilent_data();
    void updateCheckFailuresAreSilent();
    void aboutOpens();
    void floatingViewerFollowsActions();
    void fieldBeingEditedCommitsFirst_data();
    void fieldBeingEditedCommitsFirst();
    void ceaEditorsFitDefaultSize_data();
    void ceaEditorsFitDefaultSize();

private:
    void openWindow(const QString &path);
    QAction *action(const char *name) const;
    QTabWidget *tabs() const;
    void switchRevision(int to, bool accept);
    // hdmi-tv.bin with its last padding byte set (and the checksum kept
    // right), written to a temporary file: its path and its image.
    void writePadded(QString *path, QByteArray *image);
    // An edit: the switch to the other revision, accepted.
    void editImage();

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<ModalCloser> closer;
    WindowTestEnvironment environment;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(environment.setUp());
    QVERIFY(environment.hasSample("analog-1.3.bin"));
}

void TestMainWindow::cleanupTestCase()
{
    // No test writes into the samples.
    QCOMPARE(environment.changedSamples(), QStringList());
}

void TestMainWindow::init()
{
    tmp.reset(new QTemporaryDir);
    QVERIFY(tmp->isValid());
    closer.reset(new ModalCloser);
    closer->strict = true;
    window.reset(new MainWindow);
    window->show();
}

void TestMainWindow::cleanup()
{
    if (closer) {
        QCOMPARE(closer->unexpected, 0);
        QCOMPARE(closer->pending(), 0);
    }
    // Discard whatever is left without asking.
    window.reset();
    closer.reset();
    tmp.reset();
}

QAction *TestMainWindow::action(const char *name) const
{
    return child<QAction>(window.get(), name);
}

QTabWidget *TestMainWindow::tabs() const
{
    return child<QTabWidget>(window.get(), "dataTabs");
}

void TestMainWindow::openWindow(const QString &path)
{
    window->openFile(path.toLocal8Bit().constData());
    QVERIFY(closer->settle());
}

void TestMainWindow::writePadded(QString *path, QByteArray *image)
{
    QByteArray padded = readSample("hdmi-tv.bin");
    QCOMPARE(int(padded[254]), 0);
    padded[254] = 0x01;
    fixChecksum(padded, 128);
    *path = tmp->filePath("padded.bin");
    QVERIFY(writeAll(*path, padded));
    *image = padded.leftJustified(256, '\0', true);
}

void TestMainWindow::switchRevision(int to, bool accept)
{
    closer->expect(ModalCloser::pressButtonText(accept ? "Yes" : "No"));
    QMetaObject::invokeMethod(window.get(), to == 3 ? "on_rev3RB_released" : "on_rev4RB_released");
    QVERIFY(closer->settle());
}

void TestMainWindow::editImage()
{
    switchRevision(window->getPage().versionRevision.getRevision() == 3 ? 4 : 3, true);
    QVERIFY(bytes(window->getWorkingBytes()) != bytes(window->getReferenceBytes()));
}

void TestMainWindow::startsEmpty()
{
    QCOMPARE(window->windowTitle(), QString("QB DUZO Vozevu"));
    QVERIFY(!tabs()->isVisible());
    for (const char *name : {"actionSave", "actionSave_As", "actionSaveTool", "actionSaveAsTool",
                             "actionCEA_861_EB", "actionHexa_Viewer", "actionHexaViewerTool",
                             "actionExport_Hexa_Array"})
        QVERIFY2(!action(name)->isEnabled(), name);
    for (const char *name : {"actionNew", "actionOpen", "actionImport", "actionExit"})
        QVERIFY2(action(name)->isEnabled(), name);
    QVERIFY(!action("action_Extract_From_Registry")->isVisible());
    QVERIFY(!window->styleSheet().isEmpty());
    QVERIFY(window->close());
    QVERIFY(closer->seen.isEmpty());
}

void TestMainWindow::opensFromCommandLine_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("tabCount");
    QTest::newRow("analog, base block only") << "analog-1.3.bin" << 3;
    QTest::newRow("displayport 1.4") << "displayport-1.4.bin" << 3;
    QTest::newRow("hdmi tv with CEA") << "hdmi-tv.bin" << 4;
    QTest::newRow("hdr static metadata") << "hdr-static-metadata.bin" << 4;
    QTest::newRow("more than ten blocks") << "more-than-ten-blocks.bin" << 4;
    QTest::newRow("foreign extension") << "displayid-extension.bin" << 3;
    QTest::newRow("established timings III") << "established-timings-iii.bin" << 3;
    QTest::newRow("range limit offsets") << "range-limit-offsets.bin" << 4;
    QTest::newRow("no padding left") << "cea-full-no-padding.bin" << 4;
    QTest::newRow("reserved CEA tags") << "reserved-cea-tags.bin" << 4;
}

void TestMainWindow::opensFromCommandLine()
{
    QFETCH(QString, file);
    QFETCH(int, tabCount);
    const QString path = samplePath(file);
    QVERIFY(window->openFile(path.toLocal8Bit().constData()));
    QVERIFY(closer->settle());

    QCOMPARE(window->windowTitle(), "QB DUZO Vozevu - " + path);
    QCOMPARE(bytes(window->getReferenceBytes()), sampleImage(file));
    QCOMPARE(bytes(window->getWorkingBytes()), sampleImage(file));
    QVERIFY(tabs()->isVisible());
    QCOMPARE(tabs()->count(), tabCount);
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(action("actionCEA_861_EB")->isChecked(), tabCount == 4);
    if (tabCount == 4)
        QCOMPARE(tabs()->tabText(2), QString("CEA Extension"));
    QVERIFY(action("actionSave")->isEnabled());
    QVERIFY(action("actionSave_As")->isEnabled());
    QVERIFY(action("actionExport_Hexa_Array")->isEnabled());

    // The four descriptor slots are in the "Detailed Data" tab, in order.
    tabs()->setCurrentIndex(1);
    QCOMPARE(tabs()->tabText(1), QString("Detailed Data"));
    const QList<DisplayDescriptor *> descriptorSlots =
        tabs()->currentWidget()->findChildren<DisplayDescriptor *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(descriptorSlots.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(descriptorSlots[i], &window->getPage().descriptors[i]);
        QVERIFY(descriptorSlots[i]->isVisible());
    }
    // Looking at the extension and the viewer changes no byte either.
    for (int index = 2; index < tabCount; ++index) {
        tabs()->setCurrentIndex(index);
        QCoreApplication::processEvents();
    }
    QCOMPARE(bytes(window->getWorkingBytes()), sampleImage(file));
    tabs()->setCurrentIndex(0);
    // An unchanged image closes without a question.
    QVERIFY(window->close());
}

void TestMainWindow::loadWarnings_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("erased");
    QTest::newRow("checksum")
        << "cea-bad-checksum.bin"
        << "CEA Extension data block has a checksum error. The CEA data will be erased" << true;
    // hdmi-tv.bin with its last padding byte set (and the checksum kept right).
    QTest::newRow("padding") << "padding"
                             << "CEA Extension data block has a padding error." << false;
}

void TestMainWindow::loadWarnings()
{
    QFETCH(QString, file);
    QFETCH(QString, warning);
    QFETCH(bool, erased);
    QString path;
    QByteArray image;
    if (file == "padding") {
        writePadded(&path, &image);
    } else {
        path = samplePath(file);
        image = sampleImage(file);
    }
    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    QVERIFY(window->openFile(path.toLocal8Bit().constData()));
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen[0].title, QString("Warning"));
    QCOMPARE(closer->seen[0].text, warning);

    QCOMPARE(bytes(window->getReferenceBytes()), image);
    const QByteArray working = bytes(window->getWorkingBytes());
    if (erased) {
        // What the user was told is what the working image holds.
        QCOMPARE(working.mid(128), QByteArray(128, '\0'));
        QCOMPARE(working.left(128), image.left(128));
        QCOMPARE(tabs()->count(), 3);
    } else {
        QCOMPARE(working, image);
        QCOMPARE(tabs()->count(), 4);
    }
}

void TestMainWindow::shortFileStartsFromZeros()
{
    openWindow(samplePath("hdmi-tv.bin"));
    QCOMPARE(readSample("displayport-1.4.bin").size(), 128);
    openWindow(samplePath("displayport-1.4.bin"));
    QCOMPARE(bytes(window->getReferenceBytes()), sampleImage("displayport-1.4.bin"));
    QCOMPARE(bytes(window->getWorkingBytes()), sampleImage("displayport-1.4.bin"));
    QCOMPARE(tabs()->count(), 3);
    QVERIFY(!action("actionCEA_861_EB")->isChecked());
}

void TestMainWindow::refusesBadFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("empty file") << "empty" << "EDID error";
    QTest::newRow("127 bytes") << "short" << "EDID error";
    QTest::newRow("text with 7 rows") << "shorttext" << "EDID error";
    QTest::newRow("bad checksum") << "checksum" << "EDID error";
    QTest::newRow("5 MB text of noise") << "bigtext" << "EDID error";
    QTest::newRow("directory") << "directory" << "Warning";
    QTest::newRow("missing file") << "missing" << "Warning";
}

void TestMainWindow::refusesBadFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, title);
    const QString shown = samplePath("analog-1.3.bin");
    openWindow(shown);
    const QByteArray valid = readSample("hdmi-tv.bin");
    QString path = tmp->filePath("bad.bin");
    if (kind == "empty") {
        QVERIFY(writeAll(path, QByteArray()));
    } else if (kind == "short") {
        QVERIFY(writeAll(path, valid.left(127)));
    } else if (kind == "shorttext") {
        path = tmp->filePath("short.dat");
        QByteArray text = expectedExport(valid);
        // Three header lines and seven data rows.
        QVERIFY(writeAll(path, text.left(13 + 2 * 54 + 7 * 54)));
    } else if (kind == "checksum") {
        QByteArray image = valid;
        image[20] = static_cast<char>(image[20] ^ 1);
        QVERIFY(writeAll(path, image));
    } else if (kind == "bigtext") {
        path = tmp->filePath("big.dat");
        QVERIFY(writeAll(path, QByteArray(5 * 1024 * 1024, 'Z')));
    } else if (kind == "directory") {
        path = tmp->filePath("folder.bin");
        QVERIFY(QDir().mkdir(path));
    } else {
        path = tmp->filePath("missing/none.bin");
    }
    const QByteArray before = bytes(window->getWorkingBytes());
    const bool saveEnabled = action("actionSave")->isEnabled();

    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!window->openFile(path.toLocal8Bit().constData()));
    QVERIFY(closer->settle());
    QVERIFY(clock.elapsed() < 3000);
    QCOMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen[0].title, title);
    if (title == "Warning")
        QVERIFY2(closer->seen[0].text.contains(path), qPrintable(closer->seen[0].text));
    else
        QCOMPARE(closer->seen[0].text,
                 QString("QB DUZO Vozevu cannot display EDID data. The selected file might be "
                         "corrupted or invalid"));
    QCOMPARE(window->windowTitle(), "QB DUZO Vozevu - " + shown);
    QCOMPARE(bytes(window->getWorkingBytes()), before);
    QCOMPARE(bytes(window->getReferenceBytes()), before);
    QCOMPARE(action("actionSave")->isEnabled(), saveEnabled);
}

void TestMainWindow::largeRawFileReadsFirstBlocks()
{
    const QByteArray valid = readSample("hdmi-tv.bin");
    QByteArray big = valid;
    big.append(QByteArray(5 * 1024 * 1024, '\x5A'));
    const QString path = tmp->filePath("big.bin");
    QVERIFY(writeAll(path, big));
    QElapsedTimer clock;
    clock.start();
    openWindow(path);
    QVERIFY(clock.elapsed() < 3000);
    QCOMPARE(bytes(window->getReferenceBytes()), valid);
    QCOMPARE(bytes(window->getWorkingBytes()), valid);
}

void TestMainWindow::dropOpensEachFile()
{
    const QString bad = tmp->filePath("bad.bin");
    QVERIFY(writeAll(bad, QByteArray(256, '\x11')));
    const QString first = samplePath("analog-1.3.bin");
    const QString third = samplePath("displayport-1.4.bin");

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(bad), QUrl::fromLocalFile(third)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    QVERIFY(enter.isAccepted());

    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen[0].title, QString("EDID error"));
    QCOMPARE(window->windowTitle(), "QB DUZO Vozevu - " + third);
    QCOMPARE(bytes(window->getWorkingBytes()), sampleImage("displayport-1.4.bin"));

    // A drag without addresses is refused.
    QMimeData text;
    text.setText("00 FF FF");
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(window.get(), &refused);
    QVERIFY(!refused.isAccepted());
}

void TestMainWindow::exportThenImportIsExact()
{
    const QString source = samplePath("hdmi-tv.bin");
    const QByteArray image = sampleImage("hdmi-tv.bin");
    openWindow(source);

    const QString exported = tmp->filePath("hdmi.dat");
    closer->expect(chooseFile(exported));
    action("actionExport_Hexa_Array")->trigger();
    QVERIFY(closer->settle());
    const QByteArray text = readAll(exported);
    QCOMPARE(text.size(), 985);
    QCOMPARE(text, expectedExport(image));
    QVERIFY(text.startsWith("EDID BYTES:\r\n0x   00 01 02"));
    QCOMPARE(window->windowTitle(), "QB DUZO Vozevu - " + source);

    // Start from another image so the import has something to replace.
    openWindow(samplePath("analog-1.3.bin"));
    closer->expect(chooseFile(exported));
    action("actionImport")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(window->windowTitle(), "QB DUZO Vozevu - " + exported);
    QCOMPARE(bytes(window->getReferenceBytes()), image);
    QCOMPARE(bytes(window->getWorkingBytes()), image);
    QVERIFY(!action("actionSave")->isEnabled());
    QVERIFY(!action("actionSaveTool")->isEnabled());
    QVERIFY(action("actionSave_As")->isEnabled());

    // Lower-case digits and bare line feeds read the same bytes.
    QByteArray loose = text.toLower();
    loose.replace("\r\n", "\n");
    const QString loosePath = tmp->filePath("loose.edid");
    QVERIFY(writeAll(loosePath, loose));
    openWindow(samplePath("analog-1.3.bin"));
    openWindow(loosePath);
    QCOMPARE(bytes(window->getWorkingBytes()), image);
}

void TestMainWindow::saveWritesImage()
{
    openWindow(samplePath("analog-1.3.bin"));
    const QByteArray image = bytes(window->getWorkingBytes());
    const QString target = tmp->filePath("copy");
    closer->expect(chooseFile(target));
    action("actionSave_As")->trigger();
    QVERIFY(closer->settle());
    const QString written = target + ".bin";
    QCOMPARE(readAll(written), image);
    QCOMPARE(readAll(written).size(), 256);
    QCOMPARE(window->windowTitle(), "QB DUZO Vozevu - " + written);

    // Save rewrites the same file, and the saved image counts as unchanged.
    editImage();
    action("actionSave")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(readAll(written), bytes(window->getWorkingBytes()));
    QCOMPARE(bytes(window->getReferenceBytes()), bytes(window->getWorkingBytes()));
    QVERIFY(window->close());
}

void TestMainWindow::failedSaveChangesNothing_data()
{
    QTest::addColumn<bool>("saveAs");
    QTest::newRow("save as into a missing folder") << true;
    QTest::newRow("save onto a path that became a folder") << false;
}

void TestMainWindow::failedSaveChangesNothing()
{
    QFETCH(bool, saveAs);
    const QString source = tmp->filePath("source.bin");
    QVERIFY(QFile::copy(samplePath("analog-1.3.bin"), source));
    openWindow(source);
    editImage();
    const QByteArray reference = bytes(window->getReferenceBytes());
    const QByteArray working = bytes(window->getWorkingBytes());

    const QString missing = tmp->filePath("missing/folder/out.bin");
    if (saveAs) {
        closer->expect(chooseFile(missing));
        closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
        action("actionSave_As")->trigger();
    } else {
        QVERIFY(QFile::remove(source));
        QVERIFY(QDir().mkdir(source));
        closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
        action("actionSave")->trigger();
    }
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.last().title, QString("Warning"));
    QVERIFY2(closer->seen.last().text.contains(saveAs ? missing : source),
             qPrintable(closer->seen.last().text));
    QCOMPARE(window->windowTitle(), "QB DUZO Vozevu - " + source);
    QCOMPARE(bytes(window->getReferenceBytes()), reference);
    QCOMPARE(bytes(window->getWorkingBytes()), working);

    // Export detects the failure the same way.
    closer->expect(chooseFile(missing));
    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    action("actionExport_Hexa_Array")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.last().title, QString("Warning"));
    QVERIFY(!QFile::exists(missing));

    // The file name is kept: once the path can be written again, Save goes there.
    if (!saveAs) {
        QVERIFY(QDir().rmdir(source));
        action("actionSave")->trigger();
        QVERIFY(closer->settle());
        QCOMPARE(readAll(source), working);
        QCOMPARE(bytes(window->getReferenceBytes()), working);
    }
}

// A serial number descriptor after three timings, then one timing more: the
// descriptor no longer fits, and every way of writing the image says so first.
void TestMainWindow::saveAsksWhatIsLeftOut()
{
    QByteArray image = sampleImage("hdmi-tv.bin");
    const int d = static_cast<unsigned char>(image[130]);
    image.replace(128 + d + 54, 18, QByteArray::fromHex("000000ff00") + QByteArray("110MXYZ123\n  "));
    fixChecksum(image, 128);
    const QString path = tmp->filePath("serial.bin");
    QVERIFY(writeAll(path, image));
    openWindow(path);
    tabs()->setCurrentWidget(window->findChild<QWidget *>("extDataTab"));
    CEAExtensionBlock &cea = window->getPage().ceaExtension;
    CEADetailedTimingDescriptor *timings = nullptr;
    for (CEABlock *block : cea.getBlocks())
        timings = timings ? timings : qobject_cast<CEADetailedTimingDescriptor *>(block);
    QVERIFY(timings);
    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));   // the page's own warning
    timings->findChild<QPushButton *>("addDTDTabButton")->click();
    QVERIFY(closer->settle());
    QCOMPARE(cea.leftOut(), QStringList({"Serial number descriptor (kept)"}));
    const QByteArray working = bytes(window->getWorkingBytes());

    // No: nothing is written, and Save As and Export open no file dialog.
    closer->clear();
    for (const char *name : {"actionSave", "actionSave_As", "actionExport_Hexa_Array"}) {
        closer->expect(ModalCloser::pressButton(QMessageBox::No));
        action(name)->trigger();
        QVERIFY(closer->settle());
    }
    QCOMPARE(closer->seen.size(), 3);
    for (const ModalCloser::Seen &seen : closer->seen) {
        QCOMPARE(seen.title, QString("Warning"));
        QVERIFY2(seen.text.contains("\n- Serial number descriptor (kept)"), qPrintable(seen.text));
        QCOMPARE(seen.buttons, QStringList({"Yes", "No"}));
    }
    QCOMPARE(readAll(path), image);
    QCOMPARE(bytes(window->getReferenceBytes()), image);
    QCOMPARE(tmp->path(), QFileInfo(path).path());
    QCOMPARE(QDir(tmp->path()).entryList(QDir::Files), QStringList({"serial.bin"}));

    // Yes: the image is written as it stands.
    closer->expect(ModalCloser::pressButton(QMessageBox::Yes));
    action("actionSave")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(readAll(path), working);
    QCOMPARE(bytes(window->getReferenceBytes()), working);
}

// A block running past d: the timings read from the overlap do not fit, yet
// the loaded bytes hold them. Saved unchanged, the file is written back
// without a question; once an edit lays the extension out again they are
// really left out, and saving asks.
void TestMainWindow::saveAsksNothingWhenNothingIsLost()
{
    const QByteArray image = audioPastOffsetD();
    const QString path = tmp->filePath("overlap.bin");
    QVERIFY(writeAll(path, image));
    openWindow(path);
    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));   // the page's own warning
    tabs()->setCurrentWidget(window->findChild<QWidget *>("extDataTab"));
    QVERIFY(closer->settle());
    QCOMPARE(closer->titles, QStringList({"CEA extention warning"}));
    CEAExtensionBlock &cea = window->getPage().ceaExtension;
    QCOMPARE(cea.leftOut(), QStringList());

    closer->clear();
    action("actionSave")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 0);
    QCOMPARE(readAll(path), image);

    cea.getBlocks().first()->findChild<QPushButton *>("addVideoItemButton")->click();
    QVERIFY(closer->settle());
    QCOMPARE(cea.leftOut(), QStringList({"Detailed timing"}));
    closer->expect(ModalCloser::pressButton(QMessageBox::No));
    action("actionSave")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen[0].title, QString("Warning"));
    QVERIFY2(closer->seen[0].text.contains("\n- Detailed timing"), qPrintable(closer->seen[0].text));
    QCOMPARE(readAll(path), image);
}

// Timings past the extension's first all-zero unit follow the blocks; once a
// longer block pushes one past the end, saving names what is left out, No
// writes nothing and Yes writes the extension as the page shows it.
void TestMainWindow::saveNamesBytesPastTimings()
{
    const QByteArray image = sampleImage("dtds-past-zero-unit");
    const QString path = tmp->filePath("past.bin");
    QVERIFY(writeAll(path, image));
    openWindow(path);   // warns of the bytes past the first all-zero unit
    tabs()->setCurrentWidget(window->findChild<QWidget *>("extDataTab"));
    CEAExtensionBlock &cea = window->getPage().ceaExtension;
    CEAVendorSpecificDescriptor *vendor = nullptr;
    for (CEABlock *block : cea.getBlocks()) {
        if ((vendor = qobject_cast<CEAVendorSpecificDescriptor *>(block)))
            break;
    }
    QVERIFY(vendor);
    for (int i = 0; i < 20; ++i)
        vendor->findChild<QPushButton *>("addVSDBButton")->click();
    QVERIFY(closer->settle());
    QCOMPARE(cea.leftOut(), QStringList({"Bytes past the detailed timings"}));

    closer->clear();
    closer->expect(ModalCloser::pressButton(QMessageBox::No));
    action("actionSave")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 1);
    QVERIFY2(closer->seen[0].text.endsWith("\n- Bytes past the detailed timings"),
             qPrintable(closer->seen[0].text));
    QCOMPARE(readAll(path), image);

    // Yes: the blocks 20 bytes longer, then the first timing, the all-zero
    // unit and the second timing past it; the third is gone.
    closer->clear();
    closer->expect(ModalCloser::pressButton(QMessageBox::Yes));
    action("actionSave")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 1);
    const QByteArray saved = readAll(path);
    QCOMPARE(saved.size(), 256);
    QCOMPARE(saved.left(128), image.left(128));
    QCOMPARE(saved.mid(128), cea.getEDIDData());
    QCOMPARE(int(saved[130]), 56);
    QCOMPARE(saved.mid(128 + 56, 54).toHex(' '), image.mid(128 + 36, 54).toHex(' '));
    QCOMPARE(saved.mid(128 + 110, 17), QByteArray(17, '\0'));
    QCOMPARE(blockSum(saved, 128), 0);
}

// The guide the extension page shows while no block is selected: at the
// default window size it takes the room its label has, and every mark in it,
// text first, stands out from what is behind it, as the page shows it and at
// full size over the page's background.
void TestMainWindow::guideReadsOnThePage()
{
    openWindow(samplePath("hdmi-tv.bin"));
    tabs()->setCurrentWidget(window->findChild<QWidget *>("extDataTab"));
    CEAExtensionBlock &cea = window->getPage().ceaExtension;
    child<QListWidget>(&cea, "listWidget")->setCurrentRow(-1);
    auto *guide = child<QLabel>(&cea, "noBlockLabel");
    QVERIFY(QTest::qWaitFor([guide] { return guide->isVisible(); }));
    QCoreApplication::processEvents();

    const QPixmap picture = guide->pixmap(Qt::ReturnByValue);
    const int room = qMin(guide->width(), guide->height());
    QVERIFY2(qMax(picture.width(), picture.height()) >= room * 4 / 5 - 1,
             qPrintable(QStringLiteral("%1 px shown in %2 px").arg(picture.width()).arg(room)));

    const QImage shown = window->grab(QRect(guide->mapTo(window.get(), QPoint(0, 0)), guide->size()))
                             .toImage();
    const QRgb page = shown.pixel(0, 0);
    QVERIFY(luminance(page) < 0.05);   // the dark page
    QStringList faint = faintMarks(shown, 5);
    QVERIFY2(faint.isEmpty(), qPrintable("as shown: " + faint.join("; ")));

    QImage full(QStringLiteral(":/icons/files/resources/CEA_tuto.png"));
    QCOMPARE(full.size(), QSize(800, 800));
    QImage over(full.size(), QImage::Format_RGB32);
    over.fill(page);
    QPainter(&over).drawImage(0, 0, full);
    faint = faintMarks(over, 6);
    QVERIFY2(faint.isEmpty(), qPrintable("full size: " + faint.join("; ")));
}

void TestMainWindow::unsavedQuestionOnlyWhenChanged()
{
    openWindow(samplePath("displayport-1.4.bin"));
    // Unchanged: New asks nothing before its own dialog.
    closer->expect(chooseRevision(0));
    action("actionNew")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 1);
    QVERIFY(closer->seen[0].title != "File edited");

    switchRevision(3, true);
    closer->seen.clear();
    closer->expect(ModalCloser::pressButton(QMessageBox::Cancel));
    QVERIFY(!window->close());
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 1);
    const ModalCloser::Seen box = closer->seen[0];
    QCOMPARE(box.title, QString("File edited"));
    QCOMPARE(box.text, QString("The document has been modified"));
    QCOMPARE(box.informative, QString("Would you like to save changes?"));
    QCOMPARE(box.buttons.size(), 3);
    QVERIFY(box.buttons.contains("Yes") && box.buttons.contains("No")
            && box.buttons.contains("Cancel"));
    QVERIFY(window->isVisible());

    // Switching back makes the images equal again: nothing to ask.
    switchRevision(4, true);
    QCOMPARE(bytes(window->getReferenceBytes()), bytes(window->getWorkingBytes()));
    closer->seen.clear();
    switchRevision(3, true);
    closer->expect(ModalCloser::pressButton(QMessageBox::No));
    QVERIFY(window->close());
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.last().title, QString("File edited"));
}

void TestMainWindow::yesThenCancelledSaveAsKeepsImage()
{
    const QString source = samplePath("analog-1.3.bin");
    openWindow(source);
    editImage();
    const QByteArray working = bytes(window->getWorkingBytes());

    // Yes, then the Save As dialog is cancelled: Open stops, nothing is lost.
    closer->expect(ModalCloser::pressButton(QMessageBox::Yes));
    closer->expect(chooseFile(QString()));
    action("actionOpen")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(bytes(window->getWorkingBytes()), working);
    QCOMPARE(window->windowTitle(), "QB DUZO Vozevu - " + source);

    // Yes, then a Save As that fails: closing is refused.
    closer->expect(ModalCloser::pressButton(QMessageBox::Yes));
    closer->expect(chooseFile(tmp->filePath("missing/out.bin")));
    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    QVERIFY(!window->close());
    QVERIFY(closer->settle());
    QCOMPARE(bytes(window->getWorkingBytes()), working);

    // Yes, then a Save As that succeeds: the command goes on.
    const QString saved = tmp->filePath("kept.bin");
    closer->expect(ModalCloser::pressButton(QMessageBox::Yes));
    closer->expect(chooseFile(saved));
    QVERIFY(window->close());
    QVERIFY(closer->settle());
    QCOMPARE(readAll(saved), working);
}

void TestMainWindow::revisionSwitchRewritesVersionOnly()
{
    openWindow(samplePath("displayport-1.4.bin"));
    auto *rev3 = window->findChild<QRadioButton *>("rev3RB");
    auto *rev4 = window->findChild<QRadioButton *>("rev4RB");
    QVERIFY(rev4->isChecked());
    const QByteArray before = bytes(window->getWorkingBytes());

    // Releasing the current revision asks nothing.
    QMetaObject::invokeMethod(window.get(), "on_rev4RB_released");
    QVERIFY(closer->seen.isEmpty());

    // "No" leaves revision 4 and the bytes as they were.
    rev3->setChecked(true);
    switchRevision(3, false);
    QCOMPARE(closer->seen[0].title, QString("Switch version"));
    QCOMPARE(closer->seen[0].text, QString("Switch to EDID Version 1 Revision 3?"));
    QCOMPARE(closer->seen[0].buttons, QStringList({"Yes", "No"}));
    QVERIFY(rev4->isChecked());
    QCOMPARE(bytes(window->getWorkingBytes()), before);

    switchRevision(3, true);
    QVERIFY(rev3->isChecked());
    const QByteArray after = bytes(window->getWorkingBytes());
    for (int i = 0; i < 256; ++i) {
        if (i != 18 && i != 19 && i != 127)
            QVERIFY2(after[i] == before[i], qPrintable(QString("byte %1").arg(i)));
    }
    QCOMPARE(int(static_cast<u8>(after[18])), 1);
    QCOMPARE(int(static_cast<u8>(after[19])), 3);
    QCOMPARE(blockSum(after, 0), 0);
}

void TestMainWindow::revisionThreeDropsRevisionFourSlot()
{
    // Block 2 holds established timings III (tag F7), a revision-4 kind.
    const QByteArray image = sampleImage("established-timings-iii.bin");
    QCOMPARE(int(static_cast<u8>(image[72 + 3])), 0xF7);
    openWindow(samplePath("established-timings-iii.bin"));
    QVERIFY(child<QRadioButton>(window.get(), "rev4RB")->isChecked());

    switchRevision(3, true);
    QByteArray expected = image;
    expected[19] = 3;
    expected.replace(72, 18, QByteArray::fromHex("0000001000") + QByteArray(13, '\0'));
    fixChecksum(expected, 0);
    QCOMPARE(bytes(window->getWorkingBytes()).toHex(' '), expected.toHex(' '));
    QCOMPARE(bytes(window->getReferenceBytes()), image);
}

void TestMainWindow::forcedRevisionIsApplied()
{
    QByteArray image = readSample("analog-1.3.bin");
    image[19] = 2;
    fixChecksum(image, 0);
    const QString path = tmp->filePath("rev2.bin");
    QVERIFY(writeAll(path, image));

    closer->expect(ModalCloser::pressButton(QMessageBox::Yes));
    window->openFile(path.toLocal8Bit().constData());
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen[0].title, QString("Switch version"));
    QCOMPARE(closer->seen[0].text,
             QString("The Version defined in the EDID Structure is not Supported.\n"
                     "The Version will be set to 1.4."));
    QCOMPARE(closer->seen[0].buttons, QStringList({"Yes"}));

    QByteArray reference = sampleImage("analog-1.3.bin");
    reference[19] = 2;
    fixChecksum(reference, 0);
    QCOMPARE(bytes(window->getReferenceBytes()), reference);
    const QByteArray working = bytes(window->getWorkingBytes());
    QCOMPARE(int(working[19]), 4);
    QCOMPARE(blockSum(working, 0), 0);
    QVERIFY(child<QRadioButton>(window.get(), "rev4RB")->isChecked());
}

void TestMainWindow::ceaToggleAddsAndRemoves()
{
    openWindow(samplePath("analog-1.3.bin"));
    QAction *cea = action("actionCEA_861_EB");
    QVERIFY(cea->isEnabled());

    // No extension yet: nothing to ask.
    cea->trigger();
    QVERIFY(closer->settle());
    QVERIFY(closer->seen.isEmpty());
    QVERIFY(cea->isChecked());
    QCOMPARE(tabs()->count(), 4);
    QCOMPARE(tabs()->currentIndex(), 2);
    QByteArray working = bytes(window->getWorkingBytes());
    QCOMPARE(int(working[126]), 1);
    QCOMPARE(int(working[128]), 2);
    QCOMPARE(int(working[130]), 4);
    QCOMPARE(blockSum(working, 0), 0);
    QCOMPARE(blockSum(working, 128), 0);

    // Off, Cancel: nothing changes.
    closer->expect(ModalCloser::pressButton(QMessageBox::Cancel));
    cea->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.last().title, QString("Warning"));
    QCOMPARE(closer->seen.last().informative,
             QString("Do you really want to remove the CEA Extension block and all its data?"));
    QVERIFY(cea->isChecked());
    QCOMPARE(tabs()->count(), 4);
    QCOMPARE(bytes(window->getWorkingBytes()), working);

    // Off, Ok: the extension and its count are gone.
    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    cea->trigger();
    QVERIFY(closer->settle());
    QVERIFY(!cea->isChecked());
    QCOMPARE(tabs()->count(), 3);
    QCOMPARE(tabs()->currentIndex(), 0);
    working = bytes(window->getWorkingBytes());
    QCOMPARE(working, bytes(window->getReferenceBytes()));
}

void TestMainWindow::foreignExtensionNeedsConsent()
{
    const QByteArray image = readSample("displayid-extension.bin");
    openWindow(samplePath("displayid-extension.bin"));
    QAction *cea = action("actionCEA_861_EB");

    closer->expect(ModalCloser::pressButton(QMessageBox::Cancel));
    cea->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.last().text, QString("An other extension than CEA has been detected."));
    QCOMPARE(closer->seen.last().informative, QString("Replace it by CEA Extension?"));
    QVERIFY(!cea->isChecked());
    QCOMPARE(tabs()->count(), 3);
    QCOMPARE(bytes(window->getWorkingBytes()), image);

    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    cea->trigger();
    QVERIFY(closer->settle());
    QVERIFY(cea->isChecked());
    const QByteArray working = bytes(window->getWorkingBytes());
    QCOMPARE(int(working[126]), 1);
    QCOMPARE(int(working[128]), 2);
    QCOMPARE(int(working[130]), 4);
    QCOMPARE(blockSum(working, 128), 0);
    QCOMPARE(blockSum(working, 0), 0);
}

void TestMainWindow::foreignExtensionKeptAfterCeaImage()
{
    openWindow(samplePath("hdmi-tv.bin"));
    QVERIFY(action("actionCEA_861_EB")->isChecked());
    const QString foreign = samplePath("displayid-extension.bin");
    openWindow(foreign);
    QVERIFY(closer->seen.isEmpty());
    QVERIFY(!action("actionCEA_861_EB")->isChecked());
    QCOMPARE(tabs()->count(), 3);
    QCOMPARE(bytes(window->getWorkingBytes()), sampleImage("displayid-extension.bin"));
    QCOMPARE(bytes(window->getReferenceBytes()), sampleImage("displayid-extension.bin"));
}

void TestMainWindow::ceaPageBuiltWhenShown_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("tab");
    QTest::newRow("extension tab") << "hdmi-tv.bin" << "extDataTab";
    QTest::newRow("viewer tab") << "hdmi-tv.bin" << "hexaViewerTab";
    QTest::newRow("floating viewer") << "hdmi-tv.bin" << "floating";
    // Assembled again, this extension loses its non-zero padding byte.
    QTest::newRow("padding, extension tab") << "padding" << "extDataTab";
    QTest::newRow("padding, floating viewer") << "padding" << "floating";
}

void TestMainWindow::ceaPageBuiltWhenShown()
{
    QFETCH(QString, file);
    QFETCH(QString, tab);
    QString path;
    QByteArray image;
    if (file == "padding") {
        writePadded(&path, &image);
        closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    } else {
        path = samplePath(file);
        image = sampleImage(file);
    }
    openWindow(path);
    CEAExtensionBlock &cea = window->getPage().ceaExtension;
    if (tab == "floating")
        action("actionHexa_Viewer")->trigger();
    else
        tabs()->setCurrentWidget(window->findChild<QWidget *>(tab));
    QCoreApplication::processEvents();

    // The page now holds the loaded extension; the image still counts as unchanged.
    const QByteArray assembled = cea.getEDIDData();
    QCOMPARE(assembled.size(), 128);
    QCOMPARE(assembled.left(4), image.mid(128, 4));
    QCOMPARE(assembled.mid(4, 20), image.mid(128 + 4, 20));
    QCOMPARE(bytes(window->getWorkingBytes()), image);
    QCOMPARE(bytes(window->getReferenceBytes()), image);
    QVERIFY(window->close());
    if (file == "padding")
        return;

    // Removing the extension before its page was ever shown.
    window.reset(new MainWindow);
    window->show();
    openWindow(samplePath("hdmi-tv.bin"));
    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    action("actionCEA_861_EB")->trigger();
    QVERIFY(closer->settle());
    QByteArray working = bytes(window->getWorkingBytes());
    QCOMPARE(int(working[126]), 0);
    QCOMPARE(working.mid(128), QByteArray(128, '\0'));
    QCOMPARE(blockSum(working, 0), 0);
    tabs()->setCurrentWidget(window->findChild<QWidget *>(tab));
    QCoreApplication::processEvents();
    QCOMPARE(bytes(window->getWorkingBytes()), working);
}

void TestMainWindow::newImage_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<bool>("fromCea");
    QTest::newRow("revision 3 on empty window") << 3 << false;
    QTest::newRow("revision 4 after a CEA image") << 4 << true;
}

void TestMainWindow::newImage()
{
    QFETCH(int, revision);
    QFETCH(bool, fromCea);
    if (fromCea)
        openWindow(samplePath("hdmi-tv.bin"));
    closer->expect(chooseRevision(revision));
    action("actionNew")->trigger();
    QVERIFY(closer->settle());

    QCOMPARE(window->windowTitle(), QString("QB DUZO Vozevu - New EDID File"));
    const QByteArray image = bytes(window->getWorkingBytes());
    QCOMPARE(image, bytes(window->getReferenceBytes()));
    QCOMPARE(image.left(8), QByteArray::fromHex("00FFFFFFFFFFFF00"));
    QCOMPARE(int(image[18]), 1);
    QCOMPARE(int(image[19]), revision);
    QCOMPARE(image.mid(20, 5), QByteArray(5, '\0'));
    QCOMPARE(image.mid(35, 3), QByteArray(3, '\0'));
    QCOMPARE(int(image[126]), 0);
    QCOMPARE(blockSum(image, 0), 0);
    QCOMPARE(image.mid(128), QByteArray(128, '\0'));
    for (int slot = 1; slot < 4; ++slot)
        QCOMPARE(image.mid(54 + 18 * slot, 18), QByteArray::fromHex("0000001000") + QByteArray(13, '\0'));
    QCOMPARE(tabs()->count(), 3);
    QVERIFY(!action("actionCEA_861_EB")->isChecked());
    QVERIFY(child<QRadioButton>(window.get(), revision == 3 ? "rev3RB" : "rev4RB")->isChecked());

    // An untitled image is saved through the Save As dialog.
    closer->expect(chooseFile(QString()));
    action("actionSave")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.last().title, QString("Save As"));
    QVERIFY(window->close());
}

void TestMainWindow::newCancelledKeepsImage()
{
    const QString source = samplePath("analog-1.3.bin");
    openWindow(source);
    const QByteArray image = bytes(window->getWorkingBytes());
    closer->expect(chooseRevision(0));
    action("actionNew")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(window->windowTitle(), "QB DUZO Vozevu - " + source);
    QCOMPARE(bytes(window->getWorkingBytes()), image);
    QVERIFY(action("actionSave")->isEnabled());
}

void TestMainWindow::viewerOutlivesWindows()
{
    openWindow(samplePath("hdmi-tv.bin"));
    HexaViewer *viewer = HexaViewer::getInstance();
    QVERIFY(window->isAncestorOf(viewer));
    window.reset();
    // The single viewer survives the window that showed it.
    QCOMPARE(HexaViewer::getInstance(), viewer);
    QVERIFY(viewer->parent() == nullptr);

    for (int round = 0; round < 2; ++round) {
        window.reset(new MainWindow);
        window->show();
        openWindow(samplePath(round ? "displayport-1.4.bin" : "hdr-static-metadata.bin"));
        QVERIFY(window->isAncestorOf(HexaViewer::getInstance()));
        window.reset();
    }
    window.reset(new MainWindow);
}

void TestMainWindow::logos()
{
    QVERIFY(child<QLabel>(window.get(), "logoLabel")->isVisible());
    QVERIFY(!child<QLabel>(window.get(), "cornerLogoLabel")->isVisible());
    openWindow(samplePath("analog-1.3.bin"));
    QVERIFY(window->findChild<QLabel *>("logoLabel") == nullptr);
    QLabel *corner = window->findChild<QLabel *>("cornerLogoLabel");
    QVERIFY(corner->isVisible());
    for (const QSize &size : {QSize(1300, 700), QSize(1400, 800)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        const int central = child<QWidget>(window.get(), "centralWidget")->width();
        QCOMPARE(corner->y(), 3);
        QCOMPARE(corner->x() + corner->width(), central + 3);
    }
}

void TestMainWindow::updateCheck()
{
    HttpFixture server;
    QVERIFY(server.isListening());
    server.body = HttpFixture::document("1001", "02.00.14");
    qputenv("VOZEVU_UPDATE_SERVER", server.address().toLatin1());
    QSettings settings("Quorbel", "QBDUZOVozevu");
    settings.remove("LastVersionDisplay");

    // Start-up: a newer version is announced once.
    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    window.reset(new MainWindow);
    window->show();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen[0].title, QString("Quorbel DUZO Vozevu"));
    QVERIFY(closer->seen[0].text.startsWith(
        "QB DUZO Vozevu v02.00.14 is available on Quorbel website."));
    settings.sync();
    QCOMPARE(settings.value("LastVersionDisplay").toString(), QString("02.00.14"));

    // The next start-up with the same document says nothing.
    window.reset(new MainWindow);
    window->show();
    QTRY_COMPARE(server.requests, 2);
    QTest::qWait(200);
    QCOMPARE(closer->seen.size(), 1);

    // On request: the announcement again, then "up to date" for the same version.
    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    action("actionCheck_for_updates")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 2);
    server.body = HttpFixture::document("1001", "02.00.13");
    closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    action("actionCheck_for_updates")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 3);
    QCOMPARE(closer->seen[2].text, QString("  Your software is up to date.   "));

    // Another product's document: nothing at all.
    server.body = HttpFixture::document("1002", "09.00.00");
    action("actionCheck_for_updates")->trigger();
    QTRY_COMPARE(server.requests, 5);
    QTest::qWait(200);
    QCOMPARE(closer->seen.size(), 3);
    qputenv("VOZEVU_UPDATE_SERVER", "http://127.0.0.1:9");
}

void TestMainWindow::updateCheckFailuresAreSilent_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    // Whether the answer counts as the start-up one (a document without the
    // product id does not).
    QTest::addColumn<bool>("counted");
    QTest::newRow("malformed")
        << QByteArray("<Product><Id>1001</Id><Version>09.00") << 200 << true;
    QTest::newRow("not xml") << QByteArray("\x00\xff<<>>&&") << 200 << false;
    // A newer version at the start, followed by more than the document cap.
    QTest::newRow("huge")
        << HttpFixture::document("1001", "09.00.00")
               + QByteArray(4 * UpdateCheck::maxDocumentSize, ' ')
        << 200 << true;
    QTest::newRow("server error") << HttpFixture::document("1001", "09.00.00") << 500 << true;
    QTest::newRow("refused connection") << QByteArray() << 0 << true;
}

void TestMainWindow::updateCheckFailuresAreSilent()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(bool, counted);
    HttpFixture server;
    QVERIFY(server.isListening());
    QSettings settings("Quorbel", "QBDUZOVozevu");
    settings.remove("LastVersionDisplay");
    settings.sync();
    if (status == 0) {
        qputenv("VOZEVU_UPDATE_SERVER",
                "http://127.0.0.1:" + QByteArray::number(HttpFixture::closedPort()));
    } else {
        server.body = body;
        server.status = status;
        qputenv("VOZEVU_UPDATE_SERVER", server.address().toLatin1());
    }

    // Start-up: nothing is shown and nothing stored.
    window.reset(new MainWindow);
    window->show();
    if (status != 0)
        QTRY_COMPARE(server.requests, 1);
    QTest::qWait(300);
    QVERIFY(closer->seen.isEmpty());
    settings.sync();
    QVERIFY(!settings.contains("LastVersionDisplay"));

    // A request now is answered as asked for once the start-up answer counted.
    server.body = HttpFixture::document("1001", "02.00.13");
    server.status = 200;
    const int before = server.requests;
    qputenv("VOZEVU_UPDATE_SERVER", server.address().toLatin1());
    if (counted)
        closer->expect(ModalCloser::pressButton(QMessageBox::Ok));
    action("actionCheck_for_updates")->trigger();
    QTRY_COMPARE(server.requests, before + 1);
    QVERIFY(closer->settle());
    QTest::qWait(200);
    QCOMPARE(closer->seen.size(), counted ? 1 : 0);
    if (counted)
        QCOMPARE(closer->seen[0].text, QString("  Your software is up to date.   "));
    qputenv("VOZEVU_UPDATE_SERVER", "http://127.0.0.1:9");
}

void TestMainWindow::aboutOpens()
{
    action("actionAbout_QB_Edid_Editor")->trigger();
    About *about = window->findChild<About *>();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(about->windowTitle(), QString("About"));
    QPointer<About> guard(about);
    about->accept();
    QTRY_VERIFY(guard.isNull());
}

static bool floatingViewerShown()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<FloatingHexaViewer *>(w) && w->isVisible())
            return true;
    return false;
}

void TestMainWindow::floatingViewerFollowsActions()
{
    openWindow(samplePath("hdmi-tv.bin"));
    QAction *menu = action("actionHexa_Viewer");
    QAction *tool = action("actionHexaViewerTool");
    menu->trigger();
    QVERIFY(menu->isChecked() && tool->isChecked());
    QVERIFY(floatingViewerShown());

    // Another application takes the focus: the floating viewer closes.
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QVERIFY(window->eventFilter(qApp, &deactivate));
    QVERIFY(!menu->isChecked() && !tool->isChecked());
    QVERIFY(!floatingViewerShown());
    QEvent activate(QEvent::ApplicationActivate);
    QVERIFY(window->eventFilter(qApp, &activate));
    QVERIFY(!floatingViewerShown());

    tool->trigger();
    QVERIFY(menu->isChecked() && floatingViewerShown());
    tool->trigger();
    QVERIFY(!menu->isChecked() && !floatingViewerShown());

    // Closing the window closes the floating viewer, even when the close is refused.
    tool->trigger();
    editImage();
    closer->expect(ModalCloser::pressButton(QMessageBox::Cancel));
    QVERIFY(!window->close());
    QVERIFY(closer->settle());
    QVERIFY(!floatingViewerShown());
}

void TestMainWindow::fieldBeingEditedCommitsFirst_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("close") << "close";
    QTest::newRow("new") << "new";
    QTest::newRow("save") << "save";
}

void TestMainWindow::fieldBeingEditedCommitsFirst()
{
    QFETCH(QString, command);
    const QString source = tmp->filePath("source.bin");
    QVERIFY(QFile::copy(samplePath("analog-1.3.bin"), source));
    QFile::setPermissions(source, QFile::ReadOwner | QFile::WriteOwner);
    openWindow(source);
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto *field = window->getPage().vendorProductID.findChild<QLineEdit *>("serialNumberField");
    QVERIFY(field);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->setText("123456");

    // The text typed but not yet committed counts before the images are compared.
    if (command == "save") {
        action("actionSave")->trigger();
        QCoreApplication::processEvents();
        const QByteArray saved = readAll(source);
        QCOMPARE(saved, bytes(window->getWorkingBytes()));
        QCOMPARE(int(static_cast<u8>(saved[12])), 123456 & 0xFF);
        return;
    }
    closer->expect(ModalCloser::pressButton(QMessageBox::Cancel));
    if (command == "close")
        QVERIFY(!window->close());
    else
        action("actionNew")->trigger();
    QVERIFY(closer->settle());
    QCOMPARE(closer->seen.size(), 1);
    QCOMPARE(closer->seen[0].title, QString("File edited"));
    QCOMPARE(int(static_cast<u8>(window->getWorkingBytes()[12])), 123456 & 0xFF);
}

void TestMainWindow::ceaEditorsFitDefaultSize_data()
{
    // The block kind added (or "Raw", the loaded block without an editor),
    // and the buttons of its editor then pressed, so that its rows show.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("presses");
    const QStringList vendor{"addVSDBButton", "addVSDBButton"};
    QTest::newRow("Video") << "Video" << QStringList{"addVideoItemButton"};
    QTest::newRow("Audio") << "Audio" << QStringList{"addAudioTabButton"};
    QTest::newRow("Speaker allocation") << "Speaker allocation" << QStringList();
    QTest::newRow("Vendor specific") << "Vendor specific" << vendor;
    QTest::newRow("Video capability") << "Video capability" << QStringList();
    QTest::newRow("Colorimetry") << "Colorimetry" << QStringList();
    QTest::newRow("Vendor specific video") << "Vendor specific video" << vendor;
    QTest::newRow("Vendor specific audio") << "Vendor specific audio" << vendor;
    QTest::newRow("Info frame") << "Info frame" << QStringList{"addBlockButton"};
    QTest::newRow("YCbCr 4:2:0 Video") << "YCbCr 4:2:0 Video" << QStringList{"addVideoItemButton"};
    QTest::newRow("YCbCr 4:2:0 capability map") << "YCbCr 4:2:0 capability map"
                                                << QStringList{"addButton"};
    QTest::newRow("Video format preference") << "Video format preference"
                                             << QStringList{"addVICButton", "addDTDButton"};
    QTest::newRow("Detailed timing") << "Detailed timing" << QStringList{"addDTDTabButton"};
    QTest::newRow("Raw") << "Raw" << QStringList();
}

void TestMainWindow::ceaEditorsFitDefaultSize()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, presses);
    // An extension with a video block (the capability map lists its formats)
    // and a block without an editor, whose list row is the longest.
    openWindow(samplePath("hdr-static-metadata.bin"));
    tabs()->setCurrentWidget(window->findChild<QWidget *>("extDataTab"));
    QCoreApplication::processEvents();
    CEAExtensionBlock &cea = window->getPage().ceaExtension;
    // Measured text has its real width here, or no check below means anything.
    QVERIFY(cea.fontMetrics().horizontalAdvance("MPEG 4 HE AAC + MPEG surround") > 100);

    auto *blocks = child<QListWidget>(&cea, "listWidget");
    if (kind == "Raw") {
        const QList<QListWidgetItem *> raw = blocks->findItems("Raw: ", Qt::MatchStartsWith);
        QCOMPARE(raw.size(), 1);
        blocks->setCurrentItem(raw.first());
    } else {
        auto *types = child<QListWidget>(&cea, "blockTypeList");
        const QList<QListWidgetItem *> found = types->findItems(kind, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        types->setCurrentItem(found.first());
        child<QPushButton>(&cea, "addBlockButton")->click();
        QVERIFY(closer->settle());
        CEABlock *editor = cea.editorAt(blocks->currentRow());
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->getDisplayName(), kind);
        for (const QString &name : presses)
            child<QPushButton>(editor, name)->click();
        QVERIFY(closer->settle());
    }
    QCoreApplication::processEvents();
    QVERIFY(cea.editorAt(blocks->currentRow())->isVisible());
    const QStringList cut = cutControls(&cea);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("; "))));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
