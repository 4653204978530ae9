#include "SampleGames.h"

#include <string_view>

namespace assets {

namespace {

struct SampleGame {
    const char *folder; // relative to the disc: category folders, then the game's
    const char *programFile;
    const char *title;
    const char *creator; // four characters, unique per application
    const char *version;
    int year, month, day; // creation date
};

const SampleGame kGames[] = {
    {"Action/BeetleDerby", "BeetleDerby.prc", "Beetle Derby", "BtDr", "1.2", 2001, 3, 14},
    {"Brambleburrow", "Brambleburrow.prc", "Brambleburrow", "Brmb", "1.0", 2002, 9, 2},
    {"Strategy/Tactics/CopperRails", "CopperRails.prc", "Copper Rails", "CpRl", "2.1", 2001, 11,
     20},
    {"Puzzles/GlacierSlide", "GlacierSlide.prc", "Glacier Slide", "GlSl", "1.1", 2000, 12, 5},
    {"Action/HarborPilot", "HarborPilot.prc", "Harbor Pilot", "HbPl", "1.3", 2002, 4, 18},
    {"Puzzles/LanternKeeper", "LanternKeeper.prc", "Lantern Keeper", "LnKp", "1.4", 2001, 6, 1},
    {"Puzzles/MarbleOrchard", "MarbleOrchard.prc", "Marble Orchard", "MbOr", "1.0", 2002, 7, 30},
    {"Strategy/Cards/MosswoodSolitaire", "Mosswood.prc", "Mosswood", "MsSl", "3.0", 2000, 8, 11},
    {"OrbitCourier", "OrbitCourier.prc", "Orbit Courier", "OrCr", "0.9", 2003, 1, 9},
    {"Puzzles/QuillAndCipher", "QuillCipher.prc", "Quill & Cipher", "QlCp", "1.5", 2001, 2, 27},
    {"Action/StarfieldMiner", "StarMiner.prc", "Starfield Miner", "SfMn", "2.0", 2002, 11, 3},
    {"Strategy/Tactics/TidepoolTactics", "Tidepool.prc", "Tidepool Tactics", "TdTc", "1.0", 2003, 5,
     22},
};

const char *const kQuillWords[] = {
    "AMBER", "ANCHOR", "BRASS",     "CIPHER",  "CODEX",   "EMBER",   "FABLE",  "FEATHER",
    "GLYPH", "HARBOR", "INK",       "JOURNAL", "KESTREL", "LANTERN", "LEDGER", "MAP",
    "NIB",   "OWL",    "PARCHMENT", "PEN",     "QUILL",   "RIDDLE",  "SCRIBE", "SCROLL",
    "SEAL",  "SIGIL",  "TALLOW",    "VELLUM",  "WAX",     "WILLOW",
};

// Days from 1904-01-01, the handheld's epoch, to the given date.
int64_t DaysSince1904(int year, int month, int day) {
    const auto daysFromCivil = [](int y, int m, int d) {
        y -= m <= 2 ? 1 : 0;
        const int era = y / 400;
        const int yoe = y - era * 400;
        const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
        const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
        return static_cast<int64_t>(era) * 146097 + doe;
    };
    return daysFromCivil(year, month, day) - daysFromCivil(1904, 1, 1);
}

class BigEndianWriter {
  public:
    void U8(uint32_t v) { out_.push_back(static_cast<uint8_t>(v & 0xff)); }
    void U16(uint32_t v) {
        U8(v >> 8);
        U8(v);
    }
    void U32(uint32_t v) {
        U16(v >> 16);
        U16(v & 0xffff);
    }
    // Exactly size bytes: the text, then zeros.
    void Padded(std::string_view text, size_t size) {
        for (size_t i = 0; i < size; ++i)
            U8(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
    }
    void Bytes(const std::vector<uint8_t> &bytes) {
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }
    size_t Size() const { return out_.size(); }
    std::vector<uint8_t> Take() { return std::move(out_); }

  private:
    std::vector<uint8_t> out_;
};

struct Resource {
    const char *type;
    uint16_t id;
    std::vector<uint8_t> data;
};

std::vector<uint8_t> Text(std::string_view s) {
    std::vector<uint8_t> out(s.begin(), s.end());
    out.push_back(0);
    return out;
}

constexpr uint16_t kResourceDatabase = 0x0001;
constexpr uint16_t kBackupDatabase = 0x0008;

void Header(BigEndianWriter &w, std::string_view name, uint16_t attributes, uint32_t created,
            const char *type, const char *creator, uint16_t records) {
    w.Padded(name, 32);
    w.U16(attributes);
    w.U16(1);       // version
    w.U32(created); // creation date
    w.U32(created); // modification date
    w.U32(0);       // last backup
    w.U32(1);       // modification number
    w.U32(0);       // application info block
    w.U32(0);       // sort info block
    w.Padded(type, 4);
    w.Padded(creator, 4);
    w.U32(0); // unique ID seed
    w.U32(0); // next record list
    w.U16(records);
}

std::vector<uint8_t> ResourceDatabase(const SampleGame &g, const std::vector<Resource> &resources) {
    const uint32_t created =
        static_cast<uint32_t>(DaysSince1904(g.year, g.month, g.day) * 86400 + 9 * 3600);
    BigEndianWriter w;
    Header(w, g.title, kResourceDatabase | kBackupDatabase, created, "appl", g.creator,
           static_cast<uint16_t>(resources.size()));
    uint32_t offset = static_cast<uint32_t>(kPalmHeaderSize + 10 * resources.size() + 2);
    for (const Resource &r : resources) {
        w.Padded(r.type, 4);
        w.U16(r.id);
        w.U32(offset);
        offset += static_cast<uint32_t>(r.data.size());
    }
    w.U16(0); // gap before the data, as the desktop tools write it
    for (const Resource &r : resources)
        w.Bytes(r.data);
    return w.Take();
}

std::vector<uint8_t> PalmProgram(const SampleGame &g) {
    // Segment 0: sizes above and below A5 and a one-entry jump table into segment 1.
    const std::vector<uint8_t> code0 = {0x00, 0x00, 0x00, 0x28, 0x00, 0x00, 0x00, 0x00,
                                        0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x20,
                                        0x00, 0x00, 0x3f, 0x3c, 0x00, 0x01, 0xa9, 0xf0};
    // Segment 1: link, return 0, unlink, return.
    const std::vector<uint8_t> code1 = {0x4e, 0x56, 0x00, 0x00, 0x70, 0x00,
                                        0x4e, 0x5e, 0x4e, 0x75, 0x4e, 0x71};
    // Launch preferences: priority 30, 4 KB stack, 4 KB heap.
    const std::vector<uint8_t> pref = {0x00, 0x1e, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x10, 0x00};
    return ResourceDatabase(g, {
                                   {"code", 0, code0},
                                   {"code", 1, code1},
                                   {"data", 0, std::vector<uint8_t>(8, 0)},
                                   {"pref", 0, pref},
                                   {"tAIN", 1000, Text(g.title)},
                                   {"tver", 1000, Text(g.version)},
                               });
}

std::vector<uint8_t> WordDatabase(const SampleGame &g) {
    const uint32_t created =
        static_cast<uint32_t>(DaysSince1904(g.year, g.month, g.day) * 86400 + 9 * 3600);
    const size_t count = std::size(kQuillWords);
    BigEndianWriter w;
    Header(w, "QuillWords", kBackupDatabase, created, "DATA", g.creator,
           static_cast<uint16_t>(count));
    uint32_t offset = static_cast<uint32_t>(kPalmHeaderSize + 8 * count + 2);
    for (size_t i = 0; i < count; ++i) {
        w.U32(offset);
        w.U8(0);    // record attributes
        w.U8(0x6f); // unique ID, three bytes
        w.U16(static_cast<uint32_t>(0x1000 + i));
        offset += static_cast<uint32_t>(std::string_view(kQuillWords[i]).size() + 1);
    }
    w.U16(0);
    for (const char *word : kQuillWords)
        w.Bytes(Text(word));
    return w.Take();
}

} // namespace

std::vector<ProgramFile> GameProgramFiles() {
    std::vector<ProgramFile> files;
    for (const SampleGame &g : kGames) {
        files.push_back({std::string(g.folder) + "/" + g.programFile, PalmProgram(g)});
        if (std::string_view(g.folder) == "Puzzles/QuillAndCipher")
            files.push_back({std::string(g.folder) + "/QuillWords.pdb", WordDatabase(g)});
    }
    return files;
}

} // namespace assets
