#include "displaydescproductname.h"
#include "ui_displaydescproductname.h"

namespace {

const DisplayDescText::Kind kKind = {EDID_DESC_PRODUCT_NAME, "Product Name", "Monitor Product Name", true};

} // namespace

DisplayDescProductName::DisplayDescProductName(QWidget *parent)
    : DisplayDescText(kKind, parent), ui(new Ui::DisplayDescProductName)
{
    ui->setupUi(this);
    attachField(ui->prodNameField);
}

DisplayDescProductName::~DisplayDescProductName()
{
    delete ui;
}

void DisplayDescProductName::updateProductName()
{
    writeText();
}

void DisplayDescProductName::on_prodNameField_editingFinished()
{
    takeFieldText();
}
