// Handing weapons, shields and armour between members.
#pragma once

namespace vela {

void ExchangeEquipment();

}  // namespace vela
