# The installed-package test: installs the build at BUILD_DIR into a fresh
# prefix, builds the consumer project of this folder against it as a C
# project and as a C++ project, with the build's own compilers and flags, and
# checks what the two programs print; then checks that the installed headers
# are exactly those of include/tarsel and that each compiles alone, as C11
# (the C headers) and as C++17.  Run by CTest as
#
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DC_COMPILER=... -DCXX_COMPILER=...
#         [-DC_FLAGS=...] [-DCXX_FLAGS=...] -P check.cmake
foreach(required BUILD_DIR WORK_DIR C_COMPILER CXX_COMPILER)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "check.cmake: ${required} is not set")
  endif()
endforeach()

function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${out}\n${err}")
  endif()
endfunction()

# Builds the consumer as a project of the one language and checks its output.
function(check_consumer language compiler flags expected)
  set(dir ${WORK_DIR}/consumer-${language})
  run_step("configuring the ${language} consumer"
    ${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR} -B ${dir} -DCONSUMER_LANGUAGE=${language}
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix
    -DCMAKE_${language}_COMPILER=${compiler} "-DCMAKE_${language}_FLAGS=${flags}")
  run_step("building the ${language} consumer" ${CMAKE_COMMAND} --build ${dir})
  execute_process(COMMAND ${dir}/consumer RESULT_VARIABLE status OUTPUT_VARIABLE out)
  if(NOT status EQUAL 0 OR NOT out STREQUAL expected)
    message(FATAL_ERROR "the ${language} consumer exited with ${status} and printed\n${out}\ninstead of\n${expected}")
  endif()
  message(STATUS "the ${language} consumer:\n${out}")
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
run_step("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
check_consumer(C ${C_COMPILER} "${C_FLAGS}"
  "sqrt(2) = 1.4142135623730950488016887242096\n1e-3 read and written back = 0.0010000000000000000000000000000\n")
check_consumer(CXX ${CXX_COMPILER} "${CXX_FLAGS}"
  "1/3 = 0.3333333333333333333333333333333\n1/3 to 20 digits = 3.3333333333333333333e-1\n(1 + 2i)(1 - i) = 3.0000000000000000000000000000000 + 1.0000000000000000000000000000000i\n")

# Exactly the headers of include/tarsel are installed: none of the engine's.
get_filename_component(source_include ${CMAKE_CURRENT_LIST_DIR}/../../include ABSOLUTE)
file(GLOB_RECURSE source_headers RELATIVE ${source_include} ${source_include}/*)
file(GLOB_RECURSE installed_headers RELATIVE ${WORK_DIR}/prefix/include ${WORK_DIR}/prefix/include/*)
list(SORT source_headers)
list(SORT installed_headers)
if(NOT source_headers STREQUAL installed_headers)
  message(FATAL_ERROR "installed headers:\n${installed_headers}\ninstead of\n${source_headers}")
endif()

# Each header alone is a translation unit a user could write.
separate_arguments(c_flag_list UNIX_COMMAND "${C_FLAGS}")
separate_arguments(cxx_flag_list UNIX_COMMAND "${CXX_FLAGS}")
set(fp_flags -msse2 -mfpmath=sse -ffp-contract=off)
foreach(header IN LISTS installed_headers)
  string(MAKE_C_IDENTIFIER ${header} stem)
  if(header MATCHES "\\.h$")
    file(WRITE ${WORK_DIR}/alone/${stem}.c "#include \"${header}\"\nint main(void) { return 0; }\n")
    run_step("${header} alone as C11"
      ${C_COMPILER} ${c_flag_list} -std=c11 -pedantic-errors ${fp_flags} -fsyntax-only -I${WORK_DIR}/prefix/include
      ${WORK_DIR}/alone/${stem}.c)
  endif()
  file(WRITE ${WORK_DIR}/alone/${stem}.cpp "#include \"${header}\"\nint main() { return 0; }\n")
  run_step("${header} alone as C++17"
    ${CXX_COMPILER} ${cxx_flag_list} -std=c++17 ${fp_flags} -fsyntax-only -I${WORK_DIR}/prefix/include
    ${WORK_DIR}/alone/${stem}.cpp)
endforeach()
list(LENGTH installed_headers header_count)
message(STATUS "${header_count} installed headers, each compiling alone")
