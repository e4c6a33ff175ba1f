#ifndef EDIDDECODE_H
#define EDIDDECODE_H

#endif // EDIDDECODE_H
