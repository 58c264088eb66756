#include "files/Clock.h"

namespace tamb {

namespace {
QDate fixedToday;
} // namespace

QDate Today()
{
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void SetToday(const QDate &date)
{
    fixedToday = date;
}

} // namespace tamb
