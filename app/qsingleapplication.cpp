#include "qsingleapplication.h"

#include <QSharedMemory>

namespace {
const char *const kSharedMemoryKey = "5b1d3c0e-8a47-4f92-b6d1-2e9c7a40f315";
}

QSingleApplication::QSingleApplication(int &argc, char **argv)
    : QApplication(argc, argv), sharedMemory(new QSharedMemory(kSharedMemoryKey, this))
{
}

QSingleApplication::~QSingleApplication()
{
    if (sharedMemory->isAttached())
        sharedMemory->detach();
}

bool QSingleApplication::lock()
{
    if (sharedMemory->attach(QSharedMemory::ReadOnly)) {
        sharedMemory->detach();
        return false;
    }
    return sharedMemory->create(1, QSharedMemory::ReadWrite);
}
