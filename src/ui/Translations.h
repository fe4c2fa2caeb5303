#pragma once

#include "audio/Translation.h"

#include <QString>
#include <QStringList>
#include <QTranslator>

// The program's catalogue for the first of the user's languages that it has,
// and Qt's own catalogue for the same language, installed for the life of the
// object. English, the language of the source texts, loads nothing. The job's
// texts are translated through the same catalogue.
class CTranslations {
public:
    // languages: in the user's order of preference, as QLocale::uiLanguages gives them.
    explicit CTranslations(const QStringList& languages);
    ~CTranslations();
    CTranslations(const CTranslations&) = delete;
    CTranslations& operator=(const CTranslations&) = delete;

    // The loaded catalogue's language (such as "de" or "pt_BR"); empty when none is.
    QString Language() const;

private:
    QTranslator m_brellow;
    QTranslator m_qt;
    Translator m_previous;
};
