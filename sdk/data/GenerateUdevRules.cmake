cmake_policy(VERSION 3.25)
# Writes OUTPUT, the udev rules that let the logged-in user open the hidraw
# nodes of every vendor/product pair of the device table INPUT, and of the
# bootloaders of the firmware table FIRMWARE when given. They match
# the HID device above the node ("<bus>:<VENDOR>:<PRODUCT>.<n>", upper-case
# hex), which every HID transport has; a USB parent's idVendor would miss a
# keyboard that reaches the kernel another way.
#
# The keyboards' input event nodes are opened too (their presses reach the
# light effects whichever program has the focus), and /dev/uinput, through
# which text keys type on any desktop. /dev/uinput lets the user's programs
# send input, as the rules of game controllers do; a keyboard's input nodes
# tell nothing its hidraw nodes do not.

# Appends one rule per vendor/product pair of the list member listName of
# every model of a table, each pair once; suffix follows the model's name
# in the comment.
function(append_rules json listName suffix withInput)
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
        if(withInput)
          string(APPEND rules "SUBSYSTEM==\"input\", KERNEL==\"event*\", SUBSYSTEMS==\"hid\", KERNELS==\"*:${vid}:${pid}.*\", TAG+=\"uaccess\"\n")
        endif()
      endif()
    endforeach()
  endforeach()
  set(rules "${rules}" PARENT_SCOPE)
  set(seen "${seen}" PARENT_SCOPE)
endfunction()

set(rules "# Generated from the device table. Lets the user at the seat open the\n# keyboards' HID and input nodes and /dev/uinput (text keys type through a\n# virtual keyboard; it lets the user's programs send input, as the rules of\n# game controllers do). Install into /etc/udev/rules.d/ or /usr/lib/udev/rules.d/.\n")
set(seen "")
file(READ "${INPUT}" json)
append_rules("${json}" ids "" TRUE)
# Flashing opens the keyboards' bootloaders too.
if(FIRMWARE)
  file(READ "${FIRMWARE}" fwjson)
  append_rules("${fwjson}" bootloaders " bootloader" FALSE)
endif()
# Text keys type through a virtual keyboard. static_node: the node exists
# before the module is loaded, made at boot from the module's alias.
string(APPEND rules "# Virtual keyboard of the text keys\nSUBSYSTEM==\"misc\", KERNEL==\"uinput\", OPTIONS+=\"static_node=uinput\", TAG+=\"uaccess\"\n")
file(WRITE "${OUTPUT}" "${rules}")
