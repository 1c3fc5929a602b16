# Precompiled headers. Qt's widget headers and GoogleTest's are most of what a page, a widget
# or a test costs to compile, so each kind of target gets one header, compiled once by the
# first target of that kind and reused by the others (REUSE_FROM) whose compile flags match.
# The kind follows from what a target links, not from its name or folder, so moving and
# renaming code keeps it. Folders that must build without Qt get none: a precompiled header
# there could hide a missing include; CI builds one preset with CMAKE_DISABLE_PRECOMPILE_HEADERS
# for the same reason elsewhere, and with every warning: GCC 12 loses the system header's
# silence for std::string inlined through a precompiled header and reports its false
# -Warray-bounds, -Wstringop-overflow, -Wstringop-overread and -Wrestrict in the code that uses
# it, so targets with a header leave those to the build without.
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/targets_under.cmake)

set(kTamberlyxQtFreeFolders protocol text netdrive operations device)

set(kTamberlyxStdHeaders <array> <functional> <memory> <optional> <string> <string_view> <vector>)
set(kTamberlyxWidgetHeaders
  <QApplication> <QCheckBox> <QComboBox> <QDialog> <QFont> <QLabel> <QLineEdit> <QListWidget>
  <QPointer> <QPushButton> <QRadioButton> <QString> <QWidget>)
set(kTamberlyxTestHeaders <gtest/gtest.h>)

# The libraries whose headers TARGET's sources see: what it links, and what those pass on.
function(_tamberlyx_visible_libraries target out)
  set(seen)
  set(queue ${target})
  while(TRUE)
    list(LENGTH queue left)
    if(left EQUAL 0)
      break()
    endif()
    list(POP_FRONT queue item)
    if(item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${item})
    if(NOT TARGET ${item}) # a plain library, or one imported in a folder of its own
      continue()
    endif()
    get_target_property(aliased ${item} ALIASED_TARGET)
    if(aliased)
      list(APPEND queue ${aliased})
      continue()
    endif()
    if(item STREQUAL target)
      get_target_property(links ${item} LINK_LIBRARIES)
    else()
      get_target_property(links ${item} INTERFACE_LINK_LIBRARIES)
    endif()
    foreach(link IN LISTS links)
      if(links AND NOT link MATCHES "^\\$<") # LINK_ONLY and other conditions pass no headers on
        list(APPEND queue ${link})
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# The compile flags that the libraries TARGET sees add to its own: a header is reused only
# where they are the same (GCC refuses one made with other macros, -pthread's _REENTRANT say).
function(_tamberlyx_flags_key target libraries out)
  get_target_property(options ${target} COMPILE_OPTIONS)
  get_target_property(definitions ${target} COMPILE_DEFINITIONS)
  set(flags ${options} ${definitions})
  foreach(library IN LISTS libraries)
    if(NOT TARGET ${library} AND library MATCHES "::")
      # Imported in a folder of its own, its flags unknown here; they may name the folder of the
      # target using them (Qt6::Test's QT_TESTCASE_BUILDDIR), so the folder counts too.
      get_target_property(binaryDir ${target} BINARY_DIR)
      list(APPEND flags ${library} ${binaryDir})
    elseif(NOT library STREQUAL target)
      get_target_property(options ${library} INTERFACE_COMPILE_OPTIONS)
      get_target_property(definitions ${library} INTERFACE_COMPILE_DEFINITIONS)
      list(APPEND flags ${options} ${definitions})
    endif()
  endforeach()
  list(FILTER flags EXCLUDE REGEX "-NOTFOUND$")
  if(flags MATCHES "TARGET_PROPERTY:") # differs with the target using it
    get_target_property(binaryDir ${target} BINARY_DIR)
    list(APPEND flags ${binaryDir})
  endif()
  list(REMOVE_DUPLICATES flags)
  list(SORT flags)
  string(MD5 key "${flags}")
  set(${out} ${key} PARENT_SCOPE)
endfunction()

# widgets, widget_tests, unit_tests or nothing, followed by the key of its flags.
function(_tamberlyx_pch_kind target out)
  set(${out} "" PARENT_SCOPE)
  get_target_property(type ${target} TYPE)
  if(NOT type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
    return()
  endif()
  get_target_property(dir ${target} SOURCE_DIR)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${dir})
  foreach(qtFree IN LISTS kTamberlyxQtFreeFolders)
    if(folder STREQUAL qtFree OR folder MATCHES "^${qtFree}/")
      return()
    endif()
  endforeach()
  _tamberlyx_visible_libraries(${target} libraries)
  if(Qt6::Widgets IN_LIST libraries AND GTest::gtest IN_LIST libraries)
    set(kind widget_tests)
  elseif(Qt6::Widgets IN_LIST libraries)
    set(kind widgets)
  elseif(GTest::gtest IN_LIST libraries)
    set(kind unit_tests)
  else()
    return()
  endif()
  _tamberlyx_flags_key(${target} "${libraries}" key)
  set(${out} ${kind}_${key} PARENT_SCOPE)
endfunction()

# Call once, after every folder is added.
function(tamberlyx_precompile_headers)
  if(CMAKE_DISABLE_PRECOMPILE_HEADERS)
    return()
  endif()
  tamberlyx_targets_under(${PROJECT_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    _tamberlyx_pch_kind(${target} kind)
    if(NOT kind)
      continue()
    endif()
    if(NOT DEFINED host_${kind})
      # A header of its own pays only for a few files.
      get_target_property(sources ${target} SOURCES)
      list(FILTER sources INCLUDE REGEX "\\.cpp$")
      list(LENGTH sources count)
      if(count LESS 3)
        continue()
      endif()
    endif()
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overflow
                             -Wno-stringop-overread -Wno-restrict)
    endif()
    if(DEFINED host_${kind})
      target_precompile_headers(${target} REUSE_FROM ${host_${kind}})
      continue()
    endif()
    set(host_${kind} ${target})
    set(headers ${kTamberlyxStdHeaders})
    if(kind MATCHES "^widget")
      list(APPEND headers ${kTamberlyxWidgetHeaders})
    endif()
    if(kind MATCHES "_tests_")
      list(APPEND headers ${kTamberlyxTestHeaders})
    endif()
    target_precompile_headers(${target} PRIVATE ${headers})
  endforeach()
endfunction()
