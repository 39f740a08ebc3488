#include "farpack/FarCandidates.h"

#include "farpack/FarPackChecks.h"
#include "farpack/FarPacking.h"
#include "support/EnglishLanguage.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

#include <QDir>

using namespace Qt::StringLiterals;

void PrintTo(const FarCandidate& candidate, std::ostream* out) {
    *out << int(candidate.Source) << ' ' << candidate.EntryName.toStdString() << ' '
         << candidate.FullPath.toStdString();
}

class FarCandidatesTest : public TempFolderTest {};

// The folders are found in any letter case; sub-folders are listed after their parent's
// files, folders named like objects and other files are left out, and so are the files of a
// folder outside the game folder that a link leads to: packing would move them away.
TEST_F(FarCandidatesTest, ListsObjectFilesOfTheThreeFoldersByEntryName) {
    for (const QString& name :
         {u"Downloads/zed.IFF"_s, u"Downloads/sub/deep/b.iff"_s, u"Downloads/a.iff"_s,
          u"gamedata/userobjects/Sets/lamp.iff"_s, u"gamedata/userobjects/readme.txt"_s,
          u"gamedata/userobjects/folder.iff/inner.iff"_s, u"gamedata/Skins/skin.iff"_s})
        FFolder.Write(u"game/"_s + name, "x");
    FFolder.Write(u"outside/victim.iff"_s, "x");
    ASSERT_TRUE(QFile::link(FFolder.Path(u"outside"_s), FFolder.Path(u"game/Downloads/out"_s)));
    const QString game = FFolder.Path(u"game/"_s);

    const std::vector<FarCandidate> expected = {
        {FarSource::Downloads, u"a.iff"_s, game + u"Downloads/a.iff"_s},
        {FarSource::Downloads, u"sub\\deep\\b.iff"_s, game + u"Downloads/sub/deep/b.iff"_s},
        {FarSource::Downloads, u"zed.IFF"_s, game + u"Downloads/zed.IFF"_s},
        {FarSource::UserObjects, u"folder.iff\\inner.iff"_s,
         game + u"gamedata/userobjects/folder.iff/inner.iff"_s},
        {FarSource::UserObjects, u"Sets\\lamp.iff"_s,
         game + u"gamedata/userobjects/Sets/lamp.iff"_s},
    };
    EXPECT_EQ(FindFarCandidates(game), expected);
    EXPECT_TRUE(FindFarCandidates(FFolder.Path(u"nogame/"_s)).empty());
}

TEST(FarPackedText, OneFileHasItsOwnWordingOnlyWhenALanguageFileGivesIt) {
    EnglishLanguage language;
    EXPECT_EQ(FarPackedText(language, 1, u"C:\\a.far"_s),
              u"1 files packed into FAR file C:\\a.far."_s);
    EXPECT_EQ(FarPackedText(language, 0, u"a.far"_s), u"0 files packed into FAR file a.far."_s);
    language.LoadStrings({u"[Test]"_s, u"FarSingleFilePacked=One in {{FileName}}"_s});
    EXPECT_EQ(FarPackedText(language, 1, u"a.far"_s), u"One in a.far"_s);
    EXPECT_EQ(FarPackedText(language, 2, u"a.far"_s), u"2 files packed into FAR file a.far."_s);
}

// Each row: the archive and backup folder (below the game folder "/g/" unless absolute),
// the answers given to the questions in turn, whether packing goes on, and the language keys
// of the messages shown.
TEST(FarPackChecks, AskInOrderAndStopWhereTheUserOrTheRuleSays) {
    struct Row {
        QString FarFile;
        QString Backup;
        std::vector<MessageAnswer> Answers;
        bool GoesOn;
        QStringList Keys;
    };
    const MessageAnswer Yes = MessageAnswer::Yes;
    const MessageAnswer No = MessageAnswer::No;
    const std::vector<Row> rows = {
        {u"/g/GameData/UserObjects/My.far"_s, u"/b"_s, {}, true, {}},
        {u"/G/gamedata/userobjects/Sets/My.FAR"_s, u"/b"_s, {}, true, {}},
        {u"/g/Downloads/My.zip"_s, u"/b"_s, {No}, false, {u"FarInvalidExtension"_s}},
        {u"/g/Downloads/My"_s, u"/b"_s, {Yes}, true, {u"FarInvalidExtension"_s}},
        {u"/g/My.far"_s, u"/b"_s, {Yes}, true, {u"FarNotInVocks"_s}},
        {u"/g/Downloads.far"_s, u"/b"_s, {No}, false, {u"FarNotInVocks"_s}},
        {u"/x/My.txt"_s, u"/b"_s, {Yes, No}, false, {u"FarInvalidExtension"_s, u"FarNotInVocks"_s}},
        {u"/g/GameData/Objects/objects.FAR"_s, u"/b"_s, {}, false, {u"ObjectsFar"_s}},
        {u"/g/Downloads/My.far"_s, u" "_s, {}, false, {u"NoIFFDir"_s}},
        {u"/g/Downloads/My.far"_s, u"/G/backup"_s, {No}, false, {u"IFFInVocks"_s}},
        {u"/g/Downloads/My.far"_s, u"/g"_s, {Yes}, true, {u"IFFInVocks"_s}},
        {u"/g/Downloads/My.far"_s, u"/gone"_s, {}, true, {}},
    };
    const EnglishLanguage language;
    for (const Row& row : rows) {
        ScriptedInteraction interaction;
        for (MessageAnswer answer : row.Answers)
            interaction.ExpectQuestion(answer);
        const FarPackTarget target{u"/g/"_s, row.FarFile, row.Backup};
        EXPECT_EQ(ConfirmFarPackTarget(target, language, interaction), row.GoesOn)
            << row.FarFile.toStdString();
        QStringList texts;
        for (const QString& key : row.Keys)
            texts.append(language.GetString(key));
        EXPECT_EQ(interaction.MessageTexts(), texts) << row.FarFile.toStdString();
    }
}
