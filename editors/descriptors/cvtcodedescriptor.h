#ifndef CVTCODEDESCRIPTOR_H
#define CVTCODEDESCRIPTOR_H

#include <QGroupBox>
#include <QString>

#include "edidtypes.h"
#include "stringinfo.h"

class QCheckBox;
class QLineEdit;
class Validator;

namespace Ui {
class CVTCodeDescriptor;
}

// One 3-byte CVT timing code of a 0xF8 descriptor: vertical active lines,
// aspect ratio, preferred vertical rate and the supported rates.
class CVTCodeDescriptor : public QGroupBox
{
    Q_OBJECT

public:
    explicit CVTCodeDescriptor(QWidget *parent = nullptr);
    ~CVTCodeDescriptor() override;

    void initFields(_EDID_MONITOR_DESC desc, unsigned char *reference, unsigned char *working,
                    int descIndex, int codeIndex);
    void resetFields(unsigned char *reference, unsigned char *working, int descIndex, int codeIndex);
    void updateCVTTiming();
    StringInfo getStringInfo();
    int detectFormatError(QLineEdit *field);

    void setVActiveLines(const unsigned short &lines);
    void setAspectRatio(const _FORMAT_ASP_RATIO &aspect);
    void setPrefVRate(const _EDID_VERTICAL_RATE &rate);
    void setSuppVRate(int rate, const unsigned char &supported);
    unsigned short getVActiveLines() const;
    _FORMAT_ASP_RATIO getAspectRatio() const;
    _EDID_VERTICAL_RATE getPrefVRate() const;
    unsigned char getSuppVRate(int rate) const;

    void setBlockName(QString name);
    void checkUncheck(unsigned char value, QCheckBox *box);

private slots:
    void on_vActField_editingFinished();
    void on_aspectRatioMulti_activated(int index);
    void on_prefVRate50RB_clicked();
    void on_prefVRate60RB_clicked();
    void on_prefVRate75RB_clicked();
    void on_prefVRate85RB_clicked();
    void on_suppVRate50CB_clicked(bool checked);
    void on_suppVRate60CB_clicked(bool checked);
    void on_suppVRate75CB_clicked(bool checked);
    void on_suppVRate85CB_clicked(bool checked);
    void on_suppVRate60RedCB_clicked(bool checked);

private:
    void showFields();

    Ui::CVTCodeDescriptor *ui;
    unsigned char *reference = nullptr;
    unsigned char *working = nullptr;
    _EDID_MONITOR_DESC desc{};
    int descIndex = 0;
    int codeIndex = 0;
    unsigned short vActiveLines = 2;
    _FORMAT_ASP_RATIO aspect = FORMAT_ASP_RATIO_4_3;
    _EDID_VERTICAL_RATE prefRate = EDID_VERTICAL_RATE_50HZ;
    unsigned char supported[5] = {0, 0, 0, 0, 0};
    Validator *digitValidator;
};

#endif // CVTCODEDESCRIPTOR_H
