#pragma once
// The calculation report as an A4 PDF: the tables of TabeleRaportu typeset
// in a font with Polish letters, then the printed sheets, a page each, as
// --pdf draws them. Every page carries a header with the task file and
// "strona k z n".
#include <string>

struct TKompozycja;
struct TMetryczkaRaportu;

// The report of the composition's analysed task into `plik`, written beside
// it and renamed over it when complete. False with a Polish message (UTF-8)
// in `blad` when it could not be written. Needs a QGuiApplication.
bool ZapiszRaport(TKompozycja& k, const TMetryczkaRaportu& metryczka, const std::string& plik, std::string& blad);

// The font the report is typeset in.
extern const char* const KrojRaportu;
