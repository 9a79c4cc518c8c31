#pragma once
#include "model/Zadanie.h"

// 12 spans of 25 m, 10 groups, 10 combinations with every coefficient above 0,
// and 100 loads of each kind spread over the spans; the uniform and linearly
// varying loads cover most of each span.
void NajwiekszeZadanie(TDaneZadania& zad);
