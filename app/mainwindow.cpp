#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QResizeEvent>
#include <QSaveFile>
#include <QUrl>
#include <QVBoxLayout>
#include <cstring>
#include <functional>

#include "edidcea.h"
#include "ediddecode.h"
#include "hexaviewer.h"

#include "about.h"
#include "newfiledialog.h"
#include "registryextractor.h"
#include "updatecheck.h"

static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

const char *const kProductName = "QB DUZO Vozevu";
const int kImageSize = 256;
const int kBlockSize = 128;
// A hexadecimal text export is under 1 KB; anything past this is not read.
const qint64 kTextFileCap = 64 * 1024;
const int kCeaTabIndex = 2;

bool isTextExtension(const QString &name)
{
    const int dot = name.lastIndexOf('.');
    if (dot < 0)
        return false;
    const QString ext = name.mid(dot);
    return ext == ".dat" || ext == ".edid";
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A pair of characters read as a hexadecimal number of at most two digits,
// leading white space skipped; -1 when it holds no digit there.
int convertPair(const char pair[2])
{
    int i = 0;
    while (i < 2 && isBlank(pair[i]))
        ++i;
    int value = -1;
    for (; i < 2; ++i) {
        const int d = hexDigit(pair[i]);
        if (d < 0)
            break;
        value = (value < 0 ? 0 : value * 16) + d;
    }
    return value;
}

QByteArray hexaText(const u8 *image)
{
    QByteArray text;
    text.reserve(985);
    text += "EDID BYTES:\r\n";
    text += "0x   00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\r\n";
    text += "    " + QByteArray(48, '-') + "\r\n";
    static const char digits[] = "0123456789ABCDEF";
    for (int row = 0; row < 16; ++row) {
        text += digits[row >> 4 & 0xF];
        text += digits[row & 0xF];
        text += " | ";
        for (int col = 0; col < 16; ++col) {
            const u8 b = image[row * 16 + col];
            if (col > 0)
                text += ' ';
            text += digits[b >> 4];
            text += digits[b & 0xF];
        }
        text += "\r\n";
    }
    return text;
}

void edidErrorBox(QWidget *parent)
{
    QMessageBox::warning(parent, "EDID error",
                         "QB DUZO Vozevu cannot display EDID data. The selected file might be "
                         "corrupted or invalid",
                         QMessageBox::Ok);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), referenceBytes(), workingBytes(), filePath(),
      firstDisplayPending(true), untitled(false), descriptorSlotsPlaced(false),
      manualUpdateCheck(false), networkManager(nullptr), settings("Quorbel", "QBDUZOVozevu"), logoLabel(nullptr), cornerLogoLabel(nullptr)
{
    initResources();
    ui->setupUi(this);
    manualUpdateCheck = false;

    // The registry import has no service behind it on this system.
    ui->actionExtract_Registry_E_EDID->setVisible(false);
    ui->action_Extract_From_Registry->setVisible(false);
    filePath = "";

    logoLabel = new QLabel();
    logoLabel->setObjectName("logoLabel");
    logoLabel->setMaximumSize(475, 350);
    logoLabel->setPixmap(QPixmap(":/icons/files/resources/logo-blanc.png"));
    logoLabel->setAlignment(Qt::AlignCenter);
    logoLabel->setScaledContents(true);
    ui->centralWidget->layout()->addWidget(logoLabel);
    logoLabel->show();

    cornerLogoLabel = new QLabel();
    cornerLogoLabel->setObjectName("cornerLogoLabel");
    cornerLogoLabel->setMaximumSize(140, 21);
    cornerLogoLabel->setPixmap(QPixmap(":/icons/files/resources/logo-banc-QB-140.png"));
    cornerLogoLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    cornerLogoLabel->setScaledContents(true);
    cornerLogoLabel->setParent(ui->centralWidget);
    cornerLogoLabel->hide();

    setAcceptDrops(true);

    ui->dataTabs->hide();
    ui->dataTabs->removeTab(kCeaTabIndex);

    QFile style(":/others/style.qss");
    if (style.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(style.readAll()));

    setSaveEnabled(false);
    ui->actionSave_As->setEnabled(false);
    ui->actionSaveAsTool->setEnabled(false);
    ui->actionCEA_861_EB->setEnabled(false);
    ui->actionHexa_Viewer->setEnabled(false);
    ui->actionHexaViewerTool->setEnabled(false);
    ui->actionExport_Hexa_Array->setEnabled(false);

    firstDisplayPending = true;
    untitled = false;

    networkManager = new QNetworkAccessManager(this);
    connect(networkManager, &QNetworkAccessManager::finished, this, &MainWindow::fileIsReady);
    UpdateCheck::request(networkManager);
}

MainWindow::~MainWindow()
{
    // The viewer is one instance for the whole process: take it out of this
    // window so that it does not die with it.
    HexaViewer *viewer = findChild<HexaViewer *>();
    if (viewer != nullptr) {
        ui->hexaViewerLayout->removeWidget(viewer);
        viewer->hide();
        viewer->setParent(nullptr);
    }
    delete networkManager;
    networkManager = nullptr;
    delete ui;
}

// ---------------------------------------------------------------------------
// Window

void MainWindow::showFirstImage()
{
    if (!firstDisplayPending)
        return;
    delete logoLabel;
    logoLabel = nullptr;
    cornerLogoLabel->show();
    ui->dataTabs->show();
    initWindow();
    firstDisplayPending = false;
    ui->actionSave_As->setEnabled(true);
    ui->actionSaveAsTool->setEnabled(true);
    ui->actionCEA_861_EB->setEnabled(true);
    ui->actionHexa_Viewer->setEnabled(true);
    ui->actionHexaViewerTool->setEnabled(true);
    ui->actionExport_Hexa_Array->setEnabled(true);
    resizeEvent(nullptr);
}

void MainWindow::initWindow()
{
    auto place = [](QBoxLayout *layout, QWidget *widget, int stretch) {
        layout->addWidget(widget, stretch);
        widget->show();
    };
    QVBoxLayout *left = ui->leftVerticalLayout;
    left->setStretch(0, 0);
    place(left, &page.vendorProductID, 1);
    place(left, &page.videoInput, 1);
    place(left, &page.transfertCharacteristics, 0);
    place(ui->midLeftVerticalLayout, &page.screenSize, 1);
    place(ui->midLeftVerticalLayout, &page.featureSupport, 1);
    place(ui->midRightVerticalLayout, &page.colorCharacteristics, 1);
    place(ui->midRightVerticalLayout, &page.establishedTimings, 1);
    place(ui->rightVerticalLayout, &page.standardTimings, 1);
    // The four descriptor slots hold several hundred widgets, which take long
    // to style: they join their tab when it is first shown.
    connect(ui->dataTabs, &QTabWidget::currentChanged, this, &MainWindow::onTabShown);
    place(ui->ceaLayout, &page.ceaExtension, 0);
    place(ui->hexaViewerLayout, HexaViewer::getInstance(), 0);
}

void MainWindow::onTabShown()
{
    QWidget *tab = ui->dataTabs->currentWidget();
    if (tab == ui->extDataTab || tab == ui->hexaViewerTab)
        page.showCEAExtension();
    if (tab == ui->detailedDataTab && !descriptorSlotsPlaced) {
        descriptorSlotsPlaced = true;
        for (DisplayDescriptor &slot : page.descriptors) {
            ui->detailedDataLayout->addWidget(&slot);
            slot.show();
        }
    }
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    cornerLogoLabel->move(ui->centralWidget->width() - cornerLogoLabel->width() + 3, 3);
    if (event)
        event->accept();
}

bool MainWindow::eventFilter(QObject *object, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ApplicationDeactivate:
        on_actionHexa_Viewer_triggered(false);
        ui->actionHexa_Viewer->setChecked(false);
        return true;
    case QEvent::ApplicationActivate:
        return true;
    default:
        return QMainWindow::eventFilter(object, event);
    }
}

void MainWindow::on_actionHexa_Viewer_triggered(bool checked)
{
    if (checked) {
        // The floating viewer describes the extension too.
        page.showCEAExtension();
        HexaViewer::getInstance()->openFloatingWindow(styleSheet());
    } else {
        HexaViewer::getInstance()->closeFloatingWindow();
    }
    ui->actionHexaViewerTool->setChecked(checked);
}

void MainWindow::on_actionHexaViewerTool_triggered(bool checked)
{
    on_actionHexa_Viewer_triggered(checked);
    ui->actionHexa_Viewer->setChecked(checked);
}

void MainWindow::on_actionExit_triggered()
{
    setFocus(Qt::OtherFocusReason);
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A field still being edited commits before the images are compared.
    setFocus(Qt::OtherFocusReason);
    HexaViewer::getInstance()->closeFloatingWindow();
    if (windowClosed())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::windowClosed()
{
    return firstDisplayPending || checkUnsavedData();
}

void MainWindow::on_actionOpenTool_triggered()
{
    on_actionOpen_triggered();
}

void MainWindow::on_actionSaveTool_triggered()
{
    on_actionSave_triggered();
}

void MainWindow::on_actionSaveAsTool_triggered()
{
    on_actionSave_As_triggered();
}

void MainWindow::on_action_New_Tool_triggered()
{
    on_actionNew_triggered();
}

void MainWindow::on_actionExtract_Registry_E_EDID_triggered()
{
    on_action_Extract_From_Registry_triggered();
}

void MainWindow::on_actionAbout_QB_Edid_Editor_triggered()
{
    HexaViewer::getInstance()->raiseFloatingWindow(false);
    const QPixmap logo(":/icons/files/resources/icon_app256_edid-editor.ico");
    About *about = new About(kProductName, UpdateCheck::programVersion, logo, "#0095ff",
                             ":/Licenses/resources/Licenses/", this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
}

void MainWindow::on_actionCheck_for_updates_triggered()
{
    if (networkManager)
        UpdateCheck::request(networkManager);
}

void MainWindow::fileIsReady(QNetworkReply *reply)
{
    // A network error or an oversized answer: nothing is shown.
    UpdateCheck::Document document;
    const bool read = UpdateCheck::readReply(reply, &document);
    reply->deleteLater();
    if (!read) {
        manualUpdateCheck = true;
        return;
    }
    if (document.id != UpdateCheck::productId)
        return;
    const QString last = settings.value(UpdateCheck::settingsKey).toString();
    bool store = false;
    const UpdateCheck::Answer answer =
        UpdateCheck::decide(document.version, last, manualUpdateCheck, &store);
    if (answer != UpdateCheck::Answer::Nothing) {
        QMessageBox box(this);
        box.setIcon(QMessageBox::Information);
        box.setWindowTitle(UpdateCheck::boxTitle);
        box.setTextFormat(Qt::RichText);
        box.setText(answer == UpdateCheck::Answer::UpToDate
                        ? UpdateCheck::upToDateText()
                        : UpdateCheck::announcementText(document.version, document.url));
        box.exec();
    }
    if (store)
        settings.setValue(UpdateCheck::settingsKey, document.version);
    manualUpdateCheck = true;
}

// ---------------------------------------------------------------------------
// Files

void MainWindow::showEditorTitle(const QString &suffix)
{
    setWindowTitle(QString(kProductName) + " - " + suffix);
}

void MainWindow::setSaveEnabled(bool enabled)
{
    ui->actionSave->setEnabled(enabled);
    ui->actionSaveTool->setEnabled(enabled);
}

bool MainWindow::readImageFile(const QString &name, u8 *image)
{
    std::memset(image, 0, kImageSize);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, "Warning",
                             QString("QB DUZO Vozevu cannot open the file \"%1\": %2")
                                 .arg(name, file.errorString()),
                             QMessageBox::Ok);
        return false;
    }
    int length;
    if (isTextExtension(name)) {
        length = extractFromDATFile(file.read(kTextFileCap), image);
    } else {
        const QByteArray data = file.read(kImageSize);
        length = data.size();
        std::memcpy(image, data.constData(), static_cast<size_t>(length));
    }
    if (length < kBlockSize) {
        edidErrorBox(this);
        return false;
    }
    return true;
}

int MainWindow::extractFromDATFile(const QByteArray &text, u8 *image)
{
    const char *c = text.constData();
    const int n = text.size();
    int i = 0;
    int lineFeeds = 0;
    int position = 0;
    char pair[2];
    int pairLength = 0;
    while (i < n) {
        if (c[i++] != '\n' || ++lineFeeds < 3)
            continue;
        // A data row: skip the row number and its bar, then read the bytes.
        for (int count = 0; count < 7 && i < n;)
            count = c[i++] == '|' ? 6 : count + 1;
        for (int k = 0; k < 47 && i < n; ++k) {
            const char ch = c[i++];
            if (ch == ' ' || ch == '\n')
                continue;
            pair[pairLength++] = ch;
            if (pairLength == 2) {
                const int value = convertPair(pair);
                if (position < kImageSize && value >= 0)
                    image[position] = static_cast<u8>(value);
                ++position;
                pairLength = 0;
            }
        }
    }
    return position < kImageSize ? position : kImageSize;
}

bool MainWindow::GetFromEDID(const char *path)
{
    const QString name = QString::fromLocal8Bit(path);
    u8 image[kImageSize];
    if (!readImageFile(name, image))
        return false;
    _EDID_MANDATORY_INFO info{};
    if (!EDIDGetMandatoryInfo(image, &info)) {
        edidErrorBox(this);
        return false;
    }
    std::memcpy(referenceBytes, image, kImageSize);
    std::memcpy(workingBytes, image, kImageSize);
    displayEDIDData(&info);
    untitled = false;
    filePath = path;
    showEditorTitle(name);
    return true;
}

bool MainWindow::openFile(const char *path)
{
    const bool shown = GetFromEDID(path);
    if (shown && isTextExtension(QString::fromLocal8Bit(path)))
        setSaveEnabled(false);
    return shown;
}

void MainWindow::insertExtensionTab()
{
    if (ui->dataTabs->indexOf(ui->extDataTab) < 0)
        ui->dataTabs->insertTab(kCeaTabIndex, ui->extDataTab, "CEA Extension");
}

void MainWindow::removeExtensionTab()
{
    const int index = ui->dataTabs->indexOf(ui->extDataTab);
    if (index >= 0)
        ui->dataTabs->removeTab(index);
}

void MainWindow::displayEDIDData(_EDID_MANDATORY_INFO *info)
{
    showFirstImage();
    setSaveEnabled(true);
    HexaViewer *viewer = HexaViewer::getInstance();
    viewer->displayByteArray(referenceBytes);
    page.setDataBytes(referenceBytes, workingBytes);
    page.displayEDIDInfo(info);

    // The image as loaded, plus only the corrections the user was told about.
    std::memcpy(workingBytes, referenceBytes, kImageSize);
    page.applyLoadCorrections();
    viewer->updateByteArray(referenceBytes, workingBytes, 0, kImageSize - 1);

    if (page.isCEADefined()) {
        ui->actionCEA_861_EB->setChecked(true);
        insertExtensionTab();
    } else if (ui->actionCEA_861_EB->isChecked()) {
        // Left on by the previous image. An extension of another kind is kept.
        ui->actionCEA_861_EB->setChecked(false);
        removeExtensionTab();
        if (page.extensionBlockCount == 0)
            page.setCEAExtensionData(-1);
    }

    if (page.versionRevision.getRevision() == 3)
        ui->rev3RB->setChecked(true);
    else
        ui->rev4RB->setChecked(true);
    page.adaptToEDIDVersion(false);
    ui->dataTabs->setCurrentIndex(0);
    if (ui->actionHexa_Viewer->isChecked())
        page.showCEAExtension();
}

bool MainWindow::checkUnsavedData()
{
    if (std::memcmp(referenceBytes, workingBytes, kImageSize) == 0)
        return true;
    QMessageBox box;
    box.setWindowTitle("File edited");
    box.setText("The document has been modified");
    box.setInformativeText("Would you like to save changes?");
    box.setStyleSheet(styleSheet());
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowFlags(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
    case QMessageBox::Yes:
        // Nothing is discarded unless the image was really saved.
        return saveAs();
    case QMessageBox::Cancel:
        return false;
    default:
        return true;
    }
}

void MainWindow::loadDroppedOrChosen(const QString &name, bool importing)
{
    const QByteArray local = name.toLocal8Bit();
    const bool shown = GetFromEDID(local.constData());
    if (shown && (importing || isTextExtension(name)))
        setSaveEnabled(false);
}

void MainWindow::on_actionOpen_triggered()
{
    setFocus(Qt::OtherFocusReason);
    if (!firstDisplayPending && !checkUnsavedData())
        return;
    const QString name = QFileDialog::getOpenFileName(this, tr("Open File"),
                                                      QString::fromLocal8Bit(filePath.c_str()),
                                                      tr("Binary Files (*.bin);;All (*.*)"));
    if (name.isEmpty())
        return;
    loadDroppedOrChosen(name, false);
}

void MainWindow::on_actionImport_triggered()
{
    setFocus(Qt::OtherFocusReason);
    if (!firstDisplayPending && !checkUnsavedData())
        return;
    const QString name = QFileDialog::getOpenFileName(this, tr("Open File"), QString(),
                                                      tr("DAT Files (*.dat);;EDID files (*.edid)"));
    if (name.isEmpty())
        return;
    loadDroppedOrChosen(name, true);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    setFocus(Qt::OtherFocusReason);
    if (!firstDisplayPending && !checkUnsavedData())
        return;
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl &url : urls)
        loadDroppedOrChosen(url.isLocalFile() ? url.toLocalFile() : url.toString(), false);
}

void MainWindow::on_actionNew_triggered()
{
    setFocus(Qt::OtherFocusReason);
    if (!firstDisplayPending && !checkUnsavedData())
        return;
    on_actionHexa_Viewer_triggered(false);
    ui->actionHexa_Viewer->setChecked(false);

    NewFileDialog dialog(nullptr);
    dialog.setStyleSheet(styleSheet());
    dialog.exec();
    const int revision = dialog.getRevision();
    if (revision == 0)
        return;

    filePath = "";
    untitled = true;
    if (revision == 3)
        ui->rev3RB->setChecked(true);
    else
        ui->rev4RB->setChecked(true);
    showEditorTitle("New EDID File");
    std::memset(referenceBytes, 0, kImageSize);
    std::memset(workingBytes, 0, kImageSize);
    showFirstImage();
    setSaveEnabled(true);
    page.setDataBytes(referenceBytes, workingBytes);

    // Built first as revision 4, then as the chosen revision.
    page.versionRevision.setRevision(4);
    page.adaptToEDIDVersion(false);
    page.createNewEDIDData();
    page.versionRevision.setRevision(static_cast<Word>(revision));
    page.adaptToEDIDVersion(false);
    page.createNewEDIDData();

    if (ui->actionCEA_861_EB->isChecked()) {
        ui->actionCEA_861_EB->setChecked(false);
        removeExtensionTab();
        page.setCEAExtensionData(-1);
    }
    std::memcpy(referenceBytes, workingBytes, kImageSize);
    HexaViewer::getInstance()->displayByteArray(referenceBytes);
    ui->dataTabs->setCurrentIndex(0);
}

void MainWindow::on_action_Extract_From_Registry_triggered()
{
    RegistryExtractor extractor(nullptr);
    extractor.setStyleSheet(styleSheet());
    setFocus(Qt::OtherFocusReason);
    if (!firstDisplayPending && !checkUnsavedData())
        return;
    on_actionHexa_Viewer_triggered(false);
    ui->actionHexa_Viewer->setChecked(false);

    u8 image[kImageSize];
    std::memcpy(image, referenceBytes, kImageSize);
    extractor.extractFromRegistry(image);
    extractor.exec();
    if (!extractor.getSelected())
        return;
    _EDID_MANDATORY_INFO info{};
    if (!EDIDGetMandatoryInfo(image, &info))
        return;
    showEditorTitle("Registry Import (" + extractor.getName() + ")");
    untitled = true;
    std::memcpy(referenceBytes, image, kImageSize);
    std::memcpy(workingBytes, image, kImageSize);
    displayEDIDData(&info);
}

QString MainWindow::dialogStartPath() const
{
    const QString path = QString::fromLocal8Bit(filePath.c_str());
    const int dot = path.lastIndexOf('.');
    return dot < 0 ? path : path.left(dot);
}

void MainWindow::on_actionSave_triggered()
{
    if (untitled)
        saveAs();
    else if (confirmLeftOut())
        save(filePath);
}

// Before an image is written: when the CEA extension could not hold all its
// blocks, the user is told what the file will lack and may stop.
bool MainWindow::confirmLeftOut()
{
    // A field still being edited commits first: it may change what fits.
    setFocus(Qt::OtherFocusReason);
    const QStringList rows = page.extensionLeftOut();
    if (rows.isEmpty())
        return true;
    QMessageBox box(this);
    box.setWindowTitle("Warning");
    box.setIcon(QMessageBox::Warning);
    box.setText("These parts of the CEA extension do not fit in it and will not be written:\n- "
                + rows.join("\n- "));
    box.setInformativeText("Save anyway?");
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void MainWindow::on_actionSave_As_triggered()
{
    saveAs();
}

bool MainWindow::saveAs()
{
    if (firstDisplayPending || !confirmLeftOut())
        return false;
    QString name = QFileDialog::getSaveFileName(this, tr("Save As"), dialogStartPath(),
                                                tr("Binary Files (*.bin)"));
    if (name.isEmpty())
        return false;
    if (!name.endsWith(".bin"))
        name += ".bin";
    const std::string path = name.toLocal8Bit().constData();
    if (!save(path))
        return false;
    filePath = path;
    showEditorTitle(name);
    untitled = false;
    return true;
}

bool MainWindow::writeFile(const QString &name, const std::function<QByteArray()> &content)
{
    // Written through a temporary file, so a failed write never truncates the
    // existing file.
    QSaveFile file(name);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        // A field still being edited commits before the image is written.
        setFocus(Qt::OtherFocusReason);
        const QByteArray data = content();
        written = file.write(data) == data.size() && file.commit();
    }
    if (!written) {
        QMessageBox::warning(this, "Warning",
                             QString("QB DUZO Vozevu cannot write the file \"%1\": %2")
                                 .arg(name, file.errorString()),
                             QMessageBox::Ok);
    }
    return written;
}

bool MainWindow::save(std::string path)
{
    const bool written = writeFile(QString::fromLocal8Bit(path.c_str()), [this] {
        return QByteArray(reinterpret_cast<const char *>(workingBytes), kImageSize);
    });
    if (!written)
        return false;
    HexaViewer::getInstance()->saveByteArray();
    std::memcpy(referenceBytes, workingBytes, kImageSize);
    return true;
}

void MainWindow::on_actionExport_Hexa_Array_triggered()
{
    if (firstDisplayPending || !confirmLeftOut())
        return;
    const QString name = QFileDialog::getSaveFileName(this, tr("Export"), dialogStartPath(),
                                                      tr("DAT File (*.dat)"));
    if (name.isEmpty())
        return;
    writeFile(name, [this] { return hexaText(workingBytes); });
}

// ---------------------------------------------------------------------------
// Revision switch and extension toggle

void MainWindow::on_rev3RB_released()
{
    if (page.versionRevision.getRevision() == 4)
        displayConfirmBox("Switch to EDID Version 1 Revision 3?", &MainWindow::switchToRev3,
                          &MainWindow::switchToRev4);
}

void MainWindow::on_rev4RB_released()
{
    if (page.versionRevision.getRevision() == 3)
        displayConfirmBox("Switch to EDID Version 1 Revision 4?", &MainWindow::switchToRev4,
                          &MainWindow::switchToRev3);
}

void MainWindow::displayConfirmBox(QString text, void (MainWindow::*acceptSlot)(),
                                   void (MainWindow::*rejectSlot)())
{
    // Modal, so that the answer can only act on the image it was asked about.
    QMessageBox box;
    box.setWindowTitle("Switch version");
    box.setText(text);
    box.setStyleSheet(styleSheet());
    QPushButton *yes = box.addButton("Yes", QMessageBox::AcceptRole);
    box.addButton("No", QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == yes)
        (this->*acceptSlot)();
    else
        (this->*rejectSlot)();
}

void MainWindow::switchToRevision(Word revision)
{
    (revision == 3 ? ui->rev3RB : ui->rev4RB)->setChecked(true);
    page.versionRevision.setRevision(revision);
    page.adaptToEDIDVersion(true);
    page.versionRevision.updateVersionRevision(referenceBytes, workingBytes);
}

void MainWindow::switchToRev3()
{
    switchToRevision(3);
}

void MainWindow::switchToRev4()
{
    switchToRevision(4);
}

void MainWindow::on_actionCEA_861_EB_triggered(bool checked)
{
    QMessageBox box;
    box.setWindowTitle("Warning");
    box.setWindowFlags(Qt::WindowStaysOnTopHint);
    box.setStyleSheet(styleSheet());
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);

    if (checked) {
        if (!page.isCEADefined()) {
            _EDID_CEA_EXTENSION_INFO info{};
            if (page.extensionBlockCount != 0 && EDIDGetExtensionInfo(referenceBytes, &info) == 1) {
                box.setText("An other extension than CEA has been detected.");
                box.setInformativeText("Replace it by CEA Extension?");
                if (box.exec() != QMessageBox::Ok) {
                    ui->actionCEA_861_EB->setChecked(false);
                    return;
                }
            }
            page.setCEAExtensionData(1);
        }
        insertExtensionTab();
        ui->dataTabs->setCurrentWidget(ui->extDataTab);
        page.showCEAExtension();
    } else if (ui->dataTabs->count() > 3) {
        box.setInformativeText(
            "Do you really want to remove the CEA Extension block and all its data?");
        if (box.exec() != QMessageBox::Ok) {
            ui->actionCEA_861_EB->setChecked(true);
            return;
        }
        removeExtensionTab();
        ui->dataTabs->setCurrentIndex(0);
        page.setCEAExtensionData(-1);
    }
}
