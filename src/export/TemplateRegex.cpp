#include "export/TemplateRegex.h"

#include <boost/regex.hpp>
#include <string>

struct TemplateRegex::Compiled {
    boost::wregex Expression;
};

namespace {
constexpr auto CompileFlags = boost::regex::perl | boost::regex::icase | boost::regex::mod_s;

QString FromWide(std::wstring::const_iterator first, std::wstring::const_iterator last) {
    return QString::fromStdWString(std::wstring(first, last));
}

// Boost reports its limits as regex_error (too complex, out of stack) and may run out of
// memory on huge texts; both end the search rather than the program.
template <typename Work> auto Guarded(Work work) {
    try {
        return work();
    } catch (const boost::regex_error& error) {
        throw ERegexGaveUp(error.what());
    } catch (const std::bad_alloc& error) {
        throw ERegexGaveUp(error.what());
    }
}
} // namespace

TemplateRegex::TemplateRegex(QStringView pattern)
    : FCompiled(std::make_unique<Compiled>(
          Compiled{boost::wregex(pattern.toString().toStdWString(), CompileFlags)})) {}

TemplateRegex::~TemplateRegex() = default;

std::optional<QStringList> TemplateRegex::Search(const QString& text) const {
    const std::wstring wide = text.toStdWString();
    return Guarded([&]() -> std::optional<QStringList> {
        boost::wsmatch match;
        if (!boost::regex_search(wide, match, FCompiled->Expression))
            return std::nullopt;
        QStringList groups;
        groups.reserve(qsizetype(match.size()));
        for (const auto& group : match)
            groups.append(group.matched ? FromWide(group.first, group.second) : QString());
        return groups;
    });
}

bool TemplateRegex::Occurs(const QString& text) const {
    const std::wstring wide = text.toStdWString();
    return Guarded([&] { return boost::regex_search(wide, FCompiled->Expression); });
}

QString TemplateRegex::ReplaceAll(const QString& text, QStringView format,
                                  bool conditionals) const {
    const std::wstring wide = text.toStdWString();
    const std::wstring wideFormat = format.toString().toStdWString();
    const auto flags = conditionals ? boost::format_all : boost::format_default;
    return Guarded([&] {
        return QString::fromStdWString(
            boost::regex_replace(wide, FCompiled->Expression, wideFormat, flags));
    });
}
