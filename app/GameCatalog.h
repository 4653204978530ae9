// The catalogue of the games on the disc: a tree of folder and game entries built
// by walking the folders below the disc's top folder, and the HotSync folder into
// which games are installed.
#pragma once

#include <cstdint>
#include <memory>
#include <memory_resource>
#include <string>
#include <utility>

#include "FileServices.h"
#include "TextArena.h"

class CCatalogEntry {
  public:
    // The texts of a walked tree are kept in one arena shared by its entries;
    // an entry made on its own keeps them on the heap.
    explicit CCatalogEntry(std::shared_ptr<CTextArena> pTexts = nullptr)
        : m_pTexts(std::move(pTexts)) {}
    CCatalogEntry(const CCatalogEntry &) = delete;
    CCatalogEntry &operator=(const CCatalogEntry &) = delete;
    // Destroys the children and every later sibling in the chain.
    virtual ~CCatalogEntry();

    virtual bool IsFolder() const = 0;
    virtual bool IsGame() const = 0;
    virtual bool Load() = 0;
    // The texts belong to the entry and live as long as it does; folders have
    // none but their name and return null.
    virtual const char *GetName() const = 0;
    virtual const char *GetDetails() const = 0;
    virtual const char *GetInfo() const = 0;
    virtual const char *GetAuthor() const = 0;
    virtual const char *GetAuthorWeb() const = 0;
    virtual const char *GetPicFolder() const = 0;
    virtual void Install() = 0;

    CCatalogEntry *GetFirstChild() const { return m_pFirstChild.get(); }
    CCatalogEntry *GetNext() const { return m_pNext.get(); }
    CCatalogEntry *GetParent() const { return m_pParent; }

    void SetPath(std::string strPath) { m_strPath = std::move(strPath); }
    // Names the entry after the first line of the folder's "_name", or the
    // default when there is none.
    void SetNameFromFile(const std::string &strDefaultName);
    // Kind 0 appends a new game, any other kind a new folder.
    CCatalogEntry *AddChild(int iKind);
    void AppendChild(std::unique_ptr<CCatalogEntry> pEntry);
    // Unlinks and destroys the entry with its sub-tree; an entry that is not a
    // child of this one is left alone.
    void RemoveChild(CCatalogEntry *pEntry);

    static bool IsSubFolderName(const std::string &strName);

  protected:
    // Moves every game child, in order, to the end of the collecting entry's children.
    void GatherGamesInto(CCatalogEntry &others);
    // Opens the folder at m_strPath unless the walk has opened it already;
    // false when it cannot be opened.
    bool OpenOwnFolder();
    // Opens one of the folder's files without blocking; see FileServices::OpenFileAt.
    FileServices::COpenedFile OpenOwnFile(const char *pszName) const;
    // Takes a sub-folder of the open folder: a game when it holds "_details"
    // (recognised by opening it), else a category. The child is appended and
    // loaded; one that yields nothing is removed again and null returned.
    CCatalogEntry *AddWalkedChild(const std::string &strName);
    // True when the folder is this entry's or one of its parents' open folder.
    bool IsOnWalkPath(const FileServices::CFileDescriptor &folder) const;
    std::pmr::memory_resource *TextMemory() const;

    // The folder held open while the walk reads it, so that its files and its
    // games' files are opened relative to it; closed once it is loaded.
    FileServices::CFileDescriptor m_folder;

  private:
    // Declared before the children, so that it goes after them.
    std::shared_ptr<CTextArena> m_pTexts;
    std::unique_ptr<CCatalogEntry> m_pFirstChild;
    std::unique_ptr<CCatalogEntry> m_pNext;
    CCatalogEntry *m_pParent = nullptr;

  public:
    // The folder on disc, absolute, without a trailing "/"; "" is the filesystem root.
    std::string m_strPath;
    std::string m_strName;
    // 1 when the folder's children are games only, 0 when it holds sub-folders.
    std::uint8_t m_bHoldsGames = 0;

  private:
    // The end of the child list, so that appending to a folder of thousands of
    // games does not walk the list each time.
    CCatalogEntry *m_pLastChild = nullptr;
};

class CCatalogFolder final : public CCatalogEntry {
  public:
    using CCatalogEntry::CCatalogEntry;
    bool IsFolder() const override { return true; }
    bool IsGame() const override { return false; }
    // Walks the folder: games and category folders become children, folders
    // without a game at any depth are dropped. False when nothing is kept.
    bool Load() override;
    const char *GetName() const override { return m_strName.c_str(); }
    const char *GetDetails() const override { return nullptr; }
    const char *GetInfo() const override { return nullptr; }
    const char *GetAuthor() const override { return nullptr; }
    const char *GetAuthorWeb() const override { return nullptr; }
    const char *GetPicFolder() const override { return nullptr; }
    void Install() override {}
};

class CCatalogGame final : public CCatalogEntry {
  public:
    explicit CCatalogGame(std::shared_ptr<CTextArena> pTexts = nullptr);
    bool IsFolder() const override { return false; }
    bool IsGame() const override { return true; }
    // Reads the game's texts; false only when its folder cannot be entered.
    bool Load() override;
    const char *GetName() const override { return m_strName.c_str(); }
    const char *GetDetails() const override { return m_strDetails.c_str(); }
    const char *GetInfo() const override { return m_strInfo.c_str(); }
    const char *GetAuthor() const override { return m_strAuthor.c_str(); }
    const char *GetAuthorWeb() const override { return m_strAuthorWeb.c_str(); }
    const char *GetPicFolder() const override { return m_strPicFolder.c_str(); }
    // Copies the game's own files into a folder named after it inside the
    // HotSync folder. Every failure is silent and the copy goes on.
    void Install() override;

    // Copies one sub-folder recursively; the destination ends with "/".
    void CopyTree(const std::string &strSource, const std::string &strDestination);
    // False for the game's own underscore files, dot names and the "pic" folder.
    static bool IsCopiedName(const std::string &strName);

    // The walk recognises a game by opening its "_details" and leaves it open here.
    FileServices::COpenedFile m_detailsFile;

    std::pmr::string m_strDetails;
    std::pmr::string m_strInfo;
    std::pmr::string m_strAuthor;
    std::pmr::string m_strAuthorWeb;
    std::pmr::string m_strPicFolder;
};

class CGameCatalog {
  public:
    CGameCatalog();
    CGameCatalog(const CGameCatalog &) = delete;
    CGameCatalog &operator=(const CGameCatalog &) = delete;
    virtual ~CGameCatalog();

    // Builds the tree from the working directory, the disc's top folder.
    // False, with no root, when the top folder yields nothing.
    bool LoadCatalog();
    // Reads the HotSync folder from the settings file; false when there is none.
    bool LoadSettings();
    // Writes the folder to the settings file and uses it from now on, even
    // when the file cannot be written.
    void SaveHotSyncFolder(const std::string &strPath);

    std::unique_ptr<CCatalogFolder> m_pRoot;
    // Ends with "/" as stored by a choice; the game's name is appended directly.
    std::string m_strHotSyncFolder;
    // The most bytes of text files one walk reads, all games together, so that
    // a disc whose texts link to a few huge files cannot exhaust the memory.
    std::size_t m_nTextLimit = std::size_t{256} * 1024 * 1024;
};

// The one catalogue object, set by its construction.
extern CGameCatalog *g_pCatalog;
