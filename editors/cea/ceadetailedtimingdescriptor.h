#ifndef CEADETAILEDTIMINGDESCRIPTOR_H
#define CEADETAILEDTIMINGDESCRIPTOR_H

#include <QList>

#include "ceablock.h"

class DetailedTimings;

namespace Ui {
class CEADetailedTimingDescriptor;
}

// The 18-byte detailed timing descriptors that follow the data block
// collection: one DetailedTimings tab per descriptor.
class CEADetailedTimingDescriptor : public CEABlock
{
    Q_OBJECT

public:
    explicit CEADetailedTimingDescriptor(CEABlock *parent = nullptr);
    ~CEADetailedTimingDescriptor() override;

    // `info.length` is the number of descriptors, `info.payload` the first one.
    void initFields(_EDID_CEA_DATA_BLOCK_INFO info, unsigned char *reference,
                    unsigned char *working) override;
    void resetFields(unsigned char *reference, unsigned char *working) override;
    QByteArray getEDIDData() override;

    int tabCount() const { return dtdTabs.size(); }

public slots:
    void updateUI() override;

private slots:
    void on_addDTDTabButton_clicked();
    void on_delDTDTabButton_clicked();
    void on_helpButton_clicked(bool checked);

private:
    void retitleTabs();

    Ui::CEADetailedTimingDescriptor *ui;
    QList<DetailedTimings *> dtdTabs;
};

#endif // CEADETAILEDTIMINGDESCRIPTOR_H
