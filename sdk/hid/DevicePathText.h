// The path text of one device interface:
//   "hid#vid_VVVV&pid_PPPP&mi_NN#<os path>"
#ifndef LUMTAR_DEVICE_PATH_TEXT_H
#define LUMTAR_DEVICE_PATH_TEXT_H

#include <string>

namespace lumtar {

class DevicePathText {
public:
    int vendorId = 0;
    int productId = 0;
    int interfaceNumber = 0;
    std::string osPath;

    std::string format() const;
    // Reads a path text; false when it is not one of ours.
    static bool parse(const std::string& text, DevicePathText* out);
};

} // namespace lumtar

#endif
