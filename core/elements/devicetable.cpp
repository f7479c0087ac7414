#include "elements/devicetable.h"

#include "elements/registerentry.h"

namespace brevix {

int DeviceTable::maximum(int index) const
{
    return deviceNumberAt(maxima, index);
}

int DeviceTable::bitLimit(int index) const
{
    return deviceNumberAt(bits, index);
}

} // namespace brevix
