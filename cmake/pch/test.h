// Precompiled for every test executable: GoogleTest and the model's set.
#pragma once

#include "model.h"

#include <gtest/gtest.h>
