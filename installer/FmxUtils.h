#pragma once
// Copying one file.
#include "SysUtils.h"
#include <string>

// A copy whose source could not be read to its end, or whose target did not
// take every byte read.
class ECopyError : public EStreamError {
public:
  using EStreamError::EStreamError;
};

// Copies source into the folder destination, or onto the file destination.
// The copy gets normal attributes and the time of the copy. Raises
// EFOpenError, EFCreateError or ECopyError.
void CopyFileTo(const std::string& source, const std::string& destination);
