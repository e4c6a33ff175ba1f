#ifndef DISPLAYSCREENSIZE_H
#define DISPLAYSCREENSIZE_H

#include <QGroupBox>
#include <QVariant>
#include <string>

#include "edidtypes.h"
#include "panelsupport.h"
#include "screensizefields.h"
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
    Ui::DisplayScreenSize *ui;
    _EDID_SCREEN_SIZE_RATIO record{};
    PanelSupport support;
    ScreenSizeFields screen;
    Word revision = 3;
    Validator *sizeValidator;
};

#endif // DISPLAYSCREENSIZE_H
