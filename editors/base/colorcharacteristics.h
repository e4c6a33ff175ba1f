#ifndef COLORCHARACTERISTICS_H
#define COLORCHARACTERISTICS_H

#include <QGroupBox>
#include <QString>
#include <array>

#include "edidtypes.h"
#include "panelsupport.h"
#include "stringinfo.h"

class QLineEdit;
class Validator;

namespace Ui {
class ColorCharacteristics;
}

// Editor of base-block bytes 25-34: the x and y chromaticity of the red, green
// and blue primaries and of the white point, 10-bit codes (coordinate x 1024)
// shown as decimal fractions.
class ColorCharacteristics : public QGroupBox
{
    Q_OBJECT

public:
    explicit ColorCharacteristics(QWidget *parent = nullptr);
    ~ColorCharacteristics() override;

    void initFields(_EDID_COLOR_CHARACTERISTICS colorCharacteristics, unsigned char *reference,
                    unsigned char *working);
    void resetFields(unsigned char *reference, unsigned char *working);
    void updateColorCharacteristics();
    StringInfo getStringInfo();
    void displayText(QLineEdit *field, unsigned short code);
    // The field's code; a text that is empty or not below 1 is refused (code 0).
    int detectFormatError(QLineEdit *field);

    // A code as the fields show it: three decimals, or four where three would
    // read back as another code, so that textToCode(codeToText(c)) == c.
    static QString codeToText(unsigned short code);
    // A typed coordinate as a code (nearest, an exact half down, at most 1023);
    // `good` is false for an empty text or a value outside 0 to below 1.
    static int textToCode(const QString &text, bool *good);

private slots:
    void on_redXField_editingFinished();
    void on_redYField_editingFinished();
    void on_greenXField_editingFinished();
    void on_greenYField_editingFinished();
    void on_blueXField_editingFinished();
    void on_blueYField_editingFinished();
    void on_whiteXField_editingFinished();
    void on_whiteYField_editingFinished();

private:
    void commitCoordinate(int index);

    Ui::ColorCharacteristics *ui;
    _EDID_COLOR_CHARACTERISTICS record{};
    PanelSupport support;
    // In record order: red x, red y, green x, green y, blue x, blue y, white x, white y.
    std::array<Word, 8> codes{};
    std::array<QLineEdit *, 8> fields{};
    Validator *coordinateValidator;
};

#endif // COLORCHARACTERISTICS_H
