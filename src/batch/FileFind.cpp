#include "batch/FileFind.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Folded to capitals: '_' then sorts after the letters.
unsigned char FoldCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'a' && u <= 'z' ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

} // namespace

bool MatchesWildcard(const std::string& name, const std::string& pattern) {
    if (const std::size_t semicolon = pattern.find(';'); semicolon != std::string::npos)
        return MatchesWildcard(name, pattern.substr(0, semicolon)) ||
               MatchesWildcard(name, pattern.substr(semicolon + 1));
    if (!name.empty() && name[0] == '.' && (pattern.empty() || pattern[0] != '.'))
        return false;
    std::size_t n = 0;
    std::size_t p = 0;
    // Where the last '*' was seen, and how much of the name it has taken so far.
    std::size_t starP = std::string::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool FileNameLess(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = FoldCase(a[i]);
        const unsigned char y = FoldCase(b[i]);
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b; // same but for case: capitals first, so equal names never tie
}

bool CFileFind::FindFile(const std::string& path, const std::string& pattern) {
    Close();
    std::error_code ec;
    if (pattern.empty()) {
        // The path itself, taken literally, whatever characters its name holds.
        const fs::file_status st = fs::status(fs::path(path), ec);
        if (ec || !(fs::is_regular_file(st) || fs::is_directory(st)))
            return false;
        m_matches.push_back({fs::path(path).filename().string(), path, fs::is_directory(st)});
        return true;
    }

    // The wildcard is the part of the pattern after its last separator; what
    // comes before it is a folder, taken literally.
    std::size_t cut = pattern.size();
    while (cut > 0 && !IsSeparator(pattern[cut - 1]))
        --cut;
    const std::string root = path + pattern.substr(0, cut);
    const std::string wildcard = pattern.substr(cut);

    fs::directory_iterator it(fs::path(root.empty() ? "." : root), ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!MatchesWildcard(name, wildcard))
            continue;
        std::error_code statusError;
        const fs::file_status st = it->status(statusError); // follows links
        // Only files and folders are entries of a search; a dangling link, a
        // pipe or a device is not.
        if (statusError || !(fs::is_regular_file(st) || fs::is_directory(st)))
            continue;
        m_matches.push_back({name, root + name, fs::is_directory(st)});
    }
    if (ec) {
        Close();
        return false;
    }
    std::sort(m_matches.begin(), m_matches.end(),
              [](const Match& a, const Match& b) { return FileNameLess(a.name, b.name); });
    return !m_matches.empty();
}

bool CFileFind::FindNextFile() {
    if (m_nNext < m_matches.size())
        ++m_nNext;
    return m_nNext < m_matches.size();
}

void CFileFind::Close() {
    m_matches.clear();
    m_nNext = 0;
}

bool CFileFind::IsDots() const {
    const std::string name = GetFileName();
    return name == "." || name == "..";
}

bool CFileFind::IsDirectory() const {
    return m_nNext > 0 && m_matches[m_nNext - 1].directory;
}

std::string CFileFind::GetFileName() const {
    return m_nNext > 0 ? m_matches[m_nNext - 1].name : std::string();
}

std::string CFileFind::GetFilePath() const {
    return m_nNext > 0 ? m_matches[m_nNext - 1].path : std::string();
}

std::string CFileFind::GetFileTitle() const {
    return fs::path(GetFileName()).stem().string();
}
