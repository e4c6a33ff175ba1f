#ifndef CEAAUDIODESCRIPTOR_H
#define CEAAUDIODESCRIPTOR_H

#include "ceablock.h"

class CEAAudioShortBlock;

namespace Ui {
class CEAAudioDescriptor;
}

// The Audio data block: up to 10 Short Audio Descriptors, one per tab.
class CEAAudioDescriptor : public CEABlock
{
    Q_OBJECT

public:
    static const int maxDescriptors = 10;

    explicit CEAAudioDescriptor(CEABlock *parent = nullptr);
    ~CEAAudioDescriptor() override;

    // One descriptor per 3 bytes of the payload.
    void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                    unsigned char *working) override;
    void resetFields(unsigned char *reference, unsigned char *working) override;
    QByteArray getEDIDData() override;

    int descriptorCount() const { return shortAudioBlockCount; }

private slots:
    void on_addAudioTabButton_clicked();
    void on_delAudioTabButton_clicked();
    void on_helpButton_clicked(bool checked);

private:
    // The editor of a position, created when the position is first used.
    CEAAudioShortBlock *shortAudioBlock(int position);
    void addAudioShortBlock();
    void delAudioShortBlock();
    void updateButtons();

    Ui::CEAAudioDescriptor *ui;
    // Position i is shown on tab i while i < shortAudioBlockCount.
    CEAAudioShortBlock *shortAudioBlocks[maxDescriptors];
    int shortAudioBlockCount;
    // Leading positions whose editor holds values since the last load or
    // reset: an add that reaches one of them brings its values back.
    int initializedBlockCount;
};

#endif // CEAAUDIODESCRIPTOR_H
