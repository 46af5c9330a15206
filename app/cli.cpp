#include "app/cli.h"

#include "archive/archive_cli.h"
#include "stats_l8/cli_recompute.h"
#include "storage/database_creation.h"
#include "storage/tdm1.h"

#include <QCoreApplication>
#include <QTextStream>

#include <functional>

namespace {

struct CliCommand {
    QString name;
    QString usage;
    QString help;
    std::function<int(CliContext&, const QStringList&)> run;
};

int CreateDatabase(CliContext& context, const QStringList& args) {
    if (args.size() != 1) {
        context.err << "Uso: sortavo-cli create-database PERCORSO\n";
        return 2;
    }
    QString error;
    if (!CreateDatabaseFile(args.constFirst(), error)) {
        context.err << error << '\n';
        return 1;
    }
    context.out << "Database creato: " << args.constFirst() << '\n';
    return 0;
}

const QList<CliCommand>& Commands() {
    static const QList<CliCommand> commands = {
        {QStringLiteral("create-database"), QStringLiteral("create-database PERCORSO"),
         QStringLiteral("crea un database vuoto in PERCORSO; non tocca un file esistente"),
         CreateDatabase},
        {QStringLiteral("import-lotto"), QStringLiteral("import-lotto FILE"),
         QStringLiteral("sostituisce l'archivio del Lotto con il file FILE"), ImportLottoCommand},
        {QStringLiteral("import-senal"), QStringLiteral("import-senal FILE"),
         QStringLiteral("sostituisce l'archivio del SuperEnalotto con il file FILE"),
         ImportSenalCommand},
        {QStringLiteral("recompute-lotto"), QStringLiteral("recompute-lotto"),
         QStringLiteral("ricalcola le statistiche del Lotto fino all'ultima estrazione"),
         RunRecomputeLotto},
    };
    return commands;
}

void PrintHelp(QTextStream& stream) {
    stream << "Uso: sortavo-cli [--db PERCORSO] COMANDO [ARGOMENTI]\n\n"
           << "  --db PERCORSO   database da usare (predefinito: SERVERPATH di l8ini.txt)\n\n"
           << "Comandi:\n";
    for (const CliCommand& command : Commands())
        stream << "  " << command.usage.leftJustified(34) << command.help << '\n';
    stream << "  " << QStringLiteral("help").leftJustified(34) << "mostra questo testo\n";
}

} // namespace

CliContext::CliContext(const QString& appDir, const QString& databaseOverride, QTextStream& out,
                       QTextStream& err)
    : out(out)
    , err(err)
    , appDir(appDir)
    , m_databaseOverride(databaseOverride) {}

CliContext::~CliContext() = default;

TDM1* CliContext::Database() {
    if (!m_dm) {
        m_dm = std::make_unique<TDM1>(appDir);
        m_dm->SetDatabaseName(m_databaseOverride.isEmpty() ? m_dm->DatabasePath
                                                           : m_databaseOverride);
        m_opened = m_dm->OpenDatabase();
        if (!m_opened) err << "Errore in avvio database:\n\n" << m_dm->PeekLastError() << '\n';
    }
    return m_opened ? m_dm.get() : nullptr;
}

int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QStringList args = arguments;
    QString database;
    while (!args.isEmpty() && args.constFirst().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--db") && !args.isEmpty()) {
            database = args.takeFirst();
        } else if (option == QLatin1String("--help")) {
            PrintHelp(out);
            return 0;
        } else {
            err << "Opzione sconosciuta: " << option << "\n\n";
            PrintHelp(err);
            return 2;
        }
    }
    if (args.isEmpty() || args.constFirst() == QLatin1String("help")) {
        PrintHelp(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const CliCommand& command : Commands()) {
        if (command.name == name) {
            CliContext context(QCoreApplication::applicationDirPath(), database, out, err);
            return command.run(context, args);
        }
    }
    err << "Comando sconosciuto: " << name << "\n\n";
    PrintHelp(err);
    return 2;
}
