#include "common/bar_progress.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QProgressBar>

BarProgress::BarProgress(QProgressBar* bar, QAbstractButton* stop)
    : m_bar(bar)
    , m_button(stop) {
    if (stop)
        m_connection = QObject::connect(stop, &QAbstractButton::clicked, [this] { m_stop = true; });
}

BarProgress::~BarProgress() {
    QObject::disconnect(m_connection);
}

void BarProgress::SetRange(int minimum, int maximum) {
    if (m_bar) m_bar->setRange(minimum, maximum);
}

void BarProgress::SetPosition(int position) {
    if (m_bar) m_bar->setValue(position);
}

void BarProgress::ProcessEvents() {
    QCoreApplication::processEvents();
}
