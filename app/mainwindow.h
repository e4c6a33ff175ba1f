#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>
#include <QSettings>
#include <QString>
#include <functional>
#include <string>

#include "edidpage.h"
#include "edidtypes.h"

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;

namespace Ui {
class MainWindow;
}

// The editor's window: owns the reference image (as last loaded or saved), the
// working image (being edited) and the page object that holds every panel.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Loads, checks and shows one EDID file; false when it was not shown.
    bool GetFromEDID(const char *path);
    // GetFromEDID, then Save is turned off for a hexadecimal text file that was shown.
    bool openFile(const char *path);
    void initWindow();

    bool eventFilter(QObject *object, QEvent *event) override;

    const u8 *getReferenceBytes() const { return referenceBytes; }
    const u8 *getWorkingBytes() const { return workingBytes; }
    Edid &getPage() { return page; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void on_actionOpen_triggered();
    void on_actionExtract_Registry_E_EDID_triggered();
    void on_rev3RB_released();
    void on_rev4RB_released();
    void on_actionNew_triggered();
    void on_actionSave_As_triggered();
    void on_actionSave_triggered();
    void on_actionSaveTool_triggered();
    void on_actionOpenTool_triggered();
    void on_actionSaveAsTool_triggered();
    void on_actionExit_triggered();
    void on_action_Extract_From_Registry_triggered();
    void on_action_New_Tool_triggered();
    void on_actionCEA_861_EB_triggered(bool checked);
    void on_actionAbout_QB_Edid_Editor_triggered();
    void on_actionCheck_for_updates_triggered();
    void on_actionExport_Hexa_Array_triggered();
    void on_actionHexa_Viewer_triggered(bool checked);
    void on_actionImport_triggered();
    void on_actionHexaViewerTool_triggered(bool checked);
    void fileIsReady(QNetworkReply *reply);
    void switchToRev3();
    void switchToRev4();

private:
    // Reads a file into a zero-filled image. False (after telling the user)
    // when the file cannot be read or holds too little to be an EDID.
    bool readImageFile(const QString &name, u8 *image);
    // The hexadecimal text reader; returns the number of byte positions read.
    static int extractFromDATFile(const QByteArray &text, u8 *image);
    void displayEDIDData(_EDID_MANDATORY_INFO *info);
    void showFirstImage();
    // Builds what a tab shows the first time it is needed.
    void onTabShown();
    void insertExtensionTab();
    bool checkUnsavedData();
    bool windowClosed();
    bool saveAs();
    bool confirmLeftOut();
    bool save(std::string path);
    // Writes the file whole or reports the failure; content is built after
    // the focus has moved.
    bool writeFile(const QString &name, const std::function<QByteArray()> &content);
    void loadDroppedOrChosen(const QString &name, bool importing);
    void showEditorTitle(const QString &suffix);
    void removeExtensionTab();
    void setSaveEnabled(bool enabled);
    void displayConfirmBox(QString text, void (MainWindow::*acceptSlot)(),
                           void (MainWindow::*rejectSlot)());
    void switchToRevision(Word revision);
    QString dialogStartPath() const;

    Ui::MainWindow *ui;
    u8 referenceBytes[256];
    u8 workingBytes[256];
    Edid page;
    std::string filePath;
    bool firstDisplayPending;
    bool untitled;
    bool descriptorSlotsPlaced;
    bool manualUpdateCheck;
    QNetworkAccessManager *networkManager;
    QSettings settings;
    QLabel *logoLabel;
    QLabel *cornerLogoLabel;
};

#endif // MAINWINDOW_H
