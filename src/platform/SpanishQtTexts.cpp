#include "platform/SpanishQtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

SpanishQtTexts::SpanishQtTexts()
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(translator.get()))
        m_translator = std::move(translator);
}

SpanishQtTexts::~SpanishQtTexts()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}
