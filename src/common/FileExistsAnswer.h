#pragma once

// What to do with a file that is about to be written over an existing one. The values are
// the codes the settings store; Ask means the question is put to the user each time.
enum class FileExistsAnswer {
    Ask = -1,
    Skip = 0,
    SkipAll = 1,
    Rename = 2,
    Overwrite = 3,
    OverwriteAll = 4,
};
