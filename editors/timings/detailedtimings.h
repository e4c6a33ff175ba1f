#ifndef DETAILEDTIMINGS_H
#define DETAILEDTIMINGS_H

#include <QByteArray>
#include <QGroupBox>
#include <QString>
#include <string>

#include "edidtypes.h"
#include "stringinfo.h"
#include "cvtwizard.h"

class QCheckBox;
class QLineEdit;
class Validator;

namespace Ui {
class DetailedTimings;
}

// The 18 raw bytes of one detailed timing descriptor, passed by value.
#ifndef CEA_DETAILED_TIMINGS_DEFINED
#define CEA_DETAILED_TIMINGS_DEFINED
struct _CEA_DETAILED_TIMINGS
{
    unsigned char bytes[18];
};
#endif

// Editor of one 18-byte detailed timing descriptor.
// Base-block mode (isCEA false): every commit writes descriptor slot `index`
// of the working image and refreshes the hex viewer.
// Extension mode (isCEA true): writes nothing, emits valueChanged() on every
// commit; the owner reads the 18 bytes with getEdidData().
class DetailedTimings : public QGroupBox
{
    Q_OBJECT

public:
    explicit DetailedTimings(QWidget *parent = nullptr);
    ~DetailedTimings() override;

    virtual void initFields(_EDID_DETAILED_TIMING_BLOCK timing, unsigned char *reference,
                            unsigned char *working, int index, bool isCEA);
    virtual void initFields(_CEA_DETAILED_TIMINGS bytes, unsigned char *reference,
                            unsigned char *working, int index, bool isCEA);
    void resetFields(unsigned char *reference, unsigned char *working, int index, bool isCEA);

    void updateDetailedTiming();
    QByteArray getEdidData();
    StringInfo getStringInfo();
    void updateFields();
    void changeSyncSignalCBText(std::string first, std::string second);
    void checkUncheck(unsigned char value, QCheckBox *box);
    void displayData(QLineEdit *field, int value, int divisor);
    void calculateHClock();
    void calculateVClock();
    int detectFormatError(std::string name, QLineEdit *field, int min, int max);
    QString isCheckedToString(QCheckBox *box);

    // Empty when every value of a computed timing fits this editor's fields,
    // else the message naming the first value that does not.
    static QString formatRangeError(const FormatDefinition &format);

signals:
    void valueChanged();

public slots:
    void updateUI();
    void loadCVTFormat(FormatDefinition format);

private slots:
    void on_pixelClockField_editingFinished();
    void on_hActiveField_editingFinished();
    void on_vActiveField_editingFinished();
    void on_hBlankField_editingFinished();
    void on_vBlankField_editingFinished();
    void on_hFrontField_editingFinished();
    void on_vFrontField_editingFinished();
    void on_hSyncField_editingFinished();
    void on_vSyncField_editingFinished();
    void on_hImSizeField_editingFinished();
    void on_vImSizeField_editingFinished();
    void on_hBorderField_editingFinished();
    void on_vBorderField_editingFinished();
    void on_interlacedCheckBox_clicked(bool checked);
    void on_noStereoRB_clicked();
    void on_onSyncFSRRB_clicked();
    void on_onSyncFSLRB_clicked();
    void on_sideBySideRB_clicked();
    void on_twoWayRRB_clicked();
    void on_twoWayLRB_clicked();
    void on_fourWayRB_clicked();
    void on_analogRB_clicked();
    void on_bipolAnalogRB_clicked();
    void on_digitalCompositeRB_clicked();
    void on_digitalSepRB_clicked();
    void on_syncSignalCB1_clicked(bool checked);
    void on_syncSignalCB2_clicked(bool checked);
    void on_CVTButton_clicked();

private:
    Ui::DetailedTimings *form;
    _EDID_DETAILED_TIMING_BLOCK timing;
    unsigned char *reference;
    unsigned char *working;
    int index;
    bool isCEA;

    quint64 pixelClock;
    quint16 hActive;
    quint16 hBlank;
    quint16 hBorder;
    quint16 hFrontPorch;
    quint16 hBackPorch;
    quint16 hImageSize;
    quint16 hSync;
    bool hSyncFlag;
    quint16 vActive;
    quint16 vBlank;
    quint16 vBorder;
    quint16 vFrontPorch;
    quint16 vBackPorch;
    quint16 vImageSize;
    quint16 vSync;
    bool vSyncFlag;
    quint32 stereo;
    quint32 syncType;
    bool interlaced;

    Validator *clockValidator;
    Validator *digitValidator;

    // The twelve integer fields and the values they edit, in the order of
    // the range table in the implementation.
    QLineEdit *integerFields[12];
    quint16 *integerValues[12];

    void integerEntry(int row);
    void setStereo(quint32 code);
    void setSyncType(quint32 type);
    void decodeBytes(const unsigned char *bytes);
};

#endif // DETAILEDTIMINGS_H
