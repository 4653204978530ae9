// The application's only door to the operating system's files: directory
// listings, changing and making folders, copying a file, and reading and
// writing the small files of the disc and of the settings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One name of a directory listing. Symbolic links are never directories here,
// so a link to a folder is not walked into unless the caller chooses to.
struct CListedEntry {
    std::string m_strName;
    bool m_bIsDirectory = false;
    // A symbolic link, whatever it leads to.
    bool m_bIsLink = false;
    // A symbolic link whose target is a folder.
    bool m_bIsFolderLink = false;
};

namespace FileServices {

// Owns an open file descriptor.
class CFileDescriptor {
  public:
    CFileDescriptor() = default;
    explicit CFileDescriptor(int iFd) : m_iFd(iFd) {}
    CFileDescriptor(CFileDescriptor &&other) noexcept : m_iFd(other.m_iFd) { other.m_iFd = -1; }
    CFileDescriptor &operator=(CFileDescriptor &&other) noexcept;
    CFileDescriptor(const CFileDescriptor &) = delete;
    CFileDescriptor &operator=(const CFileDescriptor &) = delete;
    ~CFileDescriptor() { Close(); }
    int Get() const { return m_iFd; }
    bool IsOpen() const { return m_iFd >= 0; }
    void Close();
    // Gives up the descriptor, so that the caller can close it and see the result.
    int Release() { return std::exchange(m_iFd, -1); }

  private:
    int m_iFd = -1;
};

// A regular file opened for reading, with its size when it was opened.
struct COpenedFile {
    CFileDescriptor m_file;
    std::size_t m_nSize = 0;
};

// A folder held open, so that its files and sub-folders are opened by name
// relative to it whatever the working directory is. Closed when it cannot be opened.
CFileDescriptor OpenFolder(const std::string &strPath);
CFileDescriptor OpenFolderAt(const CFileDescriptor &folder, const std::string &strName);

// True when both open folders are the same folder on disc.
bool IsSameFolder(const CFileDescriptor &first, const CFileDescriptor &second);

// A folder's path as kept in the catalogue, where the filesystem root is "",
// in the form the system calls take.
std::string FolderPath(const std::string &strFolder);

// Opens a file of the folder for reading without ever blocking. A missing
// file gives a closed file silently; anything but a regular file in its place
// (a pipe, a device, a folder) is refused at once with a line on standard
// error naming strFolderPath + "/" + pszName.
COpenedFile OpenFileAt(const CFileDescriptor &folder, const std::string &strFolderPath,
                       const char *pszName);

// The opened file's first nMaxBytes bytes (its size when opened bounds the
// reading), with CR LF read as LF like a Windows text-mode read.
std::string ReadText(const COpenedFile &file, std::size_t nMaxBytes);
// The same into strText, replacing its content and reusing its memory.
void ReadText(const COpenedFile &file, std::size_t nMaxBytes, std::string &strText);

// The opened file's first line, its LF included when it comes within nMaxChars
// characters, cut after nMaxChars otherwise, and cut at a zero byte.
std::string ReadTextLine(const COpenedFile &file, std::size_t nMaxChars);

// Every entry of the folder, "." and ".." included, taken whole when called and
// sorted as an NTFS volume lists them: by name ignoring ASCII case, then by bytes.
// No value when the folder cannot be listed.
std::optional<std::vector<CListedEntry>> ListDirectory(const std::string &strPath);
std::optional<std::vector<CListedEntry>> ListDirectory(const CFileDescriptor &folder);

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

// At most the first nMaxBytes bytes of the file, exactly as stored.
std::optional<std::string> ReadBytes(const std::string &strPath, std::size_t nMaxBytes);

// Replaces the file's content with the bytes, creating its folder first when missing.
bool WriteFileCreatingFolder(const std::string &strPath, std::string_view bytes);

} // namespace FileServices
