find_package(Qt6 REQUIRED COMPONENTS Test)

# The result windows driven offscreen through their controls.
quarvi_test(test_okna_wynikow TestMacierz.cpp TestZestawienie.cpp ProgramWynikow.h)
target_link_libraries(test_okna_wynikow PRIVATE quarvi_okna_wynikow Qt6::Test)
target_include_directories(test_okna_wynikow PRIVATE ${PROJECT_SOURCE_DIR}/tests)
