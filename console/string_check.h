// SPDX-License-Identifier: MIT
// glyphmate-encode --inspect: checks pasted converted strings, one or a merge file of them.
#pragma once

#include <nlohmann/json.hpp>

#include <glyphmate.h>

#include "console/command_line.h"

namespace varnel::glyphmate::console {

// The inspection as one JSON object; others only when no type was given.
nlohmann::ordered_json inspection_json(const glyphmate_inspection& r, bool with_others);

// One string from the command line; exit status 0 when it scans, 1 when not, 2 for a usage error.
int inspect_one(const Settings& s);
// Every line of the batch input, or every record of a CSV (the columns scans, data and
// faults appended); exit status 1 when a record does not scan.
int inspect_batch(const Settings& s);

}  // namespace varnel::glyphmate::console
