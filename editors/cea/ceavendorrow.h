#ifndef CEAVENDORROW_H
#define CEAVENDORROW_H

#include <QByteArray>
#include <QString>
#include <QWidget>

class QLineEdit;

namespace Ui {
class CEAVendorSpecificBlock;
}

// One data byte of a vendor-specific block after its OUI, edited as two
// hexadecimal digits. It keeps its own byte and never writes the image.
class CEAVendorSpecificBlock : public QWidget
{
    Q_OBJECT

public:
    explicit CEAVendorSpecificBlock(QWidget *parent = nullptr);
    ~CEAVendorSpecificBlock() override;

    void initFields(unsigned short value, unsigned char *reference, unsigned char *working,
                    int index);
    void resetFields(unsigned char *reference, unsigned char *working, int index);
    // Exactly one byte: the field's value (empty counts as 0).
    QByteArray getEDIDData();

    // The text of a hexadecimal field as a number; an empty text is 0.
    static quint32 hexValue(const QString &text);
    // Refills a hexadecimal field left empty with zeros ("00", "000000").
    static void fillEmpty(QLineEdit *field, int digits);

signals:
    void valueChanged();

public slots:
    void updateUI();

private slots:
    void on_blockField_editingFinished();

private:
    Ui::CEAVendorSpecificBlock *ui;
    unsigned char *reference;
    unsigned char *working;
    int index;
};

#endif // CEAVENDORROW_H
