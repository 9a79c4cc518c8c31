#include "drawing/Przegladanie.h"

#include <algorithm>
#include <cmath>

std::vector<TPunktArkusza> ArkuszeOdLewej(const TDaneZadania& zad)
{
    const int32_t K = IloscUzytych(zad.Kombinacje);
    std::vector<TPunktArkusza> arkusze(zad.PolozenieKombinacji.begin(), zad.PolozenieKombinacji.begin() + K);
    if (K > 1)
        arkusze.push_back(zad.PolozenieObwiedni);
    if (SaGrupySklasyfikowane(zad))
        arkusze.insert(arkusze.end(), zad.PolozenieNormowych.begin(), zad.PolozenieNormowych.end());
    std::stable_sort(arkusze.begin(), arkusze.end(),
                     [](const TPunktArkusza& a, const TPunktArkusza& b) { return a.x < b.x; });
    return arkusze;
}

bool SasiedniArkusz(TWidok& widok, const TDaneZadania& zad, int krok)
{
    const std::vector<TPunktArkusza> arkusze = ArkuszeOdLewej(zad);
    if (arkusze.empty())
        return false;
    const double pol = widok.ArkuszSzerokosc / 2;
    // The sheet the user looks at: the one whose middle is nearest the view's centre.
    size_t biezacy = 0;
    for (size_t i = 1; i < arkusze.size(); ++i)
        if (std::abs(arkusze[i].x + pol - widok.SrodekX) < std::abs(arkusze[biezacy].x + pol - widok.SrodekX))
            biezacy = i;
    const long long cel = static_cast<long long>(biezacy) + krok;
    if (cel < 0 || cel >= static_cast<long long>(arkusze.size()))
        return false;
    // The same place on the other sheet.
    widok.SrodekX += arkusze[size_t(cel)].x - arkusze[biezacy].x;
    widok.SrodekY -= arkusze[size_t(cel)].y - arkusze[biezacy].y;
    return true;
}

void WszystkieArkusze(TWidok& widok, const TDaneZadania& zad, int32_t W, int32_t H)
{
    std::vector<TPunktArkusza> arkusze = ArkuszeOdLewej(zad);
    if (arkusze.empty())
        arkusze.push_back({0, 0});
    double lewo = arkusze.front().x, prawo = lewo, gora = arkusze.front().y, dol = gora;
    for (const TPunktArkusza& a : arkusze) {
        lewo = std::min(lewo, double(a.x));
        prawo = std::max(prawo, double(a.x));
        gora = std::min(gora, double(a.y));
        dol = std::max(dol, double(a.y));
    }
    prawo += widok.ArkuszSzerokosc;
    dol += widok.ArkuszWysokosc;
    // As zoom all: a margin of a few pixels round the sheets.
    const double w = std::max(double(W) - 5, 1.0);
    const double h = std::max(double(H) - 5, 1.0);
    widok.SkalaWidoku = OgraniczSkale(std::max((prawo - lewo) * 1000 / w, (dol - gora) * 1000 / h));
    widok.SrodekX = (lewo + prawo) / 2;
    widok.SrodekY = -(gora + dol) / 2;
}

std::optional<double> PrzekrojWPunkcie(const TDaneZadania& zad, const TWidok& widok, double x, double y)
{
    if (zad.IloscPrzesel < 1 || zad.Przesla.empty() || !(widok.SkalaRysunkuX > 0))
        return std::nullopt;
    const double ya = -y; // sheet y, downward
    const TPunktArkusza* arkusz = nullptr;
    const std::vector<TPunktArkusza> arkusze = ArkuszeOdLewej(zad);
    for (const TPunktArkusza& a : arkusze)
        if (a.x <= x)
            arkusz = &a;
    if (!arkusz || ya < arkusz->y || ya > arkusz->y + widok.ArkuszWysokosc)
        return std::nullopt;
    const TNastawy& n = zad.Nastawy;
    const std::pair<float, float> osie[] = {
        {n.SchematX, n.SchematY}, {n.ReakcjeX, n.ReakcjeY}, {n.PoprzeczneX, n.PoprzeczneY}, {n.MomentyX, n.MomentyY}};
    const std::pair<float, float>* os = &osie[0];
    for (const auto& o : osie)
        if (std::abs(ya - arkusz->y - o.second) < std::abs(ya - arkusz->y - os->second))
            os = &o;
    const double metry = (x - arkusz->x - os->first) / widok.SkalaRysunkuX;
    const double dlugosc = double(zad.Przesla.back().X0) + zad.Przesla.back().L;
    if (!(metry >= 0 && metry <= dlugosc))
        return std::nullopt;
    return metry;
}
