# The composition of the largest task's sheets into a 1920 × 1080 picture.
add_executable(bench_drawing ${CMAKE_CURRENT_LIST_DIR}/BenchRysowanie.cpp)
target_link_libraries(bench_drawing PRIVATE quarvi_bench_zadanie quarvi_drawing benchmark::benchmark)
target_compile_definitions(bench_drawing PRIVATE QUARVI_PLIK_CZCIONKI="${QUARVI_OUT}/Dane/Romans100.Lzs")
if(TARGET quarvi_czcionka_plik)
  add_dependencies(bench_drawing quarvi_czcionka_plik)
endif()
