cmake_policy(VERSION 3.25)
# Writes OUTPUT, the udev rules that let the logged-in user open the hidraw
# nodes of every vendor/product pair of the device table INPUT. They match
# the HID device above the node ("<bus>:<VENDOR>:<PRODUCT>.<n>", upper-case
# hex), which every HID transport has; a USB parent's idVendor would miss a
# keyboard that reaches the kernel another way.
file(READ "${INPUT}" json)
set(rules "# Generated from the device table. Lets the user at the seat open the\n# keyboards' HID nodes. Install into /etc/udev/rules.d/ or /usr/lib/udev/rules.d/.\n")
set(seen "")
string(JSON nmodels LENGTH "${json}" models)
math(EXPR lastModel "${nmodels} - 1")
foreach(m RANGE ${lastModel})
  string(JSON name GET "${json}" models ${m} model)
  string(JSON nids LENGTH "${json}" models ${m} ids)
  math(EXPR lastId "${nids} - 1")
  foreach(i RANGE ${lastId})
    string(JSON vid GET "${json}" models ${m} ids ${i} vendorId)
    string(JSON pid GET "${json}" models ${m} ids ${i} productId)
    string(TOUPPER "${vid}" vid)
    string(TOUPPER "${pid}" pid)
    if(NOT "${vid}:${pid}" IN_LIST seen)
      list(APPEND seen "${vid}:${pid}")
      string(APPEND rules "# ${name}\nSUBSYSTEM==\"hidraw\", SUBSYSTEMS==\"hid\", KERNELS==\"*:${vid}:${pid}.*\", TAG+=\"uaccess\"\n")
    endif()
  endforeach()
endforeach()
file(WRITE "${OUTPUT}" "${rules}")
