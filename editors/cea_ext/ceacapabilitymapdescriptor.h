#ifndef CEACAPABILITYMAPDESCRIPTOR_H
#define CEACAPABILITYMAPDESCRIPTOR_H

#include <QByteArray>
#include <QList>
#include <QStringList>

#include "ceablock.h"

namespace Ui {
class CEACapabilityMapDescriptor;
}

// YCbCr 4:2:0 capability map data block (extended tag 0x0F): bit p of the
// bitmap says that the short video descriptor at position p of the video
// data block also supports YCbCr 4:2:0 sampling. A map without bitmap byte
// (CTA-861-F) stands for every short video descriptor.
class CEACapabilityMapDescriptor : public CEABlock
{
    Q_OBJECT

public:
    explicit CEACapabilityMapDescriptor(CEABlock *parent = nullptr);
    ~CEACapabilityMapDescriptor() override;

    void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                    unsigned char *working) override;
    void resetFields(unsigned char *reference, unsigned char *working) override;
    QByteArray getEDIDData() override;

    // Name of VIC v at index v - 1; the last entry names every other code.
    static const QStringList formatListNames;

    QList<int> positions() const { return indexList; }
    bool mapsEveryFormat() const { return allFormats; }

public slots:
    void updateUI() override;

private slots:
    void on_addButton_clicked();
    void on_removeButton_clicked();
    void on_helpButton_clicked(bool checked);

private:
    void rebuildFormatCombo();
    // The positions the list shows, row by row.
    QList<int> shownPositions() const;
    // A change of the map by the user.
    void setPositions(const QList<int> &positions);

    Ui::CEACapabilityMapDescriptor *ui;
    // Positions of the short video descriptors that support 4:2:0, ascending.
    QList<int> indexList;
    // Loaded without bitmap: every short video descriptor, until the user changes the map.
    bool allFormats;
    // Bitmap bytes written at least: those of the loaded block, until the user changes the map.
    int keptBitmapSize;
    // Short video descriptor bytes the combo box was last built from.
    QByteArray shownDescriptors;
    bool comboBuilt;
};

#endif // CEACAPABILITYMAPDESCRIPTOR_H
