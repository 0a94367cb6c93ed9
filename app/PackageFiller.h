#pragma once
// What fills the staging folder from a downloaded package, chosen by the
// package's content rather than its name or address: an XMLTV guide (plain or
// gzip) is converted into a catalogue; anything else is unpacked as a zip
// package with the 7-Zip library.

#include "app/CatalogueSwap.h"

#include <string>

// packagePath: the saved download; archiveLibrary: the 7-Zip library file. The
// filler raises when the package cannot be read, is a guide that is not
// well-formed or has no channel, or is not a valid zip archive.
TCatalogueFiller PackageFiller(const std::string& packagePath, const std::string& archiveLibrary);
