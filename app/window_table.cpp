#include "app/window_table.h"

#include "app/combinations_window.h"
#include "archive/lotto_archive_window.h"
#include "archive/senal_archive_window.h"
#include "common/seams.h"

#include <QHash>

namespace {

// Shows a window of class W modally and releases it; a window that only shows answers true.
template <typename W> bool Show(QWidget* parent) {
    W window(parent);
    RunModal(window);
    return true;
}

const QHash<QString, WindowOpener>& Openers() {
    static const QHash<QString, WindowOpener> openers{
        {QStringLiteral("ActL8ESTRA"), Show<TfrmVornL8ESTRA>},
        {QStringLiteral("ActS8ESTRA"), Show<TfrmVornS8ESTRA>},
        {QStringLiteral("ActCombinazioni"), Show<TfrmVornCOMBINAZ>},
    };
    return openers;
}

} // namespace

WindowOpener FindWindowOpener(const QString& name) {
    return Openers().value(name);
}
