#include "storage/tdm1.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sortavo 3"));
    TDM1 dm1;
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Sortavo 3.0"));
    window.showMaximized();
    return app.exec();
}
