#include "library_versions.h"

#include <cstdio>  // jpeglib.h needs FILE

#include <exiv2/exiv2.hpp>
#include <jpeglib.h>
#include <lcms2.h>
#include <png.h>

namespace imaging {

std::vector<std::pair<std::string, std::string>> libraryVersions()
{
    const int jpeg = LIBJPEG_TURBO_VERSION_NUMBER, lcms = cmsGetEncodedCMMversion();
    return {
        {"libjpeg-turbo", std::to_string(jpeg / 1000000) + "." + std::to_string(jpeg / 1000 % 1000) + "." +
                              std::to_string(jpeg % 1000)},
        {"libpng", png_get_libpng_ver(nullptr)},
        {"Exiv2", Exiv2::versionString()},
        {"Little CMS", std::to_string(lcms / 1000) + "." + std::to_string(lcms / 10 % 100)},
    };
}

}  // namespace imaging
