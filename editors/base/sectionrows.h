#ifndef SECTIONROWS_H
#define SECTIONROWS_H

// Description rows of the display-parameter sections (bytes 20-24), read from
// a form. The separate section panels and the combined panel name their
// widgets alike, so one builder per section serves every form that holds it.

#include <QString>

#include "edidtypes.h"
#include "panelsupport.h"
#include "stringinfo.h"

namespace SectionRows {

// Byte 20: analog signal level and sync flags, or the digital rows of the revision.
template <class Form>
StringInfo videoInput(const Form *ui, bool analog, Word revision)
{
    StringInfo rows;
    if (analog) {
        rows << qMakePair(QStringLiteral("Video Input Signal"), QStringLiteral("Analog"))
             << qMakePair(QStringLiteral("Signal Level"), ui->signalLevelMulti->currentText())
             << qMakePair(QStringLiteral("Blank Setup"), PanelSupport::yesNo(ui->blankSetupCB->isChecked()))
             << qMakePair(QStringLiteral("Separate Sync"), PanelSupport::yesNo(ui->sepSyncCB->isChecked()))
             << qMakePair(QStringLiteral("Composite Sync"), PanelSupport::yesNo(ui->compSyncCB->isChecked()))
             << qMakePair(QStringLiteral("Sync On Green"), PanelSupport::yesNo(ui->syncOnGreenCB->isChecked()))
             << qMakePair(QStringLiteral("Serration"), PanelSupport::yesNo(ui->serrationCB->isChecked()));
    } else if (revision == 4) {
        rows << qMakePair(QStringLiteral("Video Input Signal"), QStringLiteral("Digital"))
             << qMakePair(QStringLiteral("Color Bit Depth"), ui->cbdMulti->currentText())
             << qMakePair(QStringLiteral("Interface"), ui->interfaceMulti->currentText());
    } else {
        rows << qMakePair(QStringLiteral("Video Input Signal"), QStringLiteral("Digital"))
             << qMakePair(QStringLiteral("DFP 1.X Compatible"), PanelSupport::yesNo(ui->dfpSupportCB->isChecked()));
    }
    return rows;
}

// Bytes 21-22: the two sizes (kind 0), or the portrait (2) or landscape (1) ratio.
template <class Form>
StringInfo screenSize(const Form *ui, uint32_t kind)
{
    StringInfo rows;
    if (kind == 0)
        rows << qMakePair(QStringLiteral("H. Size"), ui->hSizeField->text())
             << qMakePair(QStringLiteral("V. Size"), ui->vSizeField->text());
    else if (kind == 2)
        rows << qMakePair(QStringLiteral("Portrait Ratio"), ui->ratioField->text());
    else
        rows << qMakePair(QStringLiteral("Landscape Ratio"), ui->ratioField->text());
    return rows;
}

// Byte 24: power management, the colour row (revision 4 only) and the flags.
template <class Form>
StringInfo featureSupport(const Form *ui, bool analog, Word revision)
{
    StringInfo rows;
    rows << qMakePair(QStringLiteral("Standby Mode"), PanelSupport::yesNo(ui->standbyModeCB->isChecked()))
         << qMakePair(QStringLiteral("Suspend Mode"), PanelSupport::yesNo(ui->suspendModeCB->isChecked()))
         << qMakePair(QStringLiteral("Active off"), PanelSupport::yesNo(ui->activeOffCB->isChecked()));
    if (revision == 4) {
        if (analog)
            rows << qMakePair(QStringLiteral("Color Type"), ui->colorTypeMulti->currentText());
        else
            rows << qMakePair(QStringLiteral("Color Encoding Format"), QStringLiteral("Specified"));
    }
    rows << qMakePair(QStringLiteral("Standard RGB"), PanelSupport::yesNo(ui->srgbCB->isChecked()))
         << qMakePair(QStringLiteral("Continuous Frequency"), PanelSupport::yesNo(ui->contFreqCB->isChecked()))
         << qMakePair(QStringLiteral("Preferred Timing Mode"),
                      PanelSupport::yesNo(ui->prefTimingModeCB->isChecked()));
    return rows;
}

} // namespace SectionRows

#endif // SECTIONROWS_H
