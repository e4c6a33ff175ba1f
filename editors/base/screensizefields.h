#ifndef SCREENSIZEFIELDS_H
#define SCREENSIZEFIELDS_H

#include <QButtonGroup>
#include <QRadioButton>

#include "edidtypes.h"

class PanelSupport;
class QLineEdit;
class QWidget;

// Bytes 21-22 as a panel edits them: the screen size in centimetres or, at
// revision 4, a landscape or portrait aspect ratio. The screen-size panel and
// the combined display-parameters panel name these widgets alike, so one
// object keeps the values, shows them and checks what the user enters.
class ScreenSizeFields
{
public:
    enum Kind : uint32_t { Size = 0, Landscape = 1, Portrait = 2 };

    // Range and messages of an aspect ratio in one orientation.
    struct RatioRange
    {
        double minimum;
        double maximum;
        const char *fieldMessage;   // the ratio field finished
        const char *buttonMessage;  // an orientation or the aspect-ratio mode chosen
    };
    static const RatioRange &ratioRange(uint32_t kind);

    explicit ScreenSizeFields(PanelSupport &support) : support(support) {}

    // Takes the widgets of a form once it is built.
    template <class Form>
    void attach(const Form *ui)
    {
        dimensionsRB = ui->dimensionsRB;
        aspectRatioRB = ui->aspectRatioRB;
        dimensionsGB = ui->dimensionsGB;
        aspectRatioGB = ui->aspectRatioGB;
        hSizeField = ui->hSizeField;
        vSizeField = ui->vSizeField;
        portraitRB = ui->portraitRB;
        landscapeRB = ui->landscapeRB;
        ratioField = ui->ratioField;
        // Each pair excludes itself only: left auto-exclusive, the mode pair
        // would count the orientation pair nested below it as siblings, and a
        // click on the checked mode button would uncheck it.
        exclusivePair(dimensionsRB, aspectRatioRB);
        exclusivePair(portraitRB, landscapeRB);
    }

    void load(const _EDID_SCREEN_SIZE_RATIO &screenSize);
    void store(_EDID_SCREEN_SIZE_RATIO &screenSize) const;
    // Sizes 0 and ratio 1.00; the widgets are left as they are.
    void reset();
    // Bytes 21-22 of the working image, which are the sizes outside revision 4.
    void takeSizesFromImage();
    // Shows the mode and the values; the ratio widgets only in ratio mode.
    void show(bool ratioMode);

    // The steps of the user's choices and edits; true when the panel is to
    // write the section.
    bool chooseDimensions(bool checked);
    bool chooseAspectRatio(bool checked);
    bool finishHSize();
    bool finishVSize();
    bool chooseOrientation(uint32_t orientation, bool checked);
    bool finishRatio();

    uint32_t kind = Size;
    Word ratio = 100;
    Word hSize = 0;
    Word vSize = 0;

private:
    // Two radio buttons in an exclusive group of their own, owned by their parent.
    static void exclusivePair(QRadioButton *first, QRadioButton *second)
    {
        auto *group = new QButtonGroup(first->parentWidget());
        group->addButton(first);
        group->addButton(second);
    }

    // The ratio field checked against the range of an orientation.
    Word checkedRatio(uint32_t orientation, bool fromOrientationButton);
    Word checkedSize(QLineEdit *field, const char *message);

    PanelSupport &support;
    QRadioButton *dimensionsRB = nullptr;
    QRadioButton *aspectRatioRB = nullptr;
    QWidget *dimensionsGB = nullptr;
    QWidget *aspectRatioGB = nullptr;
    QLineEdit *hSizeField = nullptr;
    QLineEdit *vSizeField = nullptr;
    QRadioButton *portraitRB = nullptr;
    QRadioButton *landscapeRB = nullptr;
    QLineEdit *ratioField = nullptr;
};

#endif // SCREENSIZEFIELDS_H
