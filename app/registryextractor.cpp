#include "registryextractor.h"
#include "ui_registryextractor.h"

RegistryExtractor::RegistryExtractor(QWidget *parent)
    : QDialog(parent), ui(new Ui::RegistryExtractor)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Extract E-EDID From Registry"));
    selected = false;
    ui->edidList->setModel(&entries);
    ui->edidList->show();
}

RegistryExtractor::~RegistryExtractor()
{
    delete ui;
}

void RegistryExtractor::extractFromRegistry(u8 *edid)
{
    Q_UNUSED(edid)
}

void RegistryExtractor::checkEDIDBinaryFiles()
{
}

bool RegistryExtractor::getSelected() const
{
    return selected;
}

QString RegistryExtractor::getName() const
{
    return name;
}

void RegistryExtractor::setName(const QString &name)
{
    this->name = name;
}

void RegistryExtractor::on_edidList_clicked(const QModelIndex &index)
{
    Q_UNUSED(index)
}

void RegistryExtractor::on_edidList_doubleClicked(QModelIndex index)
{
    Q_UNUSED(index)
    selected = true;
    close();
}

void RegistryExtractor::on_extractButton_clicked()
{
    close();
}

void RegistryExtractor::on_cancelButton_clicked()
{
    selected = false;
    close();
}
