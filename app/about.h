#ifndef ABOUT_H
#define ABOUT_H

#include <QDialog>
#include <QPixmap>
#include <QString>

namespace Ui {
class About;
}

class QResizeEvent;

// Product name, version, logo, open-source notices and the two licence pages.
class About : public QDialog
{
    Q_OBJECT

public:
    About(QString name, QString version, QPixmap logo, QString linkColour,
          QString licenceFolder, QWidget *parent = nullptr);
    ~About() override;

    // Where the licence pages are copied before they are opened: a private
    // folder of this process (mode 0700), removed when the program ends.
    static QString licenceCopyFolder();

public slots:
    void onLinkActivated(const QString &link);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    Ui::About *ui;
    QString licenceFolder;
    QPixmap logo;
};

#endif // ABOUT_H
