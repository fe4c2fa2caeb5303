#include "ui/Settings.h"

#include <QSettings>
#include <QString>

namespace {

QString Key(const char* entry) {
    return QStringLiteral("Settings/") + QString::fromUtf8(entry);
}

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
