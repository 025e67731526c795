#include "platform/qt/Translations.h"

#include "platform/Localization.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

// The translations live in a static library: the program must ask for
// them.
static void initTranslationResources() { Q_INIT_RESOURCE(translations); }

namespace ornival {
namespace {

std::unique_ptr<QTranslator> program;
std::unique_ptr<QTranslator> qt;
QString language;

std::string qtLookup(const char* context, const char* english, const char* disambiguation, int count) {
  return QCoreApplication::translate(context, english, disambiguation, count).toStdString();
}

void uninstall(std::unique_ptr<QTranslator>& translator) {
  if (translator)
    QCoreApplication::removeTranslator(translator.get());
  translator.reset();
}

// "de-Latn-CH" as the files name it, "de_Latn_CH"; the loader then also tries
// "de_Latn" and "de".
QString fileLanguage(const QString& uiLanguage) {
  return QString(uiLanguage).replace(QLatin1Char('-'), QLatin1Char('_'));
}

}  // namespace

QString translationsFolder() {
  static const bool registered = (initTranslationResources(), true);
  (void)registered;
  return QStringLiteral(":/i18n");
}

void installTextLookup() { setTextLookup(&qtLookup); }

QString installTranslations(const QStringList& languages, const QString& folder) {
  installTextLookup();
  uninstall(program);
  uninstall(qt);
  language.clear();
  for (const QString& wanted : languages) {
    if (wanted.isEmpty() || wanted == QLatin1String("C"))
      continue;
    auto found = std::make_unique<QTranslator>();
    // "ornival_de_CH", then "ornival_de"; never a bare "ornival".
    const QString prefix = QStringLiteral("ornival_");
    if (!found->load(prefix + fileLanguage(wanted), folder, QStringLiteral("_")))
      continue;
    const QString base = QFileInfo(found->filePath()).completeBaseName();
    if (!base.startsWith(prefix) || base.size() == prefix.size())
      continue;
    // The file found names the language: "ornival_de.qm" for "de-CH".
    language = base.mid(prefix.size());
    QCoreApplication::installTranslator(found.get());
    program = std::move(found);
    auto own = std::make_unique<QTranslator>();
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (own->load(QStringLiteral("qtbase_") + fileLanguage(wanted), qtFolder, QStringLiteral("_"))) {
      QCoreApplication::installTranslator(own.get());
      qt = std::move(own);
    }
    break;
  }
  return language;
}

QString translationLanguage() { return language; }

QString localizedResource(const QString& folder, const QString& name) {
  QString tag = language;
  tag.replace(QLatin1Char('-'), QLatin1Char('_'));
  while (!tag.isEmpty()) {
    const QString path = folder + QLatin1Char('/') + tag + QLatin1Char('/') + name;
    if (QFile::exists(path))
      return path;
    const auto cut = tag.lastIndexOf(QLatin1Char('_'));
    tag = cut > 0 ? tag.left(cut) : QString();
  }
  return folder + QLatin1Char('/') + name;
}

}  // namespace ornival
