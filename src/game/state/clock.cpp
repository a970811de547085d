#include "game/state/party.h"
#include "game/state/rules.h"

namespace vela {

void AddTime(int hours, int minutes, int seconds) {
    // Carried in full-width numbers, so a long rest never wraps a byte field
    // and loses time; for the small steps the game takes this is the same as
    // adding to the byte fields and carrying.
    int second = Party.Second + seconds;
    int minute = Party.Minute + minutes + second / 60;
    int hour = Party.Hour + hours + minute / 60;
    int day = Party.Day + hour / 24;
    int year = Party.Year;
    if (day > 360) {
        year += (day - 1) / 360;
        day = (day - 1) % 360 + 1;
    }
    Party.Second = uint8_t(second % 60);
    Party.Minute = uint8_t(minute % 60);
    Party.Hour = uint8_t(hour % 24);
    Party.Day = int16_t(day);
    Party.Year = uint16_t(year);
}

}  // namespace vela
