// The application's only door to the operating system's files: directory
// listings, changing and making folders, copying a file, and reading and
// writing the small files of the disc and of the settings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One name of a directory listing. Symbolic links are never directories here,
// so a link to a folder is not walked into (and cannot make a loop).
struct CListedEntry {
    std::string m_strName;
    bool m_bIsDirectory = false;
};

namespace FileServices {

// Every entry of the folder, "." and ".." included, taken whole when called and
// sorted as an NTFS volume lists them: by name ignoring ASCII case, then by bytes.
// No value when the folder cannot be listed.
std::optional<std::vector<CListedEntry>> ListDirectory(const std::string &strPath);

bool ChangeDirectory(const std::string &strPath);

// Creates one directory level; false when it exists already or cannot be made.
bool MakeDirectory(const std::string &strPath);

// Copies a regular file's bytes to a temporary name beside the destination and
// renames that over the destination, so that a failed or interrupted copy
// leaves the previous file (a failed copy's temporary file is removed). A
// source link is read as the file it points to; anything else (a folder, a
// pipe) is refused. A link at the destination is replaced, never written through.
bool CopyFile(const std::string &strFrom, const std::string &strTo);

// True when the path itself is a symbolic link.
bool IsSymbolicLink(const std::string &strPath);

// True when the path, its links resolved, lies inside the folder (resolved
// too) or is the folder itself; false when either cannot be resolved.
bool IsInsideFolder(const std::string &strPath, const std::string &strFolder);

// True when both paths name the same existing file or folder.
bool IsSameFile(const std::string &strFirst, const std::string &strSecond);

// The working directory as an absolute path; no value when it cannot be found.
std::optional<std::string> CurrentDirectory();

// True when the path names a regular file (a link is followed); folders,
// pipes and devices are no files to read.
bool IsRegularFile(const std::string &strPath);

// A file of the disc read whole, or its first nMaxBytes bytes, with CR LF read
// as LF like a Windows text-mode read.
std::optional<std::string> ReadTextFile(const std::string &strPath, std::size_t nMaxBytes);

// The first line of such a file, its LF included when it comes within nMaxChars
// characters, cut after nMaxChars otherwise, and cut at a zero byte.
std::optional<std::string> ReadTextLine(const std::string &strPath, std::size_t nMaxChars);

// At most the first nMaxBytes bytes of the file, exactly as stored.
std::optional<std::string> ReadBytes(const std::string &strPath, std::size_t nMaxBytes);

// Replaces the file's content with the bytes, creating its folder first when missing.
bool WriteFileCreatingFolder(const std::string &strPath, std::string_view bytes);

} // namespace FileServices
