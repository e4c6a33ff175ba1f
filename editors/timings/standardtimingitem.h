#ifndef STANDARDTIMINGITEM_H
#define STANDARDTIMINGITEM_H

#include <QGroupBox>
#include <string>

#include "edidtypes.h"
#include "stringinfo.h"

class QLineEdit;
class Validator;

namespace Ui {
class StandardTimingItem;
}

// Editor of one 2-byte standard timing (base block item 1 to 8).
class StandardTimingItem : public QGroupBox
{
    Q_OBJECT

public:
    explicit StandardTimingItem(QWidget *parent = nullptr);
    ~StandardTimingItem() override;

    void setBoxTitle(std::string title);
    void initFields(_EDID_STANDARD_TIMINGS_ITEM item, unsigned char *reference,
                    unsigned char *working, int index);
    void resetFields(unsigned char *reference, unsigned char *working, int index);
    void updateStandardTiming();
    StringInfo getStringInfo();
    int detectFormatError(QLineEdit *field, int min, int max, int step, std::string message);

    // The aspect-ratio combo box: index to _FORMAT_ASP_RATIO and back.
    static _FORMAT_ASP_RATIO aspectForComboIndex(int index);
    static int comboIndexForAspect(_FORMAT_ASP_RATIO aspect);
    static QString aspectText(_FORMAT_ASP_RATIO aspect);

private slots:
    void on_hActiveField_editingFinished();
    void on_refreshField_editingFinished();
    void on_enableCB_clicked(bool checked);
    void on_aspectRatioMulti_activated(int index);

private:
    Ui::StandardTimingItem *ui;
    unsigned char *reference;
    unsigned char *working;
    int index;
    _EDID_STANDARD_TIMINGS_ITEM item;
    _EDID_STANDARD_TIMINGS_ITEM written;
    Validator *digitValidator;

    void setContentEnabled(bool enabled);
    void showUnused();
};

#endif // STANDARDTIMINGITEM_H
