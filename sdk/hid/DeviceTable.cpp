#include "sdk/hid/DeviceTable.h"

#include "sdk/hid/JsonFields.h"

#include <cjson/cJSON.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace lumtar {

extern const unsigned char kBuiltinDeviceTable[];
extern const std::size_t kBuiltinDeviceTableSize;

using json::hexId;
using json::integer;
using json::integerValue;
using json::text;

namespace {

bool intList(const cJSON* obj, const char* key, std::vector<int>* out)
{
    out->clear();
    const cJSON* arr = cJSON_GetObjectItemCaseSensitive(obj, key);
    if (!arr)
        return true;
    if (!cJSON_IsArray(arr))
        return false;
    const cJSON* e = nullptr;
    cJSON_ArrayForEach(e, arr)
    {
        int v = 0;
        if (!integerValue(e, &v) || v < 0 || v > 255)
            return false;
        out->push_back(v);
    }
    return true;
}

// A model name is used as a folder and file name: letters, digits, '-',
// '_' and '.', not led by a dot, and short enough for the device records.
bool isPlainModelName(const std::string& name)
{
    if (name.empty() || name.size() > DeviceTable::kMaxModelNameLength || name[0] == '.')
        return false;
    for (char c : name) {
        const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-'
            || c == '_' || c == '.';
        if (!plain)
            return false;
    }
    return true;
}

bool fail(std::string* error, const std::string& why)
{
    if (error)
        *error = why;
    return false;
}

std::string programDir()
{
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return {};
    std::string p(buf, static_cast<size_t>(n));
    const size_t slash = p.rfind('/');
    return slash == std::string::npos ? std::string() : p.substr(0, slash);
}

} // namespace

std::string DeviceTable::builtinJson()
{
    return std::string(reinterpret_cast<const char*>(kBuiltinDeviceTable), kBuiltinDeviceTableSize);
}

bool DeviceTable::parse(const std::string& json, std::string* error)
{
    m_models.clear();
    const json::Document root = json::parse(json);
    if (!root)
        return fail(error, "the device table is not valid JSON");
    const cJSON* models = cJSON_GetObjectItemCaseSensitive(root.get(), "models");
    if (!cJSON_IsArray(models))
        return fail(error, "the device table has no \"models\" list");

    std::vector<DeviceModel> parsed;
    const cJSON* m = nullptr;
    cJSON_ArrayForEach(m, models)
    {
        DeviceModel d;
        d.model = text(m, "model");
        const std::string where = "model \"" + d.model + "\": ";
        if (d.model.empty())
            return fail(error, "a model has no name");
        if (!isPlainModelName(d.model))
            return fail(error, where + "a model name holds only letters, digits, '-', '_' and '.' and is not led by a dot");
        for (const DeviceModel& other : parsed)
            if (other.model == d.model)
                return fail(error, where + "listed twice");
        d.kind = text(m, "kind");
        d.productName = text(m, "productName");
        d.likeName = text(m, "likeName");
        if (!integer(m, "keyCount", &d.keyCount, 0) || d.keyCount < 0)
            return fail(error, where + "bad keyCount");
        std::vector<int> values;
        const cJSON* mv = cJSON_GetObjectItemCaseSensitive(m, "modelValues");
        if (mv) {
            if (!cJSON_IsArray(mv) || cJSON_GetArraySize(mv) != 4)
                return fail(error, where + "modelValues must hold four integers");
            int k = 0;
            const cJSON* e = nullptr;
            cJSON_ArrayForEach(e, mv)
            {
                if (!integerValue(e, &d.modelValues[static_cast<size_t>(k++)]))
                    return fail(error, where + "modelValues must hold four integers");
            }
        }
        const cJSON* mag = cJSON_GetObjectItemCaseSensitive(m, "magnetic");
        d.magnetic = cJSON_IsTrue(mag);
        if (!integer(m, "sideLightSegments", &d.sideLightSegments, 0) || d.sideLightSegments < 0)
            return fail(error, where + "bad sideLightSegments");
        if (!integer(m, "lightBatchFrames", &d.lightBatchFrames, 10) || d.lightBatchFrames < 1
            || d.lightBatchFrames > 64)
            return fail(error, where + "lightBatchFrames must be 1 to 64");
        if (!integer(m, "sideLedCount", &d.sideLedCount, 33) || d.sideLedCount < 0 || d.sideLedCount > 60)
            return fail(error, where + "sideLedCount must be 0 to 60");
        // The application streams a frame as one batch: the 8 key reports
        // and one report for every 18 side LEDs.
        if (d.lightBatchFrames != 8 + (d.sideLedCount + 17) / 18)
            return fail(error, where + "lightBatchFrames must be 8 + one for every 18 side LEDs");
        const cJSON* modeReport = cJSON_GetObjectItemCaseSensitive(m, "reportsKeyboardMode");
        d.reportsKeyboardMode = cJSON_IsTrue(modeReport);
        d.prohibitSleep = cJSON_IsTrue(cJSON_GetObjectItemCaseSensitive(m, "prohibitSleep"));
        if (!integer(m, "reportInterface", &d.reportInterface, -1))
            return fail(error, where + "bad reportInterface");
        const std::string usage = text(m, "usagePage");
        d.usagePage = usage.empty() ? 0 : hexId(usage);
        if (d.usagePage < 0)
            return fail(error, where + "bad usagePage");
        const cJSON* fw = cJSON_GetObjectItemCaseSensitive(m, "firmware");
        d.chipFamily = text(fw, "chipFamily");
        d.chipCode = text(fw, "chipCode");
        d.deviceClass = text(fw, "deviceClass");
        d.customerCode = text(fw, "customerCode");

        const cJSON* ids = cJSON_GetObjectItemCaseSensitive(m, "ids");
        if (!cJSON_IsArray(ids) || cJSON_GetArraySize(ids) == 0)
            return fail(error, where + "no ids");
        const cJSON* i = nullptr;
        cJSON_ArrayForEach(i, ids)
        {
            DeviceIds id;
            id.vendorId = hexId(text(i, "vendorId"));
            id.productId = hexId(text(i, "productId"));
            if (id.vendorId < 0 || id.productId < 0)
                return fail(error, where + "ids need vendorId and productId as hex text");
            const std::string conn = text(i, "connection");
            if (conn == "usb" || conn.empty())
                id.connectType = 0;
            else if (conn == "receiver")
                id.connectType = 1;
            else
                return fail(error, where + "connection must be \"usb\" or \"receiver\"");
            if (!integer(i, "gamepadMode", &id.gamepadMode, -1) || id.gamepadMode < -1 || id.gamepadMode > 2)
                return fail(error, where + "gamepadMode must be -1, 0, 1 or 2");
            for (const DeviceModel& other : parsed)
                for (const DeviceIds& o : other.ids)
                    if (o.vendorId == id.vendorId && o.productId == id.productId)
                        return fail(error, where + "ids already used by \"" + other.model + "\"");
            for (const DeviceIds& o : d.ids)
                if (o.vendorId == id.vendorId && o.productId == id.productId)
                    return fail(error, where + "ids listed twice");
            d.ids.push_back(id);
        }

        const cJSON* sim = cJSON_GetObjectItemCaseSensitive(m, "simulation");
        d.simFirmwareVersion = text(sim, "firmwareVersion");
        if (d.simFirmwareVersion.empty())
            d.simFirmwareVersion = "V1.00.00";
        d.simFirmwareDate = text(sim, "firmwareDate");
        if (!intList(sim, "lightModes", &d.simLightModes) || !intList(sim, "sideLightModes", &d.simSideLightModes)
            || !integer(sim, "speedLevels", &d.simSpeedLevels, 0)
            || !integer(sim, "brightnessLevels", &d.simBrightnessLevels, 0)
            || !integer(sim, "sideSpeedLevels", &d.simSideSpeedLevels, 0)
            || !integer(sim, "sideBrightnessLevels", &d.simSideBrightnessLevels, 0)
            || !integer(sim, "maxTravel", &d.simMaxTravel, 0))
            return fail(error, where + "bad simulation values");
        if (d.simLightModes.size() > 50 || d.simSideLightModes.size() > 50)
            return fail(error, where + "a mode list does not fit one report");
        std::vector<int> keyColumns;
        if (!intList(sim, "keyColumns", &keyColumns) || (!keyColumns.empty() && keyColumns.size() != 22))
            return fail(error, where + "keyColumns must be 22 column bytes");
        for (size_t c = 0; c < keyColumns.size(); ++c) {
            if (keyColumns[c] > 0x3F)
                return fail(error, where + "keyColumns name a row beyond the sixth");
            d.simKeyColumns[c] = static_cast<uint8_t>(keyColumns[c]);
        }
        parsed.push_back(std::move(d));
    }
    m_models = std::move(parsed);
    return true;
}

bool DeviceTable::loadDefault(std::string* error, std::string* source)
{
    const std::string dir = programDir();
    if (!dir.empty()) {
        const std::string file = dir + "/" + kOverrideFileName;
        std::ifstream in(file, std::ios::binary);
        if (in) {
            std::ostringstream ss;
            ss << in.rdbuf();
            if (source)
                *source = file;
            return parse(ss.str(), error);
        }
    }
    if (source)
        *source = "built-in";
    return parse(builtinJson(), error);
}

const DeviceModel* DeviceTable::findModel(const std::string& name) const
{
    for (const DeviceModel& m : m_models)
        if (m.model == name)
            return &m;
    return nullptr;
}

const DeviceModel* DeviceTable::findByIds(int vendorId, int productId, const DeviceIds** ids) const
{
    for (const DeviceModel& m : m_models)
        for (const DeviceIds& i : m.ids)
            if (i.vendorId == vendorId && i.productId == productId) {
                if (ids)
                    *ids = &i;
                return &m;
            }
    return nullptr;
}

} // namespace lumtar
