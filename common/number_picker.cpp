#include "common/number_picker.h"

#include "common/seams.h"
#include "common/skin.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// A number box that tells the picker when the user (not the program) changes it.
class NumberBox final : public QCheckBox {
public:
    NumberBox(int number, TfrmVornGETNUM* picker)
        : QCheckBox(QString::number(number))
        , m_number(number)
        , m_picker(picker) {}

protected:
    void nextCheckState() override {
        m_picker->BoxClicked(m_number, true);
        QCheckBox::nextCheckState();
        m_picker->BoxClicked(m_number, false);
    }

private:
    int m_number;
    TfrmVornGETNUM* m_picker;
};

QPushButton* SmallButton(const QString& text, const QString& hint, const QString& name) {
    auto* button = new QPushButton(text);
    button->setToolTip(hint);
    button->setObjectName(name);
    button->setFixedSize(22, 22);
    button->setAutoDefault(false);
    return button;
}

} // namespace

bool TfrmVornGETNUM::SelectNumbers(const QString& caption, int minimum, int maximum,
                                   const NumberFlags& excluded, NumberFlags& selection,
                                   bool showList, bool startFromSelection, QWidget* parent) {
    TfrmVornGETNUM picker(parent);
    picker.Setup(caption, minimum, maximum, excluded, selection, showList, startFromSelection);
    if (RunModal(picker) != QDialog::Accepted) return false;
    selection = picker.Selection();
    return true;
}

TfrmVornGETNUM::TfrmVornGETNUM(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmVornGETNUM"));
    setWindowTitle(QStringLiteral("Selezione numeri"));
    resize(650, 502);

    m_caption = new QLabel(QStringLiteral("Selezionare i numeri da evidenziare"), this);
    m_caption->setObjectName(QStringLiteral("lblSelectCaption"));
    m_caption->setAlignment(Qt::AlignCenter);
    QFont captionFont = m_caption->font();
    captionFont.setBold(true);
    m_caption->setFont(captionFont);
    SetTextColor(m_caption, TitleGreen);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    for (int n = 1; n <= 90; ++n) {
        auto* box = new NumberBox(n, this);
        box->setObjectName(QStringLiteral("cbNum%1").arg(n));
        QFont font = box->font();
        font.setBold(true);
        box->setFont(font);
        connect(box, &QCheckBox::toggled, this, [this] { Refresh(); });
        m_boxes[n] = box;
        grid->addWidget(box, (n - 1) / 10, (n - 1) % 10);
    }
    for (int row = 1; row <= 9; ++row) {
        auto* all = SmallButton(QStringLiteral("X"),
                                QStringLiteral("Seleziona tutti i numeri della decina a sinistra"),
                                QStringLiteral("btnRowX%1").arg(row));
        auto* none =
            SmallButton(QStringLiteral("_"),
                        QStringLiteral("Deseleziona tutti i numeri della decina a sinistra"),
                        QStringLiteral("btnRowClear%1").arg(row));
        grid->addWidget(all, row - 1, 10);
        grid->addWidget(none, row - 1, 11);
        const int first = row * 10 - 9;
        connect(all, &QPushButton::clicked, this, [this, first] {
            CheckRun(first, 1, 10, QStringLiteral("la riga non puo' essere completata."));
        });
        connect(none, &QPushButton::clicked, this, [this, first] { UncheckRun(first, 1, 10); });
    }
    for (int column = 1; column <= 10; ++column) {
        auto* all = SmallButton(QStringLiteral("X"),
                                QStringLiteral("Seleziona i 9 numeri della colonna soprastante"),
                                QStringLiteral("btnColX%1").arg(column));
        auto* none =
            SmallButton(QStringLiteral("_"),
                        QStringLiteral("Deseleziona i  9 numeri della colonna soprastante"),
                        QStringLiteral("btnColClear%1").arg(column));
        auto* pair = new QHBoxLayout;
        pair->setSpacing(2);
        pair->addWidget(all);
        pair->addWidget(none);
        pair->addStretch(1);
        grid->addLayout(pair, 9, column - 1);
        connect(all, &QPushButton::clicked, this, [this, column] {
            CheckRun(column, 10, 9, QStringLiteral("la colonna non puo' essere completata."));
        });
        connect(none, &QPushButton::clicked, this, [this, column] { UncheckRun(column, 10, 9); });
    }

    auto* countLine = new QHBoxLayout;
    countLine->addWidget(new QLabel(QStringLiteral("Numeri selezionati : "), this));
    m_count = new QLabel(QStringLiteral("0"), this);
    m_count->setObjectName(QStringLiteral("lblNumeri"));
    countLine->addWidget(m_count);
    countLine->addStretch(1);
    m_list = new QPlainTextEdit(this);
    m_list->setObjectName(QStringLiteral("Memo1"));
    m_list->setReadOnly(true);
    m_list->setMaximumHeight(60);

    auto* deselect = new QPushButton(QStringLiteral("Desel. Tutti"), this);
    deselect->setObjectName(QStringLiteral("ActDeselect"));
    deselect->setAutoDefault(false);
    auto* right = new QVBoxLayout;
    right->addWidget(deselect);
    right->addStretch(1);

    m_confirm = new QPushButton(QStringLiteral("&Conferma"), this);
    m_confirm->setObjectName(QStringLiteral("ActConferma"));
    auto* cancel = new QPushButton(QStringLiteral("Annulla (ALT-F4)"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_confirm);
    bottom->addWidget(cancel);

    auto* centre = new QVBoxLayout;
    centre->addLayout(grid);
    centre->addLayout(countLine);
    centre->addWidget(m_list);
    auto* body = new QHBoxLayout;
    body->addLayout(centre, 1);
    body->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addLayout(body, 1);
    layout->addLayout(bottom);

    connect(deselect, &QPushButton::clicked, this, [this] { UncheckRun(1, 1, 90); });
    connect(m_confirm, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* altF4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    connect(altF4, &QShortcut::activated, this, &QDialog::reject);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmVornGETNUM::Setup(const QString& caption, int minimum, int maximum,
                           const NumberFlags& excluded, const NumberFlags& selection, bool showList,
                           bool startFromSelection) {
    m_caption->setText(caption);
    m_minimum = minimum;
    m_maximum = maximum;
    m_excluded = excluded;
    m_list->setVisible(showList);
    m_batch = true;
    for (int n = 1; n <= 90; ++n) {
        m_boxes[n]->setEnabled(!m_excluded[n]);
        m_boxes[n]->setChecked(startFromSelection && selection[n] && !m_excluded[n]);
    }
    m_batch = false;
    Refresh();
}

NumberFlags TfrmVornGETNUM::Selection() const {
    NumberFlags selection{};
    for (int n = 1; n <= 90; ++n)
        selection[n] = m_boxes[n]->isChecked();
    return selection;
}

void TfrmVornGETNUM::BoxClicked(int n, bool starting) {
    m_clicked = starting ? n : 0;
}

int TfrmVornGETNUM::CheckedCount() const {
    int count = 0;
    for (int n = 1; n <= 90; ++n)
        if (!m_excluded[n] && m_boxes[n]->isChecked()) ++count;
    return count;
}

void TfrmVornGETNUM::SetCaptionColor(QCheckBox* box, bool checked) {
    SetTextColor(box, checked ? QColor(Qt::red) : QColor(Qt::black));
}

void TfrmVornGETNUM::Refresh() {
    if (m_batch) return;
    m_batch = true; // the undo below must not start another refresh
    int count = 0;
    for (int n = 1; n <= 90; ++n) {
        if (m_excluded[n] || !m_boxes[n]->isChecked()) continue;
        if (++count > m_maximum) {
            Dialogs::Information(this, QStringLiteral("Selezionare al massimo:") +
                                           QString::number(m_maximum) + QStringLiteral(" numeri"));
            // The pick that went beyond the maximum is undone: the box just clicked, or the
            // box where the excess was found when no click caused it.
            (m_clicked > 0 ? m_boxes[m_clicked] : m_boxes[n])->setChecked(false);
            break;
        }
    }
    // Captions, list and count show the boxes as they are now, after any undo.
    QString list;
    count = 0;
    for (int n = 1; n <= 90; ++n) {
        const bool checked = !m_excluded[n] && m_boxes[n]->isChecked();
        SetCaptionColor(m_boxes[n], checked);
        if (!checked) continue;
        ++count;
        list += QLatin1Char(' ') + QString::number(n);
    }
    m_list->setPlainText(list);
    m_count->setText(QString::number(count));
    m_confirm->setEnabled(m_minimum <= count && count <= m_maximum);
    m_batch = false;
}

void TfrmVornGETNUM::CheckRun(int first, int step, int count, const QString& what) {
    m_batch = true;
    for (int i = 0, n = first; i < count; ++i, n += step) {
        if (m_excluded[n]) continue;
        if (CheckedCount() >= m_maximum) {
            Dialogs::Information(this, QStringLiteral("Al massimo:") + QString::number(m_maximum) +
                                           QStringLiteral(" numeri.") + QStringLiteral("\r\n") +
                                           what);
            break;
        }
        m_boxes[n]->setChecked(true);
    }
    m_batch = false;
    Refresh();
}

void TfrmVornGETNUM::UncheckRun(int first, int step, int count) {
    m_batch = true;
    for (int i = 0, n = first; i < count; ++i, n += step)
        m_boxes[n]->setChecked(false);
    m_batch = false;
    Refresh();
}
