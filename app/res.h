#pragma once
// Writing one of the program's own resources out as a file (the embedded 7-Zip
// library at every start).

#include <string>

// Saves the resource with the given name and type (both matched without regard
// to case) byte for byte to fileName, replacing any file there. The new file is
// written beside the old one and renamed over it, so a copy of the library that
// a running program has mapped is never rewritten under it, and a failed write
// leaves the old file as it was.
// Raises EResNotFound "Resource %s not found", EFCreateError "Cannot create file
// "%s". %s" (the full path of fileName) or EWriteError "Stream write error".
void SaveResourceToFile(const std::string& resourceName, const std::string& resourceType,
                        const std::string& fileName);
