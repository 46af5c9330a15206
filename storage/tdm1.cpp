#include "storage/tdm1.h"

#include "common/sql_text.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>

#include <cmath>

const char* const EstimateParamCodes[EstimateStatCount] = {"RITA", "FREQ", "RPRF", "SM2R", "SM3R"};

namespace {

TDM1* current = nullptr;
int connectionCounter = 0;
const QString CrLf = QStringLiteral("\r\n");

// Template placeholders are replaced once, first occurrence, matching case.
void ReplaceFirst(QString& text, const QString& placeholder, const QString& value) {
    const int at = text.indexOf(placeholder);
    if (at >= 0) text.replace(at, placeholder.size(), value);
}

QString ErrorMessage(const QSqlError& error) {
    const QString database = error.databaseText().trimmed();
    return database.isEmpty() ? error.text().trimmed() : database;
}

} // namespace

TDM1::TDM1(const QString& appDir)
    : m_connectionName(QStringLiteral("sortavo-%1").arg(++connectionCounter)) {
    AppDir = QDir::fromNativeSeparators(appDir.isEmpty() ? QCoreApplication::applicationDirPath()
                                                         : appDir);
    if (!AppDir.endsWith(QLatin1Char('/'))) AppDir += QLatin1Char('/');

    QStringList lines;
    QFile ini(AppDir + QStringLiteral("l8ini.txt"));
    if (ini.exists()) {
        if (ini.open(QIODevice::ReadOnly)) {
            const QString content = QString::fromLocal8Bit(ini.readAll());
            for (QString line : content.split(QLatin1Char('\n'))) {
                if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
                lines << line;
            }
        }
    } else {
        const QString line =
            QStringLiteral("SERVERPATH=") + AppDir + QStringLiteral("ibdb/d3lotto.gdb");
        if (ini.open(QIODevice::WriteOnly)) ini.write(line.toLocal8Bit() + '\n');
        lines << line;
    }
    for (const QString& line : std::as_const(lines)) {
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0 &&
            line.left(equals).compare(QLatin1String("SERVERPATH"), Qt::CaseInsensitive) == 0) {
            DatabasePath = line.mid(equals + 1);
            break;
        }
    }
    m_databaseName = DatabasePath;
    m_lastError.clear();

    QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_connectionName);
    m_previous = current;
    current = this;
}

TDM1::~TDM1() {
    CloseDatabase();
    current = m_previous;
    QSqlDatabase::removeDatabase(m_connectionName);
}

TDM1& TDM1::Instance() {
    Q_ASSERT(current);
    return *current;
}

bool TDM1::HasInstance() {
    return current != nullptr;
}

QSqlDatabase TDM1::Database() const {
    return QSqlDatabase::database(m_connectionName, false);
}

bool TDM1::OpenDatabase() {
    QSqlDatabase db = Database();
    if (db.isOpen()) {
        if (m_inTransaction) db.commit();
        m_inTransaction = false;
        db.close();
    }
    if (!db.isValid()) {
        m_lastError = QStringLiteral("Driver del database Firebird (QIBASE) non disponibile.");
        return false;
    }
    db.setDatabaseName(m_databaseName);
    db.setUserName(UserName);
    db.setPassword(Password);
    db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
    if (m_databaseName.trimmed().isEmpty()) {
        m_lastError = QStringLiteral("Percorso del database non indicato.");
        return false;
    }
    if (!db.open()) {
        m_lastError = ErrorMessage(db.lastError());
        return false;
    }
    return true;
}

bool TDM1::IsOpen() const {
    return Database().isOpen();
}

void TDM1::CloseDatabase() {
    QSqlDatabase db = Database();
    if (!db.isOpen()) return;
    if (m_inTransaction) db.commit();
    m_inTransaction = false;
    db.close();
}

QString TDM1::TakeLastError() {
    const QString text = m_lastError;
    m_lastError.clear();
    return text;
}

bool TDM1::StartTransaction() {
    if (m_inTransaction) return true;
    QSqlDatabase db = Database();
    m_inTransaction = db.isOpen() && db.transaction();
    return m_inTransaction;
}

bool TDM1::Commit() {
    if (!m_inTransaction) return true;
    m_inTransaction = false;
    return Database().commit();
}

bool TDM1::Rollback() {
    if (!m_inTransaction) return true;
    m_inTransaction = false;
    return Database().rollback();
}

bool TDM1::EnsureTransaction() {
    return m_inTransaction || StartTransaction();
}

QSqlQuery TDM1::NewQuery() {
    EnsureTransaction();
    return QSqlQuery(Database());
}

QString TDM1::MessageOf(const QSqlQuery& query) {
    return ErrorMessage(query.lastError());
}

bool TDM1::OpenQuery(QSqlQuery& query, const QString& sql, QString& errorText) {
    errorText.clear();
    if (!EnsureTransaction()) {
        errorText = ErrorMessage(Database().lastError());
        if (errorText.isEmpty()) errorText = QStringLiteral("Database non aperto.");
        return false;
    }
    if (!query.exec(sql)) {
        errorText = MessageOf(query);
        return false;
    }
    return true;
}

QString TDM1::ExecSqlText(const QString& label, const QString& sql) {
    QSqlQuery query = NewQuery();
    QString message;
    if (!OpenQuery(query, sql, message)) return label + QLatin1Char(':') + message;
    return QString();
}

bool TDM1::ExecSql(const QString& label, const QString& sql, QString& errorText) {
    errorText = ExecSqlText(label, sql);
    return errorText.trimmed().isEmpty();
}

bool TDM1::KeepFailure(bool ok, const QString& errorText, const QString& sql) {
    if (!ok) m_lastError = errorText + CrLf + sql;
    return ok;
}

bool TDM1::ClearTable(const QString& name) {
    const QString sql = QStringLiteral(" delete from ") + name + QStringLiteral(" where 1=1 ");
    QString errorText;
    return KeepFailure(ExecSql(QStringLiteral("Delete tabella:") + name, sql, errorText), errorText,
                       sql);
}

bool TDM1::SetStatLastUpdate(const QString& kind, const QDate& date) {
    QString sql = QStringLiteral(" update FSTATLIST  set   FL_LASTUPDATE = ':FL_LASTUPDATE'  "
                                 "where   FL_TIPO = ':FL_TIPO'   ");
    ReplaceFirst(sql, QStringLiteral(":FL_LASTUPDATE"), DateToSqlText(date));
    ReplaceFirst(sql, QStringLiteral(":FL_TIPO"), kind);
    QString errorText;
    return KeepFailure(
        ExecSql(QStringLiteral("AGGIORNAMENTO DATE STATISTICHE EFFETTUATE:"), sql, errorText),
        errorText, sql);
}

QDate TDM1::MaxDate(const QString& sql) {
    QSqlQuery query = NewQuery();
    QString errorText;
    if (!OpenQuery(query, sql, errorText) || !query.next()) return QDate();
    return query.value(0).toDate();
}

QDate TDM1::GetLottoCutOffDate() {
    LottoCutOffDate = MaxDate(QStringLiteral("select max(DATAESTRA) from LOTTO1"));
    return LottoCutOffDate;
}

QDate TDM1::GetSenalCutOffDate() {
    SenalCutOffDate = MaxDate(QStringLiteral("select max(DATAESTRA) from SENAL81"));
    return SenalCutOffDate;
}

bool TDM1::InsertLottoDraw(const QString& date, const QString& wheel, const QString& n1,
                           const QString& n2, const QString& n3, const QString& n4,
                           const QString& n5, const QString& drawNumber, QString& errorText) {
    QString sql = QStringLiteral(
        "  insert into LOTTO1    (                  DATAESTRA    , RUOTA    , N1     , N2     , "
        "N3     , N4     , N5     , NUMESTRA     , APPD1     , APPD2     )     values     (     "
        "  ':DATAESTRA'    , ':RUOTA'    , :N1    , :N2    , :N3    , :N4    , :N5    , "
        ":NUMESTRA    , :APPD1    , :APPD2    ); ");
    ReplaceFirst(sql, QStringLiteral(":DATAESTRA"), date);
    ReplaceFirst(sql, QStringLiteral(":RUOTA"), wheel);
    ReplaceFirst(sql, QStringLiteral(":N1"), n1);
    ReplaceFirst(sql, QStringLiteral(":N2"), n2);
    ReplaceFirst(sql, QStringLiteral(":N3"), n3);
    ReplaceFirst(sql, QStringLiteral(":N4"), n4);
    ReplaceFirst(sql, QStringLiteral(":N5"), n5);
    ReplaceFirst(sql, QStringLiteral(":NUMESTRA"), drawNumber);
    ReplaceFirst(sql, QStringLiteral(":APPD1"), QStringLiteral("0.0"));
    ReplaceFirst(sql, QStringLiteral(":APPD2"), QStringLiteral("0.0"));
    return ExecSql(QStringLiteral("Errore inserimento estrazione lotto (pick5)"), sql, errorText);
}

bool TDM1::InsertSenalDraw(const QString& date, const QString& contest, const QString& n1,
                           const QString& n2, const QString& n3, const QString& n4,
                           const QString& n5, const QString& n6, const QString& jolly,
                           const QString& superStar, QString& errorText) {
    QString sql = QStringLiteral(
        "  insert into SENAL81    (                  DATAESTRA    , CONCORSO    , N1     , N2     "
        ", N3     , N4     , N5     , N6     , NJ     , NS     )     values     (       "
        "':DATAESTRA'    , :CONCORSO    , :N1    , :N2    , :N3    , :N4    , :N5    , :N6    , "
        ":NJ    , :NS    ); ");
    ReplaceFirst(sql, QStringLiteral(":DATAESTRA"), date);
    ReplaceFirst(sql, QStringLiteral(":CONCORSO"), contest);
    ReplaceFirst(sql, QStringLiteral(":N1"), n1);
    ReplaceFirst(sql, QStringLiteral(":N2"), n2);
    ReplaceFirst(sql, QStringLiteral(":N3"), n3);
    ReplaceFirst(sql, QStringLiteral(":N4"), n4);
    ReplaceFirst(sql, QStringLiteral(":N5"), n5);
    ReplaceFirst(sql, QStringLiteral(":N6"), n6);
    ReplaceFirst(sql, QStringLiteral(":NJ"), jolly);
    ReplaceFirst(sql, QStringLiteral(":NS"), superStar);
    return ExecSql(QStringLiteral("Errore inserimento estrazione superEnalotto (pick6)"), sql,
                   errorText);
}

bool TDM1::ReadTabGen(const QString& group, const QString& code, TTabGenRec& rec) {
    rec = TTabGenRec();
    rec.valdate = rec.valdate1 = QDate();
    QSqlQuery query = NewQuery();
    QString errorText;
    const QString sql = QStringLiteral(" select * from FTABGEN where nometab = '") + group +
                        QStringLiteral("' ") + QStringLiteral("   and codtab = '") + code +
                        QStringLiteral("' ");
    const bool ok = OpenQuery(query, sql, errorText);
    if (ok && query.next()) {
        const QSqlRecord row = query.record();
        const auto text = [&](const char* name) {
            return row.value(QLatin1String(name)).toString();
        };
        const auto integer = [&](const char* name) {
            return row.value(QLatin1String(name)).toInt();
        };
        const auto real = [&](const char* name) {
            return row.value(QLatin1String(name)).toDouble();
        };
        const auto date = [&](const char* name) {
            const QVariant value = row.value(QLatin1String(name));
            return value.isNull() ? QDate(1900, 1, 1) : value.toDate();
        };
        rec.nomeTab = text("NOMETAB");
        rec.codTab = text("CODTAB");
        rec.valstr = text("VALSTR");
        rec.valint = integer("VALINT");
        rec.valdouble = real("VALDOUBLE");
        rec.valdate = date("VALDATE");
        rec.valstr1 = text("VALSTR1");
        rec.valint1 = integer("VALINT1");
        rec.valdouble1 = real("VALDOUBLE1");
        rec.valdate1 = date("VALDATE1");
    }
    return ok;
}

int TDM1::ReadSkin() {
    TTabGenRec rec;
    if (!ReadTabGen(QStringLiteral("SKIN"), QStringLiteral("SKINMAIN"), rec)) return 0;
    return rec.valint;
}

bool TDM1::WriteSkin(int n) {
    const QString sql = QStringLiteral(" update FTABGEN set valint = ") + QString::number(n) +
                        QStringLiteral(" ") + QStringLiteral(" where nometab = 'SKIN' ") +
                        QStringLiteral("   and codtab =  'SKINMAIN' ");
    QString errorText;
    const bool ok = ExecSql(QStringLiteral("SET COLOR MAP"), sql, errorText);
    if (ok) SkinMode = n;
    return KeepFailure(ok, errorText, sql);
}

void TDM1::LoadEstimateSettings() {
    const QString group = QStringLiteral("STIMAPRM");
    TTabGenRec rec;
    if (ReadTabGen(group, QStringLiteral("TIPO"), rec))
        EstimateKind = rec.valstr.trimmed();
    else
        EstimateKind = QStringLiteral("P");
    if (EstimateKind == QLatin1String("F"))
        EstimateFormula = ReadTabGen(group, QStringLiteral("FRML"), rec) ? rec.valstr : QString();
    for (int stat = 0; stat < EstimateStatCount; ++stat) {
        EstimateParam& param = EstimateParams[stat];
        if (ReadTabGen(group, QLatin1String(EstimateParamCodes[stat]), rec))
            param = {rec.valint == 1, rec.valdouble, rec.valint1 == 1, rec.valdouble1};
        else
            param = EstimateParam();
    }
}

bool TDM1::SaveEstimateKind(const QString& kind) {
    const QString sql = QStringLiteral(" update FTABGEN     set  valstr  = ") +
                        QuotedSqlText(kind) + QStringLiteral(" ") +
                        QStringLiteral(" where nometab = 'STIMAPRM' ") +
                        QStringLiteral("   and codtab =  'TIPO' ");
    QString errorText;
    return KeepFailure(ExecSql(QStringLiteral("SET STIMA TIPO"), sql, errorText), errorText, sql);
}

bool TDM1::SaveEstimateFormula() {
    if (!SaveEstimateKind(QStringLiteral("F"))) return false;
    // The formula is the user's text: quotes are doubled so it can never end the literal.
    const QString sql = QStringLiteral(" update FTABGEN     set  valstr  = ") +
                        QuotedSqlText(EstimateFormula) + QStringLiteral(" ") +
                        QStringLiteral(" where nometab = 'STIMAPRM' ") +
                        QStringLiteral("   and codtab =  'FRML' ");
    QString errorText;
    return KeepFailure(ExecSql(QStringLiteral("SET STIMA FORMULA"), sql, errorText), errorText,
                       sql);
}

bool TDM1::SaveEstimateParam(const QString& code, const EstimateParam& param) {
    const QString sql =
        QStringLiteral(" update FTABGEN     set  valint  = ") +
        QString::number(param.Active ? 1 : 0) + QStringLiteral(" ") +
        QStringLiteral("        ,valint1 = ") + QString::number(param.Flag2 ? 1 : 0) +
        QStringLiteral(" ") + QStringLiteral("        ,valDouble  = ") +
        FloatToSqlText(param.Value1) + QStringLiteral(" ") +
        QStringLiteral("        ,valDouble1 = ") + FloatToSqlText(param.Value2) +
        QStringLiteral(" ") + QStringLiteral(" where nometab = 'STIMAPRM' ") +
        QStringLiteral("   and codtab =  '") + code.trimmed() + QStringLiteral("' ");
    QString errorText;
    return KeepFailure(ExecSql(QStringLiteral("SET STIMA PARAMS"), sql, errorText), errorText, sql);
}

bool TDM1::SaveEstimateParams() {
    if (!SaveEstimateKind(QStringLiteral("P"))) return false;
    for (int stat = 0; stat < EstimateStatCount; ++stat)
        if (!SaveEstimateParam(QLatin1String(EstimateParamCodes[stat]), EstimateParams[stat]))
            return false;
    return true;
}

QColor TDM1::PanelColor() const {
    return SkinMode == 0 ? QColor(237, 237, 237) : QColor(192, 192, 192);
}

QString TDM1::NewTempPath(const QString& prefix, const QString& extension) {
    // The name holds the time down to the millisecond; two requests within the same
    // millisecond wait for the next one, so every report gets a file of its own.
    for (;;) {
        const QDateTime now = QDateTime::currentDateTime();
        const QDate d = now.date();
        const QTime t = now.time();
        const QString name = prefix + QString::number(d.year()) + QString::number(d.month()) +
                             QString::number(d.day()) + QString::number(t.hour()) +
                             QString::number(t.minute()) + QString::number(t.second()) +
                             QString::number(t.msec()) + extension;
        const QString path = TempFilePath(name);
        if (name != m_lastTempName && !QFileInfo::exists(path)) {
            m_lastTempName = name;
            return path;
        }
        QThread::msleep(1);
    }
}

QString TDM1::NewPdfTempPath() {
    return NewTempPath(QStringLiteral("pdf_"), QStringLiteral(".pdf"));
}

QString TDM1::NewXlsTempPath() {
    return NewTempPath(QStringLiteral("xls_"), QStringLiteral(".xls"));
}

QString TDM1::TempFilePath(const QString& name) const {
    return AppDir + QStringLiteral("tmp/") + name;
}

QString TDM1::ReducedTextPath(bool senal, const QString& name) const {
    return TextsDir() + (senal ? QStringLiteral("s8rid/") : QStringLiteral("l8rid/")) + name +
           QStringLiteral(".rtf");
}

QString TDM1::ReducedCodePath(bool senal, const QString& name) const {
    return AppDir +
           (senal ? QStringLiteral("risorse/s8Ricode/") : QStringLiteral("risorse/l8Ricode/")) +
           name + QStringLiteral(".txt");
}

QString TDM1::TextsDir() const {
    return AppDir + QStringLiteral("testi/it/");
}

bool TDM1::ColumnStats(const QString& table, const QString& wheel, const QString& valueColumn,
                       const QString& keyColumn, int threshold, int& min, int& max, double& avg) {
    const QString& v = valueColumn;
    const QString sql =
        QStringLiteral(" select coalesce(min(") + v + QStringLiteral("),0),coalesce(max(") + v +
        QStringLiteral("),0),coalesce(avg(") + v + QStringLiteral("),0) ") +
        QStringLiteral("   from ") + table + QStringLiteral(" ") + QStringLiteral(" where  ") + v +
        QStringLiteral(" > 0 ") + QStringLiteral("    and RUOTA = ") + QuotedSqlText(wheel) +
        QStringLiteral(" ") + QStringLiteral("    and ") + keyColumn + QStringLiteral(" > ") +
        QString::number(threshold) + QStringLiteral(" ");
    min = max = 0;
    avg = 0;
    QSqlQuery query = NewQuery();
    QString errorText;
    if (!OpenQuery(query, sql, errorText)) {
        m_lastError = errorText + CrLf + sql;
        return false;
    }
    if (!query.next()) return false;
    min = int(std::trunc(query.value(0).toDouble()));
    max = int(std::trunc(query.value(1).toDouble()));
    avg = query.value(2).toDouble();
    return true;
}
