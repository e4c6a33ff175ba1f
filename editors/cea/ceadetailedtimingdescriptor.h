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
    // The panel of tab i, built now when it was not yet; null past the tabs.
    DetailedTimings *panelAt(int i);

public slots:
    void updateUI() override;

private slots:
    void on_addDTDTabButton_clicked();
    void on_delDTDTabButton_clicked();
    void on_helpButton_clicked(bool checked);
    void on_tabDTD_currentChanged(int index);

private:
    // One tab: its page, and either its panel or, until the tab is first
    // shown, the 18 loaded bytes the panel will show.
    struct Tab
    {
        QWidget *page;
        DetailedTimings *panel;
        QByteArray bytes;
    };

    void addTab(const QByteArray &bytes);
    void retitleTabs();

    Ui::CEADetailedTimingDescriptor *ui;
    QList<Tab> dtdTabs;
};

#endif // CEADETAILEDTIMINGDESCRIPTOR_H
