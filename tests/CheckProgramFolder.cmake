# Installs the build into a fresh folder and checks that it holds the program folder as the
# host ships it: the importer and its help file, nothing else.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P CheckProgramFolder.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --strip
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
if(NOT installed STREQUAL "FaxImport.exe;KW7PLD.CHM")
    message(FATAL_ERROR "The program folder holds: ${installed}")
endif()
