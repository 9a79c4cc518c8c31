#pragma once
// Building a task in code: the example generator, the benchmarks and the
// tests use these instead of the dialogs.
#include "model/Zadanie.h"

#include <initializer_list>
#include <string_view>

// A new task with the given span lengths (E = J = 1) and hinge flags, with
// codes, unknown numbers and X0 derived as the geometry dialog derives them.
void UstawGeometrie(TDaneZadania& zad, std::initializer_list<float> dlugosci, bool lewyPrzegub, bool prawyPrzegub);

// Adds a group or combination in the first free slot; returns its index or −1 when full.
// Names are code page 1250.
int32_t DodajGrupe(TDaneZadania& zad, std::string_view nazwa, int32_t kolor);
int32_t DodajKombinacje(TDaneZadania& zad, std::string_view nazwa);

// Add a load in the first free slot, with its absolute position; −1 when the table is full.
int32_t DodajSile(TDaneZadania& zad, int32_t przeslo, float x, float wartosc, int32_t grupa = 0);
int32_t DodajMoment(TDaneZadania& zad, int32_t przeslo, float x, float wartosc, int32_t grupa = 0);
int32_t DodajLiniowe(TDaneZadania& zad, int32_t przeslo, float x1, float x2, float wartosc, int32_t grupa = 0);
int32_t DodajTrojkat(TDaneZadania& zad, int32_t przeslo, float x1, float x2, float q1, float q2, int32_t grupa = 0);
