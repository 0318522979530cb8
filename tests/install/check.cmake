# The installed-package test: installs the build at BUILD_DIR into a fresh
# prefix, builds the consumer project of this folder against it as a C
# project and as a C++ project, with the build's own compilers and flags, and
# checks what the two programs print.  Run by CTest as
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
