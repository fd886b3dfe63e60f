#pragma once
#include "app/program_folder.h"

#include <QString>

namespace quillo::platform {

// The program folder with a trailing '/': the executable's folder, or
// $QUILLO_HOME when set (tests and portable installs use it).
QString programFolder();
// The program folder for the help pages and the folder for the user's
// settings, fonts and snippets (see chooseProgramFolders).
ProgramFolders programFolders();
// Process-wide set-up before anything else runs: a file size limit makes a
// write fail with an error (reported like a full disk) instead of killing
// the program mid-save.
void prepareProcess();
// The user's home folder with a trailing '/'.
QString homeFolder();
// The first desktop calculator found on PATH, or an empty string.
QString findCalculator();
// Hands a file or address to the desktop shell (xdg-open).
bool openWithDesktop(const QString& target);
// Number of processors and free physical memory in bytes.
int processorCount();
qint64 freeMemoryBytes();

}  // namespace quillo::platform
