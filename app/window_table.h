#pragma once

#include <QString>

#include <functional>

class QWidget;

// The windows that the main window opens, by the name of the action (ActL8ESTRA ...) or of the
// follow-up that a private message asks for (TfrmVornSISINTNC.RestoreDevelop ...). An opener
// creates its window, shows it modally, releases it, and returns what the window answered
// (true for a window that only shows).
using WindowOpener = std::function<bool(QWidget* parent)>;

// Empty when nothing opens under that name yet.
WindowOpener FindWindowOpener(const QString& name);

// The follow-up names the private messages use.
namespace FollowUp {
inline const QString IntegralRestoreDevelop = QStringLiteral("TfrmVornSISINTNC.RestoreDevelop");
inline const QString IntegralRestoreShow = QStringLiteral("TfrmVornSISINTNC.RestoreShow");
inline const QString LottoReducedRestore = QStringLiteral("TfrmVornL8SISRID.Restore");
inline const QString SenalReducedRestore = QStringLiteral("TfrmVornS8SISRID.Restore");
inline const QString ConditionedSystems = QStringLiteral("TfrmVornSISCOND");
inline const QString SystemReduction = QStringLiteral("TfrmVornSISREDU");
} // namespace FollowUp
