#pragma once

#include <QDate>

namespace tamb {

// Today's date for file names and the printed form. Tests set it.
QDate Today();
// An invalid date returns to the system clock.
void SetToday(const QDate &date);

} // namespace tamb
