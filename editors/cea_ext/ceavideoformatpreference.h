#ifndef CEAVIDEOFORMATPREFERENCE_H
#define CEAVIDEOFORMATPREFERENCE_H

#include <QByteArray>
#include <QString>
#include <QVector>

#include "ceablock.h"

namespace Ui {
class CEAVideoFormatPreference;
}

// Video format preference data block (extended tag 0x0D): short video
// references, most preferred first, each a VIC or the number of a detailed
// timing descriptor.
class CEAVideoFormatPreference : public CEABlock
{
    Q_OBJECT

public:
    // The 5-bit length field leaves room for the extended tag and 30 references.
    static const int maxEntries = 30;

    explicit CEAVideoFormatPreference(CEABlock *parent = nullptr);
    ~CEAVideoFormatPreference() override;

    void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                    unsigned char *working) override;
    void resetFields(unsigned char *reference, unsigned char *working) override;
    QByteArray getEDIDData() override;

public slots:
    void updateUI() override;

protected:
    // The detailed timings may have changed while the panel was hidden.
    void showEvent(QShowEvent *event) override;

private slots:
    void on_formatMulti_currentIndexChanged(int index);
    void on_codeField_valueChanged(int arg1);
    void on_addVICButton_clicked();
    void on_addDTDButton_clicked();
    void on_removeButton_clicked();
    void on_upButton_clicked();
    void on_downButton_clicked();
    void on_helpButton_clicked(bool checked);

private:
    QString entryText(unsigned char code) const;
    // Marks the rows of DTD numbers beyond the detailed timings of the working
    // image, as the page marks a block that does not fit.
    void markMissingTimings();
    void append(unsigned char code);

    Ui::CEAVideoFormatPreference *ui;
    // The references as coded in the block, in list order.
    QVector<unsigned char> entries;
};

#endif // CEAVIDEOFORMATPREFERENCE_H
