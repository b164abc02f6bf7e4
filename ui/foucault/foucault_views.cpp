#include "ui/foucault/foucault_views.h"

#include "model/collection_points.h"
#include "model/foucault_motion.h"

namespace kestrova::foucault {

namespace {

// Half the side of the ground view (m): the 3 m circle with a margin.
constexpr double kGroundHalfSide = 3.2;

} // namespace

void ScaleGroundView(PictureSurface& picCourbe)
{
    picCourbe.Scale(-kGroundHalfSide, kGroundHalfSide, kGroundHalfSide, -kGroundHalfSide);
}

void ScaleSideView(PictureSurface& picPendule, double longueur)
{
    picPendule.Scale(-(longueur + 3.0) / 2.0, longueur + 2.0, (longueur + 3.0) / 2.0, -1.0);
}

void DrawGroundReference(PictureSurface& picCourbe, double amplitude)
{
    picCourbe.SetDrawWidth(3);
    picCourbe.PSet(0, 0, kCentreGreen);
    picCourbe.SetDrawWidth(1);
    picCourbe.SetDrawStyle(kDotted);
    picCourbe.Circle(0, 0, amplitude, kReferenceBlue);
    picCourbe.Line(-amplitude, 0, amplitude, 0, kReferenceBlue);
    picCourbe.SetDrawStyle(kSolid);
    picCourbe.SetDrawWidth(1);
}

void DrawSideReference(PictureSurface& picPendule, double longueur)
{
    picPendule.SetDrawStyle(kDotted);
    picPendule.Line(0, longueur, 0, 0, kReferenceBlue);
    picPendule.SetFillStyle(kFillTransparent);
    picPendule.Circle(0, longueur, longueur, kReferenceBlue);
    picPendule.SetDrawStyle(kSolid);
}

void DrawSideBob(PictureSurface& picPendule, double longueur, double bobX, double bobY)
{
    picPendule.SetDrawStyle(kSolid);
    picPendule.SetFillStyle(kFillSolid);
    picPendule.SetFillColor(kBobRed);
    picPendule.Circle(bobX, bobY, longueur / 100.0, kBobRed);
}

void DrawSideView(PictureSurface& picPendule, double longueur, double bobX, double bobY)
{
    DrawSideReference(picPendule, longueur);
    DrawSideBob(picPendule, longueur, bobX, bobY);
}

void DrawTrail(PictureSurface& picCourbe, const Collection_Points& points)
{
    const int count = points.CountPoint();
    picCourbe.SetDrawWidth(3);
    for (int i = 1; i <= count; ++i) {
        const auto point = points.Point(i);
        picCourbe.PSet(point->X0Line, point->Y0Line, Rgb(TrailRed(i, count), 0, 0));
    }
}

} // namespace kestrova::foucault
