#include "FileServices.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace FileServices {
namespace {

constexpr std::size_t kFirstReadSize = 4096;
constexpr std::size_t kCopyBufferSize = 128 * 1024;
constexpr std::size_t kCopyChunk = std::size_t{1} << 30;
constexpr int kTemporaryNameAttempts = 100;

struct CDirectoryCloser {
    void operator()(DIR *pDir) const { closedir(pDir); }
};

// Refuses folders, pipes and devices, so that no reader blocks or reads without
// end. pszRefusal, when given, receives why a file that is there was refused.
COpenedFile OpenForReading(int iFolder, const char *pszPath, const char **pszRefusal = nullptr) {
    CFileDescriptor file(openat(iFolder, pszPath, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    const char *pszWhy = nullptr;
    struct stat info {};
    if (!file.IsOpen())
        pszWhy = errno == ENOENT ? nullptr : std::strerror(errno);
    else if (fstat(file.Get(), &info) != 0)
        pszWhy = std::strerror(errno);
    else if (!S_ISREG(info.st_mode))
        pszWhy = S_ISDIR(info.st_mode) ? "a folder, not a file" : "not a regular file";
    if (pszRefusal)
        *pszRefusal = pszWhy;
    if (!file.IsOpen() || !S_ISREG(info.st_mode))
        return {};
    return {std::move(file), static_cast<std::size_t>(info.st_size)};
}

// Reads at most nLimit bytes of the file as it was when opened: its size ends
// the reading (a file that shrinks meanwhile ends earlier). A file that reports
// no size, as virtual files do, is read to its end. A read error ends the
// reading with what was read so far. The bytes replace data's content.
void ReadUpTo(const COpenedFile &opened, std::size_t nLimit, std::string &data) {
    const bool bSized = opened.m_nSize > 0;
    const std::size_t nWanted = bSized ? std::min(nLimit, opened.m_nSize) : nLimit;
    data.resize(bSized ? nWanted : std::min(nLimit, kFirstReadSize));
    std::size_t nUsed = 0;
    while (nUsed < nWanted) {
        if (nUsed == data.size())
            data.resize(std::min(nWanted, 2 * data.size()));
        const ssize_t nRead = read(opened.m_file.Get(), data.data() + nUsed, data.size() - nUsed);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead <= 0)
            break;
        nUsed += static_cast<std::size_t>(nRead);
    }
    data.resize(nUsed);
}

// Drops the CR of every CR LF pair; a lone CR stays. The text between CRs is
// moved in runs: a description has one CR per line, not per byte.
void TranslateTextMode(std::string &strText) {
    char *const pText = strText.data();
    const std::size_t nSize = strText.size();
    const void *pCR = std::memchr(pText, '\r', nSize);
    if (!pCR)
        return;
    std::size_t nOut = static_cast<std::size_t>(static_cast<const char *>(pCR) - pText);
    std::size_t nIn = nOut;
    while (nIn < nSize) {
        // pText[nIn] is a CR: it goes when an LF follows.
        const bool bPaired = nIn + 1 < nSize && pText[nIn + 1] == '\n';
        const std::size_t nRunStart = bPaired ? nIn + 1 : nIn;
        pCR = std::memchr(pText + nIn + 1, '\r', nSize - nIn - 1);
        const std::size_t nRunEnd =
            pCR ? static_cast<std::size_t>(static_cast<const char *>(pCR) - pText) : nSize;
        std::memmove(pText + nOut, pText + nRunStart, nRunEnd - nRunStart);
        nOut += nRunEnd - nRunStart;
        nIn = nRunEnd;
    }
    strText.resize(nOut);
}

// NTFS compares names through its upper-case table, so "_" sorts after letters.
unsigned char FoldCase(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? c - ('a' - 'A') : c;
}

// Where two names' bytes first differ, nCommon when they do not before it;
// eight bytes at a time, since sorting a folder of 10,000 games compares
// names some 150,000 times.
std::size_t FirstDifference(const char *pX, const char *pY, std::size_t nCommon) {
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + sizeof(std::uint64_t) <= nCommon; i += sizeof(std::uint64_t)) {
            std::uint64_t x = 0;
            std::uint64_t y = 0;
            std::memcpy(&x, pX + i, sizeof x);
            std::memcpy(&y, pY + i, sizeof y);
            if (x != y)
                return i + static_cast<std::size_t>(std::countr_zero(x ^ y)) / 8;
        }
    }
    while (i < nCommon && pX[i] == pY[i])
        ++i;
    return i;
}

bool ListsBefore(const CListedEntry &a, const CListedEntry &b) {
    const std::string &x = a.m_strName;
    const std::string &y = b.m_strName;
    const std::size_t nCommon = std::min(x.size(), y.size());
    // Equal bytes fold alike, so the case-blind comparison starts where the
    // bytes first differ.
    for (std::size_t i = FirstDifference(x.data(), y.data(), nCommon); i < nCommon; ++i) {
        const unsigned char cx = FoldCase(static_cast<unsigned char>(x[i]));
        const unsigned char cy = FoldCase(static_cast<unsigned char>(y[i]));
        if (cx != cy)
            return cx < cy;
    }
    if (x.size() != y.size())
        return x.size() < y.size();
    return x < y;
}

bool LeadsToFolder(DIR *pDir, const char *pszName) {
    struct stat info {};
    return fstatat(dirfd(pDir), pszName, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

// The entry's type as the listing reports it, or from one stat of the entry
// itself on filesystems that report none.
unsigned char EntryType(DIR *pDir, const dirent &entry) {
    struct stat info {};
    if (entry.d_type != DT_UNKNOWN ||
        fstatat(dirfd(pDir), entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return entry.d_type;
    if (S_ISDIR(info.st_mode))
        return DT_DIR;
    return S_ISLNK(info.st_mode) ? DT_LNK : DT_REG;
}

CListedEntry DescribeEntry(DIR *pDir, const dirent &entry) {
    CListedEntry listed{entry.d_name};
    const unsigned char type = EntryType(pDir, entry);
    listed.m_bIsDirectory = type == DT_DIR;
    listed.m_bIsLink = type == DT_LNK;
    if (listed.m_bIsLink)
        listed.m_bIsFolderLink = LeadsToFolder(pDir, entry.d_name);
    return listed;
}

std::optional<std::vector<CListedEntry>> ListOpenDirectory(DIR *pOpened) {
    const std::unique_ptr<DIR, CDirectoryCloser> dir(pOpened);
    if (!dir)
        return std::nullopt;
    std::vector<CListedEntry> entries;
    while (const dirent *pEntry = readdir(dir.get()))
        entries.push_back(DescribeEntry(dir.get(), *pEntry));
    std::sort(entries.begin(), entries.end(), ListsBefore);
    return entries;
}

bool FileIdentity(const CFileDescriptor &file, struct stat &info) {
    return file.IsOpen() && fstat(file.Get(), &info) == 0;
}

bool WriteAll(int iFd, const char *pData, std::size_t nSize) {
    while (nSize > 0) {
        const ssize_t nWritten = write(iFd, pData, nSize);
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0)
            return false;
        pData += nWritten;
        nSize -= static_cast<std::size_t>(nWritten);
    }
    return true;
}

// Continues from both files' current offsets.
bool CopyByReading(int iFrom, int iTo) {
    std::unique_ptr<char[]> buffer(new char[kCopyBufferSize]);
    for (;;) {
        const ssize_t nRead = read(iFrom, buffer.get(), kCopyBufferSize);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead < 0)
            return false;
        if (nRead == 0)
            return true;
        if (!WriteAll(iTo, buffer.get(), static_cast<std::size_t>(nRead)))
            return false;
    }
}

// Copies in the kernel where it can; filesystems that refuse, or report an early
// end (some do for files they cannot copy this way), fall back to read and write.
bool CopyContents(int iFrom, int iTo, std::size_t nExpected) {
    std::size_t nCopied = 0;
    for (;;) {
        const ssize_t nDone = copy_file_range(iFrom, nullptr, iTo, nullptr, kCopyChunk, 0);
        if (nDone > 0) {
            nCopied += static_cast<std::size_t>(nDone);
            continue;
        }
        if (nDone == 0 && nCopied >= nExpected)
            return true;
        if (nDone < 0 && errno == EINTR)
            continue;
        if (nDone < 0 && errno != EXDEV && errno != EINVAL && errno != ENOSYS &&
            errno != EOPNOTSUPP)
            return false;
        return CopyByReading(iFrom, iTo);
    }
}

// A hidden name in the target's folder, so that the rename stays on one
// filesystem; short, so that it fits wherever the target's name does.
std::string TemporaryNameBeside(const std::string &strTarget, int iAttempt) {
    const std::size_t nSlash = strTarget.rfind('/');
    const std::size_t nNameStart = nSlash == std::string::npos ? 0 : nSlash + 1;
    return strTarget.substr(0, nNameStart) + ".quelmara-" + std::to_string(getpid()) + "-" +
           std::to_string(iAttempt) + ".part";
}

} // namespace

std::string FolderPath(const std::string &strFolder) {
    return strFolder.empty() ? "/" : strFolder;
}

CFileDescriptor &CFileDescriptor::operator=(CFileDescriptor &&other) noexcept {
    if (this != &other) {
        Close();
        m_iFd = other.m_iFd;
        other.m_iFd = -1;
    }
    return *this;
}

void CFileDescriptor::Close() {
    if (m_iFd >= 0)
        close(m_iFd);
    m_iFd = -1;
}

CFileDescriptor OpenFolder(const std::string &strPath) {
    return CFileDescriptor(open(strPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

CFileDescriptor OpenFolderAt(const CFileDescriptor &folder, const std::string &strName) {
    return CFileDescriptor(
        openat(folder.Get(), strName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

bool IsSameFolder(const CFileDescriptor &first, const CFileDescriptor &second) {
    struct stat firstInfo {};
    struct stat secondInfo {};
    return FileIdentity(first, firstInfo) && FileIdentity(second, secondInfo) &&
           firstInfo.st_dev == secondInfo.st_dev && firstInfo.st_ino == secondInfo.st_ino;
}

COpenedFile OpenFileAt(const CFileDescriptor &folder, const std::string &strFolderPath,
                       const char *pszName) {
    const char *pszRefusal = nullptr;
    COpenedFile opened = OpenForReading(folder.Get(), pszName, &pszRefusal);
    if (pszRefusal)
        std::cerr << "quelmara: " << strFolderPath << "/" << pszName
                  << " is not read: " << pszRefusal << '\n';
    return opened;
}

std::string ReadText(const COpenedFile &file, std::size_t nMaxBytes) {
    std::string strText;
    ReadText(file, nMaxBytes, strText);
    return strText;
}

void ReadText(const COpenedFile &file, std::size_t nMaxBytes, std::string &strText) {
    ReadUpTo(file, nMaxBytes, strText);
    TranslateTextMode(strText);
}

std::string ReadTextLine(const COpenedFile &file, std::size_t nMaxChars) {
    // Each character read in text mode takes at most two bytes (CR LF); one byte
    // more shows whether a CR at the edge is part of a pair.
    std::string strLine = ReadText(file, 2 * nMaxChars + 1);
    const std::size_t nLineEnd = strLine.find('\n');
    const std::size_t nLength =
        std::min(nMaxChars, nLineEnd == std::string::npos ? strLine.size() : nLineEnd + 1);
    strLine.resize(std::min(nLength, strLine.find('\0')));
    return strLine;
}

std::optional<std::vector<CListedEntry>> ListDirectory(const std::string &strPath) {
    return ListOpenDirectory(opendir(strPath.c_str()));
}

std::optional<std::vector<CListedEntry>> ListDirectory(const CFileDescriptor &folder) {
    // The listing reads through a descriptor of its own, from the folder's start.
    const int iOwn = fcntl(folder.Get(), F_DUPFD_CLOEXEC, 0);
    if (iOwn < 0)
        return std::nullopt;
    DIR *pDir = fdopendir(iOwn);
    if (!pDir) {
        close(iOwn);
        return std::nullopt;
    }
    rewinddir(pDir);
    return ListOpenDirectory(pDir);
}

bool ChangeDirectory(const std::string &strPath) {
    return chdir(strPath.c_str()) == 0;
}

bool MakeDirectory(const std::string &strPath) {
    return mkdir(strPath.c_str(), 0777) == 0;
}

bool CopyFile(const std::string &strFrom, const std::string &strTo) {
    const COpenedFile source = OpenForReading(AT_FDCWD, strFrom.c_str());
    if (!source.m_file.IsOpen())
        return false;
    // The bytes go to a new file beside the target, which then takes the
    // target's place in one step: an interrupted copy never leaves a
    // truncated file, and a link standing at the target is replaced, not
    // written through.
    for (int iAttempt = 0; iAttempt < kTemporaryNameAttempts; ++iAttempt) {
        const std::string strTemporary = TemporaryNameBeside(strTo, iAttempt);
        // Created writable whatever the source's bits (disc files are often
        // read-only), so that installing again can replace the copy.
        CFileDescriptor target(
            open(strTemporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!target.IsOpen() && errno == EEXIST)
            continue;
        if (!target.IsOpen())
            return false;
        const bool bCopied = CopyContents(source.m_file.Get(), target.Get(), source.m_nSize) &&
                             close(target.Release()) == 0 &&
                             rename(strTemporary.c_str(), strTo.c_str()) == 0;
        if (!bCopied)
            unlink(strTemporary.c_str());
        return bCopied;
    }
    return false;
}

bool IsSymbolicLink(const std::string &strPath) {
    struct stat info {};
    return lstat(strPath.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool IsInsideFolder(const std::string &strPath, const std::string &strFolder) {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::canonical(strPath, error);
    if (error)
        return false;
    const std::filesystem::path folder = std::filesystem::canonical(FolderPath(strFolder), error);
    if (error)
        return false;
    return std::mismatch(folder.begin(), folder.end(), path.begin(), path.end()).first ==
           folder.end();
}

bool IsSameFile(const std::string &strFirst, const std::string &strSecond) {
    std::error_code error;
    return std::filesystem::equivalent(strFirst, strSecond, error) && !error;
}

std::optional<std::string> CurrentDirectory() {
    std::error_code error;
    std::filesystem::path current = std::filesystem::current_path(error);
    if (error)
        return std::nullopt;
    return current.string();
}

bool IsRegularFile(const std::string &strPath) {
    struct stat info {};
    return stat(strPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> ReadBytes(const std::string &strPath, std::size_t nMaxBytes) {
    const COpenedFile opened = OpenForReading(AT_FDCWD, strPath.c_str());
    if (!opened.m_file.IsOpen())
        return std::nullopt;
    std::string data;
    ReadUpTo(opened, nMaxBytes, data);
    return data;
}

bool WriteFileCreatingFolder(const std::string &strPath, std::string_view bytes) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(strPath).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, error);
    const CFileDescriptor file(
        open(strPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    return file.IsOpen() && WriteAll(file.Get(), bytes.data(), bytes.size());
}

} // namespace FileServices
