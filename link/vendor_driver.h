// The vendor's D2XX library, bound at run time. Without the library (or with one that lacks a
// call) the driver behaves as a driver that does not answer.
#pragma once

#include <memory>

#include "link/cable_driver.h"

std::unique_ptr<CableDriver> LoadVendorDriver();
