#pragma once

#include <QString>
#include <QStringList>

// The language of the program's texts. German is the language they are
// written in; English comes from the translations compiled in under
// ":/i18n" (one catalog for the core and the command line, one for the
// editor's windows).
namespace language {

enum class Choice { German, English, System };

// The choice as stored in the settings ("de", "en", "system") and back;
// anything else reads as System.
QString toKey(Choice choice);
Choice fromKey(const QString &key);

// English when the first of the desktop's user-interface languages is
// English, German otherwise: German desktops, the C locale and languages
// without a translation.
bool systemPrefersEnglish(const QStringList &uiLanguages);
bool isEnglish(Choice choice);

// Installs the translators for `choice` in the running application and
// removes those of an earlier call. Under German that is Qt's own German
// catalog (standard buttons, the command line's help); under English, our
// English catalogs and none of Qt's. Qt then sends every widget a
// QEvent::LanguageChange.
void apply(Choice choice);
// The same for marbolt-cli, without Qt's own catalogs: its help has always
// been English, and the reasons Qt gives for a failed file operation read
// as they always did, so its German output stays what scripts know.
void applyToCommandLine(Choice choice);

} // namespace language
