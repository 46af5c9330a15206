#pragma once

#include <QColor>
#include <QDate>
#include <QSqlDatabase>
#include <QString>

class QSqlQuery;

// One settings row of FTABGEN, nulls already replaced.
struct TTabGenRec {
    QString nomeTab;
    QString codTab;
    QString valstr;
    int valint = 0;
    double valdouble = 0;
    QDate valdate = QDate(1900, 1, 1);
    QString valstr1;
    int valint1 = 0;
    double valdouble1 = 0;
    QDate valdate1 = QDate(1900, 1, 1);
};

// The four estimate parameters of one statistic.
struct EstimateParam {
    bool Active = false; // rank term on
    double Value1 = 0;   // rank weight
    bool Flag2 = false;  // value term on
    double Value2 = 0;   // value weight
};

// The five statistics that carry estimate parameters, in their stored order.
enum EstimateStat { EstRita, EstFreq, EstRprf, EstSm2r, EstSm3r, EstimateStatCount };
extern const char* const EstimateParamCodes[EstimateStatCount]; // RITA FREQ RPRF SM2R SM3R

// The general data module: the one connection and the one transaction of the program, SQL
// execution with the text of the last failure, settings, statistic dates, draw inserts,
// process-wide values and paths. It never shows a message.
class TDM1 final {
public:
    static inline const QString UserName = QStringLiteral("SYSDBA");
    static inline const QString Password = QStringLiteral("gravelpin");

    // Reads (or creates) l8ini.txt in `appDir`; the default is the executable's folder.
    explicit TDM1(const QString& appDir = QString());
    ~TDM1();
    TDM1(const TDM1&) = delete;
    TDM1& operator=(const TDM1&) = delete;

    // The instance the program runs on (the last one created and still alive).
    static TDM1& Instance();
    static bool HasInstance();

    // Connection and the kept error text.
    void SetDatabaseName(const QString& name) { m_databaseName = name; }
    bool OpenDatabase();
    bool IsOpen() const;
    // Commits an open transaction, then closes the connection.
    void CloseDatabase();
    QString PeekLastError() const { return m_lastError; }
    QString TakeLastError();
    void SetLastError(const QString& text) { m_lastError = text; }
    QSqlDatabase Database() const;

    // The shared transaction. It starts by itself before any statement when none is active
    // and ends only by Commit, Rollback or the commit when the connection closes.
    bool InTransaction() const { return m_inTransaction; }
    bool StartTransaction();
    bool Commit();
    bool Rollback();
    bool EnsureTransaction();

    // SQL execution.
    QString ExecSqlText(const QString& label, const QString& sql);
    bool ExecSql(const QString& label, const QString& sql, QString& errorText);
    bool ClearTable(const QString& name);
    // Runs a query that returns rows, inside the shared transaction. On failure `errorText`
    // holds the database's message.
    bool OpenQuery(QSqlQuery& query, const QString& sql, QString& errorText);
    QSqlQuery NewQuery();
    // The database's message of a failed statement.
    static QString MessageOf(const QSqlQuery& query);

    // Statistic update dates.
    bool SetStatLastUpdate(const QString& kind, const QDate& date);

    // Cut-off dates: the latest draw of each game. An empty archive (or a failing read)
    // gives a null date.
    QDate GetLottoCutOffDate();
    QDate GetSenalCutOffDate();

    // Draw inserts from archive-file tokens.
    bool InsertLottoDraw(const QString& date, const QString& wheel, const QString& n1,
                         const QString& n2, const QString& n3, const QString& n4, const QString& n5,
                         const QString& drawNumber, QString& errorText);
    bool InsertSenalDraw(const QString& date, const QString& contest, const QString& n1,
                         const QString& n2, const QString& n3, const QString& n4, const QString& n5,
                         const QString& n6, const QString& jolly, const QString& superStar,
                         QString& errorText);

    // Settings.
    bool ReadTabGen(const QString& group, const QString& code, TTabGenRec& rec);
    int ReadSkin();
    bool WriteSkin(int n);
    void LoadEstimateSettings();
    bool SaveEstimateKind(const QString& kind);
    bool SaveEstimateFormula();
    bool SaveEstimateParam(const QString& code, const EstimateParam& param);
    bool SaveEstimateParams();

    // Skin.
    QColor PanelColor() const;

    // Paths, all under the program folder.
    QString NewPdfTempPath();
    QString NewXlsTempPath();
    QString TempFilePath(const QString& name) const;
    QString ReducedTextPath(bool senal, const QString& name) const;
    QString ReducedCodePath(bool senal, const QString& name) const;
    QString TextsDir() const;

    // Minimum, maximum and average of a column of a historical table.
    bool ColumnStats(const QString& table, const QString& wheel, const QString& valueColumn,
                     const QString& keyColumn, int threshold, int& min, int& max, double& avg);

    // Process-wide values.
    QString AppDir;       // always ends with a separator
    QString DatabasePath; // SERVERPATH of l8ini.txt
    int SkinMode = 0;
    QString EstimateKind;
    QString EstimateFormula;
    EstimateParam EstimateParams[EstimateStatCount];
    QDate LottoCutOffDate;
    QDate SenalCutOffDate;

private:
    QDate MaxDate(const QString& sql);
    QString NewTempPath(const QString& prefix, const QString& extension);
    bool KeepFailure(bool ok, const QString& errorText, const QString& sql);

    QString m_connectionName;
    QString m_databaseName;
    QString m_lastError;
    QString m_lastTempName;
    bool m_inTransaction = false;
    TDM1* m_previous = nullptr;
};

inline TDM1& DM1() {
    return TDM1::Instance();
}
