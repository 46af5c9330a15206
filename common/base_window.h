#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

// Maximised over the screen's work area, also where no window manager maximises windows.
void SetMaximizedOnWorkArea(QWidget* window);

// The frame most windows share: a dark-green header band with the title and the close button,
// the body `pnlClient` in the panel colour, and a silver footer band. Shown maximised, modally.
class TfrmVornBase : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornBase)

public:
    explicit TfrmVornBase(QWidget* parent = nullptr);

    void SetTitle(const QString& title);
    QLabel* TitleLabel() const { return m_lblTitle; }
    QFrame* Body() const { return m_pnlClient; }
    // Derived windows fill the body through this layout.
    QVBoxLayout* BodyLayout() const { return m_bodyLayout; }
    QFrame* Footer() const { return m_pnlFooter; }
    QPushButton* CloseButton() const { return m_btnClose; }

protected:
    // The look of the window (skin, panel colours); run every time the window is shown.
    virtual void SetupLook();
    void showEvent(QShowEvent* event) override;

private:
    QFrame* m_pnlHeader = nullptr;
    QFrame* m_pnlTitleArea = nullptr;
    QLabel* m_lblTitle = nullptr;
    QPushButton* m_btnClose = nullptr;
    QFrame* m_pnlClient = nullptr;
    QVBoxLayout* m_bodyLayout = nullptr;
    QFrame* m_pnlFooter = nullptr;
};
