#pragma once
// The version resource of one file, read as texts.
#include "Classes.h"
#include <memory>
#include <string>

// The language half of a string table's name.
enum TLanguage : unsigned char {
  lnArabic,
  lnBulgarian,
  lnCatalan,
  lnTraditionalChinese,
  lnCzech,
  lnDanish,
  lnGerman,
  lnGreek,
  lnUSEnglish,
  lnCastilianSpanish,
  lnFinnish,
  lnFrench,
  lnHebrew,
  lnHungarian,
  lnIcelandic,
  lnItalian,
  lnJapanese,
  lnKorean,
  lnDutch,
  lnNorwegianBokmal,
  lnPolish,
  lnBrazilianPortuguese,
  lnRhaetoRomanic,
  lnRomanian,
  lnRussian,
  lnCroatoSerbian,
  lnSlovak,
  lnAlbanian,
  lnSwedish,
  lnThai,
  lnTurkish,
  lnUrdu,
  lnBahasa,
  lnSimplifiedChinese,
  lnSwissGerman,
  lnUKEnglish,
  lnMexicanSpanish,
  lnBelgianFrench,
  lnSwissItalian,
  lnBelgianDutch,
  lnNorwegianNynorsk,
  lnPortuguese,
  lnSerboCroatian,
  lnCanadianFrench,
  lnSwissFrench
};

// The code-page half of a string table's name.
enum TCharacterSet : unsigned char {
  csASCII,
  csJapan,
  csKorea,
  csTaiwan,
  csUnicode,
  csLatin2,
  csCyrillic,
  csMultilingual,
  csGreek,
  csTurkish,
  csHebrew,
  csArabic
};

// What the last read found; every field is empty when the file has no
// readable version resource.
class TVersionInfo : public TPersistent {
public:
  std::string Comment, CompanyName, FileDescription, FileVersion, InternalName, LegalCopyright,
      LegalTradeMarks, OriginalFileName, PrivateBuild, ProductName, ProductVersion, SpecialBuild,
      FileOS, FileType, FileSubType;
};

// Reads the version resource of FileName (at first the running program) at
// construction and again at every write of FileName, Language or
// CharacterSet, which then calls OnChange. A Language or CharacterSet outside
// its enumeration makes the read throw Exception with an empty message.
class TVersionResource : public TComponent {
public:
  explicit TVersionResource(TComponent* AOwner);
  ~TVersionResource() override;

  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& value);
  TLanguage Language() const { return language_; }
  void SetLanguage(TLanguage value);
  TCharacterSet CharacterSet() const { return characterSet_; }
  void SetCharacterSet(TCharacterSet value);
  TVersionInfo* VersionInfo() const { return versionInfo_.get(); }

  TNotifyEvent OnChange;

  // FileName is worth storing only when it names another file than the
  // running program.
  bool FileNameStored() const { return fileNameStored_; }

private:
  void ReadVersionInfo();
  void Changed();

  bool fileNameStored_ = false;
  std::string fileName_;
  TLanguage language_ = lnUSEnglish;
  TCharacterSet characterSet_ = csMultilingual;
  std::unique_ptr<TVersionInfo> versionInfo_;
};
