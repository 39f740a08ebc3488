#pragma once

#include <QString>

#include <vector>

// The changes a packing makes to files outside the archive, one step at a time in the order
// they are asked for. A step that would destroy bytes first sets them aside beside their
// file, and only Commit deletes what was set aside: until then UndoAll puts every file back
// where it was, last step first.
class PackSteps {
public:
    PackSteps() = default;
    PackSteps(const PackSteps&) = delete;
    PackSteps& operator=(const PackSteps&) = delete;

    // Keeps a copy of file as it is now (or notes that there is none) before it is rewritten.
    bool KeepOldBytes(const QString& file);
    // Sets aside a file standing at target, then moves source there. False leaves both as
    // they were; a folder at target is never set aside.
    bool Move(const QString& source, const QString& target);
    void UndoAll();
    // The new state is complete: what was set aside goes.
    void Commit();

private:
    enum class StepKind {
        // Path did not exist; Other is empty.
        Created,
        // Path's old bytes are copied to Other; Path may be rewritten.
        Copied,
        // Path's file was renamed to Other, leaving Path free.
        SetAside,
        // The file from Other was moved to Path.
        Moved,
    };
    struct Step {
        StepKind Kind;
        QString Path;
        QString Other;
    };

    bool SetAside(const QString& target);
    void Undo(const Step& step);

    std::vector<Step> FDone;
};
