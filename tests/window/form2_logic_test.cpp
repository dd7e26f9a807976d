#include "window/form2_logic.h"

#include <gtest/gtest.h>

namespace quintora {
namespace {

} // namespace
} // namespace quintora
