# Builds the icon tool for the machine that runs the build, saying nothing
# unless it fails:
#   cmake -DSOURCE=<this folder> -DBINARY=<build folder> -DGENERATOR=<generator> -P build.cmake
# The compilers and toolchain that the environment may name for the other
# machine are left out.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=CC --unset=CXX --unset=CMAKE_TOOLCHAIN_FILE
        ${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY} -G ${GENERATOR} -DCMAKE_BUILD_TYPE=Release
    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE failed)
if(NOT failed)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY}
        OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE failed)
endif()
if(failed)
    message(FATAL_ERROR "The icon tool did not build:\n${output}")
endif()
