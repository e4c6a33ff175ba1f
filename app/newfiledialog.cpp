#include "newfiledialog.h"
#include "ui_newfiledialog.h"

NewFileDialog::NewFileDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::NewFileDialog)
{
    ui->setupUi(this);
}

NewFileDialog::~NewFileDialog()
{
    delete ui;
}

int NewFileDialog::getRevision() const
{
    return revision;
}

void NewFileDialog::on_buttonBox_accepted()
{
    revision = ui->rev3RB->isChecked() ? 3 : 4;
}
