# The installed-package test: installs the build at BUILD_DIR into a fresh
# prefix, builds the consumer project of this folder against it with the
# build's own compilers and flags, and checks what its C and C++ programs
# print.  Run by CTest as
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

function(expect_output program expected)
  execute_process(COMMAND ${WORK_DIR}/consumer/${program} RESULT_VARIABLE status OUTPUT_VARIABLE out)
  if(NOT status EQUAL 0 OR NOT out STREQUAL expected)
    message(FATAL_ERROR "${program} exited with ${status} and printed\n${out}\ninstead of\n${expected}")
  endif()
  message(STATUS "${program}:\n${out}")
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
run_step("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
run_step("configuring the consumer"
  ${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR} -B ${WORK_DIR}/consumer
  -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix
  -DCMAKE_C_COMPILER=${C_COMPILER} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
  "-DCMAKE_C_FLAGS=${C_FLAGS}" "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
run_step("building the consumer" ${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)

expect_output(consumer_c
  "sqrt(2) = 1.4142135623730950488016887242096\n1e-3 read and written back = 0.0010000000000000000000000000000\n")
expect_output(consumer_cxx
  "1/3 = 0.3333333333333333333333333333333\n(1 + 2i)(1 - i) = 3.0000000000000000000000000000000 + 1.0000000000000000000000000000000i\n")
