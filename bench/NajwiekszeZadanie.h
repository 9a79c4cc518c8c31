#pragma once
#include "model/Zadanie.h"

// 12 spans of 25 m, 10 groups, 10 combinations with every coefficient above 0,
// and 100 loads of each kind spread over the spans; the uniform and linearly
// varying loads cover most of each span.
void NajwiekszeZadanie(TDaneZadania& zad);

// The longest task the reader accepts: 12 spans of 1000 m, 10 groups and
// 10 combinations as above, 100 forces and 100 moments spread along the
// spans, 100 uniform and 100 linearly varying loads each over a whole span.
void NajdluzszeZadanie(TDaneZadania& zad);
