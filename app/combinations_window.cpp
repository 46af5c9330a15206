#include "app/combinations_window.h"

#include "common/binomial.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

const QStringList TfrmVornCOMBINAZ::GroupItems = {
    QStringLiteral("2 numeri (COPPIA, AMBO)"), QStringLiteral("3 numeri (TERZINE,TERNO) "),
    QStringLiteral("4 numeri (QUARTINE,QUATERNA)"), QStringLiteral("5 numeri (CINQUINE)"),
    QStringLiteral("6 numeri (SESTINE)")};

TfrmVornCOMBINAZ::TfrmVornCOMBINAZ(QWidget* parent)
    : TfrmVornBase(parent) {
    setObjectName(QStringLiteral("frmVornCOMBINAZ"));
    setWindowTitle(QStringLiteral("CALCOLO COMBINAZIONI DI N NUMERI A GRUPPI DI K"));
    SetTitle(QStringLiteral("VezudAver"));

    auto* pnlInput = new QFrame(Body());
    pnlInput->setObjectName(QStringLiteral("pnlInput"));
    auto* lblGroup = new QLabel(QStringLiteral("COMBINAZIONE DA.."), pnlInput);
    lblGroup->setObjectName(QStringLiteral("lblGroup"));
    m_ddlGroup = new QComboBox(pnlInput);
    m_ddlGroup->setObjectName(QStringLiteral("ddlGroup"));
    m_ddlGroup->addItems(GroupItems);
    auto* lblNumbers = new QLabel(QStringLiteral("NUMERI"), pnlInput);
    lblNumbers->setObjectName(QStringLiteral("lblNumbers"));
    m_ddlNumbers = new QComboBox(pnlInput);
    m_ddlNumbers->setObjectName(QStringLiteral("ddlNumbers"));
    m_ddlNumbers->setMaxVisibleItems(20);

    m_lblCount = new QLabel(pnlInput);
    m_lblCount->setObjectName(QStringLiteral("lblCount"));
    QFont countFont = m_lblCount->font();
    countFont.setPointSize(20);
    countFont.setBold(true);
    m_lblCount->setFont(countFont);
    m_lblGroups = new QLabel(pnlInput);
    m_lblGroups->setObjectName(QStringLiteral("lblGroups"));

    auto* btnOK = new QPushButton(QStringLiteral("OK"), pnlInput);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setMinimumSize(120, 32);

    auto* grid = new QGridLayout(pnlInput);
    grid->setContentsMargins(30, 30, 30, 30);
    grid->setHorizontalSpacing(20);
    grid->setVerticalSpacing(12);
    grid->addWidget(lblGroup, 0, 0);
    grid->addWidget(m_ddlGroup, 1, 0);
    grid->addWidget(lblNumbers, 0, 1);
    grid->addWidget(m_ddlNumbers, 1, 1);
    grid->addWidget(m_lblCount, 2, 0, 1, 2);
    grid->addWidget(m_lblGroups, 3, 0, 1, 2);
    grid->addWidget(btnOK, 4, 0, Qt::AlignLeft);
    grid->setRowStretch(5, 1);
    BodyLayout()->addWidget(pnlInput, 1, Qt::AlignHCenter);

    FillNumbers();
    m_ddlNumbers->setCurrentIndex(m_ddlNumbers->count() - 1); // 90 numbers to start with
    ShowResult();

    connect(m_ddlGroup, &QComboBox::currentIndexChanged, this, [this] {
        FillNumbers();
        ShowResult();
    });
    connect(m_ddlNumbers, &QComboBox::currentIndexChanged, this, [this] { ShowResult(); });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

int TfrmVornCOMBINAZ::GroupSize() const {
    return m_ddlGroup->currentIndex() + BinomialMinK;
}

// N runs from K (a single group) to 90; the chosen N stays when it is still at least K.
void TfrmVornCOMBINAZ::FillNumbers() {
    const int k = GroupSize();
    const int previous = m_ddlNumbers->currentData().toInt();
    const QSignalBlocker blocker(m_ddlNumbers);
    m_ddlNumbers->clear();
    for (int n = k; n <= BinomialMaxN; ++n)
        m_ddlNumbers->addItem(QString::number(n), n);
    m_ddlNumbers->setCurrentIndex(std::max(previous, k) - k);
}

void TfrmVornCOMBINAZ::ShowResult() {
    const int k = GroupSize();
    const int n = m_ddlNumbers->currentData().toInt();
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    m_lblCount->setText(italian.toString(CombinationCount(n, k)));
    const QString item = GroupItems.value(m_ddlGroup->currentIndex());
    const QString groupName = item.mid(item.indexOf(QLatin1Char('('))).trimmed();
    m_lblGroups->setText(
        QStringLiteral("combinazioni di %1 numeri a gruppi di %2 %3").arg(n).arg(k).arg(groupName));
}
