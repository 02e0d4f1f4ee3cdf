// The firmware table and image the firmware fuzz targets and their seed
// maker share: one small .bin family, so that short inputs reach every check.
#ifndef LUMTAR_FUZZ_FIRMWARE_H
#define LUMTAR_FUZZ_FIRMWARE_H

#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/FirmwareTable.h"

#include <cstdlib>
#include <vector>

inline const lumtar::firmware::FirmwareTable& fuzzFirmwareTable()
{
    static lumtar::firmware::FirmwareTable t;
    static const bool parsed = t.parse(R"({"families":[
        {"family":"b","format":"bin","imageSize":1024,"infoOffset":100,"fileName":"%1.bin","receiverFileName":"%1.bin"}],
        "models":[]})");
    if (!parsed)
        std::abort();
    return t;
}

// The image the writer target writes: model "M", 19 blocks.
inline const std::vector<uint8_t>& fuzzBinImage()
{
    static const std::vector<uint8_t> image = lumtar::firmware::BinImage::build(
        fuzzFirmwareTable().families().front(), "A,B,C,D,M,V2", "Nov 18 2024,09:30:12", std::vector<uint8_t>(40, 1));
    return image;
}

#endif
