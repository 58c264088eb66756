#pragma once

namespace tamb {

struct Model;

struct CourseCount
{
    int total = 0;
    int compulsory = 0;
};

// Writes the Block I markers into column 8 and the count into `KurszSgr`;
// true with at least 40 countable courses.
bool BlockIPreview(Model &m, int count);
CourseCount CountCourses(const Model &m, int count);
void ShowLegend(Model &m);

} // namespace tamb
