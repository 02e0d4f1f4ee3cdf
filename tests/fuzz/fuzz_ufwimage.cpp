// The firmware image readers on arbitrary files: the strict .ufw parser
// takes only canonical images (what it accepts, the builder makes again
// byte for byte), and the .bin examination and the info string read only
// inside the file.
#include "FuzzFirmware.h"
#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/FirmwareTable.h"
#include "sdk/firmware/UfwImage.h"
#include "sdk/include/LumtarFirmware.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace fw = lumtar::firmware;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The file in a block of exactly its size.
    std::unique_ptr<uint8_t[]> file(new uint8_t[size ? size : 1]);
    std::memcpy(file.get(), data, size);

    fw::UfwImage image;
    if (fw::UfwImage::parse(file.get(), size, &image)) {
        check(image.identity.size() < fw::UfwImage::kIdentitySize && image.payload.size() + 64 == size);
        const std::vector<uint8_t> again = fw::UfwImage::build(image.identity, image.versionText(), image.date,
                                                               image.payload);
        check(again.size() == size && std::memcmp(again.data(), file.get(), size) == 0);
    }

    fw::BinImage bin;
    if (fw::BinImage::examine(file.get(), size, fuzzFirmwareTable(), &bin))
        check(size == 1024 && !bin.model().empty() && bin.date.size() < fw::BinImage::kDateSize);

    const auto fields = lumtarInfoStringFields(file.get(), size);
    size_t total = 0;
    for (const std::string& f : fields)
        total += f.size();
    check(total <= LUMTAR_INFO_STRING_SIZE);
    return 0;
}
