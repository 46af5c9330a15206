#include "stats_l8/cli_recompute.h"

#include "app/cli.h"
#include "common/progress.h"
#include "stats_l8/tdms.h"
#include "storage/tdm1.h"

#include <QTextStream>

namespace {

// Prints every change of a progress bar as one line: label position/maximum.
class PrintedProgress final : public Progress {
public:
    PrintedProgress(QTextStream& stream, const QString& label)
        : m_stream(stream)
        , m_label(label) {}
    void SetRange(int minimum, int maximum) override {
        m_minimum = minimum;
        m_maximum = maximum;
    }
    void SetPosition(int position) override {
        if (position == m_position && m_maximum == m_shownMaximum) return;
        m_position = position;
        m_shownMaximum = m_maximum;
        m_stream << m_label << position << '/' << m_maximum << '\n';
        m_stream.flush();
    }

private:
    QTextStream& m_stream;
    const QString m_label;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = -1;
    int m_shownMaximum = -1;
};

} // namespace

int RunRecomputeLotto(CliContext& context, const QStringList& args) {
    if (!args.isEmpty()) {
        context.err << "Uso: sortavo-cli recompute-lotto\n";
        return 2;
    }
    TDM1* dm = context.Database();
    if (!dm) return 1;
    const QDate cutOff = dm->GetLottoCutOffDate();
    if (!cutOff.isValid()) {
        context.err << "Archivio del Lotto vuoto: nessuna estrazione da elaborare.\n";
        return 1;
    }
    TDMS engine(*dm);
    PrintedProgress overall(context.err, QStringLiteral("Aggiornamento statistiche Lotto: "));
    PrintedProgress step(context.err, QStringLiteral("  fase: "));
    engine.ClearErrorText();
    if (!engine.UpdateLottoStatistics(overall, step, cutOff)) {
        context.err << engine.RecomputeFailureText(cutOff) << '\n';
        return 1;
    }
    context.out << "Statistiche Lotto aggiornate al "
                << cutOff.toString(QStringLiteral("dd/MM/yyyy")) << ".\n";
    return 0;
}
