// The appointment at the hut: the note of 레굴루스 fixes a day ten days
// ahead, and from noon of that day the herbalist is home when the party
// enters through the hut on the overworld. The day is kept in flags[33]
// (low byte) and flags[34] (high byte) as days since the start of year 774,
// so a note read late in a year still comes due early in the next.
#pragma once

namespace vela {

constexpr int kHerbalistX = 40, kHerbalistY = 13;

// Stores today plus ten unless a day is stored already.
void MakeAppointment();
// The stored day as "M월 D일".
int AppointmentMonth();
int AppointmentDayOfMonth();
// A day is stored, the herbalist has not come yet, the day has come and it
// is past noon.
bool AppointmentDue();

}  // namespace vela
