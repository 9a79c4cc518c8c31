#pragma once
// Maximum and minimum over the combinations in use, read from the sampled lines.
struct TDaneZadania;
struct TWyniki;

void ObwiedniaM(const TDaneZadania& zad, TWyniki& wyn);
void ObwiedniaT(const TDaneZadania& zad, TWyniki& wyn);
void LiczObwiedniaReakcji(const TDaneZadania& zad, TWyniki& wyn);
