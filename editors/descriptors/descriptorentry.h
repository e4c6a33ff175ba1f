#ifndef DESCRIPTORENTRY_H
#define DESCRIPTORENTRY_H

#include <QString>

#include "stringinfo.h"

class QLineEdit;
class QWidget;

// The step every descriptor editor repeats for an entry: check it, warn and
// fall back when it is refused, then (after the editor's own write through the
// core) repaint the slot's bytes and describe the slot in the viewer.
namespace DescriptorEntry {

// Shows a modal warning box (one OK button, `parent` as parent) and sets the
// field back to `fallback` with its signals blocked, so that no slot runs.
void refuse(QWidget *parent, QLineEdit *field, const QString &title, const QString &text,
            const QString &fallback);

// Reads the field as a whole decimal number. False for an empty text or one
// that is not a number in the range of int.
bool readInt(const QLineEdit *field, int *value);

// Reads the field as a decimal number ("0.625", ".5"). False for an empty
// text or one that is not a number.
bool readReal(const QLineEdit *field, double *value);

// The checked value of an integer field: accepted when it is a number in
// [min, max] and a multiple of `step`; otherwise `refuse` with `title` and
// `text`, the field shows `fallback` and the result is `fallback`.
int checkInt(QWidget *parent, QLineEdit *field, int min, int max, int step, const QString &title,
             const QString &text, int fallback);

// After a write of descriptor slot `index` (0-3): repaints the slot's bytes up
// to byte 125 (at least bytes 72-125; the viewer always repaints byte 127) and
// hands the slot's description rows to the viewer.
void refresh(unsigned char *reference, unsigned char *working, int index, const StringInfo &rows);

// Hands the slot's description rows to the viewer without repainting bytes.
void describe(int index, const StringInfo &rows);

// First image byte of descriptor slot `index`.
inline int slotOffset(int index)
{
    return 54 + 18 * index;
}

} // namespace DescriptorEntry

#endif // DESCRIPTORENTRY_H
