#ifndef STRINGINFO_H
#define STRINGINFO_H

#include <QList>
#include <QPair>
#include <QString>

// A section description: (label, value) rows in display order.
typedef QList<QPair<QString, QString>> StringInfo;

#endif // STRINGINFO_H
