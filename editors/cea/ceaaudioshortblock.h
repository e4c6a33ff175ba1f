#ifndef CEAAUDIOSHORTBLOCK_H
#define CEAAUDIOSHORTBLOCK_H

#include <QByteArray>
#include <QWidget>

class QAbstractItemModel;
class QStringListModel;

namespace Ui {
class CEAAudioShortBlock;
}

// One 3-byte Short Audio Descriptor of a CEA-861 Audio data block:
// byte 0: bit 7 reserved, bits 6-3 audio format code, bits 2-0 channels - 1;
// byte 1: bit 7 reserved, bits 6-0 the sampling rates 32 to 192 kHz;
// byte 2: depends on the format (see LastByte).
// The editor keeps its own bytes and never writes the image.
class CEAAudioShortBlock : public QWidget
{
    Q_OBJECT

public:
    // What byte 2 holds, by format.
    enum LastByte {
        Unnamed,          // code 0, or code 15 with an extension type no row names: kept
        BitDepths,        // L-PCM: bits 2-0 = 24/20/16-bit
        MaxBitRate,       // codes 2-8: maximum bit rate / 8 kHz
        CodeDependent,    // codes 9-13: format-dependent value
        Profile,          // WMA Pro: bits 2-0 = profile
        FrameLengths,     // code 15: bits 7-3 extension type, bit 2 = 1024, bit 1 = 960 samples
        FrameLengthsMps,  // the same, and bit 0 = MPEG surround
        ExtensionOnly,    // code 15, DRA: bits 7-3 extension type, bits 2-0 reserved
    };

    // One row of the format combo box.
    struct AudioFormat {
        const char *name;
        quint32 code;  // audio format code (byte 0 bits 6-3)
        quint32 ext;   // extension type code (byte 2 bits 7-3), code 15 only
        LastByte lastByte;
    };

    static const int audioFormatCount = 20;
    static const AudioFormat audioFormatsCodes[audioFormatCount];
    // The format names as one list model, shared by every descriptor's combo box.
    static QAbstractItemModel *audioFormatModel();

    explicit CEAAudioShortBlock(QWidget *parent = nullptr);
    ~CEAAudioShortBlock() override;

    // Takes data[0..2] as they are; reference and working are not used.
    void initFields(const unsigned char *data, unsigned char *reference, unsigned char *working);
    // Linear PCM, 2 channels, no sampling rate: 09 00 00.
    void resetFields(unsigned char *reference, unsigned char *working);
    QByteArray getEDIDValue() const;

public slots:
    void updateUI();
    // Byte 2 from the widgets of the current format. Only the bits those
    // widgets hold change; the extension type and reserved bits stay.
    void updateEDIDLastByte();

signals:
    void valueChanged();

private slots:
    void on_nbOfChannelsSB_editingFinished();
    void on_freq32CB_clicked(bool checked);
    void on_freq44CB_clicked(bool checked);
    void on_freq48CB_clicked(bool checked);
    void on_freq88CB_clicked(bool checked);
    void on_freq96CB_clicked(bool checked);
    void on_freq176CB_clicked(bool checked);
    void on_freq192CB_clicked(bool checked);
    void on_format16BitCB_clicked();
    void on_format20BitCB_clicked();
    void on_format24BitCB_clicked();
    void on_maxBitRateField_editingFinished();
    void on_audioFormatDependSB_editingFinished();
    void on_AACFL960CB_clicked();
    void on_AACFL1024CB_clicked();
    void on_profileSB_editingFinished();
    void on_MPSCB_clicked();
    void on_audioFormatCB_activated(int index);

private:
    int formatCode() const { return (descriptor[0] >> 3) & 0x0F; }
    int extensionType() const { return descriptor[2] >> 3; }
    // Combo row of a format (the extension type counts for code 15 only);
    // -1 when no row names it.
    static int rowOf(int code, int ext);
    int formatRow() const { return rowOf(formatCode(), extensionType()); }
    static LastByte lastByteOf(int code, int ext);
    // The combo entry of a format that no row names: its codes.
    QString unnamedFormatText() const;
    void showFormat();
    // The bits of byte 2 that the widgets of `layout` give.
    quint8 lastByteBits(LastByte layout) const;
    void setRate(int bit, bool checked);
    void lastByteEdited();

    Ui::CEAAudioShortBlock *ui;
    unsigned char descriptor[3];
    // The format names and one entry after them for a format that no row
    // names; the combo box shows it in place of the shared model meanwhile.
    QStringListModel *unnamedModel;
};

#endif // CEAAUDIOSHORTBLOCK_H
