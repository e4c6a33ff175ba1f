#ifndef DISPLAYRANGELIMITS_H
#define DISPLAYRANGELIMITS_H

#include <QGroupBox>
#include <QString>
#include <string>

#include "edidtypes.h"
#include "stringinfo.h"

class QCheckBox;
class QLineEdit;
class Validator;

namespace Ui {
class DisplayRangeLimits;
}

// Editor of a display range limits descriptor (tag 0xFD): vertical and
// horizontal rate limits, maximum pixel clock and the video timing support of
// byte 10 with its secondary GTF curve or CVT support fields.
class DisplayRangeLimits : public QGroupBox
{
    Q_OBJECT

public:
    explicit DisplayRangeLimits(QWidget *parent = nullptr);
    ~DisplayRangeLimits() override;

    void initFields(_EDID_MONITOR_DESC desc, unsigned char *reference, unsigned char *working,
                    int index);
    void resetFields(unsigned char *reference, unsigned char *working, int index);
    void updateRangeLimits();
    void adaptToEDIDVersion(int revision);
    StringInfo getStringInfo();

    quint16 detectFormatError(std::string name, QLineEdit *field, int min, int max,
                              std::string unit, int step);
    void displayData(QLineEdit *field, int value);
    QString isCheckedToString(QCheckBox *box);
    void initCVTFields();
    void initSecGTFFields();
    void resetCVTFields();
    void resetGTFFields();

private slots:
    void on_minVRateField_editingFinished();
    void on_maxVRateField_editingFinished();
    void on_minHRateField_editingFinished();
    void on_maxHRateField_editingFinished();
    void on_maxPixClockField_editingFinished();
    void on_startFreqField_editingFinished();
    void on_cx2Field_editingFinished();
    void on_mField_editingFinished();
    void on_kField_editingFinished();
    void on_jx2Field_editingFinished();
    void on_pixClockPrecField_editingFinished();
    void on_maxActivePixField_editingFinished();
    void on_prefVRateField_editingFinished();
    void on_videoTimingMulti_activated(int index);
    void on_pref43ARRB_clicked();
    void on_pref169ARRB_clicked();
    void on_pref1610ARRB_clicked();
    void on_pref54ARRB_clicked();
    void on_pref159ARRB_clicked();
    void on_standBlankingCB_clicked(bool checked);
    void on_redBlankingCB_clicked(bool checked);
    void on_hShrinkCB_clicked(bool checked);
    void on_vShrinkCB_clicked(bool checked);
    void on_hStretchCB_clicked(bool checked);
    void on_vStretchCB_clicked(bool checked);
    void on_supp43ARCB_clicked(bool checked);
    void on_supp169ARCB_clicked(bool checked);
    void on_supp1610ARCB_clicked(bool checked);
    void on_supp54ARCB_clicked(bool checked);
    void on_supp159ARCB_clicked(bool checked);
    void on_revisionSB_editingFinished();
    void on_versionField_editingFinished();

private:
    // Highest rate the four rate fields accept: 510 with the E-EDID 1.4
    // offsets of byte 4, 255 at revision 3.
    int maxRate() const;
    // A rate field; `other` is the other rate of its pair (the maximum for a
    // minimum and the reverse).
    quint16 checkRate(const char *name, QLineEdit *field, const char *unit, bool minimum,
                      Word other);
    void setKind(int kind);
    void addRevision4Kinds();

    Ui::DisplayRangeLimits *ui;
    unsigned char *reference = nullptr;
    unsigned char *working = nullptr;
    int index = 0;
    _EDID_MONITOR_DESC desc{};
    _EDID_RANGE_LIMITS limits{};
    _EDID_GTF_SECONDARY_CURVE gtf{};  // start frequency in kHz
    int edidRevision = 4;
    Validator *digitValidator;
};

#endif // DISPLAYRANGELIMITS_H
