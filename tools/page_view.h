#pragma once
// Showing one device page the way the editor's graph would: the base page of its kind with the
// selection pointing at it.

namespace aec {
class Model;
}

namespace aec::tool {

// Base page whose graph shows the device page (0, 1, 2, 4, 5, 6 or 25), or -1 for pages
// without a response graph (28..30) and numbers outside 0..30.
int graphBasePage(int devicePage);

// Points the selection at the device page (right music or Dynamic EQ set when `right`), takes
// the music mode from the store as a refresh does, and rebuilds ViewStore. Returns the base
// page to draw, or -1 as GraphBasePage does.
int showDevicePage(Model& model, int devicePage, bool right);

// Whether a device page has a right set that `right` can select (pages 0 and 1).
bool hasRightSet(int devicePage);

}  // namespace aec::tool
