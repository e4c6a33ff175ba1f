#include "screensizefields.h"

#include <QLineEdit>
#include <QRadioButton>

#include "panelsupport.h"

namespace {

const ScreenSizeFields::RatioRange kLandscapeRange = {
    1.00, 3.54, "In Landscape Orientation, Aspect Ratio must be in range of 1.00 to 3.54",
    "Aspect Ratio not in range for Landscape Orientation"};
const ScreenSizeFields::RatioRange kPortraitRange = {
    0.28, 0.99, "In Portrait Orientation, Aspect Ratio must be in range of 0.28 to 0.99",
    "Aspect Ratio not in range for Portrait Orientation"};

} // namespace

const ScreenSizeFields::RatioRange &ScreenSizeFields::ratioRange(uint32_t kind)
{
    return kind == Portrait ? kPortraitRange : kLandscapeRange;
}

void ScreenSizeFields::load(const _EDID_SCREEN_SIZE_RATIO &screenSize)
{
    kind = screenSize.kind;
    if (kind == Size) {
        hSize = screenSize.hSizeOrRatio;
        vSize = screenSize.vSize;
    } else {
        ratio = screenSize.hSizeOrRatio;
        // A ratio needs a zero byte, which outside revision 4 is an undefined
        // size: keep the bytes themselves as the sizes of this image.
        takeSizesFromImage();
    }
}

void ScreenSizeFields::store(_EDID_SCREEN_SIZE_RATIO &screenSize) const
{
    screenSize.kind = kind;
    if (kind == Size) {
        screenSize.hSizeOrRatio = hSize;
        screenSize.vSize = vSize;
    } else {
        screenSize.hSizeOrRatio = ratio;
    }
}

void ScreenSizeFields::reset()
{
    kind = Size;
    ratio = 100;
    hSize = 0;
    vSize = 0;
}

void ScreenSizeFields::takeSizesFromImage()
{
    const Byte *working = support.working();
    hSize = working ? working[21] : 0;
    vSize = working ? working[22] : 0;
}

void ScreenSizeFields::show(bool ratioMode)
{
    aspectRatioRB->setChecked(ratioMode);
    dimensionsRB->setChecked(!ratioMode);
    dimensionsGB->setEnabled(!ratioMode);
    aspectRatioGB->setEnabled(ratioMode);
    // The sizes always show what the panel would write in dimension mode.
    support.showValue(hSizeField, int(hSize));
    support.showValue(vSizeField, int(vSize));
    if (ratioMode) {
        portraitRB->setEnabled(true);
        landscapeRB->setEnabled(true);
        ratioField->setEnabled(true);
        (kind == Portrait ? portraitRB : landscapeRB)->setChecked(true);
        support.showValue(ratioField, ratio / 100.0);
    }
}

bool ScreenSizeFields::chooseDimensions(bool checked)
{
    // Choosing the mode already shown changes nothing.
    if (!checked || kind == Size)
        return false;
    dimensionsGB->setEnabled(true);
    aspectRatioRB->setChecked(false);
    aspectRatioGB->setEnabled(false);
    kind = Size;
    // The size fields only ever hold the committed sizes.
    hSize = Word(PanelSupport::readInt(hSizeField));
    vSize = Word(PanelSupport::readInt(vSizeField));
    return true;
}

bool ScreenSizeFields::chooseAspectRatio(bool checked)
{
    if (!checked || kind != Size)
        return false;
    aspectRatioGB->setEnabled(true);
    dimensionsRB->setChecked(false);
    dimensionsGB->setEnabled(false);
    portraitRB->setEnabled(true);
    landscapeRB->setEnabled(true);
    ratioField->setEnabled(true);
    kind = portraitRB->isChecked() ? Portrait : Landscape;
    // Checked like an orientation choice, so that no ratio outside the
    // orientation's range (nor 0) reaches the image.
    ratio = checkedRatio(kind, true);
    return true;
}

bool ScreenSizeFields::finishHSize()
{
    if (support.unchanged(hSizeField))
        return false;
    hSize = checkedSize(hSizeField, "Horizontal Size must be in range of 0 to 255 cm");
    return true;
}

bool ScreenSizeFields::finishVSize()
{
    if (support.unchanged(vSizeField))
        return false;
    vSize = checkedSize(vSizeField, "Vertical Size must be in range of 0 to 255 cm");
    return true;
}

bool ScreenSizeFields::chooseOrientation(uint32_t orientation, bool checked)
{
    // The orientation already shown: nothing to check or write, so that an
    // undefined size (00 00, shown as 0.99) is not replaced by a click.
    if (checked && kind == orientation)
        return false;
    if (checked)
        kind = orientation;
    ratio = checkedRatio(orientation, true);
    return true;
}

bool ScreenSizeFields::finishRatio()
{
    if (support.unchanged(ratioField))
        return false;
    ratio = checkedRatio(kind == Portrait ? Portrait : Landscape, false);
    return true;
}

Word ScreenSizeFields::checkedRatio(uint32_t orientation, bool fromOrientationButton)
{
    const RatioRange &range = ratioRange(orientation);
    const QVariant accepted = support.checkRange(
        ratioField, PanelSupport::readDouble(ratioField), range.minimum, range.maximum,
        QString::fromUtf8(fromOrientationButton ? range.buttonMessage : range.fieldMessage));
    return Word(PanelSupport::hundredths(accepted.toDouble()));
}

Word ScreenSizeFields::checkedSize(QLineEdit *field, const char *message)
{
    return Word(support.checkRange(field, PanelSupport::readInt(field), 0, 255, QString::fromUtf8(message))
                    .toInt());
}
