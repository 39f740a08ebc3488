#include "app/about/AboutCredits.h"

#include "app/about/AboutTexts.h"
#include "common/ProgramIdentity.h"

namespace {
// Who the credits name. Only our own team, our users and the libraries the program uses
// today are named: a component joins the list when the code that uses it does. The groups
// of people are words of the language, so they come from the language table.
constexpr QStringView TeamKey = u"CreditsTeam";
constexpr QStringView TeamInTextKey = u"CreditsTeamInText";
constexpr QStringView TeamName = u"Packwright";
constexpr QStringView UsersKey = u"CreditsUsers";
constexpr QStringView BugReportersKey = u"CreditsBugReporters";
constexpr QStringView BetaTestersKey = u"CreditsBetaTesters";
constexpr QStringView DialogPackage = u"Dialogkit";
constexpr QStringView ZipLibrary = u"libzip";
constexpr QStringView ArchiveLibrary = u"libarchive";
constexpr QStringView Toolkit = u"Qt 6 (GNU LGPL v3)";
constexpr QStringView JpegLibrary = u"libjpeg (IJG licence)";
constexpr QStringView RegexLibrary = u"Boost.Regex (Boost Software License 1.0)";
constexpr QStringView HashLibrary = u"OpenSSL libcrypto (Apache License 2.0)";
constexpr QStringView GameCopyrightYears = u"2000-2004";
constexpr QStringView GameCopyrightHolderKey = u"VocksMakers";

const QString HeadingRule = QStringLiteral("------------");
constexpr int EmptyLinesBeforeThanks = 7;

struct Role {
    QStringView RoleKey;
    QStringView NamesKey;
};

constexpr Role Roles[] = {
    {.RoleKey = u"Programming", .NamesKey = TeamKey},
    {.RoleKey = u"Graphics", .NamesKey = TeamKey},
    {.RoleKey = u"Templates", .NamesKey = TeamKey},
};

struct Translation {
    QStringView LanguageKey;
    QStringView TranslatorKey;
};

constexpr Translation Translations[] = {
    {.LanguageKey = u"USEnglish", .TranslatorKey = TeamKey},
    {.LanguageKey = u"UKEnglish", .TranslatorKey = TeamKey},
    {.LanguageKey = u"Czech", .TranslatorKey = UsersKey},
    {.LanguageKey = u"Danish", .TranslatorKey = UsersKey},
    {.LanguageKey = u"Dutch", .TranslatorKey = UsersKey},
    {.LanguageKey = u"Finnish", .TranslatorKey = UsersKey},
    {.LanguageKey = u"German", .TranslatorKey = UsersKey},
    {.LanguageKey = u"Portuguese", .TranslatorKey = UsersKey},
    {.LanguageKey = u"Spanish", .TranslatorKey = UsersKey},
};

// Sections under framed headings, each entry after an empty line.
class CreditsText {
public:
    void Section(const QString& heading) {
        if (!FLines.isEmpty())
            FLines.append(QString());
        FLines << HeadingRule << heading << HeadingRule;
    }
    void Entry(const QStringList& lines) {
        FLines.append(QString());
        FLines << lines;
    }
    QStringList Lines() const { return FLines; }

private:
    QStringList FLines;
};

QString Text(const TLanguage& language, QStringView key) {
    return language.GetString(key.toString());
}

void AddPeople(CreditsText& credits, const TLanguage& language) {
    credits.Section(language.GetString(QStringLiteral("Credits")));
    for (const Role& role : Roles)
        credits.Entry({Text(language, role.RoleKey), Text(language, role.NamesKey)});
    credits.Entry({language.GetString(QStringLiteral("Documentation")),
                   language.GetString(QStringLiteral("NotDoneYet"))});
}

void AddTranslations(CreditsText& credits, const TLanguage& language) {
    credits.Section(language.GetString(QStringLiteral("Translations")));
    for (const Translation& translation : Translations)
        credits.Entry({RequiredMarksText(
            language, {.Key = u"LanguageBy",
                       .Fills = {{u"Language", Text(language, translation.LanguageKey)},
                                 {u"Translator", Text(language, translation.TranslatorKey)}}})});
}

void AddTesting(CreditsText& credits, const TLanguage& language) {
    credits.Section(language.GetString(QStringLiteral("Testing")));
    credits.Entry(
        {RequiredMarksText(language, {.Key = u"Team", .Fills = {{u"Name", TeamName.toString()}}})});
    credits.Entry({language.GetString(QStringLiteral("BetaUsers"))});
}

void AddTools(CreditsText& credits, const TLanguage& language) {
    credits.Section(language.GetString(QStringLiteral("MadeUsing")));
    credits.Entry({Toolkit.toString()});
    credits.Entry(
        {RequiredMarksText(language, {.Key = u"MadeBy",
                                      .Fills = {{u"Product", DialogPackage.toString()},
                                                {u"Author", Text(language, TeamInTextKey)}}})});
    credits.Entry({RequiredMarksText(
        language, {.Key = u"UsesInfoZip", .Fills = {{u"Name", ZipLibrary.toString()}}})});
    credits.Entry({RequiredMarksText(
        language, {.Key = u"UsesLibarchive", .Fills = {{u"Name", ArchiveLibrary.toString()}}})});
    credits.Entry({JpegLibrary.toString()});
    credits.Entry({RegexLibrary.toString()});
    credits.Entry({HashLibrary.toString()});
    credits.Entry({RequiredMarksText(
        language, {.Key = u"PExperience", .Fills = {{u"Author", Text(language, UsersKey)}}})});
}

void AddThanks(CreditsText& credits, const TLanguage& language) {
    const QString vocks = language.GetString(QStringLiteral("Vocks"));
    credits.Section(language.GetString(QStringLiteral("ThanksTo")));
    credits.Entry({RequiredMarksText(
        language,
        {.Key = u"ThanksZT", .Fills = {{u"Name", Text(language, UsersKey)}, {u"Vocks", vocks}}})});
    credits.Entry(
        {RequiredMarksText(language, {.Key = u"ThanksOrbtech",
                                      .Fills = {{u"Name", Text(language, BugReportersKey)},
                                                {u"URL", ProgramWebsite.toString()}}})});
    credits.Entry({RequiredMarksText(
        language, {.Key = u"ThanksPell",
                   .Fills = {{u"Name", Text(language, BetaTestersKey)},
                             {u"Product", language.GetString(QStringLiteral("ProdName"))}}})});
    credits.Entry({language.GetString(QStringLiteral("ThanksBugReporters"))});
    credits.Entry({language.GetString(QStringLiteral("ThanksUser"))});
}

void AddCopyrights(CreditsText& credits, const TLanguage& language) {
    credits.Section(language.GetString(QStringLiteral("Copyrights")));
    credits.Entry({RequiredMarksText(
        language, {.Key = u"FullCopyright",
                   .Fills = {{u"ProdFullName", language.GetString(QStringLiteral("ProdFullName"))},
                             {u"Year", ProgramCopyrightYears.toString()},
                             {u"CopyWho", ProgramCopyrightHolder.toString()}}})});
    credits.Entry({RequiredMarksText(
        language, {.Key = u"VocksCopyright",
                   .Fills = {{u"Vocks", language.GetString(QStringLiteral("Vocks"))},
                             {u"Year", GameCopyrightYears.toString()},
                             {u"CopyWho", Text(language, GameCopyrightHolderKey)}}})});
}

QStringList ClosingLines(const TLanguage& language) {
    QStringList lines(EmptyLinesBeforeThanks, QString());
    lines << FilledText(language.GetString(QStringLiteral("Thankyou")),
                        {{u"ProdName", language.GetString(QStringLiteral("ProdName"))}})
          << QStringLiteral("\u2014 ") + Text(language, TeamKey);
    return lines;
}
} // namespace

QStringList CreditsLines(const TLanguage& language) {
    CreditsText credits;
    AddPeople(credits, language);
    AddTranslations(credits, language);
    AddTesting(credits, language);
    AddTools(credits, language);
    AddThanks(credits, language);
    AddCopyrights(credits, language);
    return credits.Lines() + ClosingLines(language);
}

int CreditsRestPosition(int scrollLength, int componentHeight) {
    constexpr int Margin = 45;
    return scrollLength - componentHeight / 2 - Margin;
}
