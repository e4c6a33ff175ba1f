#ifndef DISPLAYDESCCOLORPOINTDATA_H
#define DISPLAYDESCCOLORPOINTDATA_H

#include <QGroupBox>
#include <QString>
#include <string>

#include "edidtypes.h"
#include "stringinfo.h"

class QLineEdit;
class Validator;

namespace Ui {
class DisplayDescColorPointData;
}

// Editor of a colour point descriptor (tag 0xFB): two additional white
// points, each an index number, x and y chromaticity and a gamma.
class DisplayDescColorPointData : public QGroupBox
{
    Q_OBJECT

public:
    explicit DisplayDescColorPointData(QWidget *parent = nullptr);
    ~DisplayDescColorPointData() override;

    void initFields(_EDID_MONITOR_DESC desc, unsigned char *reference, unsigned char *working,
                    int index);
    void resetFields(unsigned char *reference, unsigned char *working, int index);
    void updateColorPoint();
    StringInfo getStringInfo();

    // Text of a 10-bit chromaticity code (code / 1024, three decimals).
    static QString getColorPointComponent(int code);
    // 10-bit code of a chromaticity: round(x * 1024), at most 1023.
    static Word getValueToStore(double coordinate);
    // Text of a gamma x 100 (two decimals).
    static QString getGammaText(int gamma);
    void displayData(QLineEdit *field, int value, int divisor, int precision);
    void resetColorPoint1();
    void resetColorPoint2();
    // The code of a chromaticity field; refused entries give 0.
    Word detectFormatError(std::string name, QLineEdit *field, double min, double max, Word current);
    void displayFormatError(QLineEdit *field, std::string text, const QString &fallback);

private slots:
    void on_whitePointField_editingFinished();
    void on_whitePointField2_editingFinished();
    void on_whiteXField_editingFinished();
    void on_whiteYField_editingFinished();
    void on_whiteXField2_editingFinished();
    void on_whiteYField2_editingFinished();
    void on_gammaField_editingFinished();
    void on_gammaField2_editingFinished();
    void on_firstColorPointGB_clicked(bool checked);
    void on_secondColorPointGB_clicked(bool checked);

private:
    Word checkIndex(QLineEdit *field, int fallback);
    Word checkGamma(QLineEdit *field, Word current);

    Ui::DisplayDescColorPointData *ui;
    unsigned char *reference = nullptr;
    unsigned char *working = nullptr;
    _EDID_MONITOR_DESC monitorDesc{};
    int index = 0;
    // Working values as the descriptor holds them: x and y are 10-bit codes,
    // gamma is gamma x 100.
    _EDID_COLOR_POINT_DATA colorPoint{};
    Validator *indexValidator;
    Validator *realValidator;
};

#endif // DISPLAYDESCCOLORPOINTDATA_H
