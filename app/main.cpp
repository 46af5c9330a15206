#include "stats_l8/tdms.h"
#include "stats_s8/tdms8.h"
#include "storage/tdm1.h"
#include "tools/tdm_note.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sortavo 3"));
    TDM1 dm1;
    TDMS dms(dm1);
    TDMS8 dms8(dm1);
    TdmNote dmNote(dm1);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Sortavo 3.0"));
    window.showMaximized();
    return app.exec();
}
