#ifndef DISPLAYPARAMETERS_H
#define DISPLAYPARAMETERS_H

#include <QVariant>
#include <QWidget>
#include <string>

#include "edidtypes.h"
#include "panelsupport.h"
#include "screensizefields.h"
#include "stringinfo.h"

class QCheckBox;
class QLineEdit;
class Validator;

namespace Ui {
class DisplayParameters;
}

// One widget editing base-block bytes 20-24 together: video input, screen size
// or aspect ratio, gamma and feature support. Every edit rewrites all five bytes.
class DisplayParameters : public QWidget
{
    Q_OBJECT

public:
    explicit DisplayParameters(QWidget *parent = nullptr);
    ~DisplayParameters() override;

    void initFields(_EDID_DISPLAY_PARAMETERS displayParameters, Byte *reference, Byte *working);
    void resetFields(Byte *reference, Byte *working);
    void adaptToEDIDVersion(Word revision);
    void updateDisplayParameters();
    StringInfo getStringInfo();

    void checkUncheck(unsigned char value, QCheckBox *box);
    QString isCheckedToString(QCheckBox *box);
    void displayText(QLineEdit *field, QVariant value);
    QVariant detectFormatError(QLineEdit *field, QVariant value, QVariant minimum, QVariant maximum,
                               std::string message);

public slots:
    void updateColorEncoding();

private slots:
    void on_analogRB_clicked(bool checked);
    void on_digitalRB_clicked(bool checked);
    void on_signalLevelMulti_activated(int index);
    void on_blankSetupCB_clicked(bool checked);
    void on_sepSyncCB_clicked(bool checked);
    void on_compSyncCB_clicked(bool checked);
    void on_syncOnGreenCB_clicked(bool checked);
    void on_serrationCB_clicked(bool checked);
    void on_cbdMulti_activated(int index);
    void on_interfaceMulti_activated(int index);
    void on_dfpSupportCB_clicked(bool checked);
    void on_gammaField_editingFinished();
    void on_dimensionsRB_clicked(bool checked);
    void on_aspectRatioRB_clicked(bool checked);
    void on_hSizeField_editingFinished();
    void on_vSizeField_editingFinished();
    void on_portraitRB_clicked(bool checked);
    void on_landscapeRB_clicked(bool checked);
    void on_ratioField_editingFinished();
    void on_standbyModeCB_clicked(bool checked);
    void on_suspendModeCB_clicked(bool checked);
    void on_activeOffCB_clicked(bool checked);
    void on_colorTypeMulti_activated(int index);
    void on_ycrcb444CB_clicked();
    void on_ycrcb422CB_clicked();
    void on_srgbCB_clicked(bool checked);
    void on_contFreqCB_clicked(bool checked);
    void on_prefTimingModeCB_clicked(bool checked);

private:
    void initVideoInputDef(const _EDID_DISPLAY_PARAMETERS &params);
    void initGamma(const _EDID_DISPLAY_PARAMETERS &params);
    void initScreenFormat(const _EDID_DISPLAY_PARAMETERS &params);
    void initFeatureSupport(const _EDID_DISPLAY_PARAMETERS &params);
    void showScreenMode();
    void enableInputWidgets();

    Ui::DisplayParameters *ui;
    _EDID_DISPLAY_PARAMETERS record{};
    PanelSupport support;
    Word revision = 3;

    Bool analog = 1;
    uint32_t signalLevel = 0;
    Bool blankSetup = 0;
    Bool separateSync = 0;
    Bool compositeSync = 0;
    Bool syncOnGreen = 0;
    Bool serration = 0;
    uint32_t colorBitDepth = 0;
    uint32_t interfaceType = 0;
    Bool dfp = 0;

    int gamma = 100;

    ScreenSizeFields screen;

    Bool standby = 0;
    Bool suspend = 0;
    Bool activeOff = 0;
    int32_t colorType = 1;
    int32_t colorEncoding = 0;
    Bool sRGB = 0;
    Bool continuousFrequency = 0;
    Bool preferredTimingMode = 0;

    Validator *decimalValidator;
    Validator *digitsValidator;
};

#endif // DISPLAYPARAMETERS_H
