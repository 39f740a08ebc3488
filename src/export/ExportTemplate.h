#pragma once

#include <QString>

// A template cut into its parts: the document's head and foot around the lists, each
// list's head and foot around its items, and the three snippets.
struct ExportTemplate {
    QString DocHead;
    QString ListHead;
    QString Item;
    QString ListFoot;
    QString DocFoot;
    QString NoCommentText;
    QString SingleFileWord;
    QString MultiFileWord;
};
