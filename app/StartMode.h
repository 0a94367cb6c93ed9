#pragma once
// How the command line decides the start: a normal start without arguments, an
// update start for each "-up" (compared after ASCII lower-casing).

#include <span>
#include <string>

struct TStartMode {
    // No argument at all: load the catalogue and write the desktop shortcut.
    bool NormalStart = true;
    // One per "-up": each reports the update status, each arms Timer1.
    int UpdateRequests = 0;

    bool UpdateStart() const { return UpdateRequests > 0; }
};

// The arguments after the program path.
TStartMode StartModeFor(std::span<const std::string> arguments);
