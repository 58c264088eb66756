#pragma once

#include <QString>

namespace tamb {

struct Model;

struct CourseCount
{
    int total = 0;
    int compulsory = 0;
};

// Writes the Block I markers into column 8 and the count into `KurszSgr`;
// true with at least 40 countable courses. Below that the message area
// shows the shortfall.
bool BlockIPreview(Model &m, int count);
// Countable and compulsory courses as column 8 shows them (markers or bare
// counts).
CourseCount CountCourses(const Model &m, int count);
// The legend of the markers (`Label2`, `Bevel2`).
void ShowLegend(Model &m);

extern const QString LegendText;
// " Der Block I enthält 3z u wenig ..." for 3 missing courses.
QString ShortfallText(int missing);

} // namespace tamb
