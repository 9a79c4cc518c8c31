#include "drawing/Rysowanie.h"

#include <algorithm>
#include <cmath>

namespace {

// Ends within this many pixels of the surface are passed on exactly as computed.
constexpr double MarginesDokladny = 4096;
// Beyond this no coordinate means anything; it also keeps differences finite.
constexpr double Nieskonczonosc = 1e200;

struct TProstokat {
    double x1, y1, x2, y2;
};

TProstokat Otoczenie(const TRozmiarPowierzchni& r, double margines)
{
    return {-margines, -margines, r.Szerokosc + margines, r.Wysokosc + margines};
}

bool Wewnatrz(const TProstokat& r, double x, double y)
{
    return x >= r.x1 && x <= r.x2 && y >= r.y1 && y <= r.y2;
}

bool Rozsadna(double v)
{
    return std::isfinite(v) && std::fabs(v) < Nieskonczonosc;
}

// Liang–Barsky: false when nothing of the segment lies in r.
bool Przytnij(const TProstokat& r, double& x1, double& y1, double& x2, double& y2)
{
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - r.x1, r.x2 - x1, y1 - r.y1, r.y2 - y1};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    // An end that needs no clipping keeps its exact value: far ends make
    // dx too coarse to land on it again.
    const double ax = x1, ay = y1;
    if (t0 > 0) {
        x1 = ax + t0 * dx;
        y1 = ay + t0 * dy;
    }
    if (t1 < 1) {
        x2 = ax + t1 * dx;
        y2 = ay + t1 * dy;
    }
    return true;
}

} // namespace

void OdcinekNaPowierzchni(IPowierzchnia& p, double x1, double y1, double x2, double y2)
{
    if (!Rozsadna(x1) || !Rozsadna(y1) || !Rozsadna(x2) || !Rozsadna(y2))
        return;
    const double margines = std::max(p.Pioro().Grubosc, 1) + 2.0;
    // Asked once: every line comes here, and a device answers through virtual calls.
    const TRozmiarPowierzchni rozmiar = p.Rozmiar();
    const TProstokat widoczny = Otoczenie(rozmiar, margines);
    // Wholly to one side of the surface: the common case of a zoomed-in picture.
    if ((x1 < widoczny.x1 && x2 < widoczny.x1) || (x1 > widoczny.x2 && x2 > widoczny.x2) ||
        (y1 < widoczny.y1 && y2 < widoczny.y1) || (y1 > widoczny.y2 && y2 > widoczny.y2))
        return;
    const TProstokat bliski = Otoczenie(rozmiar, margines + MarginesDokladny);
    if (!Wewnatrz(bliski, x1, y1) || !Wewnatrz(bliski, x2, y2)) {
        if (!Przytnij(widoczny, x1, y1, x2, y2))
            return;
        x1 = std::trunc(x1);
        y1 = std::trunc(y1);
        x2 = std::trunc(x2);
        y2 = std::trunc(y2);
    }
    p.Linia(int32_t(x1), int32_t(y1), int32_t(x2), int32_t(y2));
}

void ProstokatNaPowierzchni(IPowierzchnia& p, double x1, double y1, double x2, double y2,
                            std::optional<TKolor> wypelnienie)
{
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2))
        return;
    const double margines = std::max(p.Pioro().Grubosc, 1) + 2.0;
    const TProstokat r = Otoczenie(p.Rozmiar(), margines);
    if (std::max(x1, x2) < r.x1 || std::min(x1, x2) > r.x2 || std::max(y1, y2) < r.y1 || std::min(y1, y2) > r.y2)
        return;
    auto X = [&](double v) { return int32_t(std::clamp(v, r.x1, r.x2)); };
    auto Y = [&](double v) { return int32_t(std::clamp(v, r.y1, r.y2)); };
    p.Prostokat(X(x1), Y(y1), X(x2), Y(y2), wypelnienie);
}
