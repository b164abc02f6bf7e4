#include "model/foucault_run.h"

namespace kestrova {

void FoucaultRun::Reset(const FoucaultSetup& setup)
{
    running_ = false;
    EmptyPoints(Points_);
    Longueur_ = setup.Length;
    Amplitude_ = foucault::kAmplitude;
    OmegaTerre_ = foucault::OmegaTerre(setup.Latitude, foucault::DaySeconds(setup.Day));
    OmegaPendule_ = foucault::OmegaPendule(Longueur_, OmegaTerre_);
    NewMeasure();
    spedUpTime_ = SpedUpTime();
    spedUpTime_.SetFactor(setup.TimeFactor, 0);
    paceSeconds_ = 0;
    TempsEcoule_ = 0;
    // At rest: displaced by the amplitude, the bob lifted on its path.
    stringEnd_ = foucault::SideViewStringEnd(Amplitude_, Longueur_, OmegaPendule_, Amplitude_, 0.0);
}

void FoucaultRun::SetLength(double length)
{
    running_ = false;
    EmptyPoints(Points_);
    Longueur_ = length;
    OmegaPendule_ = foucault::OmegaPendule(Longueur_, OmegaTerre_);
}

void FoucaultRun::SetPlace(double latitude, foucault::PlanetDay day)
{
    running_ = false;
    EmptyPoints(Points_);
    TempsEcoule_ = 0; // the time and the turn belong to the new place
    OmegaTerre_ = foucault::OmegaTerre(latitude, foucault::DaySeconds(day));
    OmegaPendule_ = foucault::OmegaPendule(Longueur_, OmegaTerre_);
    NewMeasure();
}

void FoucaultRun::NewMeasure()
{
    // The meter groups the positions by half-swing of this length's swing.
    meter_ = foucault::SwingPlaneMeter(foucault::SwingSeconds(OmegaPendule_));
}

void FoucaultRun::SetTimeFactor(double factor)
{
    spedUpTime_.SetFactor(factor, paceSeconds_);
}

void FoucaultRun::Start()
{
    EmptyPoints(Points_);
    NewMeasure();
    spedUpTime_.Restart();
    paceSeconds_ = 0;
    TempsEcoule_ = 0;
    running_ = true;
}

FoucaultFrame FoucaultRun::AdvanceTo(double paceSeconds)
{
    paceSeconds_ = paceSeconds;
    TempsEcoule_ = spedUpTime_.At(paceSeconds_);
    const double t = TempsEcoule_;
    FoucaultFrame frame;
    frame.Bob = foucault::BobOnGround(Amplitude_, OmegaPendule_, OmegaTerre_, t);
    frame.StringEnd =
        foucault::SideViewStringEnd(Amplitude_, Longueur_, OmegaPendule_, frame.Bob.PosX, t);
    stringEnd_ = frame.StringEnd;
    foucault::AddToTrail(Points_, frame.Bob);
    meter_.Add(t, frame.Bob.PosX, frame.Bob.PosY);
    return frame;
}

} // namespace kestrova
