#ifndef DISPLAYDESCPRODUCTNAME_H
#define DISPLAYDESCPRODUCTNAME_H

#include "displaydesctext.h"

namespace Ui {
class DisplayDescProductName;
}

// Editor of a descriptor of tag 0xFC: product name, 13 ASCII characters.
class DisplayDescProductName : public DisplayDescText
{
    Q_OBJECT

public:
    explicit DisplayDescProductName(QWidget *parent = nullptr);
    ~DisplayDescProductName() override;

    void updateProductName();

private slots:
    void on_prodNameField_editingFinished();

private:
    Ui::DisplayDescProductName *ui;
};

#endif // DISPLAYDESCPRODUCTNAME_H
