#include "archive/archive_browser.h"

#include "common/helpers.h"
#include "common/sql_text.h"
#include "storage/tdm1.h"

#include <QSqlQuery>

namespace {

const QString LottoToken = QStringLiteral("L81");
const QString SenalToken = QStringLiteral("S81");

const QString LottoDateList =
    QStringLiteral(" select DATAESTRA  from L81       where 1=1  group by 1      order by 1     ");
const QString SenalDateList = QStringLiteral(
    " select DataEstra, Concorso  from S81       where 1=1  group by 1,2    order by 1     ");

QString LottoCard(const QString& d) {
    return QStringLiteral(" select 1,cast(Ruota as char(2)) as Ruota,n1,n2,n3,n4,n5  from L81   "
                          "                 where DATAESTRA = ") +
           d + QStringLiteral(" ") + QStringLiteral(" and Ruota <> ") + QStringLiteral("'RN'") +
           QStringLiteral(" ") + QStringLiteral(" union                         ") +
           QStringLiteral(" select 2,") + QStringLiteral("'RN'") +
           QStringLiteral(" as Ruota ,n1,n2,n3,n4,n5 ") +
           QStringLiteral(" from L81                  ") + QStringLiteral(" where DATAESTRA = ") +
           d + QStringLiteral(" ") + QStringLiteral(" and Ruota = ") + QStringLiteral("'RN'") +
           QStringLiteral(" ") + QStringLiteral(" order by 1,2                  ");
}

QString SenalCard(const QString& d) {
    return QStringLiteral(" select *  from S81                    where DATAESTRA = ") + d +
           QStringLiteral(" ");
}

// All wheels of a draw side by side: BA (alias b) leads, the others joined to it.
QString LottoListing(const QString& from, const QString& to) {
    const QString aliases = QStringLiteral("bcfgmnprtvz");
    QStringList columns{QStringLiteral("b.DATAESTRA")};
    for (int w = 0; w < WheelCount; ++w)
        for (int k = 1; k <= 5; ++k)
            columns << QStringLiteral("coalesce(%1.N%2,0) as %3")
                           .arg(aliases[w])
                           .arg(k)
                           .arg(WheelLetters[w] + QString::number(k));
    QString sql = QStringLiteral(" select ") + columns.join(QStringLiteral(", ")) +
                  QStringLiteral(" from L81 b ");
    for (int w = 1; w < WheelCount; ++w)
        sql += QStringLiteral(" left outer join L81 %1 on %1.DATAESTRA = b.DATAESTRA and "
                              "%1.RUOTA = '%2' ")
                   .arg(aliases[w])
                   .arg(WheelCodes[w]);
    return sql + QStringLiteral(" where b.RUOTA = 'BA' and b.DATAESTRA >= ") + from +
           QStringLiteral(" and b.DATAESTRA <= ") + to + QStringLiteral(" order by 1 desc ");
}

QString SenalListing(const QString& from, const QString& to) {
    return QStringLiteral("   select *       from S81        where         DATAESTRA >= ") + from +
           QStringLiteral(" ") + QStringLiteral("   and DATAESTRA <= ") + to + QStringLiteral(" ") +
           QStringLiteral("   order by dataEstra desc ");
}

} // namespace

QString ApplyTableToken(const QString& templateText, const QString& token, const QString& table) {
    QString text = templateText;
    return text.replace(token, table, Qt::CaseInsensitive);
}

QDate ProposedDrawDate(const QDate& latest) {
    QDate date = latest.isValid() ? latest.addDays(1) : QDate::currentDate();
    while (date.dayOfWeek() != Qt::Tuesday && date.dayOfWeek() != Qt::Thursday &&
           date.dayOfWeek() != Qt::Saturday)
        date = date.addDays(1);
    return date;
}

TArchiveBrowser::TArchiveBrowser(TDM1& dm, ArchiveGame game)
    : m_dm(dm)
    , m_game(game) {
    m_proposedDate = ProposedDrawDate(QDate());
}

QString TArchiveBrowser::Table() const {
    return m_game == ArchiveGame::Lotto ? QStringLiteral("LOTTO1") : QStringLiteral("SENAL81");
}

QString TArchiveBrowser::Sql(const QString& templateText) const {
    return ApplyTableToken(templateText, m_game == ArchiveGame::Lotto ? LottoToken : SenalToken,
                           Table());
}

void TArchiveBrowser::Reset() {
    m_dates.clear();
    m_contests.clear();
    m_position = -1;
}

bool TArchiveBrowser::LoadDates(QString& errorText) {
    Reset();
    QSqlQuery query = m_dm.NewQuery();
    query.setForwardOnly(true);
    if (!m_dm.OpenQuery(query, Sql(m_game == ArchiveGame::Lotto ? LottoDateList : SenalDateList),
                        errorText))
        return false;
    while (query.next()) {
        m_dates << query.value(0).toDate();
        m_contests << (m_game == ArchiveGame::Senal ? query.value(1) : QVariant());
    }
    m_position = int(m_dates.size()) - 1;
    m_latestDate = m_dates.isEmpty() ? QDate() : m_dates.constLast();
    m_proposedDate = ProposedDrawDate(m_latestDate);
    return true;
}

QDate TArchiveBrowser::CurrentDate() const {
    return m_position >= 0 ? m_dates.at(m_position) : QDate();
}

QVariant TArchiveBrowser::CurrentContest() const {
    return m_position >= 0 ? m_contests.at(m_position) : QVariant();
}

void TArchiveBrowser::First() {
    if (!m_dates.isEmpty()) m_position = 0;
}

void TArchiveBrowser::Prior() {
    if (m_position > 0) --m_position;
}

void TArchiveBrowser::Next() {
    if (m_position >= 0 && m_position < m_dates.size() - 1) ++m_position;
}

void TArchiveBrowser::Last() {
    m_position = int(m_dates.size()) - 1;
}

bool TArchiveBrowser::Locate(const QDate& date) {
    const int at = int(m_dates.indexOf(date));
    if (at < 0) return false;
    m_position = at;
    return true;
}

QString TArchiveBrowser::CardSql() const {
    const QString d = DateToSqlLiteral(CurrentDate());
    return Sql(m_game == ArchiveGame::Lotto ? LottoCard(d) : SenalCard(d));
}

QString TArchiveBrowser::ListingSql(const QDate& from, const QDate& to) const {
    const QString f = DateToSqlLiteral(from);
    const QString t = DateToSqlLiteral(to);
    return Sql(m_game == ArchiveGame::Lotto ? LottoListing(f, t) : SenalListing(f, t));
}

QString TArchiveBrowser::DeleteSql(const QDate& date) const {
    const QString table = m_game == ArchiveGame::Lotto ? LottoToken : SenalToken;
    return Sql(QStringLiteral(" delete from ") + table + QStringLiteral("  where DataEstra = ") +
               DateToSqlLiteral(date) + QStringLiteral(" "));
}

QDate TArchiveBrowser::CutOffDate() {
    return m_game == ArchiveGame::Lotto ? m_dm.GetLottoCutOffDate() : m_dm.GetSenalCutOffDate();
}

QString TArchiveBrowser::YearsSql() const {
    return QStringLiteral("select extract(year from DataEstra) as Anno from %1 group by 1 order "
                          "by 1 Desc")
        .arg(Table().toLower());
}

QString TArchiveBrowser::YearDatesSql() const {
    return QStringLiteral(" select dataEstra  from %1  where extract(year from DataEstra) = :ANNO "
                          " group by 1  order by 1 ")
        .arg(Table().toLower());
}

bool RunStatement(TDM1& dm, const QString& sql, QString& message) {
    QString errorText;
    const bool ok = dm.ExecSql(QString(), sql, errorText);
    message = ok ? QString() : errorText.mid(1);
    return ok;
}
