// The language the program speaks: English, the tables' own, or one it has a
// translation for. The choice is the user's (Options > Language..., --language,
// LANGUAGE), else the system's; the GUI remembers it in "Options/Language".
#pragma once

#include <QList>
#include <QString>

struct ProgramLanguage {
    QString code;       // "en", "de", "fr", "es"
    QString nativeName; // as its speakers write it: "Deutsch"
};

// English first, then the translations the program carries.
QList<ProgramLanguage> ProgramLanguages();

// The language code for a request such as "de", "de_DE.UTF-8" or "fr:en" (the
// first of a list the program speaks); empty when it speaks none of them.
QString LanguageFor(const QString& request);

// The language to use: `request` when the program speaks it, else the stored
// choice, else the system's first language the program speaks, else English.
QString ChooseLanguage(const QString& request);

// The system's first language the program speaks, else English.
QString ChooseLanguageOfSystem();

// The stored choice; empty means the system's language.
QString StoredLanguage();
void StoreLanguage(const QString& code);

// Puts the program into `code`: the translations of our texts and of Qt's own
// (its standard buttons and dialogs) are loaded into the application, and the
// string table is translated from now on. Numbers in printf-style output stay
// in the C locale's form whatever the system's locale. Call once, after the
// application object exists.
void InstallLanguage(const QString& code);

// The language installed, "en" before any.
QString InstalledLanguage();
