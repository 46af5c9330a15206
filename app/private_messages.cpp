#include "app/private_messages.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
QPointer<QObject> mainWindow;

constexpr int KnownMessages[] = {PrivateMessage::MsgCloseMain,   PrivateMessage::MsgOpenLottoChoice,
                                 PrivateMessage::MsgDevelopNow,  PrivateMessage::MsgOpenSenalChoice,
                                 PrivateMessage::MsgOpenSisCond, PrivateMessage::MsgOpenSisRedu};
} // namespace

int PrivateMessage::MessageOf(const QEvent* event) {
    for (int message : KnownMessages)
        if (event->type() == EventType(message)) return message;
    return 0;
}

void PostPrivateMessage(QObject* target, int message) {
    if (target) QCoreApplication::postEvent(target, new QEvent(PrivateMessage::EventType(message)));
}

QObject* MainWindowHandle() {
    return mainWindow;
}

void SetMainWindowHandle(QObject* window) {
    mainWindow = window;
}

bool PostToMainWindow(int message) {
    if (!mainWindow) return false;
    PostPrivateMessage(mainWindow, message);
    return true;
}
