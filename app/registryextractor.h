#ifndef REGISTRYEXTRACTOR_H
#define REGISTRYEXTRACTOR_H

#include <QDialog>
#include <QModelIndex>
#include <QStringListModel>

#include "edidtypes.h"

namespace Ui {
class RegistryExtractor;
}

// Dialog for importing the EDID of an attached display. This build has no
// display enumeration: the list stays empty and nothing is ever selected.
class RegistryExtractor : public QDialog
{
    Q_OBJECT

public:
    explicit RegistryExtractor(QWidget *parent = nullptr);
    ~RegistryExtractor() override;

    void extractFromRegistry(u8 *edid);
    void checkEDIDBinaryFiles();

    bool getSelected() const;
    QString getName() const;
    void setName(const QString &name);

private slots:
    void on_edidList_clicked(const QModelIndex &index);
    void on_edidList_doubleClicked(QModelIndex index);
    void on_extractButton_clicked();
    void on_cancelButton_clicked();

private:
    Ui::RegistryExtractor *ui;
    QStringListModel entries;
    QString name;
    bool selected = false;
};

#endif // REGISTRYEXTRACTOR_H
