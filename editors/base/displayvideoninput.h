#ifndef DISPLAYVIDEONINPUT_H
#define DISPLAYVIDEONINPUT_H

#include <QGroupBox>

#include "edidtypes.h"
#include "panelsupport.h"
#include "stringinfo.h"

class QCheckBox;

namespace Ui {
class DisplayVideonInput;
}

// Editor of base-block byte 20, the video input definition: analog signal
// level and sync flags, or digital DFP flag (revision 3) or colour depth and
// interface (revision 4). Announces the input type to the feature-support panel.
class DisplayVideonInput : public QGroupBox
{
    Q_OBJECT

public:
    explicit DisplayVideonInput(QWidget *parent = nullptr);
    ~DisplayVideonInput() override;

    StringInfo getStringInfo();
    QString isCheckedToString(QCheckBox *box);

signals:
    void inputTypeChanged(Bool isAnalog);

public slots:
    void initFields(T_EDID_VIDEO_INPUT_DEF videoInputInfo, Byte *reference, Byte *working);
    void resetFields(Byte *reference, Byte *working);
    void adaptToEDIDVersion(Word revision);
    void updateUI();
    void updateDisplayParameters();

private slots:
    void on_analogRB_clicked(bool checked);
    void on_digitalRB_clicked(bool checked);
    void on_signalLevelMulti_activated(int index);
    void on_blankSetupCB_clicked(bool checked);
    void on_sepSyncCB_clicked(bool checked);
    void on_compSyncCB_clicked(bool checked);
    void on_syncOnGreenCB_clicked(bool checked);
    void on_serrationCB_clicked(bool checked);
    void on_dfpSupportCB_clicked(bool checked);
    void on_cbdMulti_activated(int index);
    void on_interfaceMulti_activated(int index);

private:
    Ui::DisplayVideonInput *ui;
    Word revision = 3;
    _EDID_VIDEO_INPUT_DEF record{};
    PanelSupport support;

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
};

#endif // DISPLAYVIDEONINPUT_H
