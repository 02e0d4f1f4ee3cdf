#include "sdk/firmware/FirmwareTable.h"

#include "sdk/hid/JsonFields.h"

#include <cjson/cJSON.h>

#include <cstdio>

namespace lumtar {

extern const unsigned char kBuiltinFirmwareTable[];
extern const std::size_t kBuiltinFirmwareTableSize;

namespace firmware {

namespace {

bool fail(std::string* error, const std::string& why)
{
    if (error)
        *error = why;
    return false;
}

bool connection(const cJSON* entry, int* connectType)
{
    const std::string c = json::text(entry, "connection");
    if (c == "usb" || c.empty())
        *connectType = 0;
    else if (c == "receiver")
        *connectType = 1;
    else
        return false;
    return true;
}

// A file name rule names one file of the image folder: "%1" once, no folder.
bool fileNameRule(const std::string& rule)
{
    const size_t at = rule.find("%1");
    return !rule.empty() && at != std::string::npos && rule.find("%1", at + 2) == std::string::npos
        && rule.find('/') == std::string::npos && rule.find('\\') == std::string::npos;
}

bool parseFamily(const cJSON* f, ImageFamily* out, std::string* error)
{
    out->name = json::text(f, "family");
    const std::string where = "family \"" + out->name + "\": ";
    if (out->name.empty())
        return fail(error, "a family has no name");
    const std::string format = json::text(f, "format");
    if (format == "ufw")
        out->format = ImageFormat::Ufw;
    else if (format == "bin")
        out->format = ImageFormat::Bin;
    else
        return fail(error, where + "format must be \"ufw\" or \"bin\"");
    out->fileName = json::text(f, "fileName");
    out->receiverFileName = json::text(f, "receiverFileName");
    if (!fileNameRule(out->fileName) || !fileNameRule(out->receiverFileName))
        return fail(error, where + "file names must hold %1 once and no folder");
    if (out->format == ImageFormat::Bin) {
        if (!json::integer(f, "imageSize", &out->imageSize, 0) || out->imageSize < 1024
            || out->imageSize > 16 * 1024 * 1024)
            return fail(error, where + "imageSize must lie between 1 KB and 16 MB");
        // The info string (50 bytes), the date after it (24 bytes from +64)
        // and the closing CRC must not overlap.
        if (!json::integer(f, "infoOffset", &out->infoOffset, -1) || out->infoOffset < 0
            || out->infoOffset > out->imageSize - 92)
            return fail(error, where + "infoOffset must leave room for the info string, date and CRC");
    }
    return true;
}

} // namespace

std::string ImageFamily::imageFileName(const std::string& model, int connectType) const
{
    std::string name = connectType == 0 ? fileName : receiverFileName;
    const size_t at = name.find("%1");
    if (at != std::string::npos)
        name.replace(at, 2, model);
    return name;
}

const ImageEntry* FirmwareModel::imageFor(int connectType) const
{
    const int c = connectType == 0 ? 0 : 1;
    for (const ImageEntry& e : images)
        if (e.connectType == c)
            return &e;
    return nullptr;
}

const BootloaderIds* FirmwareModel::bootloaderFor(int connectType) const
{
    const int c = connectType == 0 ? 0 : 1;
    for (const BootloaderIds& b : bootloaders)
        if (b.connectType == c)
            return &b;
    return nullptr;
}

const FirmwareTable& FirmwareTable::builtin()
{
    static const FirmwareTable* table = [] {
        auto* t = new FirmwareTable;
        std::string error;
        if (!t->parse(builtinJson(), &error))
            std::fprintf(stderr, "lumtarSdk: built-in firmware table not usable: %s\n", error.c_str());
        return t;
    }();
    return *table;
}

std::string FirmwareTable::builtinJson()
{
    return std::string(reinterpret_cast<const char*>(kBuiltinFirmwareTable), kBuiltinFirmwareTableSize);
}

bool FirmwareTable::parse(const std::string& text, std::string* error)
{
    m_families.clear();
    m_models.clear();
    const json::Document root = json::parse(text);
    if (!root)
        return fail(error, "the firmware table is not valid JSON");
    const cJSON* families = cJSON_GetObjectItemCaseSensitive(root.get(), "families");
    const cJSON* models = cJSON_GetObjectItemCaseSensitive(root.get(), "models");
    if (!cJSON_IsArray(families) || !cJSON_IsArray(models))
        return fail(error, "the firmware table needs \"families\" and \"models\" lists");

    std::vector<ImageFamily> parsedFamilies;
    const cJSON* f = nullptr;
    cJSON_ArrayForEach(f, families)
    {
        ImageFamily family;
        if (!parseFamily(f, &family, error))
            return false;
        for (const ImageFamily& other : parsedFamilies) {
            if (other.name == family.name)
                return fail(error, "family \"" + family.name + "\" listed twice");
            // A .bin image is told apart by its length alone.
            if (family.format == ImageFormat::Bin && other.format == ImageFormat::Bin
                && other.imageSize == family.imageSize)
                return fail(error, "families \"" + other.name + "\" and \"" + family.name + "\" share one size");
        }
        parsedFamilies.push_back(std::move(family));
    }
    // The models point into parsedFamilies; moving the vector keeps its elements in place.

    std::vector<FirmwareModel> parsedModels;
    const cJSON* m = nullptr;
    cJSON_ArrayForEach(m, models)
    {
        FirmwareModel model;
        model.model = json::text(m, "model");
        const std::string where = "model \"" + model.model + "\": ";
        // A model name is the identity of a .ufw image: 15 characters at most.
        if (model.model.empty() || model.model.size() > 15)
            return fail(error, "a model needs a name of 1 to 15 characters");
        for (const FirmwareModel& other : parsedModels)
            if (other.model == model.model)
                return fail(error, where + "listed twice");
        const std::string familyName = json::text(m, "family");
        for (const ImageFamily& family : parsedFamilies)
            if (family.name == familyName)
                model.family = &family;
        if (!model.family)
            return fail(error, where + "unknown family \"" + familyName + "\"");

        const cJSON* e = nullptr;
        cJSON_ArrayForEach(e, cJSON_GetObjectItemCaseSensitive(m, "images"))
        {
            ImageEntry image;
            if (!connection(e, &image.connectType))
                return fail(error, where + "connection must be \"usb\" or \"receiver\"");
            image.version = json::text(e, "version");
            image.date = json::text(e, "date");
            if (image.version.empty() || image.version.size() > 49)
                return fail(error, where + "an image needs a version");
            if (model.family->format == ImageFormat::Ufw && image.version.size() != 4)
                return fail(error, where + "a .ufw image's version has four characters");
            if (image.date.size() > 23)
                return fail(error, where + "an image's date has at most 23 characters");
            if (model.imageFor(image.connectType))
                return fail(error, where + "two images for one connection");
            model.images.push_back(image);
        }
        const cJSON* b = nullptr;
        cJSON_ArrayForEach(b, cJSON_GetObjectItemCaseSensitive(m, "bootloaders"))
        {
            BootloaderIds ids;
            if (!connection(b, &ids.connectType))
                return fail(error, where + "connection must be \"usb\" or \"receiver\"");
            ids.vendorId = json::hexId(json::text(b, "vendorId"));
            ids.productId = json::hexId(json::text(b, "productId"));
            if (ids.vendorId < 0 || ids.productId < 0)
                return fail(error, where + "bootloaders need vendorId and productId as hex text");
            if (model.family->format != ImageFormat::Bin)
                return fail(error, where + "only .bin families are written through a HID bootloader");
            if (model.bootloaderFor(ids.connectType))
                return fail(error, where + "two bootloaders for one connection");
            model.bootloaders.push_back(ids);
        }
        parsedModels.push_back(std::move(model));
    }
    m_families = std::move(parsedFamilies);
    m_models = std::move(parsedModels);
    return true;
}

const FirmwareModel* FirmwareTable::findModel(const std::string& model) const
{
    for (const FirmwareModel& m : m_models)
        if (m.model == model)
            return &m;
    return nullptr;
}

const ImageFamily* FirmwareTable::binFamilyOfSize(size_t size) const
{
    for (const ImageFamily& f : m_families)
        if (f.format == ImageFormat::Bin && static_cast<size_t>(f.imageSize) == size)
            return &f;
    return nullptr;
}

bool FirmwareTable::isBootloader(int vendorId, int productId) const
{
    for (const FirmwareModel& m : m_models)
        for (const BootloaderIds& b : m.bootloaders)
            if (b.vendorId == vendorId && b.productId == productId)
                return true;
    return false;
}

} // namespace firmware
} // namespace lumtar
