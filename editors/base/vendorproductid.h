#ifndef VENDORPRODUCTID_H
#define VENDORPRODUCTID_H

#include <QGroupBox>
#include <QString>
#include <QVariant>
#include <string>

#include "edidtypes.h"
#include "panelsupport.h"
#include "stringinfo.h"

class QLineEdit;
class UpperCaseValidator;
class Validator;

namespace Ui {
class VendorProductID;
}

// Editor of base-block bytes 8-17: manufacturer letters, product code, serial
// number, week and year of manufacture or model year.
class VendorProductID : public QGroupBox
{
    Q_OBJECT

public:
    explicit VendorProductID(QWidget *parent = nullptr);
    ~VendorProductID() override;

    void initFields(_EDID_VENDOR_PRODUCT_ID vendorProductID, unsigned char *reference,
                    unsigned char *working);
    void resetFields(unsigned char *reference, unsigned char *working);
    void adaptToEDIDVersion(int revision);
    void updateVendorProductID();
    StringInfo getStringInfo();
    // Integers are refused below the fall-back or above the limit, texts with
    // fewer characters than the limit; a refusal answers the fall-back.
    QVariant detectFormatError(QLineEdit *field, QVariant value, QVariant fallback,
                               qulonglong limit, std::string message);

private slots:
    void on_manufIDField_editingFinished();
    void on_productIDField_editingFinished();
    void on_serialNumberField_editingFinished();
    void on_weekField_editingFinished();
    void on_yearField_editingFinished();
    void on_modelYearCB_toggled(bool checked);

private:
    Ui::VendorProductID *ui;
    PanelSupport support;
    _EDID_VENDOR_PRODUCT_ID record{};
    Validator *digitsValidator;
    UpperCaseValidator *lettersValidator;

    QString manufacturer = QStringLiteral("AAA");
    QString productCode = QStringLiteral("0000");
    QString serial = QStringLiteral("0");
    Word week = 1;
    Word year = 1990;
    bool modelYear = false;
};

#endif // VENDORPRODUCTID_H
