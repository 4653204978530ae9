// The layout scripts of the message box and the folder browser, compiled into
// the program from app/layouts: they are needed when the disc's _data folder
// is damaged, and after the catalogue walk has left the disc's top folder.
#pragma once

extern const char kMessageBoxLayout[];
extern const char kFolderBrowserLayout[];
