#ifndef DISPLAYDESCTEXT_H
#define DISPLAYDESCTEXT_H

#include <QGroupBox>
#include <QString>

#include "edidtypes.h"
#include "stringinfo.h"

class QLineEdit;
class Validator;

// What the three text descriptors (serial number 0xFF, data string 0xFE,
// product name 0xFC) share: 13 bytes of printable ASCII in descriptor bytes
// 5-17, ended by 0x0A and padded with spaces when shorter. Each kind is a
// small subclass with its own form, editing slot and update operation.
class DisplayDescText : public QGroupBox
{
    Q_OBJECT

public:
    // What tells the three kinds apart.
    struct Kind
    {
        _EDID_DISPLAY_DESCRIPTORS type;
        const char *tagName;     // value of the first description row
        const char *rowLabel;    // label of the second description row
        bool writeOnLoad;        // the product name is written back when loaded
    };

    ~DisplayDescText() override;

    // Keeps the images and the slot, empties the field; writes nothing.
    void resetFields(unsigned char *reference, unsigned char *working, int index);
    // Shows the decoded text; the product name is then written back at once.
    void initFields(_EDID_MONITOR_DESC desc, unsigned char *reference, unsigned char *working,
                    int index);
    StringInfo getStringInfo();

    // The 13 bytes the next write stores (descriptor bytes 5-17).
    QByteArray storedText() const;

    // The 13-byte layout of `text`: at most 13 characters, then 0x0A and
    // spaces up to 13 bytes.
    static QByteArray layoutText(const QByteArray &text);

protected:
    DisplayDescText(const Kind &kind, QWidget *parent);

    // Called by the subclass once its form is built.
    void attachField(QLineEdit *field);
    // The editing slot: takes the field's text and writes.
    void takeFieldText();
    // The update operation: writes the slot, repaints and describes it.
    void writeText();

private:
    const Kind kind;
    QLineEdit *field = nullptr;
    Validator *asciiValidator;
    unsigned char *reference = nullptr;
    unsigned char *working = nullptr;
    int index = 0;
    _EDID_MONITOR_DESC desc{};
    QByteArray text;
};

#endif // DISPLAYDESCTEXT_H
