#include "FakeFileSystem.h"

#include <stdexcept>

namespace porutena {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// The product's own text helpers stay out of here, so a fault in them cannot hide in the fake.
// The tests name files in ASCII and full-width characters only: a byte above 0x7F begins a
// two-byte character.
std::size_t NextBackslash(std::string_view path, std::size_t from) {
    for (std::size_t i = from; i < path.size(); ++i) {
        if (path[i] == '\\')
            return i;
        if (static_cast<unsigned char>(path[i]) > 0x7F)
            ++i;
    }
    return npos;
}

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII letters without regard to case, `*` any run, `?` any one byte: what the tests search for.
bool Matches(std::string_view pattern, std::string_view name) {
    if (pattern.empty())
        return name.empty();
    if (pattern[0] == '*')
        return Matches(pattern.substr(1), name) ||
               (!name.empty() && Matches(pattern, name.substr(1)));
    return !name.empty() && (pattern[0] == '?' || Fold(pattern[0]) == Fold(name[0])) &&
           Matches(pattern.substr(1), name.substr(1));
}

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':';
}

// Splits an absolute name into its root and the components after it ("" stays a component).
bool SplitAbsolute(std::string_view path, std::string_view& root,
                   std::vector<std::string_view>& components) {
    std::size_t rest = 0;
    if (HasDrive(path) && path.size() >= 3 && path[2] == '\\') {
        root = path.substr(0, 2);
        rest = 3;
    } else if (path.starts_with("\\\\")) {
        const std::size_t serverEnd = NextBackslash(path, 2);
        if (serverEnd == npos)
            return false;
        const std::size_t shareEnd = NextBackslash(path, serverEnd + 1);
        root = path.substr(0, shareEnd);
        rest = shareEnd == npos ? path.size() : shareEnd + 1;
    } else {
        return false;
    }
    components.clear();
    for (;;) {
        const std::size_t end = NextBackslash(path, rest);
        components.push_back(path.substr(rest, end == npos ? npos : end - rest));
        if (end == npos)
            return true;
        rest = end + 1;
    }
}

// Case-insensitive equality: a pattern without wildcards matches only its own name.
bool SameName(std::string_view a, std::string_view b) {
    return a.find_first_of("*?") == npos && Matches(a, b);
}

} // namespace

void TFakeFileSystem::Add(std::string_view path) {
    std::string_view root;
    std::vector<std::string_view> components;
    if (!SplitAbsolute(path, root, components))
        throw std::invalid_argument("not an absolute name");
    components.insert(components.begin(), root);

    std::vector<TNode>* entries = &FRoots;
    for (const std::string_view spelled : components) {
        const std::size_t bar = spelled.find('|');
        const std::string_view longName = spelled.substr(0, bar);
        const std::string_view shortName = bar == npos ? "" : spelled.substr(bar + 1);
        TNode* node = nullptr;
        for (TNode& entry : *entries)
            if (entry.LongName == longName)
                node = &entry;
        if (!node) {
            entries->push_back({std::string(longName), std::string(shortName), {}});
            node = &entries->back();
        }
        entries = &node->Children;
    }
}

void TFakeFileSystem::SetCurrentDirectory(std::string_view path) {
    FCurrentDirectory = path;
}

std::string TFakeFileSystem::Absolute(std::string_view path) const {
    if (HasDrive(path) && (path.size() == 2 || path[2] != '\\')) {
        // Drive-relative: the current directory on its own drive, the root on any other.
        const std::string base = SameName(path.substr(0, 2), FCurrentDirectory.substr(0, 2))
                                     ? FCurrentDirectory
                                     : std::string(path.substr(0, 2));
        return base + "\\" + std::string(path.substr(2));
    }
    if (HasDrive(path) || path.starts_with("\\\\"))
        return std::string(path);
    if (path.starts_with("\\"))
        return FCurrentDirectory.substr(0, 2) + std::string(path);
    return FCurrentDirectory + "\\" + std::string(path);
}

std::optional<TFoundEntry> TFakeFileSystem::Find(const std::string& path) const {
    FSearches.push_back(path);

    std::string_view root;
    std::vector<std::string_view> components;
    const std::string absolute = Absolute(path);
    if (!SplitAbsolute(absolute, root, components))
        return std::nullopt;

    const TNode* rootNode = nullptr;
    for (const TNode& entry : FRoots)
        if (SameName(root, entry.LongName))
            rootNode = &entry;
    if (!rootNode)
        return std::nullopt;

    std::vector<const TNode*> trail{rootNode};
    for (std::size_t i = 0; i + 1 < components.size(); ++i) {
        const std::string_view component = components[i];
        if (component == "..") {
            if (trail.size() > 1)
                trail.pop_back();
            continue;
        }
        if (component == ".")
            continue;
        const TNode* next = nullptr;
        for (const TNode& child : trail.back()->Children)
            if (!next && (SameName(component, child.LongName) ||
                          (!child.ShortName.empty() && SameName(component, child.ShortName))))
                next = &child;
        if (!next)
            return std::nullopt;
        trail.push_back(next);
    }

    const std::string_view pattern = components.back();
    if (pattern.empty())
        return std::nullopt;
    if (trail.size() > 1) {
        for (const char* dots : {".", ".."})
            if (Matches(pattern, dots))
                return TFoundEntry{dots, {}};
    }
    for (const TNode& child : trail.back()->Children) {
        if (Matches(pattern, child.LongName) ||
            (!child.ShortName.empty() && Matches(pattern, child.ShortName)))
            return TFoundEntry{child.LongName, child.ShortName};
    }
    return std::nullopt;
}

} // namespace porutena
