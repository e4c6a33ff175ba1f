#ifndef DISPLAYDESCRIPTOR_H
#define DISPLAYDESCRIPTOR_H

#include <QGroupBox>
#include <QString>

#include "detailedtimings.h"
#include "displaydesccolorpointdata.h"
#include "displaydesccvttimings.h"
#include "displaydescdatastring.h"
#include "displaydescdcm.h"
#include "displaydescestabtimings.h"
#include "displaydescproductname.h"
#include "displaydescserialnumber.h"
#include "displaydescstandtimings.h"
#include "displayrangelimits.h"
#include "edidtypes.h"

class QLabel;

namespace Ui {
class DisplayDescriptor;
}

// One of the four 18-byte descriptor slots of the base block (bytes
// 54 + 18 x index, shown as "Block 1" to "Block 4"). The kind chosen in
// monitorDescMulti (its index is the _EDID_DISPLAY_DESCRIPTORS value) selects
// which of the slot's ten kind editors is shown; picking a kind writes the
// slot at once. The three E-EDID 1.4 kinds are offered only at revision 4.
//
// A loaded descriptor of a tag the editor does not know (manufacturer tags
// 0x00-0x0F, reserved tags) is shown with its tag, and its bytes are left as
// they are until the user picks a kind for the slot.
class DisplayDescriptor : public QGroupBox
{
    Q_OBJECT

public:
    explicit DisplayDescriptor(QWidget *parent = nullptr);
    ~DisplayDescriptor() override;

    void setBlockTitle(QString title);
    _EDID_DISPLAY_DESCRIPTORS getType() const;

    // Defaults for a new image; writes nothing.
    void resetFields(unsigned char *reference, unsigned char *working, int index);
    // Shows a decoded descriptor; the kind choice is disabled when `locked`.
    // The slot writes nothing (the product name editor writes its slot back).
    void initFields(_EDID_MONITOR_DESC desc, unsigned char *reference, unsigned char *working,
                    int index, bool locked);
    // Switches the shown editor; writes nothing and leaves the kind choice as is.
    void setType(const _EDID_DISPLAY_DESCRIPTORS &type);
    void displayDescriptor();
    void hideCurrentMonitorDescBlock();
    // Revision 3 or 4. A range limits slot is rewritten when `update` is true.
    // A switch to revision 3 (`update` true) turns a revision-4 kind unused and
    // writes it; a revision-3 image as loaded keeps such a descriptor by its
    // tag, unwritten, and a later switch to revision 4 shows its kind again.
    void adaptToEDIDVersion(int revision, bool update);
    // Writes the slot as an unused descriptor (tag 0x10).
    void updateUnusedBlock();

public slots:
    void on_monitorDescMulti_activated(int index);
    // Writes the slot with the editor of the current kind.
    void updateCurrentBlock();
    // Sets, writes and locks the kind (Block 1: the preferred timing).
    void setLockedType(T_EDID_DISPLAY_DESCRIPTORS type);

private:
    // The editor of a kind, built (reset, hidden, in the slot's layout) the
    // first time it is needed; null for a kind without one.
    QWidget *editorOf(_EDID_DISPLAY_DESCRIPTORS kind);
    template <class Editor> Editor &built(Editor *&editor);
    void prepare(DetailedTimings &editor);
    void prepare(DisplayRangeLimits &editor);
    template <class Editor> void prepare(Editor &editor);
    template <class F> void forEachBuilt(F f);

    void addRevision4Kinds();
    void setItemColour(int item, const QColor &colour);
    void showKeptTag();

    _EDID_DISPLAY_DESCRIPTORS loadedType;
    _EDID_DISPLAY_DESCRIPTORS type;
    QWidget *placeholder;
    // The kind editors, children of the slot once built.
    DetailedTimings *detailedTimings = nullptr;
    DisplayRangeLimits *rangeLimits = nullptr;
    DisplayDescProductName *productName = nullptr;
    DisplayDescSerialNumber *serialNumber = nullptr;
    DisplayDescDataString *dataString = nullptr;
    DisplayDescColorPointData *colorPoint = nullptr;
    DisplayDescStandTimings *standTimings = nullptr;
    DisplayDescEstabTimings *estabTimings = nullptr;
    DisplayDescDCM *dcm = nullptr;
    DisplayDescCVTTimings *cvtTimings = nullptr;
    Ui::DisplayDescriptor *ui;
    unsigned char *reference = nullptr;
    unsigned char *working = nullptr;
    int index = 0;
    int revision = 0;   // as last adapted to; 0 before

    // Tag of a loaded descriptor of unknown kind whose bytes are kept, or -1.
    int keptTag = -1;
    QLabel *keptTagLabel;
    // Whether the item of loadedType carries the "loaded" colour.
    bool loadedMarked = false;
};

#endif // DISPLAYDESCRIPTOR_H
