// Layout scripts: the reader, the token routines every type's script
// constructor uses, the loader and the two writers.
#pragma once

#include <stdbool.h>
#include <stdint.h>
#include <stdio.h>

#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { GUI_SCRIPT_WORD_SIZE = 128, GUI_SCRIPT_ERROR_SIZE = 256 };

struct GUIScriptReader {
    char *pBuffer; // the whole file, not terminated
    char *pPos;
    char *pEnd;
    int32_t iLine;
};

struct GUIControlScriptArgs {
    GUIRect oRect; // from the statement's bracketed part; all zero when absent
    char szType[GUI_SCRIPT_WORD_SIZE];
};

bool GUIScriptOpen(GUIScriptReader *reader, const char *path);
void GUIScriptClose(GUIScriptReader *reader);
void GUIScriptSkipBlanks(GUIScriptReader *reader);
char GUIScriptPeek(GUIScriptReader *reader);
char GUIScriptGetChar(GUIScriptReader *reader);
void GUIScriptGetWord(GUIScriptReader *reader, char *buffer, int32_t size);
int32_t GUIScriptGetNumber(GUIScriptReader *reader);
// Reads "(" word ")", the attribute most types take; on anything else reports the
// error line and returns false.
bool GUIScriptGetWordInParentheses(GUIScriptReader *reader, char *buffer, int32_t size);
void GUIScriptError(GUIScriptReader *reader);
// GUIScriptError, preceded by one line on standard error that names the line
// and says why the statement failed.
void GUIScriptErrorWhy(GUIScriptReader *reader, const char *reason);
// The first reason GUIScriptErrorWhy gave since the text was last emptied, and
// its line: what a program tells its user when a layout does not load.
extern char szGUIScriptFirstError[GUI_SCRIPT_ERROR_SIZE];
extern int32_t iGUIScriptFirstErrorLine;

GUIControl *GUIControlCreateFromFile(GUIControl *parent, const char *path);
GUIControl *GUIControlCreateFromScript(GUIControl *parent, GUIScriptReader *reader);
void GUIControlSaveTree(GUIControl *ctl, FILE *stream, int32_t depth);
void GUIControlDumpToLog(GUIControl *ctl, int32_t depth);

#ifdef __cplusplus
}
#endif
