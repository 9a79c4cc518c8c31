#pragma once
// A task's file written by hand: three spans, left end hinged, two groups and combinations, one force of 10 kN
// at 2 m on span 2 in group 2; real numbers with the user's separator, code page 1250, CR LF.
#include "platform/Cp1250.h"

#include <algorithm>
#include <string>
#include <vector>

inline std::string PlikWzorcowy(char separator = ',')
{
    const std::string gwiazdki(67, '*');
    // A record of several values takes one line each; "|" separates them below.
    const std::vector<std::string> zapisy{
        gwiazdki,
        "*              DANE PROGRAMU QUARVI                               *",
        "*              Autor: zespół QUARVI                               *",
        gwiazdki,
        "*  UWAGA!                                                         *",
        "*               Nie należy zmieniać wpisów w pliku!               *",
        gwiazdki,
        "",
        "Data zapisu 06.12.2026, godz. 12:00:00",
        "",
        "100|1",
        gwiazdki,
        "",
        "*** Dane ogólne ***1",
        "Ilość belek|3|Ilość Grup Obciążeń|2|Ilość Wariantów|2",
        "",
        "*** Dane geometryczne ***1",
        // E, J, L, X0, TypPrzesla, TypPodpor, unknowns, eight reserved values
        "1|1|4|0|3|1|-1|1|0|0|0|0|0|0|0|0",
        "1|1|5,5|4|4|1|1|2|0|0|0|0|0|0|0|0",
        "1|1|3|9,5|4|3|2|-1|0|0|0|0|0|0|0|0",
        "Lewy przegub|TRUE|Prawy przegub",
        "",
        "*** Dane grupy obciążeń ***1",
        "Stałe|clBlack|Wiatr|clRed",
        "",
        "*** Dane wariantów obciążeń ***1",
        "Stałe|0|0|Zima|0|0",
        "",
        "*** Dane tabela współczynników ***1",
        "1,5|1|1,25|0",
        "",
        "*** Dane Siły ***1",
        "TRUE|1|2|6|10|1",
        "",
        "*** Dane Liniowe ***1",
        "",
        "*** Dane Trójkąty ***1",
        "",
        "*** Dane Momenty ***1",
    };
    std::string tekst;
    for (const std::string& zapis : zapisy) {
        size_t od = 0;
        do {
            const size_t kreska = std::min(zapis.find('|', od), zapis.size());
            std::string l = zapis.substr(od, kreska - od);
            if (!l.empty() && (l[0] == '-' || (l[0] >= '0' && l[0] <= '9')))
                std::replace(l.begin(), l.end(), ',', separator);
            tekst += Utf8NaCp1250(l) + "\r\n";
            od = kreska + 1;
        } while (od <= zapis.size());
    }
    return tekst;
}
