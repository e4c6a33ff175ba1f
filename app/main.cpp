#include "mainwindow.h"
#include "qsingleapplication.h"

int main(int argc, char **argv)
{
    QSingleApplication app(argc, argv);
    MainWindow window;
    app.installEventFilter(&window);
    window.show();
    if (argc > 1)
        window.openFile(argv[1]);
    return app.exec();
}
