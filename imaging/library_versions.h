// The versions of the libraries the pixels go through, for an About box.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace imaging {

// (name, version) of libjpeg-turbo, libpng, Exiv2 and Little CMS.
std::vector<std::pair<std::string, std::string>> libraryVersions();

}  // namespace imaging
