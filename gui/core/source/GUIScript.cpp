// Layout scripts: the reader with its token routines, the loader that builds a
// control tree from one statement, the script writer and the log dump.
#include "GUIScript.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>

#include "GUIModule.h"
#include "GUIText.h"
#include "GfxFile.h"

namespace {

const char *const kSourceName = "gui\\core\\source\\GUIScript";

// Layout scripts are a few kilobytes; anything this large is not one.
constexpr uint64_t kMaxScriptSize = 64ULL * 1024 * 1024;

// Deepest tree level a script block may add children to. Every tree walk of
// the toolkit recurses once per level, so an untrusted script must not nest
// without bound.
constexpr int32_t kMaxNesting = 64;

bool atEnd(const GUIScriptReader *reader) {
    return reader->pPos >= reader->pEnd;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(c) || c == '"';
}

// White space as the C library's "%d" conversion skips it.
bool isFormatSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

void skipComment(GUIScriptReader *reader) {
    while (!atEnd(reader) && *reader->pPos != '\r')
        ++reader->pPos;
}

// Value of the "%d" conversion at p, held at the ends of the 32-bit range when
// the digits go beyond them; 0 when no number stands there.
int32_t scanDecimal(const char *p, const char *end) {
    while (p < end && isFormatSpace(*p))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    int64_t value = 0;
    for (; p < end && isDigit(*p); ++p)
        value = std::min<int64_t>(value * 10 + (*p - '0'), int64_t{INT32_MAX} + 1);
    return static_cast<int32_t>(
        std::clamp<int64_t>(negative ? -value : value, INT32_MIN, INT32_MAX));
}

const GUIControlType *findType(const char *keyword) {
    for (const GUIControlType *type = pGUIControlTypeHead; type; type = type->pNext)
        if (std::strcmp(type->pszName, keyword) == 0)
            return type;
    return nullptr;
}

int32_t depthOf(const GUIControl *ctl) {
    int32_t depth = 0;
    for (; ctl->pParent; ctl = ctl->pParent)
        ++depth;
    return depth;
}

int32_t saturatedSum(int32_t a, int32_t b) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{a} + b, INT32_MIN, INT32_MAX));
}

bool expectChar(GUIScriptReader *reader, char wanted) {
    return GUIScriptGetChar(reader) == wanted;
}

// The optional "[x,y]" or "[x,y,w,h]" part. Prints the position and size as it
// reads them; the reason on a missing "," or "]", else null.
const char *readRectangle(GUIScriptReader *reader, GUIRect &rect) {
    if (GUIScriptPeek(reader) != '[')
        return nullptr;
    GUIScriptGetChar(reader);
    const int32_t x = GUIScriptGetNumber(reader);
    if (!expectChar(reader, ','))
        return "missing \",\" in the position";
    const int32_t y = GUIScriptGetNumber(reader);
    std::printf(" pos: %d, %d\n", x, y);
    rect = GUIRect{x, x, y, y};
    if (GUIScriptPeek(reader) == ',') {
        GUIScriptGetChar(reader);
        const int32_t w = GUIScriptGetNumber(reader);
        if (!expectChar(reader, ','))
            return "missing \",\" in the size";
        const int32_t h = GUIScriptGetNumber(reader);
        std::printf(" size: %d, %d\n", w, h);
        rect.iRight = saturatedSum(x, w);
        rect.iBottom = saturatedSum(y, h);
    }
    return expectChar(reader, ']') ? nullptr : "missing \"]\" after the position";
}

char *copyIdentifier(const char *text) {
    const size_t size = std::strlen(text) + 1;
    auto *copy = static_cast<char *>(__dalloc(static_cast<uint32_t>(size), kSourceName, __LINE__));
    if (copy)
        std::memcpy(copy, text, size);
    return copy;
}

void readIdentifier(GUIScriptReader *reader, GUIControl *ctl) {
    if (GUIScriptPeek(reader) != '"')
        return;
    char id[GUI_SCRIPT_WORD_SIZE];
    GUIScriptGetWord(reader, id, sizeof id);
    ctl->pszID = copyIdentifier(id);
}

// The statement's end: ";", a child block "{ ... };", or nothing. The reason
// on a block the control cannot take, a failing child or a missing ";" after
// "}", else null (a failing child has reported its own reason).
const char *readStatementEnd(GUIScriptReader *reader, GUIControl *ctl) {
    const char next = GUIScriptPeek(reader);
    if (next == ';') {
        GUIScriptGetChar(reader);
        return nullptr;
    }
    if (next != '{')
        return nullptr;
    GUIControl *host = ctl->pChildHost;
    if (!host)
        return "this type takes no child block";
    if (depthOf(host) >= kMaxNesting)
        return "nesting too deep";
    GUIScriptGetChar(reader);
    while (GUIScriptPeek(reader) != '}')
        if (!GUIControlCreateFromScript(host, reader))
            return "a control inside the block failed";
    GUIScriptGetChar(reader);
    return expectChar(reader, ';') ? nullptr : "missing \";\" after \"}\"";
}

GUIControl *failStatement(GUIScriptReader *reader, const char *reason,
                          GUIControl *built = nullptr) {
    GUIScriptErrorWhy(reader, reason);
    if (built)
        GUIControlDestroy(built);
    return nullptr;
}

void writeTabs(FILE *stream, int32_t depth) {
    for (int32_t i = 0; i < depth; ++i)
        std::fputc('\t', stream);
}

void dumpLine(FILE *log, const GUIControl *ctl, int32_t depth) {
    for (int32_t i = 0; i < depth; ++i)
        std::fputc(' ', log);
    std::fprintf(log, "%s-%s-0x%8" PRIxPTR "( %d, %d, %d, %d, 0x%8" PRIxPTR " )\n",
                 ctl->pType ? ctl->pType->pszName : "unknown", ctl->pszID ? ctl->pszID : "",
                 reinterpret_cast<uintptr_t>(ctl), ctl->iLeft, ctl->iTop, ctl->iWidth, ctl->iHeight,
                 reinterpret_cast<uintptr_t>(ctl->Draw));
}

} // namespace

extern "C" {

bool GUIScriptOpen(GUIScriptReader *reader, const char *path) {
    GfxFile file;
    const char *reason = nullptr;
    if (!GfxFileOpen(&file, path, &reason)) {
        std::fprintf(stderr, "Script %s: %s\n", path ? path : "(none)", reason);
        return false;
    }
    const uint64_t size = file.nSize;
    char *buffer = nullptr;
    bool read = false;
    if (size <= kMaxScriptSize) {
        buffer = static_cast<char *>(__dalloc(static_cast<uint32_t>(size), kSourceName, __LINE__));
        read = buffer && GfxFileRead(&file, buffer, static_cast<size_t>(size));
    }
    GfxFileClose(&file);
    if (!read) {
        std::fprintf(stderr, "Script %s: %s\n", path,
                     size > kMaxScriptSize ? "too large for a layout" : "cannot read the file");
        if (buffer)
            __dfree(buffer);
        return false;
    }
    reader->pBuffer = buffer;
    reader->pPos = buffer;
    reader->pEnd = buffer + size;
    reader->iLine = 1;
    return true;
}

void GUIScriptClose(GUIScriptReader *reader) {
    if (reader->pBuffer)
        __dfree(reader->pBuffer);
    reader->pBuffer = reader->pPos = reader->pEnd = nullptr;
}

void GUIScriptSkipBlanks(GUIScriptReader *reader) {
    while (!atEnd(reader)) {
        const char c = *reader->pPos;
        if (c == '#') {
            skipComment(reader);
        } else if (c == '\r') {
            ++reader->iLine;
            ++reader->pPos;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            ++reader->pPos;
        } else {
            return;
        }
    }
}

char GUIScriptPeek(GUIScriptReader *reader) {
    GUIScriptSkipBlanks(reader);
    return atEnd(reader) ? 0 : *reader->pPos;
}

char GUIScriptGetChar(GUIScriptReader *reader) {
    GUIScriptSkipBlanks(reader);
    return atEnd(reader) ? 0 : *reader->pPos++;
}

void GUIScriptGetWord(GUIScriptReader *reader, char *buffer, int32_t size) {
    GUIScriptSkipBlanks(reader);
    const bool quoted = !atEnd(reader) && *reader->pPos == '"';
    if (quoted)
        ++reader->pPos;
    const char *start = reader->pPos;
    while (!atEnd(reader) && (quoted ? *reader->pPos != '"' : isWordChar(*reader->pPos)))
        ++reader->pPos;
    if (size > 0)
        GUITextCopy(buffer, static_cast<size_t>(size), start,
                    static_cast<size_t>(reader->pPos - start));
    if (quoted && !atEnd(reader))
        ++reader->pPos;
}

int32_t GUIScriptGetNumber(GUIScriptReader *reader) {
    GUIScriptSkipBlanks(reader);
    const int32_t value = scanDecimal(reader->pPos, reader->pEnd);
    while (!atEnd(reader) && isDigit(*reader->pPos))
        ++reader->pPos;
    return value;
}

void GUIScriptError(GUIScriptReader *reader) {
    std::printf("Script error in line %d\n", reader->iLine);
}

char szGUIScriptFirstError[GUI_SCRIPT_ERROR_SIZE] = "";
int32_t iGUIScriptFirstErrorLine = 0;

void GUIScriptErrorWhy(GUIScriptReader *reader, const char *reason) {
    std::fprintf(stderr, "Layout script error in line %d: %s\n", reader->iLine, reason);
    if (!szGUIScriptFirstError[0]) {
        std::snprintf(szGUIScriptFirstError, sizeof szGUIScriptFirstError, "%s", reason);
        iGUIScriptFirstErrorLine = reader->iLine;
    }
    GUIScriptError(reader);
}

bool GUIScriptGetWordInParentheses(GUIScriptReader *reader, char *buffer, int32_t size) {
    const bool opened = GUIScriptGetChar(reader) == '(';
    GUIScriptGetWord(reader, buffer, size);
    const bool closed = GUIScriptGetChar(reader) == ')';
    if (opened && closed)
        return true;
    GUIScriptErrorWhy(reader, opened ? "missing \")\"" : "missing \"(\"");
    return false;
}

GUIControl *GUIControlCreateFromFile(GUIControl *parent, const char *path) {
    std::printf("Script load: %s\n", path ? path : "");
    GUIScriptReader reader;
    if (!GUIScriptOpen(&reader, path)) {
        std::printf("suxx\n");
        return nullptr;
    }
    GUIControl *ctl = GUIControlCreateFromScript(parent, &reader);
    GUIScriptClose(&reader);
    return ctl;
}

GUIControl *GUIControlCreateFromScript(GUIControl *parent, GUIScriptReader *reader) {
    GUIControlScriptArgs args{};
    GUIScriptGetWord(reader, args.szType, sizeof args.szType);
    const GUIControlType *type = findType(args.szType);
    if (!type || !type->FromScript) {
        const std::string reason = args.szType[0]
                                       ? std::string("unknown type \"") + args.szType + "\""
                                       : std::string("a type name is missing");
        return failStatement(reader, reason.c_str());
    }
    std::printf("Control: %s\n", args.szType);
    if (const char *reason = readRectangle(reader, args.oRect))
        return failStatement(reader, reason);
    GUIControl *ctl = type->FromScript(parent, reader, &args);
    if (!ctl)
        return failStatement(reader, "the control could not be made from its arguments");
    // A parentless control (a desktop) cannot stand inside a block: it would be
    // out of reach of the enclosing statement's clean-up.
    if (parent && !ctl->pParent)
        return failStatement(reader, "a root control cannot stand inside a block", ctl);
    readIdentifier(reader, ctl);
    if (const char *reason = readStatementEnd(reader, ctl))
        return failStatement(reader, reason, ctl);
    return ctl;
}

void GUIControlSaveTree(GUIControl *ctl, FILE *stream, int32_t depth) {
    writeTabs(stream, depth);
    std::fprintf(stream, "%s[%d,%d,%d,%d]", ctl->pType ? ctl->pType->pszName : "<unknown>",
                 ctl->iLeft, ctl->iTop, ctl->iWidth, ctl->iHeight);
    GUIControl *child = ctl->Save(ctl, stream);
    if (ctl->pszID)
        std::fprintf(stream, " \"%s\"", ctl->pszID);
    if (child) {
        std::fputs("\n", stream);
        writeTabs(stream, depth);
        std::fputs("{\n", stream);
        for (; child; child = child->pNext)
            GUIControlSaveTree(child, stream, depth + 1);
        writeTabs(stream, depth);
        std::fputs("}", stream);
    }
    std::fputs(";\n", stream);
}

void GUIControlDumpToLog(GUIControl *ctl, int32_t depth) {
    if (!pGUILogFile)
        return;
    for (ctl = ctl ? ctl : pGUIControlRoot; ctl; ctl = ctl->pNext) {
        dumpLine(pGUILogFile, ctl, depth);
        if (ctl->pFirstChild)
            GUIControlDumpToLog(ctl->pFirstChild, depth + 1);
    }
    std::fflush(pGUILogFile);
}

} // extern "C"
