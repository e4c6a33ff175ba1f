#ifndef DISPLAYDESCDATASTRING_H
#define DISPLAYDESCDATASTRING_H

#include "displaydesctext.h"

namespace Ui {
class DisplayDescDataString;
}

// Editor of a descriptor of tag 0xFE: ascii data string, 13 ASCII characters.
class DisplayDescDataString : public DisplayDescText
{
    Q_OBJECT

public:
    explicit DisplayDescDataString(QWidget *parent = nullptr);
    ~DisplayDescDataString() override;

    void updateDataString();

private slots:
    void on_dataStringField_editingFinished();

private:
    Ui::DisplayDescDataString *ui;
};

#endif // DISPLAYDESCDATASTRING_H
