#include "platform/qt/Translations.h"

#include "platform/Localization.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ornival {
namespace {

// A translation of every text under a language's name, in a folder of the
// test's own; the pseudo-translation stands in for a real one.
struct Folder {
  QTemporaryDir dir;
  explicit Folder(const QString& fileName) {
    EXPECT_TRUE(dir.isValid());
    EXPECT_TRUE(QFile::copy(QStringLiteral(ORNIVAL_PSEUDO_QM), dir.filePath(fileName)));
  }
  QString path() const { return dir.path(); }
};

QString qtSave() { return QCoreApplication::translate("QPlatformTheme", "Save"); }

TEST(Translations, TheFirstLanguageWithATranslationIsInstalledWithQtsOwnForIt) {
  int argc = 0;
  QCoreApplication application(argc, nullptr);
  ASSERT_TRUE(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
      << "Qt's own translations are missing (package qt6-translations-l10n)";
  const Folder folder(QStringLiteral("ornival_de.qm"));
  // No French: Swiss German finds the German file, and Qt's German with it.
  EXPECT_EQ(installTranslations({"fr-FR", "de-Latn-CH", "en-US"}, folder.path()), "de");
  EXPECT_EQ(translationLanguage(), "de");
  const std::string undo = localized("Undo", "Change Metalness");
  EXPECT_NE(undo, "Change Metalness");
  EXPECT_EQ(undo.front(), '[');
  EXPECT_EQ(qtSave(), "Speichern");
  // Plural texts are filled in and keep their count.
  EXPECT_NE(localized("Catalogue", "Polygons with %n Edges", nullptr, 7).find('7'), std::string::npos);

  // Installed again for languages it has nothing for: English throughout,
  // Qt's own texts too.
  EXPECT_EQ(installTranslations({"fr-FR", "C"}, folder.path()), "");
  EXPECT_EQ(translationLanguage(), "");
  EXPECT_EQ(localized("Undo", "Change Metalness"), "Change Metalness");
  EXPECT_EQ(qtSave(), "Save");
}

TEST(Translations, TheProgramCarriesItsEnglishSource) {
  int argc = 0;
  QCoreApplication application(argc, nullptr);
  EXPECT_TRUE(QFile::exists(translationsFolder() + "/ornival_en.qm"));
  EXPECT_EQ(installTranslations({"en-GB"}), "en");
  EXPECT_EQ(localized("Undo", "Change Metalness"), "Change Metalness");
  EXPECT_EQ(qtSave(), "Save");
}

// A page in the translation's language where there is one: the regional
// one, then the language's, then the English one.
TEST(Translations, ResourcesFollowTheLanguageInstalled) {
  int argc = 0;
  QCoreApplication application(argc, nullptr);
  QTemporaryDir pages;
  ASSERT_TRUE(pages.isValid());
  const QDir dir(pages.path());
  ASSERT_TRUE(dir.mkpath("de"));
  for (const char* page : {"Help.html", "Privacy.html", "de/Help.html"}) {
    QFile file(dir.filePath(page));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  EXPECT_EQ(localizedResource(pages.path(), "Help.html"), pages.path() + "/Help.html");
  const Folder folder(QStringLiteral("ornival_de_CH.qm"));
  ASSERT_EQ(installTranslations({"de-CH"}, folder.path()), "de_CH");
  EXPECT_EQ(localizedResource(pages.path(), "Help.html"), pages.path() + "/de/Help.html");
  EXPECT_EQ(localizedResource(pages.path(), "Privacy.html"), pages.path() + "/Privacy.html");
  installTranslations({});
  EXPECT_EQ(localizedResource(pages.path(), "Help.html"), pages.path() + "/Help.html");
}

}  // namespace
}  // namespace ornival
