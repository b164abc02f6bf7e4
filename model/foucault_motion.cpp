#include "model/foucault_motion.h"

#include <algorithm>
#include <cmath>

namespace kestrova::foucault {

double DaySeconds(PlanetDay day)
{
    return day == PlanetDay::Sidereal ? kSiderealDaySeconds : kPlanetDaySeconds;
}

double OmegaTerre(double latitude, double daySeconds)
{
    return std::sin(latitude) * (2.0 * PI / daySeconds);
}

double OmegaTerre()
{
    return OmegaTerre(kLatitude, kPlanetDaySeconds);
}

double PlaneTurn(double omegaTerre, double t)
{
    return omegaTerre * t;
}

double DegreesPerHour(double radiansPerSecond)
{
    return radiansPerSecond / DegToRad * 3600.0;
}

std::optional<double> FullTurnHours(double omegaTerre)
{
    if (omegaTerre == 0)
        return std::nullopt;
    return 2.0 * PI / std::abs(omegaTerre) / 3600.0;
}

double OmegaPendule(double longueur, double omegaTerre)
{
    return std::sqrt(omegaTerre * omegaTerre + kGravity / longueur);
}

double SwingSeconds(double omegaPendule)
{
    return 2.0 * PI / omegaPendule;
}

GroundPosition BobOnGround(double amplitude, double omegaPendule, double omegaTerre, double t)
{
    const double swingCos = std::cos(omegaPendule * t);
    const double swingSin = std::sin(omegaPendule * t);
    const double groundCos = std::cos(omegaTerre * t);
    const double groundSin = std::sin(omegaTerre * t);
    const double ratio = omegaTerre / omegaPendule;
    return {
        amplitude * swingCos * groundCos + amplitude * ratio * swingSin * groundSin,
        amplitude * ratio * swingSin * groundCos - amplitude * swingCos * groundSin,
    };
}

StringEnd SideViewStringEnd(double amplitude, double longueur, double omegaPendule, double posX,
                            double t)
{
    const double sinAngle = std::clamp(posX / longueur, -1.0, 1.0);
    const double angleFil = std::asin(sinAngle);
    return {amplitude * std::cos(omegaPendule * t), (1.0 - std::cos(angleFil)) * longueur};
}

int TimerIntervalMs(double longueur)
{
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    return static_cast<int>(std::nearbyint(std::sqrt(longueur) * 20.0));
}

void AddToTrail(Collection_Points& trail, GroundPosition bob)
{
    trail.AddPoint(trail.CountPoint() + 1);
    trail.Point(trail.CountPoint())->X0Line = bob.PosX;
    trail.Point(trail.CountPoint())->Y0Line = bob.PosY;
    if (trail.CountPoint() > kTrailLength)
        trail.RemovePoint(1);
}

int TrailRed(int i, int m)
{
    const int product = i * 255;
    return static_cast<int>(std::nearbyint(static_cast<double>(product) / static_cast<double>(m)));
}

} // namespace kestrova::foucault
