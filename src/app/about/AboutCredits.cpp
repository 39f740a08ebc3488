#include "app/about/AboutCredits.h"

#include "app/about/AboutTexts.h"
#include "common/ProgramIdentity.h"

namespace {
// The names the credits give. Only our own team, our users and the libraries the
// program uses today are named: a component joins the list when the code that uses it does.
constexpr QStringView Team = u"The Packwright team";
constexpr QStringView TeamInText = u"the Packwright team";
constexpr QStringView TeamName = u"Packwright";
constexpr QStringView Users = u"Packwright users";
constexpr QStringView BugReporters = u"Packwright bug reporters";
constexpr QStringView BetaTesters = u"Packwright beta testers";
constexpr QStringView DialogPackage = u"Dialogkit";
constexpr QStringView ZipLibrary = u"libzip";
constexpr QStringView ArchiveLibrary = u"libarchive";
constexpr QStringView Toolkit = u"Qt 6 (GNU LGPL v3)";
constexpr QStringView JpegLibrary = u"libjpeg (IJG licence)";
constexpr QStringView RegexLibrary = u"Boost.Regex (Boost Software License 1.0)";
constexpr QStringView GameCopyrightYears = u"2000-2004";
constexpr QStringView GameCopyrightHolder = u"its makers";
constexpr QStringView Signature = u"\u2014 The Packwright team";

const QString HeadingRule = QStringLiteral("------------");
constexpr int EmptyLinesBeforeThanks = 7;

struct Role {
    QStringView RoleKey;
    QStringView Names;
};

constexpr Role Roles[] = {
    {.RoleKey = u"Programming", .Names = Team},
    {.RoleKey = u"Graphics", .Names = Team},
    {.RoleKey = u"Templates", .Names = Team},
};

struct Translation {
    QStringView LanguageKey;
    QStringView Translator;
};

constexpr Translation Translations[] = {
    {.LanguageKey = u"USEnglish", .Translator = Team},
    {.LanguageKey = u"UKEnglish", .Translator = Team},
    {.LanguageKey = u"Czech", .Translator = Users},
    {.LanguageKey = u"Danish", .Translator = Users},
    {.LanguageKey = u"Dutch", .Translator = Users},
    {.LanguageKey = u"Finnish", .Translator = Users},
    {.LanguageKey = u"German", .Translator = Users},
    {.LanguageKey = u"Portuguese", .Translator = Users},
    {.LanguageKey = u"Spanish", .Translator = Users},
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
        credits.Entry({Text(language, role.RoleKey), role.Names.toString()});
    credits.Entry({language.GetString(QStringLiteral("Documentation")),
                   language.GetString(QStringLiteral("NotDoneYet"))});
}

void AddTranslations(CreditsText& credits, const TLanguage& language) {
    credits.Section(language.GetString(QStringLiteral("Translations")));
    for (const Translation& translation : Translations)
        credits.Entry({RequiredMarksText(
            language, {.Key = u"LanguageBy",
                       .Fills = {{u"Language", Text(language, translation.LanguageKey)},
                                 {u"Translator", translation.Translator.toString()}}})});
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
    credits.Entry({RequiredMarksText(language, {.Key = u"MadeBy",
                                                .Fills = {{u"Product", DialogPackage.toString()},
                                                          {u"Author", TeamInText.toString()}}})});
    credits.Entry({RequiredMarksText(
        language, {.Key = u"UsesInfoZip", .Fills = {{u"Name", ZipLibrary.toString()}}})});
    credits.Entry({RequiredMarksText(
        language, {.Key = u"UsesLibarchive", .Fills = {{u"Name", ArchiveLibrary.toString()}}})});
    credits.Entry({JpegLibrary.toString()});
    credits.Entry({RegexLibrary.toString()});
    credits.Entry({RequiredMarksText(
        language, {.Key = u"PExperience", .Fills = {{u"Author", Users.toString()}}})});
}

void AddThanks(CreditsText& credits, const TLanguage& language) {
    const QString vocks = language.GetString(QStringLiteral("Vocks"));
    credits.Section(language.GetString(QStringLiteral("ThanksTo")));
    credits.Entry(
        {RequiredMarksText(language, {.Key = u"ThanksZT",
                                      .Fills = {{u"Name", Users.toString()}, {u"Vocks", vocks}}})});
    credits.Entry({RequiredMarksText(language, {.Key = u"ThanksOrbtech",
                                                .Fills = {{u"Name", BugReporters.toString()},
                                                          {u"URL", ProgramWebsite.toString()}}})});
    credits.Entry({RequiredMarksText(
        language, {.Key = u"ThanksPell",
                   .Fills = {{u"Name", BetaTesters.toString()},
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
                             {u"CopyWho", GameCopyrightHolder.toString()}}})});
}

QStringList ClosingLines(const TLanguage& language) {
    QStringList lines(EmptyLinesBeforeThanks, QString());
    lines << FilledText(language.GetString(QStringLiteral("Thankyou")),
                        {{u"ProdName", language.GetString(QStringLiteral("ProdName"))}})
          << Signature.toString();
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
