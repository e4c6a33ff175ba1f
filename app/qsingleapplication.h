#ifndef QSINGLEAPPLICATION_H
#define QSINGLEAPPLICATION_H

#include <QApplication>

class QSharedMemory;

// The application object. It carries a shared-memory segment under a fixed key
// with which a single running instance could be enforced; nothing takes the
// lock, so every instance runs on its own.
class QSingleApplication : public QApplication
{
    Q_OBJECT

public:
    QSingleApplication(int &argc, char **argv);
    ~QSingleApplication() override;

    // False when another process holds the segment; else creates it.
    bool lock();

private:
    QSharedMemory *sharedMemory;
};

#endif // QSINGLEAPPLICATION_H
