#pragma once

#include <QStringList>

class CliContext;

// sortavo-cli import-lotto FILE / import-senal FILE: replace an archive with an archive file.
// Exit status 0 only when the archive was replaced.
int ImportLottoCommand(CliContext& context, const QStringList& args);
int ImportSenalCommand(CliContext& context, const QStringList& args);
