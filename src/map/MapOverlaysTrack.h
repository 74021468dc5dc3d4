#pragma once
// The active satellite's ground track for one revolution: a small white dot
// every two minutes, starting a little ahead of the satellite so that the
// first dots do not hide its cross (or its direction arrow).

#include <QImage>
#include <QPoint>
#include <vector>

namespace kelvora {

struct TOverlayContext;

inline constexpr double kTrackStep = 1.0 / 720.0;  // two minutes, in days

// Minutes between the satellite and the first dot: 2, or with direction
// arrows 7 at zoom 1 and 4 at zoom 2.
double TrackStartMinutes(bool arrowsOn, bool zoom2);

// Offsets in days from the cursor of the track's dots: from the start offset
// in two-minute steps while less than one revolution (1 / revsPerDay) ahead.
// Empty for a mean motion that is not positive.
std::vector<double> TrackOffsets(double startMinutes, double revsPerDay);

// The dot: a 3 x 3 picture, upper-left 2 x 2 white, the rest black, copied
// with its upper-left corner at the point (clipped at the canvas edges).
void CopyTrackDot(QImage& canvas, QPoint upperLeft);

// Draws the track of the context's active satellite and returns the number of
// dots. Afterwards: the active satellite is the model's working copy again,
// the track state and the map's satellite point are as before, the view is
// copied (ShowMapView) and the map counter is 1, so the next tick does not
// recompose the map over the track.
int DrawGroundTrack(TOverlayContext& context);

}  // namespace kelvora
