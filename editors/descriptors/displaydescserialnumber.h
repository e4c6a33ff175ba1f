#ifndef DISPLAYDESCSERIALNUMBER_H
#define DISPLAYDESCSERIALNUMBER_H

#include "displaydesctext.h"

namespace Ui {
class DisplayDescSerialNumber;
}

// Editor of a descriptor of tag 0xFF: serial number, 13 ASCII characters.
class DisplayDescSerialNumber : public DisplayDescText
{
    Q_OBJECT

public:
    explicit DisplayDescSerialNumber(QWidget *parent = nullptr);
    ~DisplayDescSerialNumber() override;

    void updateSerialNumber();

private slots:
    void on_serialNumberField_editingFinished();

private:
    Ui::DisplayDescSerialNumber *ui;
};

#endif // DISPLAYDESCSERIALNUMBER_H
