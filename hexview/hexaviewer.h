#ifndef HEXAVIEWER_H
#define HEXAVIEWER_H

#include <QString>
#include <QStringList>
#include <QStringListModel>
#include <QWidget>

#include "edidtypes.h"
#include "floatinghexaviewer.h"
#include "stringinfo.h"

class QAbstractItemModel;
class QColor;
class QListView;

namespace Ui {
class HexaViewer;
}

// The raw-data view of the image: a 16 x 16 table of hexadecimal cells with
// the bytes that differ from the reference image in red, the decimal and
// ASCII reading of the clicked byte, and a description of the section that
// byte belongs to. One instance per process, reached through getInstance().
class HexaViewer : public QWidget
{
    Q_OBJECT

public:
    // The single viewer, created without a parent on the first call. If the
    // widget holding it destroys it, the next call creates a new one.
    static HexaViewer *getInstance();
    ~HexaViewer() override;

    // Byte table (image arguments point to 256-byte images owned by the caller).
    void displayByteArray(u8 *image);
    void updateByteArray(u8 *reference, u8 *working, int first, int last);
    void saveByteArray();
    void setIsCEA(bool isCEA);
    // Whitens bytes from..to-1 and greys the previously highlighted range.
    void highlight(int from, int to);

    // Floating copy of the table.
    void openFloatingWindow(QString styleSheet);
    void closeFloatingWindow();
    void raiseFloatingWindow(bool show);

    // Section descriptions: each setter stores its section's rows and shows them.
    void setVendorProductStringInfo(StringInfo rows);
    void setVersionRevisionStringInfo(const QStringList &labels, const QStringList &values);
    void setDisplayParamsStringInfo(StringInfo rows);
    void setColorCharactStringInfo(StringInfo rows);
    void setEstabTimingsStringInfo(StringInfo rows);
    void setStdTimingsStringInfo(StringInfo rows, int item);   // item 0-7
    void setMonitorDescStringInfo(StringInfo rows, int slot);  // slot 0-3
    void setExtBlockCountInfo(StringInfo rows);
    void setCEABasicInfo(StringInfo rows);
    void setCEAMonitorSupportInfo(StringInfo rows);

    // Description operations: highlight a section and show its description.
    void displayHeaderInfo();
    void displayVendorProductIDInfo();
    void displayVersionRevisionInfo();
    void displayDisplayParameters();
    void displayColorCharactInfo();
    void displayEstabTimingsInfo();
    void displayStandTimingsInfo();
    void displayDetailedTimingsInfo();
    void displayMonitorDescBlock2Info();
    void displayMonitorDescBlock3Info();
    void displayMonitorDescBlock4Info();
    void displayExtensionBlockCountInfo();
    void displayChecksumInfo();
    void displayCEAExtensionInfo();
    void displayCEABasicInfo();
    void displayCEAMonitorSupportInfo();
    void displayCEADataBlockInfo();
    void displayPaddingBlockInfo();

public slots:
    void on_displayByteArray_cellClicked(int row, int column);

private:
    explicit HexaViewer(QWidget *parent = nullptr);

    void updateCell(const u8 *reference, const u8 *working, int index);
    void setCellsBackground(int from, int to, const QColor &colour);
    void showSection(int first, int end, const QString &title, const QString &size,
                     const QStringList &labels, const QStringList &values);
    void showComposedSection(int first, int end, const QString &title, const QString &size,
                             const QStringList &rows);
    static void storeRows(const StringInfo &rows, QStringList &labels, QStringList &values);
    static void setViewModel(QListView *view, QAbstractItemModel *model);

    static HexaViewer *instance;

    Ui::HexaViewer *ui;
    FloatingHexaViewer floatingViewer;
    QStringListModel descModel;
    QStringListModel valueModel;

    QStringList vendorProductLabels;
    QStringList vendorProductValues;
    QStringList versionRevisionLabels;
    QStringList versionRevisionValues;
    QStringList displayParamsLabels;
    QStringList displayParamsValues;
    QStringList colorCharactLabels;
    QStringList colorCharactValues;
    QStringList estabTimingsLabels;
    QStringList estabTimingsValues;
    QStringList stdTimingLabels[8];
    QStringList stdTimingValues[8];
    QStringList monitorDescLabels[4];
    QStringList monitorDescValues[4];
    QStringList extBlockCountLabels;
    QStringList extBlockCountValues;
    QStringList ceaBasicLabels;
    QStringList ceaBasicValues;
    QStringList ceaMonitorSupportLabels;
    QStringList ceaMonitorSupportValues;

    bool isCEA;
    int highlightFrom;
    int highlightTo;
};

#endif // HEXAVIEWER_H
