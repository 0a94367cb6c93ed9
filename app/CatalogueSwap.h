#pragma once
// How an update replaces the catalogue without ever losing it: the new
// catalogue is filled into a staging folder beside the working folder (not
// inside it: the "all channels" category walks the whole working folder), and
// the two folders then swap by renames, so at every moment either the old or
// the new catalogue is complete under the working folder's name. What an
// interrupted attempt leaves behind is removed at the next one.
//
// Filling is a step of its own (TCatalogueFiller): unpacking a zip package is
// one filler; any other source of a catalogue folder plugs in the same way.

#include <functional>
#include <string>

// Beside the working folder: "ORVOListTemp.new/", and "ORVOListTemp.old/" for
// the old catalogue while a swap without an atomic exchange runs.
std::string StagingFolderOf(const std::string& applicationFolder);
std::string RetiredFolderOf(const std::string& applicationFolder);

// Writes a complete catalogue into stagingFolder, which exists and is empty;
// raises on failure.
using TCatalogueFiller = std::function<void(const std::string& stagingFolder)>;

// Removes the folders an interrupted attempt left; a retired catalogue whose
// working folder is missing is put back first.
void ClearInterruptedUpdate(const std::string& applicationFolder);

// Fills a fresh staging folder, moves the working folder's file packageFileName
// (the package the catalogue came from, when there is one) into it, and swaps it
// in; the old catalogue is then deleted. Raises when filling or swapping fails,
// after removing the staging folder: the working folder is then as it was.
void ReplaceCatalogue(const std::string& applicationFolder, const std::string& packageFileName,
                      const TCatalogueFiller& fill);
