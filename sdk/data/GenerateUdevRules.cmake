cmake_policy(VERSION 3.25)
# Writes OUTPUT, the udev rules that let the logged-in user open the hidraw
# nodes of every vendor/product pair of the device table INPUT, and of the
# bootloaders of the firmware table FIRMWARE when given. They match
# the HID device above the node ("<bus>:<VENDOR>:<PRODUCT>.<n>", upper-case
# hex), which every HID transport has; a USB parent's idVendor would miss a
# keyboard that reaches the kernel another way.

# Appends one rule per vendor/product pair of the list member listName of
# every model of a table, each pair once; suffix follows the model's name
# in the comment.
function(append_rules json listName suffix)
  string(JSON nmodels LENGTH "${json}" models)
  math(EXPR lastModel "${nmodels} - 1")
  foreach(m RANGE ${lastModel})
    string(JSON name GET "${json}" models ${m} model)
    string(JSON nids ERROR_VARIABLE missing LENGTH "${json}" models ${m} ${listName})
    if(missing OR nids EQUAL 0)
      continue()
    endif()
    math(EXPR lastId "${nids} - 1")
    foreach(i RANGE ${lastId})
      string(JSON vid GET "${json}" models ${m} ${listName} ${i} vendorId)
      string(JSON pid GET "${json}" models ${m} ${listName} ${i} productId)
      string(TOUPPER "${vid}" vid)
      string(TOUPPER "${pid}" pid)
      if(NOT "${vid}:${pid}" IN_LIST seen)
        list(APPEND seen "${vid}:${pid}")
        string(APPEND rules "# ${name}${suffix}\nSUBSYSTEM==\"hidraw\", SUBSYSTEMS==\"hid\", KERNELS==\"*:${vid}:${pid}.*\", TAG+=\"uaccess\"\n")
      endif()
    endforeach()
  endforeach()
  set(rules "${rules}" PARENT_SCOPE)
  set(seen "${seen}" PARENT_SCOPE)
endfunction()

set(rules "# Generated from the device table. Lets the user at the seat open the\n# keyboards' HID nodes. Install into /etc/udev/rules.d/ or /usr/lib/udev/rules.d/.\n")
set(seen "")
file(READ "${INPUT}" json)
append_rules("${json}" ids "")
# Flashing opens the keyboards' bootloaders too.
if(FIRMWARE)
  file(READ "${FIRMWARE}" fwjson)
  append_rules("${fwjson}" bootloaders " bootloader")
endif()
file(WRITE "${OUTPUT}" "${rules}")
