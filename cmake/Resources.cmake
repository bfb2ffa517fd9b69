# windres reads the files its script names, but the build sees only the script's #includes: every
# directory that compiles the script rebuilds it when the manifest, an icon or a bitmap changes.
if(NOT WIN32)
  return()
endif()

function(porutena_directories out dir)
  set(all ${dir})
  get_property(subdirectories DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirectories})
    porutena_directories(below ${sub})
    list(APPEND all ${below})
  endforeach()
  set(${out} ${all} PARENT_SCOPE)
endfunction()

porutena_directories(directories ${PROJECT_SOURCE_DIR})
file(GLOB resource_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*.manifest
     ${PROJECT_SOURCE_DIR}/resources/*.ico ${PROJECT_SOURCE_DIR}/resources/*.bmp)
set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/porutena.rc DIRECTORY ${directories}
                            PROPERTIES OBJECT_DEPENDS "${resource_files}")
