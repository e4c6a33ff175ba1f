#include "displaydescdatastring.h"
#include "ui_displaydescdatastring.h"

namespace {

const DisplayDescText::Kind kKind = {EDID_DESC_DATA_STRING, "ASCII Data String", "Data String Content", false};

} // namespace

DisplayDescDataString::DisplayDescDataString(QWidget *parent)
    : DisplayDescText(kKind, parent), ui(new Ui::DisplayDescDataString)
{
    ui->setupUi(this);
    attachField(ui->dataStringField);
}

DisplayDescDataString::~DisplayDescDataString()
{
    delete ui;
}

void DisplayDescDataString::updateDataString()
{
    writeText();
}

void DisplayDescDataString::on_dataStringField_editingFinished()
{
    takeFieldText();
}
