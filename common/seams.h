#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

// Every message box, file dialog, modal show, shell call and hourglass of the program goes
// through these seams, so that a window can be driven headless with the texts users see.

enum class DialogAnswer { Ok, Cancel, Yes, No };

class Dialogs final {
public:
    class Backend {
    public:
        virtual ~Backend() = default;
        virtual void Information(QWidget* parent, const QString& text) = 0;
        virtual DialogAnswer YesNoCancel(QWidget* parent, const QString& text) = 0;
        virtual DialogAnswer OkCancel(QWidget* parent, const QString& text) = 0;
        // Filters are "description (patterns)" texts; the result is empty when cancelled.
        virtual QString OpenFileName(QWidget* parent, const QString& caption,
                                     const QStringList& filters) = 0;
        virtual QString SaveFileName(QWidget* parent, const QString& caption,
                                     const QStringList& filters, int selectedFilter,
                                     const QString& defaultSuffix) = 0;
    };

    static void Information(QWidget* parent, const QString& text);
    static DialogAnswer YesNoCancel(QWidget* parent, const QString& text);
    static DialogAnswer OkCancel(QWidget* parent, const QString& text);
    static QString OpenFileName(QWidget* parent, const QString& caption,
                                const QStringList& filters);
    static QString SaveFileName(QWidget* parent, const QString& caption, const QStringList& filters,
                                int selectedFilter = 0, const QString& defaultSuffix = QString());

    // nullptr restores the real message boxes and dialogs.
    static void SetBackend(Backend* backend);
    static Backend* CurrentBackend();
};

// Shows a window modally and returns its result (QDialog::Accepted or Rejected).
int RunModal(QDialog& dialog);
// Tests drive modal windows without a nested event loop; an empty handler restores exec().
using RunModalHandler = std::function<int(QDialog&)>;
void SetRunModalHandler(RunModalHandler handler);

class Shell final {
public:
    class Backend {
    public:
        virtual ~Backend() = default;
        virtual bool OpenFile(const QString& path, const QString& workingFolder) = 0;
        virtual bool PrintFile(const QString& path) = 0;
        virtual bool OpenUrl(const QString& url) = 0;
    };

    static bool OpenFile(const QString& path, const QString& workingFolder = QString());
    static bool PrintFile(const QString& path);
    static bool OpenUrl(const QString& url);
    static void SetBackend(Backend* backend);
    static Backend* CurrentBackend();
};

// The hourglass while alive.
class BusyCursor final {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    static int ActiveCount(); // hourglasses alive now
    static int TotalCount();  // hourglasses shown since start
};
