#pragma once
// Maximum and minimum over the combinations in use, read from the sampled lines.
struct TDaneZadania;
struct TWyniki;
class IKomunikaty;

void ObwiedniaM(const TDaneZadania& zad, TWyniki& wyn);
void ObwiedniaT(const TDaneZadania& zad, TWyniki& wyn);
void LiczObwiedniaReakcji(const TDaneZadania& zad, TWyniki& wyn);

// The whole recomputation: Analiza and, when it succeeded with two or more
// combinations, the three envelopes. False when the analysis refused the task.
bool PrzeliczZadanie(TDaneZadania& zad, TWyniki& wyn, IKomunikaty& kom);
