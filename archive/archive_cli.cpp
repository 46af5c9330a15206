#include "archive/archive_cli.h"

#include "app/cli.h"
#include "archive/archive_file.h"
#include "common/progress.h"
#include "storage/tdm1.h"

#include <QTextStream>

namespace {

// Prints the share of lines read, every tenth, on the error stream.
class CliLoadProgress final : public Progress {
public:
    explicit CliLoadProgress(QTextStream& stream)
        : m_stream(stream) {}
    void SetRange(int minimum, int maximum) override {
        m_minimum = minimum;
        m_maximum = maximum;
    }
    void SetPosition(int position) override {
        if (m_maximum <= m_minimum) return;
        const int tenth = int(qint64(position - m_minimum) * 10 / (m_maximum - m_minimum));
        if (tenth > m_tenth && tenth < 10) {
            m_tenth = tenth;
            m_stream << "Caricamento: " << tenth * 10 << "%\n";
            m_stream.flush();
        }
    }

private:
    QTextStream& m_stream;
    int m_minimum = 0;
    int m_maximum = 0;
    int m_tenth = 0;
};

QString ForTerminal(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

int Import(CliContext& context, const QStringList& args, ArchiveGame game, const char* usage) {
    if (args.size() != 1) {
        context.err << "Uso: sortavo-cli " << usage << '\n';
        return 2;
    }
    TDM1* dm = context.Database();
    if (!dm) return 1;
    CliLoadProgress progress(context.err);
    const ArchiveLoadResult result = LoadArchiveFile(*dm, game, args.constFirst(), progress);
    if (!result.ok) {
        context.err << ForTerminal(result.message) << '\n';
        return 1;
    }
    context.out << ArchiveReloadedText << '\n' << "Righe caricate: " << result.rows << '\n';
    return 0;
}

} // namespace

int ImportLottoCommand(CliContext& context, const QStringList& args) {
    return Import(context, args, ArchiveGame::Lotto, "import-lotto FILE");
}

int ImportSenalCommand(CliContext& context, const QStringList& args) {
    return Import(context, args, ArchiveGame::Senal, "import-senal FILE");
}
