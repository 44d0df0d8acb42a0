// The configuration file named after the program: argument 0 followed by ".ini".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vmx {

// Reads the file into the settings. 0 when it was opened, 11 when it cannot be.
int32_t vxf_read_config(const std::string& program_name);

// Applies one line of the file (without its line end) to the settings.
void apply_config_line(std::string_view line);

// Reads "width" or "width,height" into the maximum image size; a number not read leaves its
// setting alone. Shared by the "limit_size" key and the "-limit_size" option.
void read_limit_size(std::string_view text);

}  // namespace vmx
