#ifndef DISPLAYDESCCVTTIMINGS_H
#define DISPLAYDESCCVTTIMINGS_H

#include <QGroupBox>

#include "cvtcodedescriptor.h"
#include "edidtypes.h"

namespace Ui {
class DisplayDescCVTTimings;
}

// Editor of a CVT 3-byte timing codes descriptor (tag 0xF8, E-EDID 1.4):
// four codes, "CVT Code 1" to "CVT Code 4".
class DisplayDescCVTTimings : public QGroupBox
{
    Q_OBJECT

public:
    explicit DisplayDescCVTTimings(QWidget *parent = nullptr);
    ~DisplayDescCVTTimings() override;

    void initFields(_EDID_MONITOR_DESC desc, unsigned char *reference, unsigned char *working,
                    int index);
    void resetFields(unsigned char *reference, unsigned char *working, int index);
    // Writes the whole descriptor, code 1 to code 4.
    void updateCVTTimings();
    // The description rows of the descriptor (those of each code).
    StringInfo getStringInfo();

private:
    Ui::DisplayDescCVTTimings *ui;
    CVTCodeDescriptor codes[4];
};

#endif // DISPLAYDESCCVTTIMINGS_H
