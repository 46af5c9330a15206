#include "app/cli.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sortavo-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = RunCli(app.arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return status;
}
