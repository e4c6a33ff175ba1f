#ifndef DISPLAYTRANSFERTCHARACTERISTICS_H
#define DISPLAYTRANSFERTCHARACTERISTICS_H

#include <QGroupBox>
#include <QVariant>
#include <string>

#include "edidtypes.h"
#include "panelsupport.h"
#include "stringinfo.h"

class QLineEdit;
class Validator;

namespace Ui {
class DisplayTransfertCharacteristics;
}

// Editor of base-block byte 23, the gamma (1.00 to 3.54, stored as gamma x 100 - 100).
class DisplayTransfertCharacteristics : public QGroupBox
{
    Q_OBJECT

public:
    explicit DisplayTransfertCharacteristics(QWidget *parent = nullptr);
    ~DisplayTransfertCharacteristics() override;

    void updateDisplayParameters();
    StringInfo getStringInfo();
    QVariant detectFormatError(QLineEdit *field, QVariant value, QVariant minimum, QVariant maximum,
                               std::string message);
    void displayText(QLineEdit *field, QVariant value);

public slots:
    // DTC is the gamma x 100 (byte 23 + 100).
    void initFields(int DTC, Byte *reference, Byte *working);
    void resetFields(Byte *reference, Byte *working);
    void adaptToEDIDVersion(Word revision);
    void updateUI();

private slots:
    void on_gammaField_editingFinished();

private:
    Ui::DisplayTransfertCharacteristics *ui;
    PanelSupport support;
    int gamma = 100;
    Word revision = 3;
    Validator *gammaValidator;
};

#endif // DISPLAYTRANSFERTCHARACTERISTICS_H
