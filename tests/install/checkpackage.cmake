# cmake -D BUILD_DIR=... -D WORK_DIR=... -D CPACK=... (see CMakeLists.txt) -P checkpackage.cmake
cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages "${WORK_DIR}/*.deb")
list(LENGTH packages count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack -G DEB made ${count} packages (${result}):\n${output}")
endif()

# What dpkg-shlibdeps found, and the windowing plugins it cannot see.
execute_process(COMMAND dpkg-deb --field "${packages}" Package Depends
    RESULT_VARIABLE result OUTPUT_VARIABLE fields ERROR_VARIABLE fields)
foreach(expected "Package: zantoria" "libqt6widgets6 " "libqt6core6 " "libicu72 "
        "qt6-qpa-plugins")
    string(FIND "${fields}" "${expected}" at)
    if(NOT result EQUAL 0 OR at EQUAL -1)
        message(SEND_ERROR "the package's control lacks '${expected}':\n${fields}")
    endif()
endforeach()

# Unpacked into a scratch root, it holds exactly the program's files.
set(root "${WORK_DIR}/root")
execute_process(COMMAND dpkg -x "${packages}" "${root}" RESULT_VARIABLE result ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg -x failed (${result}): ${output}")
endif()
set(expected usr/bin/zantoria usr/bin/zantoria-report
    usr/share/applications/${DESKTOP_ID}.desktop
    usr/share/metainfo/${DESKTOP_ID}.metainfo.xml
    usr/share/mime/packages/${DESKTOP_ID}.xml
    usr/share/icons/hicolor/scalable/apps/${DESKTOP_ID}.svg
    usr/share/man/man1/zantoria.1.gz usr/share/man/man1/zantoria-report.1.gz)
foreach(size 16 32 48 256)
    list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/${DESKTOP_ID}.png)
endforeach()
file(GLOB_RECURSE help_files RELATIVE "${SOURCE_HELP_DIR}" "${SOURCE_HELP_DIR}/*")
foreach(name IN LISTS help_files)
    list(APPEND expected usr/${HELP_DIR}/${name})
endforeach()
file(GLOB_RECURSE actual RELATIVE "${root}" "${root}/*")
list(SORT expected)
list(SORT actual)
if(NOT actual STREQUAL expected)
    set(missing ${expected})
    list(REMOVE_ITEM missing ${actual})
    set(extra ${actual})
    list(REMOVE_ITEM extra ${expected})
    message(SEND_ERROR "the package's files differ; missing: ${missing}; unexpected: ${extra}")
endif()

# The packaged programs start from where the package puts them.
execute_process(COMMAND "${root}/usr/bin/zantoria-report" --version
    RESULT_VARIABLE result OUTPUT_VARIABLE version ERROR_VARIABLE version)
if(NOT result EQUAL 0 OR NOT version MATCHES "^zantoria-report [0-9.]+\n$")
    message(SEND_ERROR "the packaged zantoria-report --version: ${result} ${version}")
endif()
message(STATUS "package ${packages} checked")
