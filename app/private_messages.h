#pragma once

#include <QEvent>

class QObject;

// The private messages that windows post to the main window (and 1035, which a window posts to
// itself) to have something done once the message loop runs again: the window that asks has
// closed and been released by then. Each is a Qt event of type QEvent::User + its number.
namespace PrivateMessage {
inline constexpr int MsgCloseMain = 1025;       // the database cannot be opened: close the program
inline constexpr int MsgOpenLottoChoice = 1034; // open the Lotto system of the current choice
inline constexpr int MsgDevelopNow = 1035;      // posted by a window to itself: develop at once
inline constexpr int MsgOpenSenalChoice =
    1036;                                   // open the SuperEnalotto system of the current choice
inline constexpr int MsgOpenSisCond = 1037; // filter the current system by conditions
inline constexpr int MsgOpenSisRedu = 1038; // reduce the current system

constexpr QEvent::Type EventType(int message) {
    return QEvent::Type(QEvent::User + message);
}
// The message number of an event, or 0 when it is not one of ours.
int MessageOf(const QEvent* event);
} // namespace PrivateMessage

// Posts `message` to `target`; it is handled once the message loop runs again.
void PostPrivateMessage(QObject* target, int message);

// The main window, set when it is first shown; null before and after its life.
QObject* MainWindowHandle();
void SetMainWindowHandle(QObject* window);
// Posts `message` to the main window; false when there is none.
bool PostToMainWindow(int message);
