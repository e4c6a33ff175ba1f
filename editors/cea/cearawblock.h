#ifndef CEARAWBLOCK_H
#define CEARAWBLOCK_H

#include "ceablock.h"

namespace Ui {
class CEARawBlock;
}

// A data block that no editor handles (reserved tags, unknown extended tags,
// kinds without an editor): shown and written back byte for byte.
class CEARawBlock : public CEABlock
{
    Q_OBJECT

public:
    explicit CEARawBlock(CEABlock *parent = nullptr);
    ~CEARawBlock() override;

    // `info` is the whole block: tag, full length, payload after the header.
    void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                    unsigned char *working) override;
    void resetFields(unsigned char *reference, unsigned char *working) override;
    QByteArray getEDIDData() override;
    QString getDisplayName() override;
    int getType() override;
    int getSubType() override;

    // Why a block of a kind that has an editor is kept raw; shown in its name.
    void setReason(const QString &why);

    // Bytes as upper-case hexadecimal, eight to a line.
    static QString hexText(const QByteArray &bytes);

    // Name of a data block by its tag and, for tag 7, extended tag (-1: none).
    static QString blockName(int tag, int extTag);

public slots:
    void updateUI() override;

private slots:
    void on_helpButton_clicked(bool checked);

private:
    Ui::CEARawBlock *ui;
    int tag;
    int extTag;
    QByteArray bytes;
    QString reason;
};

#endif // CEARAWBLOCK_H
