#ifndef NEWFILEDIALOG_H
#define NEWFILEDIALOG_H

#include <QDialog>

namespace Ui {
class NewFileDialog;
}

// Asks for the E-EDID revision of a new image.
class NewFileDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NewFileDialog(QWidget *parent = nullptr);
    ~NewFileDialog() override;

    // 0 when cancelled or closed, else 3 or 4.
    int getRevision() const;

private slots:
    void on_buttonBox_accepted();

private:
    Ui::NewFileDialog *ui;
    int revision = 0;
};

#endif // NEWFILEDIALOG_H
