#pragma once

#include "batch/JobOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>
#include <QValidator>

#include <vector>

// A tempo list as the learner types it, with their language's decimal mark and list
// separator ("0,75; 1" in German), and as --passes takes it ("0.75,1").
QString TemposForTerminal(const QString& typed, const QLocale& locale);
QString TemposForLearner(const QString& terminal, const QLocale& locale);

// Takes a tempo list as --passes does, and whatever can still become one.
class CTemposValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// What the terminal's options do, for the window: every option but the
// terminal's own, grouped, kept in the settings section "Options" in the
// terminal's syntax. The ranges are the option model's, so that no value
// the terminal would refuse can be entered.
class COptionsDlg : public QDialog {
    Q_OBJECT

public:
    explicit COptionsDlg(QWidget* parent = nullptr);

    // The controls show what the option model takes of stored; the rest at their defaults.
    void Show(const StoredJobOptions& stored);
    // The options that differ from their defaults, in the terminal's syntax.
    StoredJobOptions Chosen() const;
    void RestoreDefaults();

    // The any-format check box's text, as a message names it.
    static QString AnyFormatName();

    // OK: the chosen options replace the stored ones.
    void accept() override;

private:
    // A number option's box and, for a bound that is off unless given, its check box.
    struct NumberOption {
        const OptionRow* range;
        QDoubleSpinBox* box;
        QCheckBox* given;
    };

    void PlaceControls();
    // The threshold as it is when not given: automatic for what FFmpeg reads.
    void ShowDefaultThreshold(bool anyFormat);
    bool ThresholdIsDefault(bool anyFormat) const;
    void OnFormatChanged();
    void OnTemposEdited();
    // The enabling rule; OK only for options that the model takes together.
    void UpdateControls();

    QGroupBox m_grpRecordings;
    QCheckBox m_chkAnyFormat;
    QCheckBox m_chkKeepGoing;
    QGroupBox m_grpPhrases;
    QLabel m_stDetector;
    QComboBox m_cboDetector;
    QLabel m_stThreshold;
    QDoubleSpinBox m_spinThreshold;
    QCheckBox m_chkAutoThreshold;
    QLabel m_stMinSilence;
    QDoubleSpinBox m_spinMinSilence;
    QLabel m_stMinPhrase;
    QDoubleSpinBox m_spinMinPhrase;
    QCheckBox m_chkMaxPhrase;
    QDoubleSpinBox m_spinMaxPhrase;
    QCheckBox m_chkPhrasesFromSrt;
    QGroupBox m_grpPauses;
    QLabel m_stPauseFactor;
    QDoubleSpinBox m_spinPauseFactor;
    QLabel m_stPauseExtra;
    QDoubleSpinBox m_spinPauseExtra;
    QCheckBox m_chkMinPause;
    QDoubleSpinBox m_spinMinPause;
    QCheckBox m_chkMaxPause;
    QDoubleSpinBox m_spinMaxPause;
    QGroupBox m_grpPasses;
    QLabel m_stPasses;
    QComboBox m_cboPasses;
    QLabel m_stTempos;
    CTemposValidator m_temposValidator;
    QLineEdit m_editTempos;
    QLabel m_stTemposReason; // why the tempos are refused, beside them
    QGroupBox m_grpOutput;
    QLabel m_stFormat;
    QComboBox m_cboFormat;
    QLabel m_stBitrate;
    QSpinBox m_spinBitrate;
    QLabel m_stLabels;
    QComboBox m_cboLabels;
    QCheckBox m_chkClips;
    QDialogButtonBox m_buttons;

    // In the option table's order.
    std::vector<NumberOption> m_numbers;
    const NumberOption& NumberControl(OptionId id) const;
};
