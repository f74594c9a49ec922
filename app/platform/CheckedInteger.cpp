#include "platform/CheckedInteger.h"

#include "platform/RunTimeError.h"

#include <limits>

namespace platform {
namespace {

Integer fitOrOverflow(long wide)
{
    if (wide < std::numeric_limits<Integer>::min() || wide > std::numeric_limits<Integer>::max())
        throw RunTimeError::overflow();
    return static_cast<Integer>(wide);
}

}  // namespace

Integer addChecked(Integer a, Integer b)
{
    return fitOrOverflow(long{a} + long{b});
}

Integer subtractChecked(Integer a, Integer b)
{
    return fitOrOverflow(long{a} - long{b});
}

}  // namespace platform
