#ifndef EDIDUTILS_H
#define EDIDUTILS_H

#endif // EDIDUTILS_H
