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

const char* const AnyFormatText =
    QT_TRANSLATE_NOOP("COptionsDlg", "Read &every recording format (MP3, M4A, Opus, FLAC, ...)");

QString TerminalNumber(double value) {
    return QString::number(value); // the C locale's digits, as the terminal takes them
}

QString TerminalTempos(const std::vector<double>& tempos) {
    QStringList texts;
    for (const double tempo : tempos)
        texts << TerminalNumber(tempo);
    return texts.join(QLatin1Char(','));
}

// Where the decimal mark is a comma, tempos are separated by semicolons.
QString ListSeparator(const QLocale& locale) {
    return locale.decimalPoint() == QLatin1String(",") ? QStringLiteral(";") : QStringLiteral(",");
}

QString DetectorName(PauseDetector detector) {
    for (const PauseDetectorName& entry : PauseDetectorNames)
        if (entry.detector == detector)
            return QString::fromLatin1(entry.name);
    return {};
}

QString Name(OptionId id) {
    return QString::fromLatin1(Option(id).name);
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

QString TemposForTerminal(const QString& typed, const QLocale& locale) {
    QString text = typed;
    text.remove(QLatin1Char(' '));
    if (ListSeparator(locale) == QLatin1String(";"))
        text.replace(QLatin1Char(','), QLatin1Char('.'))
            .replace(QLatin1Char(';'), QLatin1Char(','));
    return text;
}

QString TemposForLearner(const QString& terminal, const QLocale& locale) {
    if (ListSeparator(locale) == QLatin1String(","))
        return terminal;
    QString text = terminal;
    return text.replace(QLatin1Char(','), QStringLiteral("; "))
        .replace(QLatin1Char('.'), QLatin1Char(','));
}

QValidator::State CTemposValidator::validate(QString& input, int& /*position*/) const {
    const QString terminal = TemposForTerminal(input, QLocale());
    if (ParseTempos(terminal.toStdString()))
        return Acceptable;
    // Still being typed: numbers so far, none above the fastest tempo, not too many.
    static const QRegularExpression partial(QStringLiteral("^[0-9]*\\.?[0-9]*$"));
    const QStringList tempos = terminal.split(QLatin1Char(','));
    if (std::size_t(tempos.size()) > MaxPasses)
        return Invalid;
    for (const QString& tempo : tempos)
        if (!partial.match(tempo).hasMatch() || tempo.toDouble() > MaxTempo)
            return Invalid;
    return Intermediate;
}

COptionsDlg::COptionsDlg(QWidget* parent)
    : QDialog(parent), m_grpRecordings(tr("Recordings")), m_chkAnyFormat(tr(AnyFormatText)),
      m_chkKeepGoing(tr("Skip &recordings that cannot be read, and go on")),
      m_grpPhrases(tr("Phrases")), m_stDetector(tr("&Detector:")), m_stThreshold(tr("&Threshold:")),
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

    // Each control is named as its option, and bound to it by that name; the check
    // boxes that switch a bound on, and the automatic threshold, add a suffix.
    const std::pair<QWidget*, OptionId> bound[] = {{&m_chkAnyFormat, OptionId::AnyFormat},
                                                   {&m_chkKeepGoing, OptionId::KeepGoing},
                                                   {&m_cboDetector, OptionId::Detector},
                                                   {&m_spinThreshold, OptionId::Threshold},
                                                   {&m_spinMinSilence, OptionId::MinSilence},
                                                   {&m_spinMinPhrase, OptionId::MinPhrase},
                                                   {&m_spinMaxPhrase, OptionId::MaxPhrase},
                                                   {&m_chkPhrasesFromSrt, OptionId::PhrasesFromSrt},
                                                   {&m_spinPauseFactor, OptionId::PauseFactor},
                                                   {&m_spinPauseExtra, OptionId::PauseExtra},
                                                   {&m_spinMinPause, OptionId::MinPause},
                                                   {&m_spinMaxPause, OptionId::MaxPause},
                                                   {&m_editTempos, OptionId::Passes},
                                                   {&m_cboFormat, OptionId::OutputFormat},
                                                   {&m_spinBitrate, OptionId::Bitrate},
                                                   {&m_cboLabels, OptionId::Labels},
                                                   {&m_chkClips, OptionId::Clips}};
    for (const auto& [control, id] : bound)
        control->setObjectName(Name(id));
    m_chkAutoThreshold.setObjectName(Name(OptionId::Threshold) + QStringLiteral("-auto"));
    m_cboPasses.setObjectName(Name(OptionId::Passes) + QStringLiteral("-preset"));
    m_stTemposReason.setObjectName(Name(OptionId::Passes) + QStringLiteral("-reason"));
    const std::pair<QDoubleSpinBox*, QCheckBox*> givens[] = {{&m_spinMinPause, &m_chkMinPause},
                                                             {&m_spinMaxPause, &m_chkMaxPause},
                                                             {&m_spinMaxPhrase, &m_chkMaxPhrase}};
    for (const auto& [box, given] : givens)
        given->setObjectName(box->objectName() + QStringLiteral("-given"));

    // The core's ranges; a low end that is left out gives way to the least step above it.
    for (const auto& [control, id] : bound) {
        auto* box = qobject_cast<QDoubleSpinBox*>(control);
        if (!box)
            continue;
        const OptionRow& row = Option(id);
        const auto given = std::find_if(std::begin(givens), std::end(givens),
                                        [box](const auto& pair) { return pair.first == box; });
        m_numbers.push_back({&row, box, given == std::end(givens) ? nullptr : given->second});
        const int decimals = id == OptionId::Threshold || id == OptionId::MaxPhrase ? 1 : 2;
        box->setDecimals(decimals);
        box->setSingleStep(0.1);
        box->setSuffix(QString::fromUtf8(row.unit));
        const double step = std::pow(10.0, -decimals);
        box->setRange(row.low + (row.lowIncluded ? 0 : step), row.high);
    }

    for (const auto& preset : Presets)
        m_cboPasses.addItem(tr(preset.text), QString::fromLatin1(preset.tempos));
    m_cboPasses.addItem(tr("Custom"));
    m_editTempos.setValidator(&m_temposValidator);
    m_editTempos.setPlaceholderText(
        tr("For example %1").arg(TemposForLearner(QStringLiteral("0.75,1"), QLocale())));
    m_stTemposReason.setWordWrap(true);
    for (const OutputFormatInfo& format : OutputFormats)
        m_cboFormat.addItem(QString::fromLatin1(format.shown), QString::fromLatin1(format.name));
    m_spinBitrate.setSuffix(QString::fromUtf8(Option(OptionId::Bitrate).unit));
    m_cboLabels.addItem(tr("None"), QString());
    for (const LabelFormatInfo& labels : LabelFormats)
        m_cboLabels.addItem(QString::fromLatin1(labels.shown), QString::fromLatin1(labels.name));
    // The first is the default, which is not stored.
    for (const auto& [detector, shown] : {std::pair{PauseDetector::Auto, tr("Automatic")},
                                          {PauseDetector::Level, tr("Level")},
                                          {PauseDetector::Speech, tr("Speech")}})
        m_cboDetector.addItem(shown, DetectorName(detector));
    PlaceControls();

    connect(&m_cboFormat, &QComboBox::currentIndexChanged, this, &COptionsDlg::OnFormatChanged);
    connect(&m_cboDetector, &QComboBox::currentIndexChanged, this, &COptionsDlg::UpdateControls);
    // Reading through FFmpeg turns the default threshold automatic, and back.
    connect(&m_chkAnyFormat, &QCheckBox::toggled, this, [this](bool on) {
        if (ThresholdIsDefault(!on))
            ShowDefaultThreshold(on);
    });
    connect(&m_editTempos, &QLineEdit::textChanged, this, &COptionsDlg::OnTemposEdited);
    connect(&m_cboPasses, &QComboBox::activated, this, [this] {
        const QVariant tempos = m_cboPasses.currentData();
        if (tempos.isValid())
            m_editTempos.setText(TemposForLearner(tempos.toString(), QLocale()));
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

QString COptionsDlg::AnyFormatName() {
    return tr(AnyFormatText).remove(QLatin1Char('&'));
}

void COptionsDlg::PlaceControls() {
    const auto range = [](const QString& text, const OptionRow& r) {
        const QLocale locale;
        return text + QLatin1Char(' ') +
               (r.lowIncluded ? tr("From %1 to %2.") : tr("Above %1, up to %2."))
                   .arg(locale.toString(r.low), locale.toString(r.high));
    };
    Describe(m_chkAnyFormat,
             tr("Reads recordings of every format that FFmpeg's libraries read, mono or stereo. "
                "A source folder then gives all of its recordings."));
    Describe(m_chkKeepGoing,
             tr("A folder's recording that is damaged, in a format that is not read, or that "
                "fails is skipped without a message of its own; one message at the end lists "
                "each, with the reason."));
    Describe(m_spinThreshold,
             range(tr("A sample counts as quiet below this level, in decibels below full scale."),
                   Option(OptionId::Threshold)),
             &m_stThreshold);
    Describe(m_chkAutoThreshold, tr("The quiet level follows each recording's own noise floor "
                                    "and speech level."));
    Describe(m_cboDetector,
             tr("What tells a pause from speech: the level above, a small network that hears "
                "speech over music and noise, or automatically the level where the recording "
                "has clear quiet and the network where not."),
             &m_stDetector);
    Describe(m_spinMinSilence,
             range(tr("How long a quiet stretch must last before a phrase may end, in seconds."),
                   Option(OptionId::MinSilence)),
             &m_stMinSilence);
    Describe(m_spinMinPhrase,
             range(tr("How much audio must follow a pause before the next one, in seconds."),
                   Option(OptionId::MinPhrase)),
             &m_stMinPhrase);
    Describe(m_chkPhrasesFromSrt, tr("Phrases follow the subtitles of the .srt file that has the "
                                     "recording's title, beside it, when there is one."));
    Describe(m_spinPauseFactor,
             range(tr("Each pause lasts this many times the phrase before it."),
                   Option(OptionId::PauseFactor)),
             &m_stPauseFactor);
    Describe(m_spinPauseExtra,
             range(tr("Seconds added to every pause."), Option(OptionId::PauseExtra)),
             &m_stPauseExtra);
    const QString longest = range(tr("A phrase that reaches this length is cut where it is "
                                     "quietest in its last third, in seconds."),
                                  Option(OptionId::MaxPhrase));
    Describe(m_spinMaxPhrase, longest);
    Describe(m_chkMaxPhrase, longest);
    for (const NumberOption& bound :
         {NumberControl(OptionId::MinPause), NumberControl(OptionId::MaxPause)}) {
        const QString tip =
            range(bound.box == &m_spinMinPause ? tr("No pause is shorter than this, in seconds.")
                                               : tr("No pause is longer than this, in seconds."),
                  *bound.range);
        Describe(*bound.box, tip);
        Describe(*bound.given, tip);
    }
    Describe(m_cboPasses, tr("How often each phrase is heard, and how fast."), &m_stPasses);
    const QLocale locale;
    Describe(m_editTempos,
             tr("One tempo for each pass, separated by \"%4\": 1 is as recorded, %5 slower. "
                "At most %1 passes, each from %2 to %3.")
                 .arg(MaxPasses)
                 .arg(locale.toString(MinTempo), locale.toString(MaxTempo), ListSeparator(locale),
                      locale.toString(0.75)),
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
    grid(m_grpRecordings, {{&m_chkAnyFormat}, {&m_chkKeepGoing}});
    grid(m_grpPhrases, {{&m_stDetector, &m_cboDetector},
                        {&m_stThreshold, &m_spinThreshold, &m_chkAutoThreshold},
                        {&m_stMinSilence, &m_spinMinSilence},
                        {&m_stMinPhrase, &m_spinMinPhrase},
                        {&m_chkMaxPhrase, &m_spinMaxPhrase},
                        {&m_chkPhrasesFromSrt}});
    grid(m_grpPauses, {{&m_stPauseFactor, &m_spinPauseFactor},
                       {&m_stPauseExtra, &m_spinPauseExtra},
                       {&m_chkMinPause, &m_spinMinPause},
                       {&m_chkMaxPause, &m_spinMaxPause}});
    grid(m_grpPasses,
         {{&m_stPasses, &m_cboPasses}, {&m_stTempos, &m_editTempos}, {&m_stTemposReason}});
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

const COptionsDlg::NumberOption& COptionsDlg::NumberControl(OptionId id) const {
    return *std::find_if(m_numbers.begin(), m_numbers.end(),
                         [id](const NumberOption& number) { return number.range->id == id; });
}

void COptionsDlg::ShowDefaultThreshold(bool anyFormat) {
    m_chkAutoThreshold.setChecked(anyFormat);
    m_spinThreshold.setValue(*Option(OptionId::Threshold).byDefault);
}

bool COptionsDlg::ThresholdIsDefault(bool anyFormat) const {
    return m_chkAutoThreshold.isChecked() == anyFormat &&
           (anyFormat || m_spinThreshold.value() == *Option(OptionId::Threshold).byDefault);
}

void COptionsDlg::Show(const StoredJobOptions& stored) {
    RestoreDefaults();
    StoredJobOptions taken;
    const JobOptions options = JobOptionsFromStore(stored, &taken);
    ShowDefaultThreshold(options.anyFormat);
    // A level that follows the recording, asked for by name: the level's detector.
    if (options.anyFormat && options.thresholdGiven && options.pauses.autoThreshold &&
        !options.detector)
        m_cboDetector.setCurrentIndex(m_cboDetector.findData(DetectorName(PauseDetector::Level)));
    for (const auto& [name, text] : taken) {
        const QString key = QString::fromStdString(name), value = QString::fromStdString(text);
        if (FindOption(name)->id == OptionId::Threshold) {
            m_chkAutoThreshold.setChecked(text == "auto");
            if (text != "auto")
                m_spinThreshold.setValue(value.toDouble());
        } else if (auto* box = findChild<QDoubleSpinBox*>(key)) {
            box->setValue(value.toDouble());
            if (auto* given = findChild<QCheckBox*>(key + QStringLiteral("-given")))
                given->setChecked(true);
        } else if (auto* check = findChild<QCheckBox*>(key)) {
            check->setChecked(text == "true");
        } else if (auto* edit = findChild<QLineEdit*>(key)) {
            edit->setText(TemposForLearner(value, QLocale()));
        } else if (auto* choice = findChild<QComboBox*>(key)) {
            choice->setCurrentIndex(std::max(0, choice->findData(value)));
        } else if (auto* whole = findChild<QSpinBox*>(key)) {
            whole->setValue(int(value.toDouble()));
        }
    }
    UpdateControls();
}

StoredJobOptions COptionsDlg::Chosen() const {
    StoredJobOptions chosen;
    const bool anyFormat = m_chkAnyFormat.isChecked();
    const OutputFormatInfo* format =
        FindOutputFormat(m_cboFormat.currentData().toString().toStdString());
    // In the option table's order, which the model reads them in; only what is not
    // the default, so that a control turned back off leaves no trace in the store.
    for (const OptionRow& row : OptionRows()) {
        const QString key = QString::fromLatin1(row.name);
        QString text;
        if (row.id == OptionId::Threshold) {
            if (!ThresholdIsDefault(anyFormat))
                text = m_chkAutoThreshold.isChecked() ? QStringLiteral("auto")
                                                      : TerminalNumber(m_spinThreshold.value());
        } else if (row.id == OptionId::Bitrate) {
            if (format && format->defaultKbps != 0 && format->defaultKbps != m_spinBitrate.value())
                text = QString::number(m_spinBitrate.value());
        } else if (const auto* box = findChild<QDoubleSpinBox*>(key)) {
            const auto* given = findChild<QCheckBox*>(key + QStringLiteral("-given"));
            if (given ? given->isChecked() : row.byDefault != box->value())
                text = TerminalNumber(box->value());
        } else if (const auto* check = findChild<QCheckBox*>(key)) {
            if (check->isChecked())
                text = QStringLiteral("true");
        } else if (const auto* edit = findChild<QLineEdit*>(key)) {
            const QString tempos = TemposForTerminal(edit->text(), QLocale());
            const auto parsed = ParseTempos(tempos.toStdString());
            if (!parsed || *parsed != JobOptions().passes)
                text = tempos;
        } else if (const auto* choice = findChild<QComboBox*>(key)) {
            if (choice->currentIndex() > 0)
                text = choice->currentData().toString();
        }
        if (!text.isEmpty())
            chosen.emplace_back(row.name, text.toStdString());
    }
    return chosen;
}

void COptionsDlg::RestoreDefaults() {
    for (QCheckBox* check : findChildren<QCheckBox*>())
        check->setChecked(false);
    for (const NumberOption& number : m_numbers)
        number.box->setValue(number.range->byDefault.value_or(
            number.range->id == OptionId::MaxPause ? number.range->high : number.range->low));
    m_editTempos.setText(TemposForLearner(TerminalTempos(JobOptions().passes), QLocale()));
    for (QComboBox* choice : findChildren<QComboBox*>())
        choice->setCurrentIndex(0);
    OnFormatChanged();
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
    const int preset = m_cboPasses.findData(TemposForTerminal(m_editTempos.text(), QLocale()));
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
                                                        : Option(OptionId::MaxPause).low);
    m_spinMinPause.setMaximum(m_chkMaxPause.isChecked() ? m_spinMaxPause.value()
                                                        : Option(OptionId::MinPause).high);
    // Why the tempos are refused, where they are typed.
    const QLocale locale;
    const bool temposFit =
        ParseTempos(TemposForTerminal(m_editTempos.text(), locale).toStdString()).has_value();
    m_stTemposReason.setText(temposFit
                                 ? QString()
                                 : tr("Needs 1 to %1 tempos from %2 to %3, separated by \"%4\".")
                                       .arg(MaxPasses)
                                       .arg(locale.toString(MinTempo), locale.toString(MaxTempo),
                                            ListSeparator(locale)));
    // OK stores only what the model takes as a whole, as the terminal would.
    JobOptions options;
    bool fits = true;
    for (const auto& [name, text] : Chosen())
        fits = fits && SetJobOption(options, name, text).empty();
    m_buttons.button(QDialogButtonBox::Ok)->setEnabled(fits && CheckJobOptions(options).empty());
}
