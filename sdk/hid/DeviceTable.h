// The supported-device table: parsed from its JSON text, looked up by model
// name or by vendor/product id.
#ifndef LUMTAR_DEVICE_TABLE_H
#define LUMTAR_DEVICE_TABLE_H

#include "sdk/hid/DeviceModel.h"

#include <string>
#include <vector>

namespace lumtar {

class DeviceTable {
public:
    // Name of the file beside the program that replaces the built-in table.
    static constexpr const char* kOverrideFileName = "lumtar-devices.json";
    // Longest model name: it must fit the model fields of the device records.
    static constexpr size_t kMaxModelNameLength = 127;

    // Parses a table; on failure returns false with a reason in error and
    // leaves the table empty. Model names are checked here, once: every name
    // handed out is a plain file name.
    bool parse(const std::string& json, std::string* error = nullptr);
    // The file beside the program when there is one, else the built-in
    // table. source receives where the table came from.
    bool loadDefault(std::string* error = nullptr, std::string* source = nullptr);
    static std::string builtinJson();

    const std::vector<DeviceModel>& models() const { return m_models; }
    const DeviceModel* findModel(const std::string& name) const;
    // The model of a vendor/product pair; ids receives the pair's entry.
    const DeviceModel* findByIds(int vendorId, int productId, const DeviceIds** ids = nullptr) const;

private:
    std::vector<DeviceModel> m_models;
};

} // namespace lumtar

#endif
