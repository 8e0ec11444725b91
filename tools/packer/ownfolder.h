#pragma once

#include <filesystem>

// The folder of the running packer, where the program it packs by default lies beside it (the
// Windows bundle, the .deb's /usr/bin): from the system, not from how the packer was named on
// its command line, which may be a bare name found on PATH.
std::filesystem::path ownFolder();
