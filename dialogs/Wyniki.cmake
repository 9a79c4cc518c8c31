# The two result windows: the stiffness matrix viewer and the internal force
# summary. What they show is worked out without Qt (analysis/UkladKombinacji,
# analysis/Przekroj, drawing/ZnacznikiPrzekroju); the windows only show it.
# When they refuse to open is decided in quarvi_dialogi_core.
add_library(quarvi_okna_wynikow STATIC
  KontrolkiWynikow.cpp KontrolkiWynikow.h
  Macierz.cpp Macierz.h
  ZestawieniePrzekrojowych.cpp ZestawieniePrzekrojowych.h)
set_target_properties(quarvi_okna_wynikow PROPERTIES AUTOMOC ON)
target_link_libraries(quarvi_okna_wynikow PUBLIC quarvi_dialogi_core quarvi_dialogi quarvi_drawing quarvi_analysis quarvi_model
  quarvi_platform_core Qt6::Widgets)
