#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

class TDM1;

// A program folder of its own for one test: l8ini.txt naming a fresh database made from the
// schema (made once per test process, then copied), and the tmp and texts folders.
class TestProgramFolder final {
public:
    TestProgramFolder();
    QString Path() const;         // ends with '/'
    QString DatabasePath() const; // <Path>ibdb/d3lotto.gdb
    // A general data module on this folder with its database open.
    std::unique_ptr<TDM1> OpenModule() const;

private:
    QTemporaryDir m_dir;
};

// The schema-only database this process copies for each test.
QString TemplateDatabasePath();
