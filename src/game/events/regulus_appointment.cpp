#include "game/events/regulus_appointment.h"

#include <algorithm>

#include "game/events/one_shot_bits.h"
#include "game/state/party.h"

namespace vela {

namespace {

constexpr int kFirstYear = 774;
constexpr int kDayLow = 33, kDayHigh = 34;

int today() { return std::max(0, (Party.Year - kFirstYear) * 360 + Party.Day); }
int stored() { return Party.Flags[kDayLow] | (Party.Flags[kDayHigh] << 8); }

}  // namespace

void MakeAppointment() {
    if (stored() != 0) return;
    int day = std::clamp(today() + 10, 1, 0xFFFF);
    Party.Flags[kDayLow] = uint8_t(day & 0xFF);
    Party.Flags[kDayHigh] = uint8_t(day >> 8);
}

int AppointmentMonth() { return stored() % 360 / 30 + 1; }
int AppointmentDayOfMonth() { return stored() % 360 % 30 + 1; }

bool AppointmentDue() {
    return stored() != 0 && !IsSet(Bit::HutAppointment) && stored() <= today() && Party.Hour >= 12;
}

}  // namespace vela
