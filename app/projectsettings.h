#pragma once

#include "app/projectversion.h"
#include "forms/identity.h"

// The settings the whole program shares, fixed at build time.
namespace projectsettings {

// What each edition's entry hands its forms runtime. The version is the project's VERSION in
// CMakeLists.txt, from which every other copy is generated.
inline constexpr forms::Identity identity {
    .title = u"工程1", .asciiName = "merrowdale-results", .version = projectVersion};

} // namespace projectsettings
