#ifndef EDIDCEA_H
#define EDIDCEA_H

#endif // EDIDCEA_H
