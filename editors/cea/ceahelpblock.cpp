#include "ceahelpblock.h"
#include "ui_ceahelpblock.h"

ceaHelpBlock::ceaHelpBlock(QFrame *parent) : QFrame(parent), ui(new Ui::ceaHelpBlock)
{
    ui->setupUi(this);
}

ceaHelpBlock::~ceaHelpBlock()
{
    delete ui;
}

void ceaHelpBlock::setHelpMessage(QString message)
{
    ui->helpMessage->setText(message);
}

QString ceaHelpBlock::helpText() const
{
    return ui->helpMessage->text();
}
