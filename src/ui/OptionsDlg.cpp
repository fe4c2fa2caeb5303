#include "ui/OptionsDlg.h"

#include "audio/OutputFormat.h"
#include "ui/Settings.h"

#include <QGridLayout>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// The presets of the tempo list, in the terminal's syntax.
const struct {
    const char* text;
    const char* tempos;
} Presets[] = {
    {QT_TRANSLATE_NOOP("COptionsDlg", "Once (as recorded)"), "1"},
    {QT_TRANSLATE_NOOP("COptionsDlg", "Twice, slower first (0.75, 1)"), "0.75,1"},
    {QT_TRANSLATE_NOOP("COptionsDlg", "Three times"), "1,1,1"},
};

QString Number(double value) {
    return QString::number(value); // the C locale's digits, as the terminal takes them
}

QString Tempos(const std::vector<double>& tempos) {
    QStringList texts;
    for (const double tempo : tempos)
        texts << Number(tempo);
    return texts.join(QLatin1Char(','));
}

// Sets a label's buddy and gives both the same tooltip.
void Describe(QWidget& control, const QString& tip, QLabel* label = nullptr) {
    control.setToolTip(tip);
    if (label) {
        label->setBuddy(&control);
        label->setToolTip(tip);
    }
}

} // namespace

QValidator::State CTemposValidator::validate(QString& input, int& /*position*/) const {
    JobOptions options;
    if (SetJobOption(options, "passes", input.toStdString()).empty())
        return Acceptable;
    // Still being typed: numbers so far, none above the fastest tempo, not too many.
    static const QRegularExpression partial(QStringLiteral("^[0-9]*\\.?[0-9]*$"));
    const QStringList tempos = input.split(QLatin1Char(','));
    if (std::size_t(tempos.size()) > MaxPasses)
        return Invalid;
    for (const QString& tempo : tempos)
        if (!partial.match(tempo).hasMatch() || tempo.toDouble() > MaxTempo)
            return Invalid;
    return Intermediate;
}

COptionsDlg::COptionsDlg(QWidget* parent)
    : QDialog(parent), m_grpRecordings(tr("Recordings")),
      m_chkAnyFormat(tr("Read &every recording format (MP3, M4A, Opus, FLAC, ...)")),
      m_grpPhrases(tr("Phrases")), m_stThreshold(tr("&Threshold:")),
      m_chkAutoThreshold(tr("&Automatic")), m_stMinSilence(tr("Minimum &silence:")),
      m_stMinPhrase(tr("Minimum p&hrase:")), m_chkMaxPhrase(tr("Lon&gest phrase:")),
      m_chkPhrasesFromSrt(tr("Phrases from s&ubtitles (.srt)")), m_grpPauses(tr("Pauses")),
      m_stPauseFactor(tr("Fa&ctor:")), m_stPauseExtra(tr("E&xtra:")),
      m_chkMinPause(tr("Mi&nimum:")), m_chkMaxPause(tr("&Maximum:")), m_grpPasses(tr("Passes")),
      m_stPasses(tr("&Passes:")), m_stTempos(tr("Temp&os:")), m_grpOutput(tr("Output")),
      m_stFormat(tr("&Format:")), m_stBitrate(tr("&Bit rate:")), m_stLabels(tr("&Labels:")),
      m_chkClips(tr("Clips for An&ki")),
      m_buttons(QDialogButtonBox::RestoreDefaults | QDialogButtonBox::Ok |
                QDialogButtonBox::Cancel) {
    setObjectName(QStringLiteral("IDD_OPTIONS"));
    setWindowTitle(tr("Options"));

    const struct {
        const char* name;
        QDoubleSpinBox* box;
        QCheckBox* given;
        int decimals;
        const char* suffix;
    } numbers[] = {
        {"threshold", &m_spinThreshold, nullptr, 1, " dB"},
        {"min-silence", &m_spinMinSilence, nullptr, 2, " s"},
        {"min-phrase", &m_spinMinPhrase, nullptr, 2, " s"},
        {"pause-factor", &m_spinPauseFactor, nullptr, 2, " \u00d7"},
        {"pause-extra", &m_spinPauseExtra, nullptr, 2, " s"},
        {"min-pause", &m_spinMinPause, &m_chkMinPause, 2, " s"},
        {"max-pause", &m_spinMaxPause, &m_chkMaxPause, 2, " s"},
        {"max-phrase", &m_spinMaxPhrase, &m_chkMaxPhrase, 1, " s"},
    };
    // The core's ranges; a low end that is left out gives way to the least step above it.
    for (const auto& number : numbers)
        for (const JobOptionRange& range : JobOptionRanges()) {
            if (std::string_view(range.name) != number.name)
                continue;
            m_numbers.push_back({&range, number.box, number.given});
            number.box->setObjectName(QString::fromLatin1(range.name));
            number.box->setDecimals(number.decimals);
            number.box->setSingleStep(0.1);
            number.box->setSuffix(QString::fromUtf8(number.suffix));
            const double step = std::pow(10.0, -number.decimals);
            number.box->setRange(range.low + (range.lowIncluded ? 0 : step), range.high);
        }

    for (const auto& preset : Presets)
        m_cboPasses.addItem(tr(preset.text), QString::fromLatin1(preset.tempos));
    m_cboPasses.addItem(tr("Custom"));
    m_editTempos.setValidator(&m_temposValidator);
    m_cboFormat.addItem(QStringLiteral("WAV"), QString());
    for (const OutputFormatInfo& format : OutputFormats) {
        const QString name = QString::fromLatin1(format.name);
        m_cboFormat.addItem(
            format.format == OutputFormat::Opus ? QStringLiteral("Opus") : name.toUpper(), name);
    }
    m_spinBitrate.setSuffix(QStringLiteral(" kbit/s"));
    m_cboLabels.addItem(tr("None"), QString());
    for (const auto& [shown, labels] :
         {std::pair{"SRT", "srt"}, {"LRC", "lrc"}, {"Audacity", "audacity"}})
        m_cboLabels.addItem(QString::fromLatin1(shown), QString::fromLatin1(labels));

    const std::pair<QWidget*, const char*> names[] = {{&m_chkAnyFormat, "any-format"},
                                                      {&m_chkAutoThreshold, "threshold-auto"},
                                                      {&m_chkMaxPhrase, "max-phrase-given"},
                                                      {&m_chkPhrasesFromSrt, "phrases-from-srt"},
                                                      {&m_chkMinPause, "min-pause-given"},
                                                      {&m_chkMaxPause, "max-pause-given"},
                                                      {&m_cboPasses, "passes-preset"},
                                                      {&m_editTempos, "passes"},
                                                      {&m_cboFormat, "output-format"},
                                                      {&m_spinBitrate, "bitrate"},
                                                      {&m_cboLabels, "labels"},
                                                      {&m_chkClips, "clips"}};
    for (const auto& [control, name] : names)
        control->setObjectName(QString::fromLatin1(name));
    PlaceControls();

    connect(&m_cboFormat, &QComboBox::currentIndexChanged, this, &COptionsDlg::OnFormatChanged);
    connect(&m_editTempos, &QLineEdit::textChanged, this, &COptionsDlg::OnTemposEdited);
    connect(&m_cboPasses, &QComboBox::activated, this, [this] {
        const QVariant tempos = m_cboPasses.currentData();
        if (tempos.isValid())
            m_editTempos.setText(tempos.toString());
        else
            m_editTempos.setFocus(); // Custom: type them
    });
    for (const QCheckBox* check : findChildren<QCheckBox*>())
        connect(check, &QCheckBox::toggled, this, &COptionsDlg::UpdateControls);
    for (const QDoubleSpinBox* box : findChildren<QDoubleSpinBox*>())
        connect(box, &QDoubleSpinBox::valueChanged, this, &COptionsDlg::UpdateControls);
    connect(&m_buttons, &QDialogButtonBox::accepted, this, &COptionsDlg::accept);
    connect(&m_buttons, &QDialogButtonBox::rejected, this, &COptionsDlg::reject);
    connect(m_buttons.button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            &COptionsDlg::RestoreDefaults);

    Show(ReadStoredOptions());
}

void COptionsDlg::PlaceControls() {
    const auto range = [](const QString& text, const JobOptionRange& r) {
        const QLocale locale;
        return text + QLatin1Char(' ') +
               (r.lowIncluded ? tr("From %1 to %2.") : tr("Above %1, up to %2."))
                   .arg(locale.toString(r.low), locale.toString(r.high));
    };
    Describe(m_chkAnyFormat,
             tr("Reads recordings of every format that FFmpeg's libraries read, mono or stereo. "
                "A source folder then gives all of its recordings."));
    Describe(m_spinThreshold,
             range(tr("A sample counts as quiet below this level, in decibels below full scale."),
                   *m_numbers[0].range),
             &m_stThreshold);
    Describe(m_chkAutoThreshold, tr("The quiet level follows each recording's own noise floor "
                                    "and speech level."));
    Describe(m_spinMinSilence,
             range(tr("How long a quiet stretch must last before a phrase may end, in seconds."),
                   *m_numbers[1].range),
             &m_stMinSilence);
    Describe(m_spinMinPhrase,
             range(tr("How much audio must follow a pause before the next one, in seconds."),
                   *m_numbers[2].range),
             &m_stMinPhrase);
    Describe(m_chkPhrasesFromSrt, tr("Phrases follow the subtitles of the .srt file that has the "
                                     "recording's title, beside it, when there is one."));
    Describe(
        m_spinPauseFactor,
        range(tr("Each pause lasts this many times the phrase before it."), *m_numbers[3].range),
        &m_stPauseFactor);
    Describe(m_spinPauseExtra, range(tr("Seconds added to every pause."), *m_numbers[4].range),
             &m_stPauseExtra);
    const QString longest = range(tr("A phrase that reaches this length is cut where it is "
                                     "quietest in its last third, in seconds."),
                                  *m_numbers[7].range);
    Describe(m_spinMaxPhrase, longest);
    Describe(m_chkMaxPhrase, longest);
    for (const NumberOption& bound : {m_numbers[5], m_numbers[6]}) {
        const QString tip =
            range(bound.box == &m_spinMinPause ? tr("No pause is shorter than this, in seconds.")
                                               : tr("No pause is longer than this, in seconds."),
                  *bound.range);
        Describe(*bound.box, tip);
        Describe(*bound.given, tip);
    }
    Describe(m_cboPasses, tr("How often each phrase is heard, and how fast."), &m_stPasses);
    Describe(m_editTempos,
             tr("One tempo for each pass, separated by commas: 1 is as recorded, 0.75 slower. "
                "At most %1 passes, each from %2 to %3.")
                 .arg(MaxPasses)
                 .arg(Number(MinTempo), Number(MaxTempo)),
             &m_stTempos);
    Describe(m_cboFormat,
             tr("The practice files' format: WAV, lossless FLAC, or MP3 and Opus, which are "
                "small enough for a phone."),
             &m_stFormat);
    const OutputFormatInfo& mp3 = FormatInfo(OutputFormat::Mp3);
    const OutputFormatInfo& opus = FormatInfo(OutputFormat::Opus);
    Describe(m_spinBitrate,
             tr("The bit rate of MP3 files, from %1 to %2 kbit/s, and of Opus files, from %3 to "
                "%4 kbit/s.")
                 .arg(mp3.minKbps)
                 .arg(mp3.maxKbps)
                 .arg(opus.minKbps)
                 .arg(opus.maxKbps),
             &m_stBitrate);
    Describe(m_cboLabels,
             tr("Where each phrase is, in a file beside each practice file: subtitles (SRT), "
                "lyrics (LRC) or Audacity's labels."),
             &m_stLabels);
    Describe(m_chkClips, tr("Each phrase also as a clip of its own, with a list that Anki "
                            "imports as cards."));
    Describe(*m_buttons.button(QDialogButtonBox::Ok), tr("Keeps these options for the next runs."));
    Describe(*m_buttons.button(QDialogButtonBox::Cancel),
             tr("Closes without changing the options."));
    Describe(*m_buttons.button(QDialogButtonBox::RestoreDefaults),
             tr("Every option back to its default: Run then does exactly what it does without "
                "options."));

    // Groups in two columns, each a grid of rows: a label and its control, or one
    // control across; in the order of the keyboard's Tab.
    struct Row {
        QWidget* left;
        QWidget* right = nullptr;
        QWidget* beyond = nullptr;
    };
    const auto grid = [](QGroupBox& group, std::initializer_list<Row> rows) {
        auto* layout = new QGridLayout(&group);
        int row = 0;
        for (const Row& r : rows) {
            layout->addWidget(r.left, row, 0, 1, r.right ? 1 : 3);
            if (r.right)
                layout->addWidget(r.right, row, 1);
            if (r.beyond)
                layout->addWidget(r.beyond, row, 2);
            ++row;
        }
        layout->setRowStretch(row, 1); // rows at the top of a group taller than they need
    };
    grid(m_grpRecordings, {{&m_chkAnyFormat}});
    grid(m_grpPhrases, {{&m_stThreshold, &m_spinThreshold, &m_chkAutoThreshold},
                        {&m_stMinSilence, &m_spinMinSilence},
                        {&m_stMinPhrase, &m_spinMinPhrase},
                        {&m_chkMaxPhrase, &m_spinMaxPhrase},
                        {&m_chkPhrasesFromSrt}});
    grid(m_grpPauses, {{&m_stPauseFactor, &m_spinPauseFactor},
                       {&m_stPauseExtra, &m_spinPauseExtra},
                       {&m_chkMinPause, &m_spinMinPause},
                       {&m_chkMaxPause, &m_spinMaxPause}});
    grid(m_grpPasses, {{&m_stPasses, &m_cboPasses}, {&m_stTempos, &m_editTempos}});
    grid(m_grpOutput, {{&m_stFormat, &m_cboFormat},
                       {&m_stBitrate, &m_spinBitrate},
                       {&m_stLabels, &m_cboLabels},
                       {&m_chkClips}});
    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(&m_grpRecordings, 0, 0, 1, 2);
    layout->addWidget(&m_grpPhrases, 1, 0);
    layout->addWidget(&m_grpPauses, 1, 1);
    layout->addWidget(&m_grpPasses, 2, 0);
    layout->addWidget(&m_grpOutput, 2, 1);
    layout->addWidget(&m_buttons, 3, 0, 1, 2);
}

void COptionsDlg::Show(const StoredJobOptions& stored) {
    RestoreDefaults();
    StoredJobOptions taken;
    JobOptionsFromStore(stored, &taken);
    for (const auto& [name, text] : taken) {
        const QString value = QString::fromStdString(text);
        for (const NumberOption& number : m_numbers)
            if (name == number.range->name && text != "auto") {
                number.box->setValue(value.toDouble());
                if (number.given)
                    number.given->setChecked(true);
            }
        if (name == "threshold" && text == "auto")
            m_chkAutoThreshold.setChecked(true);
        else if (auto* check = findChild<QCheckBox*>(QString::fromStdString(name)))
            check->setChecked(text == "true"); // any-format, clips, phrases-from-srt
        else if (name == "passes")
            m_editTempos.setText(value);
        else if (name == "output-format")
            m_cboFormat.setCurrentIndex(std::max(0, m_cboFormat.findData(value))); // wav: the first
        else if (name == "bitrate")
            m_spinBitrate.setValue(int(value.toDouble()));
        else if (name == "labels")
            m_cboLabels.setCurrentIndex(m_cboLabels.findData(value));
    }
    UpdateControls();
}

StoredJobOptions COptionsDlg::Chosen() const {
    StoredJobOptions chosen;
    const auto add = [&chosen](const char* name, const QString& text) {
        if (!text.isEmpty())
            chosen.emplace_back(name, text.toStdString());
    };
    const auto on = [](const QCheckBox& check) {
        return check.isChecked() ? QStringLiteral("true") : QString();
    };
    // In the order of the option list, which the model reads them in.
    add("any-format", on(m_chkAnyFormat));
    for (const NumberOption& number : m_numbers) {
        const double value = number.box->value();
        if (number.box == &m_spinThreshold && m_chkAutoThreshold.isChecked())
            add(number.range->name, QStringLiteral("auto"));
        else if (number.given ? number.given->isChecked() : number.range->byDefault != value)
            add(number.range->name, Number(value));
    }
    JobOptions tempos;
    if (!SetJobOption(tempos, "passes", m_editTempos.text().toStdString()).empty() ||
        tempos.passes != JobOptions().passes)
        add("passes", m_editTempos.text());
    add("output-format", m_cboFormat.currentData().toString());
    const OutputFormatInfo* format =
        FindOutputFormat(m_cboFormat.currentData().toString().toStdString());
    if (format && format->defaultKbps != 0 && format->defaultKbps != m_spinBitrate.value())
        add("bitrate", QString::number(m_spinBitrate.value()));
    add("labels", m_cboLabels.currentData().toString());
    add("clips", on(m_chkClips));
    add("phrases-from-srt", on(m_chkPhrasesFromSrt));
    return chosen;
}

void COptionsDlg::RestoreDefaults() {
    for (QCheckBox* check : findChildren<QCheckBox*>())
        check->setChecked(false);
    for (const NumberOption& number : m_numbers)
        number.box->setValue(number.range->byDefault.value_or(
            number.box == &m_spinMaxPause ? number.range->high : number.range->low));
    m_editTempos.setText(Tempos(JobOptions().passes));
    m_cboFormat.setCurrentIndex(0);
    OnFormatChanged();
    m_cboLabels.setCurrentIndex(0);
    UpdateControls();
}

void COptionsDlg::accept() {
    WriteStoredOptions(Chosen());
    QDialog::accept();
}

void COptionsDlg::OnFormatChanged() {
    const OutputFormatInfo* format =
        FindOutputFormat(m_cboFormat.currentData().toString().toStdString());
    const bool rated = format && format->defaultKbps != 0;
    m_spinBitrate.setSpecialValueText(rated ? QString() : QStringLiteral("\u2014"));
    m_spinBitrate.setRange(rated ? format->minKbps : 0, rated ? format->maxKbps : 0);
    m_spinBitrate.setValue(rated ? format->defaultKbps : 0);
    m_spinBitrate.setEnabled(rated);
    UpdateControls();
}

void COptionsDlg::OnTemposEdited() {
    const int preset = m_cboPasses.findData(m_editTempos.text());
    m_cboPasses.setCurrentIndex(preset >= 0 ? preset : m_cboPasses.count() - 1);
    UpdateControls();
}

void COptionsDlg::UpdateControls() {
    m_spinThreshold.setEnabled(!m_chkAutoThreshold.isChecked());
    m_spinMinPause.setEnabled(m_chkMinPause.isChecked());
    m_spinMaxPause.setEnabled(m_chkMaxPause.isChecked());
    m_spinMaxPhrase.setEnabled(m_chkMaxPhrase.isChecked());
    // A minimum above the maximum cannot be entered.
    m_spinMaxPause.setMinimum(m_chkMinPause.isChecked() ? m_spinMinPause.value()
                                                        : m_numbers[6].range->low);
    m_spinMinPause.setMaximum(m_chkMaxPause.isChecked() ? m_spinMaxPause.value()
                                                        : m_numbers[5].range->high);
    // OK stores only what the model takes as a whole, as the terminal would.
    JobOptions options;
    bool fits = true;
    for (const auto& [name, text] : Chosen())
        fits = fits && SetJobOption(options, name, text).empty();
    m_buttons.button(QDialogButtonBox::Ok)->setEnabled(fits && CheckJobOptions(options).empty());
}
