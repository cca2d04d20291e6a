// Every setter of a published property begins the same way: compare with the stored value and return
// at once when nothing changes. assignChanged stores a new value and says whether it was new, so the
// setter goes on with what depends on it (recompute, repaint, tell the owner) only then:
//
//   void TRasterLab::SetColorDotOn(TColor value) {
//       if (assignChanged(FColorDotOn, value)) Paint();
//   }
#pragma once

template <class T> bool assignChanged(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}
