#ifndef CEASHORTVIDEOBLOCK_H
#define CEASHORTVIDEOBLOCK_H

#include <QString>
#include <QWidget>

namespace Ui {
class CEAShortVideoBlock;
}

// One short video descriptor (SVD) of a video data block: a "Native" box, the
// format name and the VIC number, kept in step.
//
// The byte is read as CTA-861-G does: 1-127 are VIC 1-127, 129-192 are VIC
// 1-64 flagged native, 193-255 are VIC 193-255 (no native flag), 0 and 128
// are reserved. Only VIC 1-64 can be native, so the box is enabled for
// those alone. A byte the views cannot hold (0, 109-128, 193-255) is kept
// as it is until the user picks a format or types a number.
//
// The row holds its byte from construction; its form is built when the row
// is first shown.
class CEAShortVideoBlock : public QWidget
{
    Q_OBJECT

public:
    explicit CEAShortVideoBlock(QWidget *parent = nullptr);
    ~CEAShortVideoBlock() override;

    void initFields(unsigned char *svd, unsigned char *reference, unsigned char *working);
    void resetFields(unsigned char *reference, unsigned char *working);
    void setShortVideoBlockIndex(int index);
    unsigned char getEDIDValue() const;

    void setVisible(bool visible) override;

    // The VIC a descriptor byte names, and whether it flags that VIC native.
    static int vicOf(unsigned char svd);
    static bool isNative(unsigned char svd);

signals:
    void valueChanged();

public slots:
    void updateUI();

private slots:
    void on_formatMulti_activated(int index);
    void on_nativeCB_clicked(bool checked);
    void on_codeField_editingFinished();
    void on_codeField_valueChanged(int arg1);

private:
    void setupForm();
    void setByte(unsigned char svd);
    void setVic(int code);
    void showFormat();
    void showIndex();
    void showNative();
    void showCode();

    Ui::CEAShortVideoBlock *ui;  // built when the row is first shown
    int position = 0;  // in the block, from 0
    // The descriptor byte: bits 6-0 and bit 7.
    unsigned char vic : 7;
    unsigned char native : 1;
    // Since the number field last showed a VIC it cannot hold (as its special
    // text), the text the user typed there, if any.
    bool codeTyped = false;
    QString typedCode;
};

#endif // CEASHORTVIDEOBLOCK_H
