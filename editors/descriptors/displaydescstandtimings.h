#ifndef DISPLAYDESCSTANDTIMINGS_H
#define DISPLAYDESCSTANDTIMINGS_H

#include <QGroupBox>

#include "edidtypes.h"
#include "extrastandtiming.h"

namespace Ui {
class DisplayDescStandTimings;
}

// Editor of a standard timing identifiers descriptor (tag 0xFA): six further
// standard timings, "Timing 9" to "Timing 14".
class DisplayDescStandTimings : public QGroupBox
{
    Q_OBJECT

public:
    explicit DisplayDescStandTimings(QWidget *parent = nullptr);
    ~DisplayDescStandTimings() override;

    void initFields(_EDID_MONITOR_DESC desc, unsigned char *reference, unsigned char *working,
                    int index);
    void resetFields(unsigned char *reference, unsigned char *working, int index);
    // Writes the whole descriptor: header, the six identifiers and byte 17.
    void updateStandTimings();

private:
    Ui::DisplayDescStandTimings *ui;
    ExtraStandTiming timings[6];
    unsigned char *reference = nullptr;
    unsigned char *working = nullptr;
};

#endif // DISPLAYDESCSTANDTIMINGS_H
