#pragma once

#include <QStringList>

class CliContext;

// sortavo-cli recompute-lotto: the full recompute of the Lotto statistics up to the latest
// draw of the archive, with its progress on standard error.
int RunRecomputeLotto(CliContext& context, const QStringList& args);
