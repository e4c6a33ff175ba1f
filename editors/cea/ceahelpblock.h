#ifndef CEAHELPBLOCK_H
#define CEAHELPBLOCK_H

#include <QFrame>
#include <QString>

namespace Ui {
class ceaHelpBlock;
}

// Help panel at the right edge of the extension page.
class ceaHelpBlock : public QFrame
{
    Q_OBJECT

public:
    explicit ceaHelpBlock(QFrame *parent = nullptr);
    ~ceaHelpBlock() override;

    void setHelpMessage(QString message);
    QString helpText() const;

private:
    Ui::ceaHelpBlock *ui;
};

#endif // CEAHELPBLOCK_H
