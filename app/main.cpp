#include "app/main_window.h"
#include "common/base_grid_window.h"
#include "common/base_window.h"
#include "stats_l8/tdms.h"
#include "stats_s8/tdms8.h"
#include "storage/tdm1.h"
#include "tools/tdm_note.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sortavo 3"));

    // The data modules, in this order; TDM1 reads l8ini.txt. They are destroyed after the
    // message loop, in the reverse order, and the connection then closes with a commit.
    TDM1 dm1;
    TDMS dms(dm1);
    TDMS8 dms8(dm1);
    TdmNote dmNote(dm1);

    // The main window first; closing it ends the message loop.
    TfrmVornMain mainWindow;
    // The shared windows, created once and kept hidden.
    TfrmVornBase frmVornBase;
    TfrmVornBase1Grid frmVornBase1Grid;
    // TfrmVornSISWINS (the system win check) joins these when it is built.

    // Maximised and centred; the screen's work area also where no window manager maximises.
    if (const QScreen* screen = mainWindow.screen())
        mainWindow.setGeometry(screen->availableGeometry());
    mainWindow.showMaximized();
    return app.exec();
}
