#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class TDM1;
class QTextStream;

// What every command of sortavo-cli gets: the program folder, the database named by --db
// (or by l8ini.txt) and the two output streams.
class CliContext final {
public:
    CliContext(const QString& appDir, const QString& databaseOverride, QTextStream& out,
               QTextStream& err);
    ~CliContext();

    // Opens the database on first use; null (with the message written) when it cannot.
    TDM1* Database();
    QTextStream& out;
    QTextStream& err;
    const QString appDir;

private:
    QString m_databaseOverride;
    std::unique_ptr<TDM1> m_dm;
    bool m_opened = false;
};

int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err);
