#include "platform/bounded_array.h"
#include "platform/checked_int.h"

namespace platform {

void overflow()
{
    fatal(kOverflow, QStringLiteral("Overflow"));
}

void subscriptOutOfRange()
{
    fatal(kSubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

}  // namespace platform
