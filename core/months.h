// The month codes of the saved calendar and the length of a month.
#pragma once

#include <cstdint>

// Months are stored as codes: 1..10 for January to October, 12 November, 13 December. 11 is
// not a month and never occurs. Every month has 31 days.
struct MonthCode {
    int32_t code;
    const char* name;
    const char* dateFormat; // formatted with the day and the year
};
constexpr int kMonthCount = 12;
constexpr int32_t kDaysInMonth = 31;
constexpr MonthCode kMonths[kMonthCount] = {{1, "January", "January %i, %i"},
                                            {2, "February", "February %i, %i"},
                                            {3, "March", "March %i, %i"},
                                            {4, "April", "April %i, %i"},
                                            {5, "May", "May %i, %i"},
                                            {6, "June", "June %i, %i"},
                                            {7, "July", "July %i, %i"},
                                            {8, "August", "August %i, %i"},
                                            {9, "September", "September %i, %i"},
                                            {10, "October", "October %i, %i"},
                                            {12, "November", "November %i, %i"},
                                            {13, "December", "December %i, %i"}};
static_assert(kMonths[0].code == 1 && kMonths[kMonthCount - 1].code == 13);

// The month of a code, or nullptr for a code that is no month (11 among them).
inline const MonthCode* FindMonth(int32_t code) {
    for (const MonthCode& month : kMonths) {
        if (month.code == code) {
            return &month;
        }
    }
    return nullptr;
}
