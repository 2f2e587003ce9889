#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// The language of the one translation installed at a time; empty while none is.
QString installedLanguage;

bool isEnglish(const QString &language)
{
    return language == QLatin1String("C") || language == QLatin1String("en")
           || language.startsWith(QLatin1String("en_"));
}

} // namespace

Translation::Translation(const QLocale &locale)
{
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (isEnglish(language)) {
            return;
        }
        if (m_program.load(QStringLiteral("morvik_") + language, QStringLiteral(":/i18n"))) {
            QCoreApplication::installTranslator(&m_program);
            installedLanguage = m_program.language();
            // What follows the language, such as the order of the names, follows it too.
            m_previousDefault = QLocale();
            QLocale::setDefault(QLocale(m_program.language()));
            // Qt's own catalogue of the same language, where the system has it installed.
            if (m_qt.load(QStringLiteral("qtbase_") + m_program.language(),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(&m_qt);
            }
            return;
        }
    }
}

Translation::~Translation()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
    if (!m_program.isEmpty()) {
        QLocale::setDefault(m_previousDefault);
        installedLanguage.clear();
    }
}

QString Translation::installed()
{
    return installedLanguage;
}
