#ifndef VIDEOFORMATNAMES_H
#define VIDEOFORMATNAMES_H

class QAbstractItemModel;

// Names of the CEA-861-F video identification codes: VIC v (1 to 107) at
// index v - 1, then "Other" at index 107, which names no VIC.
static const int videoFormatNameCount = 108;
extern const char *const videoFormatNames[videoFormatNameCount];

// The names as one list model, shared by every combo box that lists them
// (row r = index r of the table). Owned by the application object.
QAbstractItemModel *videoFormatModel();

#endif // VIDEOFORMATNAMES_H
