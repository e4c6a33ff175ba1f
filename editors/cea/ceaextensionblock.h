#ifndef CEAEXTENSIONBLOCK_H
#define CEAEXTENSIONBLOCK_H

#include <QByteArray>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include "ceablock.h"
#include "ceahelpblock.h"
#include "edidcea.h"
#include "stringinfo.h"

class QResizeEvent;

namespace Ui {
class CEAExtensionBlock;
}

// The "CEA Extension" page: version, monitor support, the list of data block
// editors and the extension's detailed timings; assembles bytes 128-255.
class CEAExtensionBlock : public QWidget
{
    Q_OBJECT

public:
    // Bytes 4 to 126 of the extension hold the data blocks and the timings.
    static const int dataBudget = 123;

    explicit CEAExtensionBlock(QWidget *parent = nullptr);
    ~CEAExtensionBlock() override;

    // Builds one editor per data block of the extension held in bytes 128-255
    // of `reference` (every block, in order; blocks without an editor of their
    // own are kept byte for byte), one for the detailed timings and one row
    // per display descriptor found among them (kept byte for byte).
    void initFields(_EDID_CEA_EXTENSION_INFO *info, unsigned char *reference,
                    unsigned char *working);
    // Empty extension, version 3; writes nothing into the image.
    void resetFields(unsigned char *reference, unsigned char *working);
    // Writes the header, version and monitor-support byte into the working image.
    void updateCEAExtension();

    // The 128 bytes of the extension as assembled from the editors.
    QByteArray getEDIDData();
    QByteArray getEDIDDataBlocks(int *total, int start, bool timingPass);

    StringInfo getCEABasicInfo();

    // The rows whose content the last assembly left out for lack of room
    // (dummy descriptors given up for content are not among them, nor rows
    // left out at load while the loaded bytes, which hold them, stand), and
    // "Bytes past the detailed timings" when loaded bytes past the timing
    // area that are not 0 no longer fit.
    QStringList leftOut() const;

    int getVersion() const { return version; }
    // Every block's editor, in list order; editors not shown yet are built now.
    QList<CEABlock *> getBlocks();
    // The editor of row `row`, built now when it was not yet; null past the list.
    CEABlock *editorAt(int row);

signals:
    void valueChanged();

public slots:
    void onBlockValueChanged();
    void updateUI();
    void updateBlockList();
    void rescaleTuto();

private slots:
    void on_version1RB_clicked();
    void on_version2RB_clicked();
    void on_version3RB_clicked();
    void on_nativeDTDSB_editingFinished();
    void on_addBlockButton_clicked();
    void on_removeBlockButton_clicked();
    void on_listWidget_currentRowChanged(int currentRow);
    void on_blockTypeList_currentRowChanged(int currentRow);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectBlock(CEABlock *block);
    void placeBlock(CEABlock *block);
    void deleteBlock(CEABlock *block);
    void loadDataBlocks(unsigned char *extension);
    void loadTimingArea(unsigned char *image);
    QByteArray assemble(bool *warn);
    QByteArray keptDescriptors(int *total, int start);
    void showRow(int i, CEABlock *block, const QByteArray &content, int size, bool written,
                 bool givenUp = false);
    bool layOut(QByteArray &out, const QByteArray &blocks, const QByteArray &timings,
                const QByteArray &descriptors, QByteArray *lost) const;
    QByteArray moveTail(QByteArray &out, int d, int end) const;
    QByteArray arrangeUnits(const QByteArray &timings, const QByteArray &descriptors) const;
    void keepLoadedLayout();
    bool isListedAtVersion(CEABlock *block) const;

    Ui::CEAExtensionBlock *ui;
    unsigned char *reference;
    unsigned char *working;
    int version;
    QList<CEABlock *> ceaBlocks;
    ceaHelpBlock helpBlock;
    bool warningOpen;
    bool oversizeBlock;
    // The guide picture as read, and the box it was last scaled into.
    QPixmap tutorial;
    QSize tutorialBox;

    // A row left out for lack of room: its name and the bytes it would write.
    struct LeftOutRow {
        QString name;
        QByteArray content;
        bool operator==(const LeftOutRow &other) const
        {
            return name == other.name && content == other.content;
        }
    };
    QList<LeftOutRow> leftOutRows;
    QList<LeftOutRow> loadedLeftOut;

    // The extension as loaded (empty after a reset), the data block, timing
    // and kept descriptor bytes right after the load, the order of the timing
    // area's 18-byte units (true: timing) and the end of that content: while
    // the editors give the same bytes, the loaded layout stands.
    QByteArray loaded;
    QByteArray loadedBlocks;
    QByteArray loadedTimings;
    QByteArray loadedDescriptors;
    QVector<bool> loadedUnits;
    int loadedEnd;
};

#endif // CEAEXTENSIONBLOCK_H
