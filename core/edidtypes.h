#ifndef EDIDTYPES_H
#define EDIDTYPES_H

#endif // EDIDTYPES_H
