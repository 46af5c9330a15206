#include "tests/support/fake_seams.h"

#include <QDialog>

FakeDialogs::FakeDialogs() {
    Dialogs::SetBackend(this);
}

// A fake replaced by a newer one (make_unique over the old) leaves the newer one installed.
FakeDialogs::~FakeDialogs() {
    if (Dialogs::CurrentBackend() == this) Dialogs::SetBackend(nullptr);
}

QStringList FakeDialogs::Texts() const {
    QStringList texts;
    for (const Shown& item : shown)
        texts << item.text;
    return texts;
}

QString FakeDialogs::LastText() const {
    return shown.isEmpty() ? QString() : shown.constLast().text;
}

void FakeDialogs::Information(QWidget*, const QString& text) {
    shown.append({QStringLiteral("info"), text, {}});
}

DialogAnswer FakeDialogs::YesNoCancel(QWidget*, const QString& text) {
    shown.append({QStringLiteral("yesnocancel"), text, {}});
    return answers.isEmpty() ? DialogAnswer::Cancel : answers.dequeue();
}

DialogAnswer FakeDialogs::OkCancel(QWidget*, const QString& text) {
    shown.append({QStringLiteral("okcancel"), text, {}});
    return answers.isEmpty() ? DialogAnswer::Cancel : answers.dequeue();
}

QString FakeDialogs::OpenFileName(QWidget*, const QString& caption, const QStringList& filters) {
    shown.append({QStringLiteral("open"), caption, filters});
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString FakeDialogs::SaveFileName(QWidget*, const QString& caption, const QStringList& filters, int,
                                  const QString&) {
    shown.append({QStringLiteral("save"), caption, filters});
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

FakeModal::FakeModal() {
    SetRunModalHandler([this](QDialog& dialog) {
        shownClasses << QString::fromLatin1(dialog.metaObject()->className());
        dialog.show();
        if (m_handlers.isEmpty()) {
            dialog.reject();
            return int(QDialog::Rejected);
        }
        const int result = m_handlers.dequeue()(dialog);
        dialog.hide();
        return result;
    });
}

FakeModal::~FakeModal() {
    SetRunModalHandler({});
}

void FakeModal::Push(std::function<int(QDialog&)> handler) {
    m_handlers.enqueue(std::move(handler));
}

FakeShell::FakeShell() {
    Shell::SetBackend(this);
}

FakeShell::~FakeShell() {
    if (Shell::CurrentBackend() == this) Shell::SetBackend(nullptr);
}

bool FakeShell::OpenFile(const QString& path, const QString& workingFolder) {
    calls.append({QStringLiteral("open"), path, workingFolder});
    return true;
}

bool FakeShell::PrintFile(const QString& path) {
    calls.append({QStringLiteral("print"), path, QString()});
    return true;
}

bool FakeShell::OpenUrl(const QString& url) {
    calls.append({QStringLiteral("url"), url, QString()});
    return true;
}
