# Fails when a source of the library includes a header from a folder above
# its own: include <- binding <- model <- components, footprints <- partmap
# <- flowreader. Run as cmake -DSOURCE_DIR=<checkout> -P CheckLayers.cmake.
set(rank_wjxmlinterfaceflowreader 0)
set(rank_binding 1)
set(rank_model 2)
set(rank_components 3)
set(rank_footprints 3)
set(rank_partmap 4)
set(rank_flowreader 5)

set(failures "")
foreach(folder binding model components footprints partmap flowreader)
  file(GLOB sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^#include \"[A-Za-z_]+/")
    foreach(include ${includes})
      string(REGEX REPLACE "^#include \"([A-Za-z_]+)/.*" "\\1" target "${include}")
      if(NOT target STREQUAL folder AND NOT rank_${target} LESS rank_${folder})
        list(APPEND failures "${source}: ${include}")
      endif()
    endforeach()
  endforeach()
endforeach()

# The KiCad readers stand beside the library and need nothing of it: they
# include none of its folders or classes.
file(GLOB_RECURSE sources ${SOURCE_DIR}/kicad/*.h ${SOURCE_DIR}/kicad/*.cpp)
foreach(source ${sources})
  file(STRINGS ${source} includes
       REGEX "^#include \"((binding|model|components|footprints|partmap|flowreader)/|[CIT]WJ|wjxmlinterfaceflowreader)")
  foreach(include ${includes})
    list(APPEND failures "${source}: ${include}")
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "Includes from a folder above:\n${text}")
endif()
