#include "common/seams.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace {

const QString MessageTitle = QStringLiteral("Sortavo 3");

class RealDialogs final : public Dialogs::Backend {
public:
    void Information(QWidget* parent, const QString& text) override {
        QMessageBox::information(parent, MessageTitle, text);
    }
    DialogAnswer YesNoCancel(QWidget* parent, const QString& text) override {
        switch (QMessageBox::question(parent, MessageTitle, text,
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                      QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return DialogAnswer::Yes;
        case QMessageBox::No:
            return DialogAnswer::No;
        default:
            return DialogAnswer::Cancel;
        }
    }
    DialogAnswer OkCancel(QWidget* parent, const QString& text) override {
        return QMessageBox::information(parent, MessageTitle, text,
                                        QMessageBox::Ok | QMessageBox::Cancel,
                                        QMessageBox::Ok) == QMessageBox::Ok
                   ? DialogAnswer::Ok
                   : DialogAnswer::Cancel;
    }
    QString OpenFileName(QWidget* parent, const QString& caption,
                         const QStringList& filters) override {
        return QFileDialog::getOpenFileName(parent, caption, QString(),
                                            filters.join(QStringLiteral(";;")));
    }
    QString SaveFileName(QWidget* parent, const QString& caption, const QStringList& filters,
                         int selectedFilter, const QString& defaultSuffix) override {
        QFileDialog dialog(parent, caption, QString(), filters.join(QStringLiteral(";;")));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        if (selectedFilter >= 0 && selectedFilter < filters.size())
            dialog.selectNameFilter(filters.at(selectedFilter));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }
};

class RealShell final : public Shell::Backend {
public:
    bool OpenFile(const QString& path, const QString&) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
    bool PrintFile(const QString& path) override {
        return QProcess::startDetached(QStringLiteral("lp"), {path});
    }
    bool OpenUrl(const QString& url) override {
        return QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
    }
};

RealDialogs realDialogs;
Dialogs::Backend* dialogs = &realDialogs;
RealShell realShell;
Shell::Backend* shell = &realShell;
RunModalHandler modalHandler;
int busyActive = 0;
int busyTotal = 0;

} // namespace

void Dialogs::Information(QWidget* parent, const QString& text) {
    dialogs->Information(parent, text);
}

DialogAnswer Dialogs::YesNoCancel(QWidget* parent, const QString& text) {
    return dialogs->YesNoCancel(parent, text);
}

DialogAnswer Dialogs::OkCancel(QWidget* parent, const QString& text) {
    return dialogs->OkCancel(parent, text);
}

QString Dialogs::OpenFileName(QWidget* parent, const QString& caption, const QStringList& filters) {
    return dialogs->OpenFileName(parent, caption, filters);
}

QString Dialogs::SaveFileName(QWidget* parent, const QString& caption, const QStringList& filters,
                              int selectedFilter, const QString& defaultSuffix) {
    return dialogs->SaveFileName(parent, caption, filters, selectedFilter, defaultSuffix);
}

void Dialogs::SetBackend(Backend* backend) {
    dialogs = backend ? backend : &realDialogs;
}

Dialogs::Backend* Dialogs::CurrentBackend() {
    return dialogs;
}

int RunModal(QDialog& dialog) {
    if (modalHandler) return modalHandler(dialog);
    return dialog.exec();
}

void SetRunModalHandler(RunModalHandler handler) {
    modalHandler = std::move(handler);
}

bool Shell::OpenFile(const QString& path, const QString& workingFolder) {
    return shell->OpenFile(path, workingFolder.isEmpty() ? QFileInfo(path).absolutePath()
                                                         : workingFolder);
}

bool Shell::PrintFile(const QString& path) {
    return shell->PrintFile(path);
}

bool Shell::OpenUrl(const QString& url) {
    return shell->OpenUrl(url);
}

void Shell::SetBackend(Backend* backend) {
    shell = backend ? backend : &realShell;
}

Shell::Backend* Shell::CurrentBackend() {
    return shell;
}

BusyCursor::BusyCursor() {
    ++busyActive;
    ++busyTotal;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    --busyActive;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::restoreOverrideCursor();
}

int BusyCursor::ActiveCount() {
    return busyActive;
}

int BusyCursor::TotalCount() {
    return busyTotal;
}
