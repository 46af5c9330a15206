#pragma once

#include "common/seams.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

class QDialog;

// Scripted message boxes and file dialogs: answers and file names are queued, every text
// shown is recorded. Installed for the lifetime of the object.
class FakeDialogs final : public Dialogs::Backend {
public:
    FakeDialogs();
    ~FakeDialogs() override;

    struct Shown {
        QString kind; // "info", "yesnocancel", "okcancel", "open", "save"
        QString text; // message, or the dialog caption
        QStringList filters;
    };
    QList<Shown> shown;
    QQueue<DialogAnswer> answers; // for questions; Cancel when empty
    QQueue<QString> fileNames;    // for file dialogs; empty (cancelled) when none queued

    QStringList Texts() const;
    QString LastText() const;

    void Information(QWidget* parent, const QString& text) override;
    DialogAnswer YesNoCancel(QWidget* parent, const QString& text) override;
    DialogAnswer OkCancel(QWidget* parent, const QString& text) override;
    QString OpenFileName(QWidget* parent, const QString& caption,
                         const QStringList& filters) override;
    QString SaveFileName(QWidget* parent, const QString& caption, const QStringList& filters,
                         int selectedFilter, const QString& defaultSuffix) override;
};

// Modal windows are shown (so their show handlers run) and handed to the queued handlers in
// order; a window without a handler is rejected. Installed for the lifetime of the object.
class FakeModal final {
public:
    FakeModal();
    ~FakeModal();
    void Push(std::function<int(QDialog&)> handler);
    QStringList shownClasses; // class name of every window shown modally, in order

private:
    QQueue<std::function<int(QDialog&)>> m_handlers;
};

// Records the shell calls instead of opening files, printers or pages.
class FakeShell final : public Shell::Backend {
public:
    FakeShell();
    ~FakeShell() override;

    struct Call {
        QString verb; // "open", "print", "url"
        QString target;
        QString workingFolder;
    };
    QList<Call> calls;

    bool OpenFile(const QString& path, const QString& workingFolder) override;
    bool PrintFile(const QString& path) override;
    bool OpenUrl(const QString& url) override;
};
