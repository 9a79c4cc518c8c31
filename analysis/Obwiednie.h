#pragma once
// Maximum and minimum over the combinations in use, read from the sampled
// lines at x = 0, at every inner sample and at x = L, both sides of a jump
// counting: an envelope is never less extreme than one of its combinations.
// The lines are evaluated again from the polynomials of the last analysis,
// so they need not be kept.
struct TDaneZadania;
struct TWyniki;

void ObwiedniaM(const TDaneZadania& zad, TWyniki& wyn);
void ObwiedniaT(const TDaneZadania& zad, TWyniki& wyn);
void LiczObwiedniaReakcji(const TDaneZadania& zad, TWyniki& wyn);
