#ifndef DISPLAYDESCDCM_H
#define DISPLAYDESCDCM_H

#include <QGroupBox>

#include "edidtypes.h"
#include "stringinfo.h"

class QLineEdit;
class Validator;

namespace Ui {
class DisplayDescDCM;
}

// Editor of a display colour management descriptor (tag 0xF9, E-EDID 1.4):
// the a3 and a2 polynomial coefficients of red, green and blue.
class DisplayDescDCM : public QGroupBox
{
    Q_OBJECT

public:
    explicit DisplayDescDCM(QWidget *parent = nullptr);
    ~DisplayDescDCM() override;

    void initFields(_EDID_MONITOR_DESC desc, unsigned char *reference, unsigned char *working,
                    int index);
    void resetFields(unsigned char *reference, unsigned char *working, int index);
    void updateDCM();
    StringInfo getStringInfo();
    void displayData(QLineEdit *field, int value);
    quint16 detectFormatError(QLineEdit *field);

private slots:
    void on_reda3Field_editingFinished();
    void on_reda2Field_editingFinished();
    void on_greena3Field_editingFinished();
    void on_greena2Field_editingFinished();
    void on_bluea3Field_editingFinished();
    void on_bluea2Field_editingFinished();

private:
    Ui::DisplayDescDCM *ui;
    unsigned char *reference = nullptr;
    unsigned char *working = nullptr;
    _EDID_MONITOR_DESC desc{};
    int index = 0;
    _EDID_DISPLAY_COLOR_MANAGEMENT coefficients{};
    Validator *digitValidator;
};

#endif // DISPLAYDESCDCM_H
