// An automation value as bytes, the way the response body of the request
// object is taken: a one-byte element array (held directly or by
// reference) gives all its elements in storage order, whatever its
// dimensions; an array of any other element gives nothing; any other value
// goes through the standard conversion to a byte array, and nothing when
// that fails.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <vector>

namespace velloran::win32 {

// False when the value gave no byte array at all.
bool variantBytes(const VARIANT& value, std::vector<unsigned char>& bytes);

}  // namespace velloran::win32
