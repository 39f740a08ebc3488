#pragma once

#include <QStringView>

// Fixed facts about the program that texts fill into their marks: the strip's and the
// about box's copyright lines ({{Year}}, {{CopyWho}}) and the web address ({{Website}}).
inline constexpr QStringView ProgramWebsite = u"https://packwright.example.org/";
inline constexpr QStringView ProgramCopyrightYears = u"2025-2026";
inline constexpr QStringView ProgramCopyrightHolder = u"the Packwright team";
