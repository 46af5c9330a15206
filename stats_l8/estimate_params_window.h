#pragma once

#include "common/base_window.h"
#include "stats_l8/estimate_param_rules.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QStackedWidget;

// The parameters of the personalised estimate: guided weights or a free formula. It closes
// accepted when the user saved and asked for the estimate to be computed again.
class TfrmVornL8STIMAPARMS final : public TfrmVornBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmVornL8STIMAPARMS)

public:
    enum Page { ModePage, WeightsPage, FormulaPage, GuidePage };

    explicit TfrmVornL8STIMAPARMS(QWidget* parent = nullptr);

    int CurrentPage() const;
    QCheckBox* TermCheck(int term) const { return m_checks[term]; }
    QLineEdit* TermField(int term) const { return m_fields[term]; }

private:
    QWidget* BuildModePage();
    QWidget* BuildWeightsPage();
    QWidget* BuildFormulaPage();
    QWidget* BuildGuidePage();
    QWidget* SaveButtons(bool formula);
    void LoadSettings();
    void RefreshPreview();
    GuidedTerms Terms() const;
    void ShowPage(Page page);
    void ModeChosen();
    void Save(bool recompute);
    bool SaveGuided(bool recompute);
    bool SaveFormula(bool recompute);

    QStackedWidget* m_pages = nullptr;
    QRadioButton* m_guided = nullptr;
    QRadioButton* m_free = nullptr;
    std::array<QCheckBox*, GuidedTermCount> m_checks{};
    std::array<QLineEdit*, GuidedTermCount> m_fields{};
    QLineEdit* m_preview = nullptr;
    QPlainTextEdit* m_formula = nullptr;
};
