#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <utility>

namespace {

// An installed copy (next to the program's share folder) wins over the one
// built into the program, so that a corrected catalogue can be dropped in.
QStringList CatalogueFolders() {
    return {QCoreApplication::applicationDirPath() +
                QStringLiteral("/../" BRELLOW_TRANSLATIONS_DIR),
            QStringLiteral(":/i18n")};
}

bool LoadCatalogue(QTranslator& translator, const QLocale& locale) {
    for (const QString& folder : CatalogueFolders())
        if (translator.load(locale, QStringLiteral("brellow"), QStringLiteral("_"), folder))
            return true;
    return false;
}

} // namespace

CTranslations::CTranslations(const QStringList& languages) {
    m_previous = SetTranslator([](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    });
    for (const QString& name : languages) {
        const QLocale locale(name);
        // The source texts are English; a name QLocale does not know reads as
        // C too, and the next preference may still be one we have.
        if (locale.language() == QLocale::English || name == QLatin1String("C"))
            return;
        if (locale.language() != QLocale::C && LoadCatalogue(m_brellow, locale))
            break;
    }
    if (m_brellow.isEmpty())
        return;
    QCoreApplication::installTranslator(&m_brellow);
    // Qt's own texts (standard buttons, file dialogs) in the same language.
    if (m_qt.load(QLocale(m_brellow.language()), QStringLiteral("qt"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

CTranslations::~CTranslations() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_brellow);
    SetTranslator(std::move(m_previous));
}

QString CTranslations::Language() const {
    return m_brellow.isEmpty() ? QString() : m_brellow.language();
}
