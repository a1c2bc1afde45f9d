#include "core/common/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <memory>
#include <vector>

namespace language {

QString toKey(Choice choice)
{
    switch (choice) {
    case Choice::German:
        return QStringLiteral("de");
    case Choice::English:
        return QStringLiteral("en");
    case Choice::System:
        break;
    }
    return QStringLiteral("system");
}

Choice fromKey(const QString &key)
{
    if (key == QLatin1String("de"))
        return Choice::German;
    if (key == QLatin1String("en"))
        return Choice::English;
    return Choice::System;
}

bool systemPrefersEnglish(const QStringList &uiLanguages)
{
    if (uiLanguages.isEmpty())
        return false;
    // "en", "en-US", "en_GB": the language is what stands before the region.
    const QString &first = uiLanguages.first();
    return first.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ||
           first.startsWith(QLatin1String("en-"), Qt::CaseInsensitive) ||
           first.startsWith(QLatin1String("en_"), Qt::CaseInsensitive);
}

bool isEnglish(Choice choice)
{
    if (choice == Choice::System)
        return systemPrefersEnglish(QLocale::system().uiLanguages());
    return choice == Choice::English;
}

namespace {

void installCatalogs(Choice choice, bool qtCatalogs)
{
    // The translators of the last call. They are children of the
    // application, so that they go with it (QPointer then reads null).
    static std::vector<QPointer<QTranslator>> installed;
    for (const QPointer<QTranslator> &translator : installed) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    installed.clear();

    const auto install = [](std::unique_ptr<QTranslator> translator) {
        if (QCoreApplication::installTranslator(translator.get())) {
            translator->setParent(QCoreApplication::instance());
            installed.emplace_back(translator.release());
        }
    };
    if (isEnglish(choice)) {
        const QDir catalogs(QStringLiteral(":/i18n"));
        for (const QString &name :
             catalogs.entryList({QStringLiteral("*_en.qm")}, QDir::Files, QDir::Name)) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(catalogs.filePath(name)))
                install(std::move(translator));
        }
    } else if (qtCatalogs) {
        auto qtGerman = std::make_unique<QTranslator>();
        if (qtGerman->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            install(std::move(qtGerman));
    }
}

} // namespace

void apply(Choice choice)
{
    installCatalogs(choice, true);
}

void applyToCommandLine(Choice choice)
{
    installCatalogs(choice, false);
}

} // namespace language
