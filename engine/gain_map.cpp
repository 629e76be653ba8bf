#include "gain_map.h"

#include <string_view>

#include "header_segments.h"

namespace {

constexpr std::string_view xmpId{"http://ns.adobe.com/xap/1.0/\0", 29};
constexpr std::string_view isoGainMapId{"urn:iso:std:iso:ts:21496:-1", 27};
constexpr std::string_view gainMapMarks[] = {
    "http://ns.adobe.com/hdr-gain-map/1.0/",     // "hdrgm", Ultra HDR and Adobe
    "http://ns.apple.com/HDRGainMap/1.0/",       // Apple's namespace
    "urn:com:apple:photo:2020:aux:hdrgainmap",   // Apple's auxiliary picture type
};

// The XMP packet of an APP1 segment, or an empty view.
std::string_view xmpPacket(unsigned char marker, const unsigned char *payload, std::size_t length)
{
    const std::string_view bytes(reinterpret_cast<const char *>(payload), length);
    if (marker != APP1[1] || !bytes.starts_with(xmpId))
        return {};
    return bytes.substr(xmpId.size());
}

// The value after `at` of an XMP property written as an attribute
// (name="value") or as an element (<name>value</name>).
std::string_view propertyValue(std::string_view xmp, std::size_t at)
{
    std::size_t from = xmp.find_first_of("=>", at);
    if (from == std::string_view::npos)
        return {};
    if (xmp[from] == '=') {
        from = xmp.find_first_of("\"'", from);
        if (from == std::string_view::npos)
            return {};
        const std::size_t end = xmp.find(xmp[from], from + 1);
        return end == std::string_view::npos ? std::string_view{} : xmp.substr(from + 1, end - from - 1);
    }
    const std::size_t end = xmp.find('<', from + 1);
    return end == std::string_view::npos ? std::string_view{} : xmp.substr(from + 1, end - from - 1);
}

}  // namespace

bool marksGainMap(const unsigned char *picture, std::size_t size, bool *ranOut)
{
    const auto marks = [](unsigned char marker, const unsigned char *payload, std::size_t length) {
        const std::string_view bytes(reinterpret_cast<const char *>(payload), length);
        if (marker == APP2[1] && bytes.starts_with(isoGainMapId))
            return true;
        const std::string_view xmp = xmpPacket(marker, payload, length);
        for (std::string_view mark : gainMapMarks)
            if (xmp.find(mark) != std::string_view::npos)
                return true;
        return false;
    };
    return forEachHeaderSegment(picture, size, marks, ranOut);
}

int listedGainMapItem(const unsigned char *first, std::size_t size)
{
    int found = -1;
    forEachHeaderSegment(first, size, [&](unsigned char marker, const unsigned char *payload, std::size_t length) {
        const std::string_view xmp = xmpPacket(marker, payload, length);
        // The container's items in order, the first picture first, each with
        // an "Item:Semantic" property.
        int item = 0;
        for (std::size_t at = xmp.find("Item:Semantic"); at != std::string_view::npos;
             at = xmp.find("Item:Semantic", at + 1)) {
            const std::string_view value = propertyValue(xmp, at + 13);
            if (value == "GainMap") {
                found = item;
                return true;
            }
            // An element form closes with </Item:Semantic>, which is no new item.
            if (at == 0 || xmp[at - 1] != '/')
                ++item;
        }
        return false;
    });
    return found;
}

bool isPhotoAndGainMap(const unsigned char *left, std::size_t leftSize, const unsigned char *right,
                       std::size_t rightSize, int rightPosition)
{
    if (marksGainMap(right, rightSize) || (rightPosition > 1 && marksGainMap(left, leftSize)))
        return true;
    return rightPosition == 1 && listedGainMapItem(left, leftSize) == 1;
}
