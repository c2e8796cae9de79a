# cmake -DNATIF=<program> -DWASM=<program.js> -DNODE=<node> -DSORTIES=<dir> -P VedoComparerSorties.cmake
# Runs one program natively and its WebAssembly build under node; their
# outputs must be the same bytes.
execute_process(COMMAND ${NATIF} OUTPUT_FILE ${SORTIES}/sortie-native.txt RESULT_VARIABLE natif)
execute_process(COMMAND ${NODE} --no-experimental-fetch ${WASM} OUTPUT_FILE ${SORTIES}/sortie-wasm.txt
                RESULT_VARIABLE wasm)
if(NOT natif EQUAL 0 OR NOT wasm EQUAL 0)
  message(FATAL_ERROR "Échec : natif ${natif}, wasm ${wasm}")
endif()
file(SIZE ${SORTIES}/sortie-native.txt taille)
if(taille EQUAL 0)
  message(FATAL_ERROR "Sortie native vide")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SORTIES}/sortie-native.txt ${SORTIES}/sortie-wasm.txt
                RESULT_VARIABLE differentes)
if(differentes)
  execute_process(COMMAND diff ${SORTIES}/sortie-native.txt ${SORTIES}/sortie-wasm.txt
                  OUTPUT_VARIABLE ecarts ERROR_QUIET)
  string(SUBSTRING "${ecarts}" 0 4000 ecarts)
  message(FATAL_ERROR "Les sorties diffèrent :\n${ecarts}")
endif()
message("Sorties identiques (${taille} octets)")
