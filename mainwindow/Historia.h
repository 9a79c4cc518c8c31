#pragma once
// What the undo history calls a change of the task: the name that follows
// "Cofnij: " and "Ponów: " in the buttons' hints, found by comparing the task
// before and after the step.
#include "model/Zadanie.h"

#include <string>

// "dodanie siły", "zmiana obciążenia liniowego", "usunięcie momentu
// skupionego", "zmiana geometrii", "dodanie grupy", "usunięcie kombinacji",
// "zmiana nazwy grupy", "zmiana tabeli kombinacji" (the coefficients),
// "zmiana ustawień"; "zmiana zadania" for anything else.
std::string NazwaZmiany(const TDaneZadania& przed, const TDaneZadania& po);
