#include "tests/support/test_db.h"

#include "storage/database_creation.h"
#include "storage/tdm1.h"

#include <QDir>
#include <QFile>
#include <QtTest>

QString TemplateDatabasePath() {
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("template.gdb"));
        QString error;
        if (!CreateDatabaseFile(file, error))
            qFatal("test database not created: %s", qPrintable(error));
        return file;
    }();
    return path;
}

TestProgramFolder::TestProgramFolder() {
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("ibdb"));
    root.mkpath(QStringLiteral("tmp"));
    root.mkpath(QStringLiteral("testi/it/help"));
    if (!QFile::copy(TemplateDatabasePath(), DatabasePath())) qFatal("test database not copied");
    QFile::setPermissions(DatabasePath(), QFile::ReadOwner | QFile::WriteOwner);
    QFile ini(Path() + QStringLiteral("l8ini.txt"));
    if (!ini.open(QIODevice::WriteOnly)) qFatal("l8ini.txt not written");
    ini.write(QStringLiteral("SERVERPATH=%1\n").arg(DatabasePath()).toUtf8());
}

QString TestProgramFolder::Path() const {
    return m_dir.path() + QLatin1Char('/');
}

QString TestProgramFolder::DatabasePath() const {
    return Path() + QStringLiteral("ibdb/d3lotto.gdb");
}

std::unique_ptr<TDM1> TestProgramFolder::OpenModule() const {
    auto dm = std::make_unique<TDM1>(Path());
    if (!dm->OpenDatabase())
        qFatal("test database not opened: %s", qPrintable(dm->PeekLastError()));
    return dm;
}
