#ifndef DISPLAYSCREENSIZE_H
#define DISPLAYSCREENSIZE_H

#include <QGroupBox>
#include <QVariant>
#include <string>

#include "edidtypes.h"
#include "panelsupport.h"
#include "stringinfo.h"

class QLineEdit;
class Validator;

namespace Ui {
class DisplayScreenSize;
}

// Editor of base-block bytes 21-22: the screen size in centimetres or, at
// revision 4, a landscape or portrait aspect ratio.
class DisplayScreenSize : public QGroupBox
{
    Q_OBJECT

public:
    explicit DisplayScreenSize(QWidget *parent = nullptr);
    ~DisplayScreenSize() override;

    void updateDisplayParameters();
    StringInfo getStringInfo();
    // Refuses an empty field or a value outside minimum..maximum; a refusal
    // shows the message and answers the minimum, which the field then shows.
    QVariant detectFormatError(QLineEdit *field, QVariant value, QVariant minimum, QVariant maximum,
                               std::string message);
    void displayText(QLineEdit *field, QVariant value);

    // Range and messages of an aspect ratio in one orientation (kind 1 or 2).
    struct RatioRange
    {
        double minimum;
        double maximum;
        const char *fieldMessage;   // the ratio field finished
        const char *buttonMessage;  // an orientation or the aspect-ratio mode chosen
    };
    static const RatioRange &ratioRange(uint32_t kind);

public slots:
    void initFields(T_EDID_SCREEN_SIZE_RATIO screenSize, Byte *reference, Byte *working);
    void resetFields(Byte *reference, Byte *working);
    void adaptToEDIDVersion(Word revision);
    void updateUI();

private slots:
    void on_dimensionsRB_clicked(bool checked);
    void on_aspectRatioRB_clicked(bool checked);
    void on_hSizeField_editingFinished();
    void on_vSizeField_editingFinished();
    void on_portraitRB_clicked(bool checked);
    void on_landscapeRB_clicked(bool checked);
    void on_ratioField_editingFinished();

private:
    enum Kind : uint32_t { Size = 0, Landscape = 1, Portrait = 2 };

    // The ratio field checked against the range of `kind`'s orientation.
    Word checkedRatio(uint32_t kind, bool fromOrientationButton);
    // Bytes 21-22 of the working image, which are the sizes outside revision 4.
    void takeSizesFromImage();

    Ui::DisplayScreenSize *ui;
    _EDID_SCREEN_SIZE_RATIO record{};
    PanelSupport support;
    Word revision = 3;
    uint32_t kind = Size;
    Word ratio = 100;
    Word hSize = 0;
    Word vSize = 0;
    Validator *sizeValidator;
};

#endif // DISPLAYSCREENSIZE_H
