#include "export/ExportListKinds.h"

namespace {
constexpr ExportListKind Kinds[] = {
    {.Kind = ContentKind::Objects, .TitleKey = u"Objects"},
    {.Kind = ContentKind::Walls, .TitleKey = u"Walls"},
    {.Kind = ContentKind::Floors, .TitleKey = u"Floors"},
    {.Kind = ContentKind::Roofs, .TitleKey = u"Roofs"},
    {.Kind = ContentKind::Animations, .TitleKey = u"Animations"},
    {.Kind = ContentKind::FarFiles, .TitleKey = u"FARs"},
    {.Kind = ContentKind::RegularSkins, .TitleKey = u"Skins"},
    {.Kind = ContentKind::Heads, .TitleKey = u"Heads"},
    {.Kind = ContentKind::FormalSkins, .TitleKey = u"Formals"},
    {.Kind = ContentKind::NightSkins, .TitleKey = u"Pyjamas"},
    {.Kind = ContentKind::SwimmingSkins, .TitleKey = u"Swimsuits"},
    {.Kind = ContentKind::WinterSkins, .TitleKey = u"Winters"},
    {.Kind = ContentKind::HighFashionSkins, .TitleKey = u"Fashions"},
    {.Kind = ContentKind::SkinAccessories, .TitleKey = u"Accessories"},
    // Houses, areas and exported families and lots: only those the program installed.
    {.Kind = ContentKind::Houses, .TitleKey = u"Houses"},
    {.Kind = ContentKind::Downtowns, .TitleKey = u"Downtowns"},
    {.Kind = ContentKind::Islands, .TitleKey = u"Osserys"},
    {.Kind = ContentKind::Communities, .TitleKey = u"Communities"},
    {.Kind = ContentKind::Studios, .TitleKey = u"StudioTowns"},
    {.Kind = ContentKind::MagicAreas, .TitleKey = u"MagicTowns"},
    {.Kind = ContentKind::Families, .TitleKey = u"ExpFamilies"},
    {.Kind = ContentKind::ExpDowntowns, .TitleKey = u"ExpDowntowns"},
    {.Kind = ContentKind::ExpIslands, .TitleKey = u"ExpOsserys"},
    {.Kind = ContentKind::ExpCommunities, .TitleKey = u"ExpCommunities"},
    {.Kind = ContentKind::ExpStudios, .TitleKey = u"ExpStudios"},
    {.Kind = ContentKind::ExpMagicAreas, .TitleKey = u"ExpMagics"},
};

bool IsExportable(ContentKind kind) {
    for (const ExportListKind& known : Kinds)
        if (known.Kind == kind)
            return true;
    return false;
}
} // namespace

std::span<const ExportListKind> ExportListKinds() {
    return Kinds;
}

QList<ContentKind> ParseListSelection(const QString& selection) {
    QList<ContentKind> kinds;
    if (selection.trimmed().isEmpty()) {
        for (const ExportListKind& known : Kinds)
            kinds.append(known.Kind);
        return kinds;
    }
    for (const QString& code : selection.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        bool isNumber = false;
        const std::optional<ContentKind> kind =
            ContentKindFromValue(code.trimmed().toInt(&isNumber));
        if (isNumber && kind && IsExportable(*kind) && !kinds.contains(*kind))
            kinds.append(*kind);
    }
    return kinds;
}

QString FormatListSelection(const QList<ContentKind>& kinds) {
    QString selection;
    for (const ContentKind kind : kinds)
        selection += QString::number(ContentKindValue(kind)) + QLatin1Char(';');
    return selection;
}

QList<ContentKind> AvailableListKinds(const QList<ContentKind>& exported) {
    QList<ContentKind> available;
    for (const ExportListKind& known : Kinds)
        if (!exported.contains(known.Kind))
            available.append(known.Kind);
    return available;
}
