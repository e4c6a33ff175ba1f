#ifndef CEAMONITORSUPPORT_H
#define CEAMONITORSUPPORT_H

#include <QByteArray>
#include <QGroupBox>
#include <QString>

#include "edidcea.h"
#include "stringinfo.h"

class QCheckBox;

namespace Ui {
class CEAMonitorSupport;
}

// Byte 3 of the CEA-861 extension (image byte 131): the four support flags
// and the number of native detailed timings. Writes the byte itself.
class CEAMonitorSupport : public QGroupBox
{
    Q_OBJECT

public:
    explicit CEAMonitorSupport(QWidget *parent = nullptr);
    ~CEAMonitorSupport() override;

    void initFields(_EDID_CEA_SUPPORT_INFO info, unsigned char *reference, unsigned char *working);
    void resetFields(unsigned char *reference, unsigned char *working);
    void updateCEAMonitorSupport();

    unsigned short getNativeCount();
    // The count is a 4-bit field: values above 15 are taken as 15.
    void setNativeCount(const unsigned short &count);

    StringInfo getMonitorSupportStringInfo();
    QByteArray getEDIDData();
    QString isCheckedToString(QCheckBox *box);

private slots:
    void on_underscanCB_clicked(bool checked);
    void on_basicAudioCB_clicked(bool checked);
    void on_ycrcb444CB_clicked(bool checked);
    void on_ycrcb422CB_clicked(bool checked);

private:
    void showFlags();

    Ui::CEAMonitorSupport *ui;
    unsigned char *reference;
    unsigned char *working;
    _EDID_CEA_SUPPORT_INFO supportInfo;
    _EDID_CEA_SUPPORT_INFO editedSupportInfo;
};

#endif // CEAMONITORSUPPORT_H
