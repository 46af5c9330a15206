#pragma once

#include <QString>
#include <QStringList>

// The statements of storage/schema.sql, compiled into the program.
QString SchemaScript();
// Cuts a script into statements at the semicolons outside quotes; "--" comments are dropped.
QStringList SplitSqlScript(const QString& script);

// Creates a new database file at `path` (a local path or host:path) and runs the schema in it.
// Refuses a path where a file exists. On failure nothing is left behind and `error` says why.
bool CreateDatabaseFile(const QString& path, QString& error);
