#ifndef CEAKEPTDESCRIPTOR_H
#define CEAKEPTDESCRIPTOR_H

#include "ceablock.h"

namespace Ui {
class CEAKeptDescriptor;
}

// An 18-byte display descriptor (bytes 0-1 zero) found among the detailed
// timings of the extension: kept byte for byte, in its loaded place while the
// timings are as many as loaded and every kept descriptor is written, after
// them otherwise. It can be removed, not edited.
class CEAKeptDescriptor : public CEABlock
{
    Q_OBJECT

public:
    static const int size = 18;

    explicit CEAKeptDescriptor(const QByteArray &bytes, CEABlock *parent = nullptr);
    ~CEAKeptDescriptor() override;

    QByteArray getEDIDData() override;
    QString getDisplayName() override;

    // Tag 0x10: filler, the first thing given up when content needs the room.
    bool isDummy() const;
    // Name of a display descriptor by its tag (byte 3).
    static QString kindName(int tag);

public slots:
    void updateUI() override;

private slots:
    void on_helpButton_clicked(bool checked);

private:
    int tag() const;

    Ui::CEAKeptDescriptor *ui;
    QByteArray bytes;
};

#endif // CEAKEPTDESCRIPTOR_H
