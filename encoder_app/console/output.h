// How the console front end prints one conversion: the converted string as UTF-8, or one
// JSON object with everything the dialog would show.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "encoder_app/conversion_request.h"

namespace glyphmate {

std::string to_hex(std::string_view bytes);
nlohmann::ordered_json to_json(const ConversionRequest& request, const ConversionResult& result);

}  // namespace glyphmate
