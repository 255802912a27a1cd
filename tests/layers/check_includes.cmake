# Fails when a source includes from a layer it may not use: the arrows of the
# house point down only (front ends -> frontend -> operations -> board, link -> seams ->
# resources), and the simulator shares nothing with the product.
# Run: cmake -DROOT=<source tree> -P check_includes.cmake

set(allowed_resources resources)
set(allowed_seams     seams resources)
set(allowed_link      link seams resources)
set(allowed_board     board seams resources)
set(allowed_operations operations link board seams resources)
set(allowed_frontend  frontend operations link board seams resources)
set(allowed_cli       cli frontend operations link board seams resources)
set(allowed_ui        ui frontend operations link board seams resources)
set(allowed_sim       sim)
set(layers resources seams link board operations frontend cli ui sim)

set(violations 0)
foreach(layer ${layers})
  file(GLOB_RECURSE sources "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.cpp" "${ROOT}/${layer}/*.inc")
  foreach(source ${sources})
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
      string(REGEX MATCH "^[^/]+" top "${included}")
      # Includes without a folder are the file's neighbours (generated headers).
      if(NOT included MATCHES "/")
        continue()
      endif()
      list(FIND allowed_${layer} "${top}" found)
      if(found EQUAL -1)
        file(RELATIVE_PATH relative "${ROOT}" "${source}")
        message("${relative}: includes \"${included}\", but ${layer}/ may use only: ${allowed_${layer}}")
        math(EXPR violations "${violations} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) point up or sideways")
endif()
message("every include points down")
