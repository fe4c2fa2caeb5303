#include "ui/Settings.h"

#include <QSettings>
#include <QString>
#include <QStringList>

namespace {

QString Key(const char* entry) {
    return QStringLiteral("Settings/") + QString::fromUtf8(entry);
}

const QString OptionsSection = QStringLiteral("Options");

} // namespace

std::string CSettings::GetString(const char* entry) const {
    const QSettings settings;
    return settings.value(Key(entry)).toString().toStdString();
}

void CSettings::WriteString(const char* entry, const std::string& value) {
    QSettings settings;
    settings.setValue(Key(entry), QString::fromStdString(value));
    settings.sync();
}

StoredJobOptions ReadStoredOptions() {
    QSettings settings;
    settings.beginGroup(OptionsSection);
    StoredJobOptions stored;
    // Only the options the window keeps, keyed by their names; anything else is left alone.
    for (const OptionRow& row : OptionRows()) {
        const QString key = QString::fromLatin1(row.name);
        if (row.terminalOnly || !settings.contains(key))
            continue;
        const QVariant value = settings.value(key);
        // What the store makes of a tempo list typed in by hand, without quotes.
        const QString text = value.typeId() == QMetaType::QStringList
                                 ? value.toStringList().join(QLatin1Char(','))
                                 : value.toString();
        stored.emplace_back(row.name, text.toStdString());
    }
    return stored;
}

void WriteStoredOptions(const StoredJobOptions& options) {
    QSettings settings;
    settings.remove(OptionsSection);
    settings.beginGroup(OptionsSection);
    for (const auto& [name, text] : options)
        settings.setValue(QString::fromStdString(name), QString::fromStdString(text));
    settings.endGroup();
    settings.sync();
}
