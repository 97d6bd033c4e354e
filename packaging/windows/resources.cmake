# Windows' own parts of CovBotEd.exe, included from the top CMakeLists.txt
# for Windows builds: the icon, every size in one .ico made at build time
# from the pictures in assets/, the version resource and the manifest.

set(CBT_TITLE "Covertstrike Bot Tweaker")
set(CBT_VENDOR "The Covertstrike Bot Tweaker developers")
string(SUBSTRING ${CBT_RELEASE_DATE} 0 4 CBT_COPYRIGHT_YEAR)
set(windowsDir ${CMAKE_BINARY_DIR}/windows)

set(iconPictures)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND iconPictures ${PROJECT_SOURCE_DIR}/assets/icon${size}.png)
endforeach()

if(CMAKE_CROSSCOMPILING)
    # The icon tool runs where the build runs, so it is built there, as a
    # project of its own with that machine's compiler.
    set(hostDir ${windowsDir}/make_icon-host)
    set(makeIcon ${hostDir}/make_icon)
    add_custom_command(OUTPUT ${makeIcon}
        COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_CURRENT_LIST_DIR}/make_icon -DBINARY=${hostDir}
            -DGENERATOR=${CMAKE_GENERATOR} -P ${CMAKE_CURRENT_LIST_DIR}/make_icon/build.cmake
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_icon/make_icon.cpp ${CMAKE_CURRENT_LIST_DIR}/make_icon/CMakeLists.txt
            ${CMAKE_CURRENT_LIST_DIR}/make_icon/build.cmake
        COMMENT "Building the icon tool for this machine" VERBATIM)
else()
    add_executable(make_icon ${CMAKE_CURRENT_LIST_DIR}/make_icon/make_icon.cpp)
    set(makeIcon make_icon)
endif()

set(CBT_ICON_FILE ${windowsDir}/CovBotEd.ico)
add_custom_command(OUTPUT ${CBT_ICON_FILE}
    COMMAND ${makeIcon} ${CBT_ICON_FILE} ${iconPictures}
    DEPENDS ${makeIcon} ${iconPictures}
    COMMENT "Making CovBotEd.ico" VERBATIM)

set(CBT_MANIFEST_FILE ${windowsDir}/CovBotEd.exe.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/CovBotEd.exe.manifest.in ${CBT_MANIFEST_FILE} @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/CovBotEd.rc.in ${windowsDir}/CovBotEd.rc @ONLY)
target_sources(CovBotEd PRIVATE ${windowsDir}/CovBotEd.rc)
# windres is not asked what the script reads: the icon and the manifest.
set_source_files_properties(${windowsDir}/CovBotEd.rc PROPERTIES
    OBJECT_DEPENDS "${CBT_ICON_FILE};${CBT_MANIFEST_FILE}")
