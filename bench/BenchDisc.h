// Generated discs for the benchmarks: many games, flat or in category folders,
// each with the five text files of a real game, and the plain loop of opens
// and reads of the same files that the catalogue walk is compared with.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"

namespace benchdisc {

namespace fs = std::filesystem;

using testsupport::WriteFile;

// About a kilobyte of ordinary words in lines of Windows text.
inline std::string Description(int iGame) {
    std::string strText = "Game " + std::to_string(iGame) + " of the generated disc.\r\n";
    for (int iLine = 0; iLine < 12; ++iLine)
        strText += "Guide the little beetle through the garden maze and collect every leaf.\r\n";
    return strText;
}

// The folders of iGames games below top, in iCategories category folders or,
// with none, directly in it; in listing order.
inline std::vector<fs::path> GameFolders(const fs::path &top, int iGames, int iCategories) {
    std::vector<fs::path> folders;
    const int iPerCategory = iCategories > 0 ? (iGames + iCategories - 1) / iCategories : iGames;
    for (int iGame = 0; iGame < iGames; ++iGame) {
        char szName[32];
        std::snprintf(szName, sizeof szName, "game%05d", iGame);
        char szCategory[32];
        std::snprintf(szCategory, sizeof szCategory, "Category %02d", iGame / iPerCategory);
        folders.push_back(iCategories > 0 ? top / szCategory / szName : top / szName);
    }
    return folders;
}

inline constexpr const char *kTextFiles[] = {"_author", "_authorweb", "_details", "_info", "_name"};

// The text files of those games, in listing order.
inline std::vector<std::string> TextFiles(const std::vector<fs::path> &folders) {
    std::vector<std::string> files;
    for (const fs::path &folder : folders) {
        for (const char *pszFile : kTextFiles)
            files.push_back((folder / pszFile).string());
    }
    return files;
}

inline void WriteGame(const fs::path &folder, int iGame) {
    WriteFile(folder / "_author", "www.example.org\r\nauthor@example.org\r\n");
    WriteFile(folder / "_authorweb", "www.example.org\r\n");
    WriteFile(folder / "_details", Description(iGame));
    WriteFile(folder / "_info", "Version 1.0\r\nSize 40k\r\nColour\r\nFree\r\nPalm OS 3.5\r\n");
    WriteFile(folder / "_name", "Game " + std::to_string(iGame) + "\r\n");
}

// Writes the games and returns their text files.
inline std::vector<std::string> WriteDisc(const fs::path &top, int iGames, int iCategories) {
    const std::vector<fs::path> folders = GameFolders(top, iGames, iCategories);
    for (std::size_t i = 0; i < folders.size(); ++i)
        WriteGame(folders[i], static_cast<int>(i));
    return TextFiles(folders);
}

// Opens and reads every file whole; returns the bytes read.
inline std::size_t ReadFiles(const std::vector<std::string> &files) {
    std::vector<char> buffer(64 * 1024);
    std::size_t nTotal = 0;
    for (const std::string &strPath : files) {
        const int iFd = open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
        if (iFd < 0)
            continue;
        ssize_t nRead;
        while ((nRead = read(iFd, buffer.data(), buffer.size())) > 0)
            nTotal += static_cast<std::size_t>(nRead);
        close(iFd);
    }
    return nTotal;
}

} // namespace benchdisc
