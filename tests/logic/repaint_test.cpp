#include <gtest/gtest.h>
#include "logic/form.h"
