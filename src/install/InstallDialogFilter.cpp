#include "install/InstallDialogFilter.h"

#include "language/TLanguage.h"

namespace {
struct FilterPart {
    const char* CaptionKey;
    const char* Masks;
};

constexpr FilterPart Parts[] = {
    {.CaptionKey = "AllSupported",
     .Masks = "|*.zip;*.7z;*.rar;*.tar;*.tar.gz;*.tgz;*.tar.bz2;*.tbz2;*.tar.xz;*.txz;*.far;"
              "*.iff;*.bcf;*.bmf;*.cfp;*.cmf;*.bmp;*.cmx;*.skn;*.flr;*.wll;*.fam;*.pub;*.dtl;"
              "*.vil;*.cmt;*.stl;*.mtl;*.srf|"},
    {.CaptionKey = "ArchiveFiles",
     .Masks = " (*.zip, *.7z, *.rar, *.tar, *.tar.gz, *.tgz, *.tar.bz2, *.tbz2, *.tar.xz, *.txz)"
              "|*.zip;*.7z;*.rar;*.tar;*.tar.gz;*.tgz;*.tar.bz2;*.tbz2;*.tar.xz;*.txz|"},
    {.CaptionKey = "FarArchiveFiles", .Masks = " (*.far)|*.far|"},
    {.CaptionKey = "ObjectFiles", .Masks = " (*.iff)|*.iff|"},
    {.CaptionKey = "AnimationFiles",
     .Masks = " (*.bcf, *.bmf, *.cfp, *.cmf)|*.bcf;*.bmf;*.cfp;*.cmf|"},
    {.CaptionKey = "SkinRoofFiles", .Masks = " (*.bmp)|*.bmp|"},
    {.CaptionKey = "MeshFiles", .Masks = " (*.cmx, *.skn)|*.cmx;*.skn|"},
    {.CaptionKey = "FloorFiles", .Masks = " (*.flr)|*.flr|"},
    {.CaptionKey = "WallFiles", .Masks = " (*.wll)|*.wll|"},
    {.CaptionKey = "HouseFiles", .Masks = " (house??.iff)|house??.iff|"},
    {.CaptionKey = "ExpFamilyFiles", .Masks = " (*.fam, *.pub)|*.fam;*.pub|"},
    {.CaptionKey = "ExpDowntownFiles", .Masks = " (*.dtl, *.srf)|*.dtl;*.srf|"},
    {.CaptionKey = "ExpOsseryFiles", .Masks = " (*.vil, *.srf)|*.vil;*.srf|"},
    {.CaptionKey = "ExpCommunityFiles", .Masks = " (*.cmt, *.srf)|*.cmt;*.srf|"},
    {.CaptionKey = "ExpStudioFiles", .Masks = " (*.stl, *.srf)|*.stl;*.srf|"},
    {.CaptionKey = "ExpMagicFiles", .Masks = " (*.mtl, *.srf)|*.mtl;*.srf|"},
    {.CaptionKey = "AllFiles", .Masks = " (*.*)|*.*"},
};
} // namespace

QString InstallDialogFilter(const TLanguage& language) {
    QString filter;
    for (const FilterPart& part : Parts)
        filter += language.GetString(QLatin1String(part.CaptionKey)) + QLatin1String(part.Masks);
    return filter;
}
