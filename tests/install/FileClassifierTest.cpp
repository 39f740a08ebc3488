#include "install/FileClassifier.h"

#include "install/BitmapJudgement.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

#include <QImage>

using namespace Qt::StringLiterals;
using enum ContentKind;

namespace {
constexpr PackFlags NoPacks{};
constexpr PackFlags AllPacks{true, true, true, true, true};
constexpr PackFlags Tevarin{true, false, false, false, false};
constexpr PackFlags Ossery{false, true, false, false, false};
constexpr PackFlags Fennick{false, false, true, false, false};
constexpr PackFlags Glimmet{false, false, false, true, false};
constexpr PackFlags Wendle{false, false, false, false, true};

// The kinds whose lists hold the display name.
QList<ContentKind> KindsHolding(const FileClassifier& classifier, const QString& name) {
    QList<ContentKind> kinds;
    for (const ContentKind kind : InstallKindOrder()) {
        for (const Candidate& candidate : classifier.KindList(kind).Entries())
            if (candidate.DisplayName == name)
                kinds.append(kind);
    }
    return kinds;
}
} // namespace

// Among them every edge of every house-number range, with all packs and with only the pack
// of the range next door, so a range cut short or run long by one number shows.
TEST(FileClassifier, SortsFilesByNameAndPackFlags) {
    struct Case {
        const char* Name;
        PackFlags Packs;
        QList<ContentKind> Kinds;
        bool Handled = true;
    };
    const Case cases[] = {
        {"pack.FAR", NoPacks, {FarFiles}},
        {"HOUSE05.IFF", NoPacks, {Houses}},
        {"house5.iff", NoPacks, {Objects}},
        {"house1a.iff", NoPacks, {Objects}},
        {"chair.iff", NoPacks, {Objects}},
        {"house00.iff", AllPacks, {}},
        {"house01.iff", NoPacks, {Houses}},
        {"house10.iff", NoPacks, {Houses}},
        {"house11.iff", AllPacks, {}},
        {"house20.iff", AllPacks, {}},
        {"house21.iff", Tevarin, {Downtowns}},
        {"house30.iff", Tevarin, {Downtowns}},
        {"house31.iff", AllPacks, {}},
        {"house39.iff", AllPacks, {}},
        {"house40.iff", Ossery, {Islands}},
        {"house48.iff", Ossery, {Islands}},
        {"house49.iff", AllPacks, {}},
        {"house50.iff", Fennick, {Communities}},
        {"house80.iff", Fennick, {Communities}},
        {"house80.iff", Glimmet, {}},
        {"house81.iff", Glimmet, {Studios}},
        {"house81.iff", Fennick, {}},
        {"house89.iff", Glimmet, {Studios}},
        {"house89.iff", Wendle, {}},
        {"house90.iff", Wendle, {MagicAreas}},
        {"house90.iff", Glimmet, {}},
        {"house99.iff", Wendle, {MagicAreas}},
        {"house25.iff", NoPacks, {}},
        {"house95.iff", Tevarin, {}},
        {"B001body.cmx", NoPacks, {RegularSkins}},
        {"mesh1-b001body.skn", NoPacks, {RegularSkins}},
        {"c001ma.cmx", NoPacks, {Heads}},
        {"hat.cmx", NoPacks, {SkinAccessories}},
        {"x001hat.cmx", NoPacks, {SkinAccessories}},
        {"b.cmx", NoPacks, {SkinAccessories}},
        {"f001fa.cmx", Tevarin, {FormalSkins}},
        {"f001fa.cmx", NoPacks, {}},
        {"mesh1-l001.skn", Wendle, {NightSkins}},
        {"w101fa.cmx", Tevarin, {}},
        {"w101fa.cmx", Ossery, {WinterSkins}},
        {"h101fa.cmx", Ossery, {}},
        {"h101fa.cmx", Wendle, {HighFashionSkins}},
        {"walk.cfp", NoPacks, {Animations}},
        {"walk.BCF", NoPacks, {Animations}},
        {"stone.wll", NoPacks, {Walls}},
        {"grass.flr", NoPacks, {Floors}},
        {"family.fam", NoPacks, {Families}},
        {"lot.dtl", Tevarin, {ExpDowntowns}},
        {"lot.mtl", Wendle, {ExpMagicAreas}},
        {"lot.dtl", Ossery, {}, false},
        {"lot.srf", NoPacks, {}, false},
        {"lot.srf", Tevarin, {}},
        {"family.pub", NoPacks, {}},
        {"skin.bmp", NoPacks, {}},
        {"readme.doc", AllPacks, {}, false},
        {"noextension", AllPacks, {}, false},
        {"", AllPacks, {}, false},
    };
    for (const Case& c : cases) {
        const QString path = u"/dl/"_s + QLatin1String(c.Name);
        SCOPED_TRACE(path.toStdString());
        FileClassifier classifier(c.Packs);
        EXPECT_EQ(classifier.CheckFileType(path, path), c.Handled);
        EXPECT_EQ(FileClassifier::IsHandledType(path, c.Packs), c.Handled);
        EXPECT_EQ(KindsHolding(classifier, path), c.Kinds);
        EXPECT_EQ(classifier.HasInstallable(), !c.Kinds.isEmpty());
    }
}

TEST(FileClassifier, CompanionFilesJoinTheirMainFileInEitherOrder) {
    struct Case {
        const char* Name;
        QStringList Names;
        QList<QList<ContentKind>> Kinds; // per name
        QStringList Pool;
    };
    const Case cases[] = {
        {"pub first", {u"a.pub"_s, u"A.fam"_s}, {{Families}, {Families}}, {}},
        {"pub last", {u"a.fam"_s, u"a.pub"_s}, {{Families}, {Families}}, {}},
        {"pub alone", {u"a.pub"_s}, {{}}, {u"a.pub"_s}},
        {"pub of another folder", {u"x/a.pub"_s, u"a.fam"_s}, {{}, {Families}}, {u"x/a.pub"_s}},
        {"srf first", {u"lot.srf"_s, u"lot.dtl"_s}, {{ExpDowntowns}, {ExpDowntowns}}, {}},
        {"srf last, two areas",
         {u"lot.dtl"_s, u"lot.mtl"_s, u"lot.srf"_s},
         {{ExpDowntowns}, {ExpMagicAreas}, {ExpDowntowns, ExpMagicAreas}},
         {}},
        {"srf first goes to the first area only",
         {u"lot.srf"_s, u"lot.mtl"_s, u"lot.dtl"_s},
         {{ExpMagicAreas}, {ExpMagicAreas}, {ExpDowntowns}},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FileClassifier classifier(AllPacks);
        for (const QString& name : c.Names)
            EXPECT_TRUE(classifier.CheckFileType(name, name));
        for (qsizetype i = 0; i < c.Names.size(); ++i)
            EXPECT_EQ(KindsHolding(classifier, c.Names[i]), c.Kinds[i]) << c.Names[i].toStdString();
        QStringList pool;
        for (const Candidate& waiting : classifier.CompanionPool().Entries())
            pool.append(waiting.DisplayName);
        EXPECT_EQ(pool, c.Pool);
    }
}

TEST(JudgeBitmap, SortsBySizeDepthAndLetterCode) {
    using Q = BitmapQuestion;
    struct Case {
        const char* Name;
        QSize Size;
        int Bits;
        PackFlags Packs;
        BitmapVerdict Verdict;
    };
    const Case cases[] = {
        {"b001.bmp", {256, 256}, 8, NoPacks, {Q::None, RegularSkins}},
        {"c001.bmp", {128, 128}, 8, NoPacks, {Q::None, Heads}},
        {"b001.bmp", {128, 128}, 8, NoPacks, {Q::UnknownType, SkinAccessories}},
        {"w101fa.bmp", {256, 256}, 8, Ossery, {Q::None, WinterSkins}},
        {"w101fa.bmp", {256, 256}, 8, Tevarin, {Q::None, std::nullopt}},
        {"b001.bmp", {256, 256}, 24, NoPacks, {Q::Broken, RegularSkins}},
        {"f001.bmp", {256, 256}, 24, NoPacks, {Q::Broken, std::nullopt}},
        {"bx01.bmp", {256, 256}, 4, NoPacks, {Q::UnknownType, SkinAccessories}},
        {"x001.bmp", {256, 256}, 32, NoPacks, {Q::UnknownTypeBroken, SkinAccessories}},
        {"any.bmp", {100, 100}, 24, NoPacks, {Q::UnknownTypeBroken, SkinAccessories}},
        {"any.bmp", {64, 64}, 8, NoPacks, {Q::UnknownType, SkinAccessories}},
        {"roof.bmp", {32, 32}, 24, NoPacks, {Q::None, Roofs}},
        {"b001.bmp", {32, 32}, 1, NoPacks, {Q::None, Roofs}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const BitmapVerdict verdict =
            JudgeBitmap(QLatin1String(c.Name), {.Size = c.Size, .BitsPerPixel = c.Bits}, c.Packs);
        EXPECT_EQ(verdict.Question, c.Verdict.Question);
        EXPECT_EQ(verdict.Kind, c.Verdict.Kind);
    }
}

TEST(FileClassifier, BitmapsAreReadAndTheUserDecidesTheDoubtfulOnes) {
    TempFolder folder;
    const auto bitmap = [&](const QString& name, int side, QImage::Format format) {
        QImage image(side, side, format);
        if (format == QImage::Format_Indexed8)
            image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        image.fill(0);
        const QString path = folder.Path(name);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    };
    const QStringList paths = {
        bitmap(u"b001.bmp"_s, 256, QImage::Format_Indexed8),
        bitmap(u"B002.BMP"_s, 256, QImage::Format_RGB888),
        bitmap(u"hat.bmp"_s, 64, QImage::Format_Indexed8),
        bitmap(u"scarf.bmp"_s, 64, QImage::Format_RGB888),
        folder.Write(u"fake.bmp"_s, "not a bitmap"),
        folder.Write(u"empty.bmp"_s, ""),
    };
    ScriptedInteraction user;
    user.ExpectQuestion(MessageAnswer::No);  // B002.BMP: 24-bit skin
    user.ExpectQuestion(MessageAnswer::Yes); // hat.bmp: accessory
    user.ExpectQuestion(MessageAnswer::No);  // scarf.bmp: 24-bit accessory
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    FileClassifier classifier(NoPacks);
    for (const QString& path : paths)
        EXPECT_TRUE(classifier.CheckFileType(path, path));
    EXPECT_FALSE(classifier.HasInstallable());
    QList<double> shares;
    classifier.ClassifyBitmaps(user, language, [&](double share) { shares.append(share); });

    EXPECT_EQ(KindsHolding(classifier, paths[0]), QList<ContentKind>({RegularSkins}));
    EXPECT_EQ(KindsHolding(classifier, paths[1]), QList<ContentKind>());
    EXPECT_EQ(KindsHolding(classifier, paths[2]), QList<ContentKind>({SkinAccessories}));
    EXPECT_TRUE(classifier.PendingBitmaps().IsEmpty());
    EXPECT_EQ(KindsHolding(classifier, paths[3]), QList<ContentKind>());
    EXPECT_EQ(shares.size(), 6);
    EXPECT_EQ(shares.last(), 1.0);
    const QString broken = u"The file \"%1\" appears to be broken. It cannot be installed."_s;
    EXPECT_EQ(
        user.MessageTexts(),
        QStringList({u"The file \"%1\" seems to be a skin, but it isn't a 256-colour "
                     u"bitmap. Installing this skin may cause The Vocks to crash.\r\n\r\nDo you "
                     u"want to install this skin anyway (not recommended)?"_s.arg(paths[1]),
                     u"The file \"%1\" could not be identified as a skin or roof. Install "
                     u"this file as accessory for skins (e.g. a hat, pipe etc.)?"_s.arg(paths[2]),
                     u"The file \"%1\" could not be identified as a skin or roof. The bitmap "
                     u"also is not a 256-colour bitmap. Installing this file could cause The "
                     u"Vocks to crash.\r\n\r\nInstall this file as accessory for skins (e.g. a "
                     u"hat, pipe etc.) anyway?"_s.arg(paths[3]),
                     broken.arg(paths[4]), broken.arg(paths[5])}));
    // Return keeps out what might crash the game, and takes an unknown 256-colour bitmap.
    const QList<MessageAnswer> defaults = {MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::No,
                                           MessageAnswer::Ok, MessageAnswer::Ok};
    for (qsizetype i = 0; i < defaults.size(); ++i)
        EXPECT_EQ(user.Messages()[i].Default, defaults[i]) << i;
}
