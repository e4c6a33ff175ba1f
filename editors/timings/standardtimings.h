#ifndef STANDARDTIMINGS_H
#define STANDARDTIMINGS_H

#include <QGroupBox>

#include "edidtypes.h"
#include "standardtimingitem.h"

namespace Ui {
class StandardTimings;
}

// The eight standard timings of the base block (bytes 38-53).
class StandardTimings : public QGroupBox
{
    Q_OBJECT

public:
    explicit StandardTimings(QWidget *parent = nullptr);
    ~StandardTimings() override;

    void initFields(_EDID_STANDARD_TIMINGS_ITEM *items, unsigned char *reference,
                    unsigned char *working);
    void resetFields(unsigned char *reference, unsigned char *working);
    void updateStandardTimings();

    // Item 1 to 8.
    StandardTimingItem *item(int number);

private:
    Ui::StandardTimings *ui;
    StandardTimingItem timing1;
    StandardTimingItem timing2;
    StandardTimingItem timing3;
    StandardTimingItem timing4;
    StandardTimingItem timing5;
    StandardTimingItem timing6;
    StandardTimingItem timing7;
    StandardTimingItem timing8;
};

#endif // STANDARDTIMINGS_H
