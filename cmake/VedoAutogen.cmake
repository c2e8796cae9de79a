# vedo_suivre_sources(target sources...)
# Our folders glob their sources. When a file joins a target, moc must scan
# it, but the autogen step only watches the files it saw last time: forget
# its timestamp whenever the list changes so that the next build runs it.
function(vedo_suivre_sources cible)
  set(memo ${CMAKE_CURRENT_BINARY_DIR}/${cible}_sources.txt)
  set(ancienne "")
  if(EXISTS ${memo})
    file(READ ${memo} ancienne)
  endif()
  if(NOT "${ancienne}" STREQUAL "${ARGN}")
    file(WRITE ${memo} "${ARGN}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${cible}_autogen/timestamp)
  endif()
endfunction()
