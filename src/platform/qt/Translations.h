#pragma once

#include <QString>
#include <QStringList>

namespace ornival {

// Where the program keeps its translations, one ornival_<language>.qm each.
QString translationsFolder();

// Installs the program's translation for the first of `languages` (most
// wanted first, as QLocale::uiLanguages gives them) that it has one for, with
// Qt's own for the same language, so that a window never mixes two languages;
// and routes the core's texts through Qt's translation. Gives the language
// installed, empty when none fits: the texts then stay English. Called again
// it replaces what it installed. Main thread, once the application object
// exists.
QString installTranslations(const QStringList& languages, const QString& folder = translationsFolder());

// Routes the core's localized() through QCoreApplication::translate, so that
// it finds whatever translations are installed.
void installTextLookup();

// The language of the program's translation installed, empty for none.
QString translationLanguage();

// The resource `name` of `folder` in the installed translation's language
// ("<folder>/de_CH/<name>", then "<folder>/de/<name>"), else the English one
// ("<folder>/<name>").
QString localizedResource(const QString& folder, const QString& name);

}  // namespace ornival
