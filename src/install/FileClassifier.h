#pragma once

#include "common/ExpansionFlags.h"
#include "install/CandidateList.h"
#include "install/InstallKinds.h"

#include <array>
#include <functional>

class Interaction;
class TLanguage;

// Sorts the files of one intake into the 26 kind lists: by name, and bitmaps by their
// size and depth, asking the user where a bitmap fits no rule.
class FileClassifier {
public:
    explicit FileClassifier(const PackFlags& packs) : FPacks(packs) {}

    // Whether CheckFileType takes a file of this name (a path or a bare name) at all.
    static bool IsHandledType(const QString& path, const PackFlags& packs);

    // Sorts one file by its name into a kind list, PendingBitmaps or CompanionPool;
    // true when its type is handled, even when no list took it.
    bool CheckFileType(const QString& sourcePath, const QString& displayName);

    // Moves every pending bitmap into a kind list or drops it, reporting the share done
    // (0 to 1) after each. False when cancelled stopped it before the next bitmap; the ones
    // not judged then stay pending.
    bool ClassifyBitmaps(Interaction& user, const TLanguage& language,
                         const std::function<void(double)>& progress,
                         const std::function<bool()>& cancelled = {});

    const PackFlags& Packs() const { return FPacks; }
    const CandidateList& KindList(ContentKind kind) const;
    const CandidateList& PendingBitmaps() const { return FPendingBitmaps; }
    const CandidateList& CompanionPool() const { return FCompanionPool; }
    // Set once any candidate reached a kind list.
    bool HasInstallable() const { return FHasInstallable; }

private:
    void Add(ContentKind kind, Candidate candidate);
    void AddMesh(const QString& name, Candidate candidate);
    void AddHouse(const QString& name, Candidate candidate);
    void AddWithCompanion(ContentKind kind, Candidate candidate, QStringView companionExt);
    void AddPublicFile(Candidate candidate);
    void AddAreaSurface(Candidate candidate);
    void ClassifyBitmap(const Candidate& bitmap, Interaction& user, const TLanguage& language);

    PackFlags FPacks;
    std::array<CandidateList, 26> FKindLists;
    CandidateList FPendingBitmaps;
    CandidateList FCompanionPool;
    bool FHasInstallable = false;
};
