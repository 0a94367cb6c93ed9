#pragma once
// Where the program keeps its files: the application folder (the program's own
// folder, with a trailing delimiter) and the paths built from it.

#include <string>

// The folder of the program file when the program may write there and is not
// an installed copy (<prefix>/bin/NAME with <prefix>/share/applications/NAME.desktop);
// otherwise the user's data folder for the program, $XDG_DATA_HOME/telvora/
// (default ~/.local/share/telvora/), created on demand.
// Everything the program writes and reads beside itself goes there instead.
std::string ApplicationFolderFor(const std::string& programPath);

// The first use of a data folder away from the program: the catalogue beside
// the program (its working folder) is copied into the data folder's working
// folder when that holds no channel yet, so it is copied once. True when it was
// copied; raises when the copy fails, leaving the data folder as it was.
bool CopyCatalogueBesideProgram(const std::string& programPath,
                                const std::string& applicationFolder);

// The working folder that holds the package and the unpacked catalogue.
std::string WorkingFolderOf(const std::string& applicationFolder);

// The file the embedded 7-Zip library is written to and loaded from.
std::string ArchiveLibraryPathOf(const std::string& applicationFolder);
