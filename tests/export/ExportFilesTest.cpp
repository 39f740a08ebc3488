#include "export/ExportFiles.h"

#include "common/PackwrightError.h"
#include "export/ExportTextWriter.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using ExportFiles = TempFolderTest;

TEST_F(ExportFiles, TemplateLinesJoinWithCrLfTrimmedOfControlsWhateverTheEncoding) {
    // Not UTF-8 (a Windows-1252 é), NUL and other controls at both ends, mixed line breaks.
    const QString path = FFolder.Write(u"t.html"_s, "\x00\x01 <p>caf\xe9</p>\nline\r\n\n\t\x1a"_ba);
    EXPECT_EQ(ReadTemplateFile(path), u"<p>caf\u00e9</p>\r\nline"_s);
    EXPECT_THROW(ReadTemplateFile(FFolder.Path(u"missing.html"_s)), EPackwrightError);
}

// Trimmed UTF-8 lines, those that end in CR LF already and single CRs or LFs among them, each
// ended by CR LF; nothing is left where the folder is missing.
TEST_F(ExportFiles, WritesTrimmedUtf8LinesEveryOneEndedByCrLf) {
    const struct {
        QString Document;
        QByteArray Written;
    } cases[] = {
        {u"\n  <p>Zo\u00eb</p>\nend\r\n\t"_s, "<p>Zo\xc3\xab</p>\r\nend\r\n"_ba},
        {u" \r\n<p>a</p>\r\n\r\nend\r\n"_s, "<p>a</p>\r\n\r\nend\r\n"_ba},
        {u"a\rb\r\nc"_s, "a\r\nb\r\nc\r\n"_ba},
        {u"a\r\nb\nc"_s, "a\r\nb\r\nc\r\n"_ba},
        {u"\r\n\t"_s, ""_ba},
    };
    const QString path = FFolder.Write(u"files.html"_s, "older list"_ba);
    for (const auto& test : cases) {
        WriteExportFile(path, test.Document);
        EXPECT_EQ(FFolder.Read(u"files.html"_s), test.Written) << test.Document.toStdString();
    }
    EXPECT_THROW(WriteExportFile(FFolder.Path(u"none/files.html"_s), u"x"_s), EPackwrightError);
    EXPECT_EQ(FFolder.Contents(), QStringList{u"files.html"_s});
}

// Text given in pieces is written as the whole text would be: a CR LF cut between two
// pieces ends one line, blanks are trimmed only where no text follows them.
TEST_F(ExportFiles, TextGivenInPiecesIsWrittenAsOneText) {
    const struct {
        QStringList Pieces;
        QByteArray Written;
    } cases[] = {
        {{u" \r"_s, u"\na\r"_s, u"\nb\r"_s, u"\n"_s, u"\t"_s}, "a\r\nb\r\n"_ba},
        {{u"a\r"_s, u""_s, u"b"_s}, "a\r\nb\r\n"_ba},
        {{u"a \r"_s, u" "_s, u"\n\nb"_s}, "a \r\n \r\n\r\nb\r\n"_ba},
        {{u"\n"_s, u" "_s}, ""_ba},
    };
    const QString path = FFolder.Path(u"files.txt"_s);
    for (const auto& test : cases) {
        ExportTextWriter writer(path, OutputEncoding());
        for (const QString& piece : test.Pieces)
            writer.Append(piece);
        writer.Commit();
        EXPECT_EQ(FFolder.Read(u"files.txt"_s), test.Written)
            << test.Pieces.join(u'|').toStdString();
    }
}
