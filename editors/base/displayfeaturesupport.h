#ifndef DISPLAYFEATURESUPPORT_H
#define DISPLAYFEATURESUPPORT_H

#include <QGroupBox>

#include "edidtypes.h"
#include "panelsupport.h"
#include "stringinfo.h"

class QCheckBox;

namespace Ui {
class DisplayFeatureSupport;
}

// Editor of base-block byte 24: power management, colour type (analog) or
// colour encodings (digital, revision 4), sRGB, preferred timing mode and
// continuous frequency. Follows the input type of the video input panel.
class DisplayFeatureSupport : public QGroupBox
{
    Q_OBJECT

public:
    explicit DisplayFeatureSupport(QWidget *parent = nullptr);
    ~DisplayFeatureSupport() override;

    StringInfo getStringInfo();
    QString isCheckedToString(QCheckBox *box);

    // Sets the record's colour coding (kind, value) for the writer: the colour
    // type of an analog input, the encodings of a digital one at revision 4,
    // and bits 4-3 as the working image holds them for a digital input at any
    // other revision, where nothing edits them.
    static void codeColour(_EDID_FEATURE_SUPPORT &record, bool analog, Word revision, int32_t colourType,
                           int32_t colourEncoding, const Byte *working);

public slots:
    void initFields(T_EDID_FEATURE_SUPPORT featureSupport, Byte *reference, Byte *working);
    void resetFields(Byte *reference, Byte *working);
    void adaptToEDIDVersion(Word revision);
    void inputTypeChanged(Bool isAnalog);
    void updateUI();
    void updateDisplayParameters();

private slots:
    void on_standbyModeCB_clicked(bool checked);
    void on_suspendModeCB_clicked(bool checked);
    void on_activeOffCB_clicked(bool checked);
    void on_colorTypeMulti_activated(int index);
    void on_rgb444CB_clicked(bool checked);
    void on_ycrcb444CB_clicked(bool checked);
    void on_ycrcb422CB_clicked(bool checked);
    void on_srgbCB_clicked(bool checked);
    void on_contFreqCB_clicked(bool checked);
    void on_prefTimingModeCB_clicked(bool checked);

private:
    void showEncoding();

    Ui::DisplayFeatureSupport *ui;
    _EDID_FEATURE_SUPPORT record{};
    PanelSupport support;
    Word revision = 3;
    Bool analog = 1;
    Bool standby = 0;
    Bool suspend = 0;
    Bool activeOff = 0;
    int32_t colorKind = 0;
    int32_t colorType = 1;
    int32_t colorEncoding = 0;
    Bool sRGB = 0;
    Bool continuousFrequency = 0;
    Bool preferredTimingMode = 0;
};

#endif // DISPLAYFEATURESUPPORT_H
