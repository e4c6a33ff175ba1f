#ifndef EDIDWRITER_H
#define EDIDWRITER_H

#endif // EDIDWRITER_H
