#include "app/window_table.h"

#include "app/combinations_window.h"
#include "archive/lotto_archive_window.h"
#include "archive/senal_archive_window.h"
#include "common/seams.h"
#include "stats_l8/stats_hub_window.h"
#include "tools/notes_windows.h"

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
        {QStringLiteral("ActLottoStats"), Show<TfrmVornL8STATS>},
        {QStringLiteral("ActNoteLotto"),
         [](QWidget* parent) { return ChooseFromNotes(parent, NotesMode::Lotto); }},
        {QStringLiteral("ActNoteSenal8"),
         [](QWidget* parent) { return ChooseFromNotes(parent, NotesMode::Senal); }},
    };
    return openers;
}

} // namespace

WindowOpener FindWindowOpener(const QString& name) {
    return Openers().value(name);
}
